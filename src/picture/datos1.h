// The 22 scenes of the picture exercise as one table: a scene is a picture (someone did
// something at some time) and the pieces that sentences, questions and answers about it are
// built from. Row k is scene k; its picture is picture number k + 2.
#pragma once

#include <array>

namespace zeb {

inline constexpr int SceneCount = 22;

struct SceneRow
{
    // The grammar of the scene.
    const char16_t *subject;         // "Pedro", "los chicos"
    const char16_t *infinitive;      // "comer", "afeitarse"
    const char16_t *firstPerson;     // yo or nosotros form, reflexive pronoun included
    const char16_t *secondPerson;    // tú or vosotros form
    const char16_t *thirdPerson;     // él or ellos form
    const char16_t *questionWord;    // asks for the place, the time or the person
    const char16_t *indirectPronoun; // "le ", "les " or empty
    const char16_t *objectPronouns;  // what replaces the object in a short answer: "lo ", "se la "
    // The content: each piece and its key word, as the picture shows it.
    const char16_t *time;
    const char16_t *timeWord;
    const char16_t *subjectWord;
    const char16_t *object; // with a leading blank; empty when the verb has none
    const char16_t *objectWord;
    const char16_t *place; // place or person, with a leading blank; empty when none
    const char16_t *placeWord;
    bool plural; // the subject is plural: nosotros, vosotros, ellos, ustedes
};

const std::array<SceneRow, SceneCount> &sceneRows();

constexpr int scenePictureId(int scene)
{
    return scene + 2;
}

} // namespace zeb
