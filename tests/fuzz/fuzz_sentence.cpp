// The sentence builder: any task code, any scene number, whatever was built before.
#include "fuzzinput.h"
#include "picture/scenesentence.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const zeb::SceneTables &tables = zeb::SceneTables::filled();
    FuzzInput in{data, size};
    const int scene = in.number(), code = in.number();
    const QString before = in.text();
    const zeb::SceneTexts previous{before, before, before, before};
    const zeb::SceneTexts texts = zeb::BuildSceneSentence(tables, scene, code, previous);
    require(texts.PolitePronoun == u"usted"_qs || texts.PolitePronoun == u"ustedes"_qs);
    const bool validCode = code >= zeb::FirstTaskCode && code <= zeb::LastTaskCode;
    const bool validScene = scene >= 0 && scene < zeb::SceneCount;
    if (!validCode) // nothing built
        require(texts.ExpectedText == before && texts.ExpectedTextShort == before &&
                texts.ExpectedTextPronoun == before);
    else if (!validScene)
        require(texts.ExpectedText == before && texts.ExpectedTextShort.isEmpty() &&
                texts.ExpectedTextPronoun.isEmpty());
    else
        require(texts.ExpectedText.endsWith(u'.') || texts.ExpectedText.endsWith(u'?'));
    return 0;
}
