// Why an answer is wrong, as a teacher would say it: the hint that follows "No es correcto".
// A hint names the mistake and never gives the answer away.
#pragma once

#include "conjugation.h"

namespace zeb {

enum class HintKind {
    None,
    Accents,        // only the written accents differ
    SpellingCQu,    // marcé: before e, the c is written qu
    SpellingGGu,    // llegé
    SpellingZC,     // comenzé
    SpellingGuGue,  // averigué
    SpellingIY,     // leió: between vowels, the i is written y
    MissingPronoun, // divertí for me divertí
    WrongPronoun,   // a pronoun too many, or of another person
    Infinitive,
    Present,
    Imperfect,
    OtherPerson, // the preterite of another person
    Irregular,   // tení for tuve
    StemEToI,    // pedió for pidió
    StemOToU,    // dormió for durmió
    WordOrder,
    QuestionMarks,
    ExclamationMarks,
};

struct Hint
{
    Hint(HintKind kind = HintKind::None, std::optional<VerbPerson> person = {})
        : kind(kind), person(person)
    {}
    HintKind kind;
    std::optional<VerbPerson> person; // the person meant, where the task shows it
    bool operator==(const Hint &) const = default;
};

// What the learner reads; empty for no hint.
QString hintText(const Hint &hint);

// The hint for `typed` where `expected`, the preterite of `infinitive` in `person`, was due.
// `personShown`: the task shows the person, so the hint may name it.
Hint verbFormHint(const QString &typed, const QString &expected, const QString &infinitive,
                  VerbPerson person, bool personShown = false);

// The verb of a sentence: its form in the accepted sentences, its infinitive and person.
struct SentenceVerb
{
    QString form, infinitive;
    VerbPerson person;
};
// The hint for the sentence `typed` where one of `accepted`, as shown, was due.
Hint sentenceHint(const QString &typed, const QStringList &accepted,
                  const std::optional<SentenceVerb> &verb);

} // namespace zeb
