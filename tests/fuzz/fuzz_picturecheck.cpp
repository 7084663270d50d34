// The picture check: any text typed for any task of any scene.
#include "common/answertext.h"
#include "fuzzinput.h"
#include "picture/picturecheck.h"
#include "picture/taskcodes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const zeb::SceneTables &tables = zeb::SceneTables::filled();
    FuzzInput in{data, size};
    const int scene = in.byte() % zeb::SceneCount;
    const int code = zeb::FirstTaskCode + in.byte() % zeb::LastTaskCode;
    const bool asking = zeb::isQuestionTask(code);
    const QString typed = in.text();

    const zeb::SceneTexts texts = zeb::BuildSceneSentence(tables, scene, code);
    const zeb::PictureCheck check = zeb::checkPictureAnswer(typed, texts, code, asking);
    // The tidied text has no run of blanks and no blank at either end.
    require(!check.answer.contains(u"  "_qs) && zeb::trimBlanks(check.answer) == check.answer);
    require(zeb::tidyAnswer(check.answer) == check.answer);
    const zeb::ShownForms shown = zeb::shownForms(texts, asking);
    if (check.verdict == zeb::Verdict::Right)
        require(zeb::sameText(check.answer, shown.Text1) ||
                zeb::sameText(check.answer, shown.Text4) ||
                zeb::sameText(check.answer, shown.Text5));
    if (check.verdict == zeb::Verdict::Nothing)
        require(check.answer.isEmpty());
    // The model text itself is always right.
    require(zeb::checkPictureAnswer(shown.Text1, texts, code, asking).verdict ==
            zeb::Verdict::Right);
    return 0;
}
