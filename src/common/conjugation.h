// The verb forms the program knows: preterite, present and imperfect indicative, built by the
// rules of Spanish conjugation from the infinitive and a small table of irregular stems.
#pragma once

#include <QStringList>
#include <optional>

namespace zeb {

enum class Tense { Preterite, Present, Imperfect };
// The six persons in the order of the paradigm.
enum class VerbPerson { Yo, Tu, El, Nosotros, Vosotros, Ellos };
inline constexpr int VerbPersonCount = 6;

// Which rules the forms follow; leaving one out gives the form a learner builds who forgets it.
struct ConjugationRules
{
    bool irregularStems = true; // tuve, fui, di: else the regular endings on the infinitive's stem
    bool stemChanges = true;    // pidió, durmió, pienso, vuelvo
    bool spelling = true;       // marqué, llegué, comencé, averigüé, leyó
};

// The six forms of `infinitive` ("comer", "reírse") in `tense`, yo first; a pronominal verb's
// forms carry their reflexive pronoun ("me reí"). Empty when `infinitive` is no infinitive.
QStringList conjugate(const QString &infinitive, Tense tense, ConjugationRules rules = {});
QString conjugate(const QString &infinitive, Tense tense, VerbPerson person);

// How the preterite's stem differs from the infinitive's.
enum class PreteriteStem { Regular, Irregular, EToI, OToU };
PreteriteStem preteriteStem(const QString &infinitive);

// The person a drill's person hint names ("1 1": nosotros); nothing for an empty hint.
std::optional<VerbPerson> personOfHint(const QString &hint);
// The person whose preterite `form` is, whatever the case of its letters; nothing if none.
std::optional<VerbPerson> personOfPreterite(const QString &form, const QString &infinitive);

} // namespace zeb
