// The answer checks under fuzzing; the first byte chooses: a drill pass answered with fuzzed texts
// and expected forms, the picture check of any scene and task code, the sentence builder, or the
// hints for a wrong verb form or sentence.
#include "drills/drillengine.h"
#include "picture/picturecheck.h"
#include "picture/taskcodes.h"

using namespace zeb;

// The fuzzer's bytes as numbers and texts; zeros once they are used up.
struct Input
{
    const uint8_t *data;
    size_t size;

    uint8_t byte() { return size > 0 ? (--size, *data++) : 0; }
    int number()
    {
        uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = n << 8 | byte();
        return int(n);
    }
    // Up to `bytes` bytes as UTF-8, or as raw UTF-16 (lone surrogates too) after an odd flag.
    QString text(size_t bytes)
    {
        const bool utf16 = byte() & 1;
        bytes = qMin(bytes, size);
        size -= bytes;
        const void *at = std::exchange(data, data + bytes);
        return utf16 ? QString::fromUtf16(static_cast<const char16_t *>(at), qsizetype(bytes / 2))
                     : QString::fromUtf8(static_cast<const char *>(at), qsizetype(bytes));
    }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto require = [](bool holds) { holds ? void() : __builtin_trap(); }; // else a crash
    Input in{data, size};
    const int what = in.byte() % 4;
    if (what == 3) { // any text may get a hint, the right one never, and a hint has its words
        const auto bank = std::array{bank1701(), bank1705(), bank1707(), bank1710()}[in.byte() % 4];
        const DrillRow &row = bank[in.byte() % bank.size()];
        const QString form = QString::fromUtf16(row.verbForm);
        const auto person = VerbPerson(in.byte() % VerbPersonCount);
        const QString infinitive = in.byte() & 1 ? QString::fromUtf16(row.infinitive) : in.text(9);
        const Hint hint = verbFormHint(in.text(in.byte()), form, infinitive, person, true);
        require(hintText(hint).isEmpty() == (hint.kind == HintKind::None));
        require(verbFormHint(form, form, infinitive, person).kind == HintKind::None);
        const int scene = in.byte() % SceneCount, code = 1 + in.byte() % LastTaskCode;
        const ShownForms shown = shownForms(BuildSceneSentence(scene, code), isQuestionTask(code));
        const QStringList accepted{shown.Text1, shown.Text4, shown.Text5};
        require(sentenceHint(shown.Text1, accepted, taskVerb(scene, code)).kind == HintKind::None);
        sentenceHint(in.text(in.size), accepted, taskVerb(scene, code));
        return 0;
    }
    if (what == 0) { // rounds of a pass; the expected form, blanks before it, is never wrong
        const auto bank = std::array{bank1701(), bank1705(), bank1707(), bank1710()}[in.byte() % 4];
        DrillEngine engine(bank, 1 + in.byte() % int(bank.size()));
        engine.start();
        while (in.size > 0) {
            const bool expected = in.byte() & 1;
            const QString typed = expected ? QString(in.byte() % 3, u' ') + engine.expectedForm()
                                           : in.text(in.byte());
            const auto answer = engine.capitalize(typed);
            const auto verdict = answer ? engine.check(answer->text) : DrillVerdict::Wrong;
            require(!expected || verdict != DrillVerdict::Wrong);
            if (verdict == DrillVerdict::PassEnded)
                engine.start();
        }
        return 0;
    }
    const int scene = in.number(), code = in.number();
    const SceneTexts texts = BuildSceneSentence(scene, code);
    // The builder makes a statement or a question for every scene and task code.
    if (scene >= 0 && scene < SceneCount && code >= FirstTaskCode && code <= LastTaskCode)
        require(texts.ExpectedText.endsWith(u'.') || texts.ExpectedText.endsWith(u'?'));
    if (what == 2)
        return 0;
    // Any text is judged; every accepted form is right, once its capital is fixed if need be.
    const bool asking = isQuestionTask(code);
    checkPictureAnswer(in.text(in.size), texts, code, asking);
    const ShownForms shown = shownForms(texts, asking);
    for (const QString &form : {shown.Text1, shown.Text4, shown.Text5}) {
        PictureCheck check = checkPictureAnswer(form, texts, code, asking);
        if (check.verdict == Verdict::CapitalFixed)
            check = checkPictureAnswer(check.answer, texts, code, asking);
        require(form.isEmpty() || check.verdict == Verdict::Right);
    }
    return 0;
}
