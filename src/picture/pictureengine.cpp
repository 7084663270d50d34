#include "pictureengine.h"

#include "../common/random.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace zeb {

SceneRange sceneRange(Exercise exercise)
{
    switch (exercise) {
    case Exercise::Picture2:
        return {0, 9};
    case Exercise::Picture4:
        return {10, 15};
    case Exercise::Picture6:
        return {16, 21};
    default:
        return {0, SceneCount - 1};
    }
}

PictureEngine::PictureEngine() = default;

void PictureEngine::setExercise(Exercise exercise)
{
    m_exercise = exercise;
    reset();
}

bool PictureEngine::chooseActivity(Activity activity)
{
    if (activity == m_choice.activity || activity == Activity::None)
        return false;
    m_choice.activity = activity;
    switch (activity) {
    case Activity::Statement:
        // Statements ask nothing, and have no polite person: the third person takes its place.
        if (m_choice.type != QuestionType::PartialII)
            m_choice.type = QuestionType::None;
        if (m_choice.person == Person::Polite)
            m_choice.person = Person::Third;
        break;
    case Activity::Question:
        m_choice.type = QuestionType::General;
        m_choice.person = Person::Second;
        break;
    case Activity::Answer:
        m_choice.type = QuestionType::General;
        m_choice.person = Person::First;
        break;
    case Activity::None:
        break;
    }
    reset();
    return true;
}

bool PictureEngine::chooseType(QuestionType type)
{
    if (type == m_choice.type || type == QuestionType::None || !typesEnabled())
        return false;
    m_choice.type = type;
    reset();
    return true;
}

bool PictureEngine::choosePerson(Person person)
{
    if (person == m_choice.person || !isPersonEnabled(person))
        return false;
    m_choice.person = person;
    reset();
    return true;
}

bool PictureEngine::isPersonEnabled(Person person) const
{
    switch (person) {
    case Person::First:
        return m_choice.activity != Activity::Question;
    case Person::Second:
        return m_choice.activity != Activity::Answer;
    case Person::Third:
        return true;
    case Person::Polite:
        return m_choice.activity == Activity::Question;
    case Person::None:
        break;
    }
    return false;
}

bool PictureEngine::isAvailable(int scene) const
{
    return scene >= 0 && scene < SceneCount && !m_shown.test(std::size_t(scene));
}

void PictureEngine::reset()
{
    m_shown.reset();
    m_scene = NoScene;
    m_scenesShown = 0;
    m_taskOpen = false;
}

bool PictureEngine::drawScene()
{
    const SceneRange scenes = range();
    QList<int> available;
    for (int k = scenes.first; k <= scenes.last; ++k) {
        if (isAvailable(k))
            available.append(k);
    }
    if (available.isEmpty())
        return false;
    // One draw among the scenes left: the same chances as drawing from the whole range until a
    // scene still to be shown comes up, without the retries.
    m_scene = available.at(drawIndex(int(available.size())));
    m_shown.set(std::size_t(m_scene));
    ++m_scenesShown;
    return true;
}

void PictureEngine::setUpTask()
{
    // A choice that fits no task keeps the task code it had.
    if (const auto codes = taskCodesFor(m_choice.activity, m_choice.type, m_choice.person)) {
        if (codes->question != 0) {
            m_texts = BuildSceneSentence(m_scene, codes->question, m_texts);
            m_savedQuestion = m_texts.ExpectedText;
        }
        m_taskCode = codes->task;
    }
    m_texts = BuildSceneSentence(m_scene, m_taskCode, m_texts);
}

bool PictureEngine::startTask()
{
    if (m_scenesShown < 1 && !drawScene())
        return false;
    setUpTask();
    m_taskOpen = true;
    return true;
}

ShownForms PictureEngine::solution() const
{
    return shownForms(m_texts, m_choice.activity == Activity::Question);
}

QString PictureEngine::question() const
{
    return m_choice.activity == Activity::Answer ? shownText(m_savedQuestion, true) : QString();
}

QString PictureEngine::questionWordPrompt() const
{
    if (m_choice.activity != Activity::Question || m_choice.type != QuestionType::PartialII ||
        m_scene >= SceneCount)
        return {};
    return u"¿"_s + QString::fromUtf16(sceneRows()[m_scene].questionWord) + u'?';
}

QStringList PictureEngine::keyWords() const
{
    if (m_scene < 0 || m_scene >= SceneCount || m_choice.person == Person::None)
        return {};
    const SceneRow &row = sceneRows()[m_scene];
    QStringList words{QString::fromUtf16(row.timeWord)};
    // Only the third person names the subject.
    if (m_choice.person == Person::Third)
        words << QString::fromUtf16(row.subjectWord);
    words << QString::fromUtf16(row.infinitive) << QString::fromUtf16(row.objectWord)
          << QString::fromUtf16(row.placeWord);
    return words;
}

std::optional<std::pair<int, int>> PictureEngine::progress() const
{
    if (!m_taskOpen)
        return std::nullopt;
    return std::pair{m_scenesShown, range().size()};
}

PictureCheck PictureEngine::check(const QString &typed)
{
    if (!m_taskOpen)
        return {typed, Verdict::Nothing};
    PictureCheck result =
        checkPictureAnswer(typed, m_texts, m_taskCode, m_choice.activity == Activity::Question);
    if (result.verdict == Verdict::Wrong) {
        const ShownForms accepted = solution();
        result.hint = sentenceHint(result.answer, {accepted.Text1, accepted.Text4, accepted.Text5},
                                   taskVerb(m_scene, m_taskCode));
    }
    if (result.verdict != Verdict::Right)
        return result;
    if (m_scenesShown >= range().size() || !drawScene()) {
        reset();
        result.verdict = Verdict::PassEnded;
        return result;
    }
    setUpTask();
    return result;
}

void PictureEngine::showModel()
{
    m_scene = range().first;
    setUpTask();
    m_taskOpen = false;
    reset();
    m_scene = range().first;
}

} // namespace zeb
