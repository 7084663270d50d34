// The judgement of the learner's sentence: tidy blanks, the capital first letter of statements
// and answers, and the exact comparison with the accepted texts as they are shown.
#pragma once

#include "scenesentence.h"

#include <optional>

namespace zeb {

// Every run of blanks becomes one blank; tabs and line breaks stay as they are.
QString collapseBlanks(const QString &text);
// Runs of blanks collapsed, leading and trailing blanks gone.
QString tidyAnswer(const QString &text);

// A built text as the learner sees it: capital first letter, and "¿" in front of a question.
// Empty for an empty text.
QString shownText(const QString &built, bool question = false);

// The accepted texts as shown; an empty one is not accepted.
struct ShownForms
{
    QString Text1; // the model text
    QString Text4; // the short answer with pronouns
    QString Text5; // the model without its time
};
ShownForms shownForms(const SceneTexts &texts, bool asking);

enum class Verdict {
    Nothing,      // no text to judge: the check ends silently
    CapitalFixed, // the first letter was made upper case; the next press judges
    Right,
    Wrong,
    PassEnded, // right, and the last scene of the pass
};

struct PictureCheck
{
    QString answer; // the learner's text after tidying (and the capital step)
    Verdict verdict;
    Hint hint = {}; // why a wrong answer is wrong, where the sentence tells
};

// `asking`: the learner asks the question (activity Pregunte), so the accepted texts carry "¿".
PictureCheck checkPictureAnswer(const QString &typed, const SceneTexts &texts, int taskCode,
                                bool asking);

} // namespace zeb
