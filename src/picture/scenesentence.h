// The sentence builder: for a scene and a task code, the expected statement, question or answer
// and the other forms that are accepted, assembled from the scene's row by fixed patterns.
#pragma once

#include "../common/verbhint.h"
#include "datos1.h"

#include <QString>

namespace zeb {

// Task codes 1 to 18: statements 1-3, questions 4, 5, 8, 9, 12, 13, 14, 16, 18, answers 6, 7,
// 10, 11, 15, 17.
inline constexpr int FirstTaskCode = 1;
inline constexpr int LastTaskCode = 18;

// Built without an opening "¿" and with the first letter as the first piece gives it.
struct SceneTexts
{
    QString ExpectedText;        // the model text
    QString ExpectedTextShort;   // the model without its time; empty when not accepted
    QString ExpectedTextPronoun; // the short yes-answer with object pronouns; empty when none
    QString PolitePronoun;       // "usted" or "ustedes"
};

// Scenes outside the table (none drawn) count as plural.
bool isPluralScene(int scene);

// The texts of `taskCode` for `scene`, starting from the texts built before. A code outside
// 1..18 builds nothing but the polite pronoun; a scene outside 0..21 leaves the alternatives
// emptied and the model text as it was.
SceneTexts BuildSceneSentence(int scene, int taskCode, SceneTexts texts = {});

// The verb in the texts of `taskCode` for `scene`: the scene's own, or hacer in the questions
// "¿Qué hizo...?"; nothing outside the scenes and the codes.
std::optional<SentenceVerb> taskVerb(int scene, int taskCode);

} // namespace zeb
