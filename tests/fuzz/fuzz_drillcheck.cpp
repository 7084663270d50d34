// The drill check: any answer to any item of any drill, with the capital rule.
#include "drills/drillengine.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in{data, size};
    static const zeb::DrillBank banks[] = {zeb::bank1701(), zeb::bank1705(), zeb::bank1707(),
                                           zeb::bank1710()};
    const zeb::DrillBank bank = banks[in.byte() % 4];
    zeb::DrillEngine engine(bank, int(bank.size()));
    engine.loadBank();
    engine.CurrentItem = 1 + in.byte() % int(bank.size());
    const QString answer = in.text();
    const int k = engine.CurrentItem;
    const QString start = engine.SentenceStarts.at(k) + u' ',
                  end = u' ' + engine.SentenceEnds.at(k);

    const bool right = engine.isCorrect(start, answer, end);
    require(!right || zeb::sameText(zeb::trimBlanks(answer), engine.VerbForms.at(k)) ||
            answer.contains(u' '));
    require(engine.isCorrect(start, u"  "_qs + engine.VerbForms.at(k) + u" "_qs, end));
    if (const auto capitalized = zeb::capitalizeFirstLetter(answer)) {
        require(!capitalized->text.isEmpty() &&
                zeb::trimBlanks(capitalized->text) == capitalized->text);
        require(!zeb::capitalizeFirstLetter(capitalized->text)->wasLowerCase ||
                capitalized->text.front().isSurrogate() ||
                capitalized->text.front().toUpper() != capitalized->text.front());
    } else {
        require(zeb::trimBlanks(answer).isEmpty());
    }
    zeb::opensWithGap(answer);
    return 0;
}
