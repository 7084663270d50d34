// The engine of the picture exercise: the exercise and its scenes, the learner's choice of
// activity, question type and person, the pool of scenes still to be shown in the pass, the task
// on screen with its accepted texts, and the verdict on the learner's sentence. It knows no
// window.
#pragma once

#include "../common/exercises.h"
#include "picturecheck.h"
#include "taskcodes.h"

#include <QStringList>
#include <bitset>
#include <optional>

namespace zeb {

struct SceneRange
{
    int first, last;
    int size() const { return last - first + 1; }
    bool contains(int scene) const { return scene >= first && scene <= last; }
};

// The scenes of a picture exercise; the first one is its model.
SceneRange sceneRange(Exercise exercise);

inline constexpr int NoScene = 23; // no scene drawn since the load or the last reset

struct PictureChoice
{
    Activity activity = Activity::None;
    QuestionType type = QuestionType::None;
    Person person = Person::None;
};

class PictureEngine
{
public:
    // Exercise 2, statements in the third person, no scene drawn.
    PictureEngine();

    // Another exercise: its pass starts afresh.
    void setExercise(Exercise exercise);
    Exercise exercise() const { return m_exercise; }
    SceneRange range() const { return sceneRange(m_exercise); }

    // The learner's choice. A change sets up what goes with it and starts the pass afresh;
    // choosing what is chosen already changes nothing (false).
    const PictureChoice &choice() const { return m_choice; }
    bool chooseActivity(Activity activity);
    bool chooseType(QuestionType type);
    bool choosePerson(Person person);
    bool typesEnabled() const { return m_choice.activity != Activity::Statement; }
    bool isPersonEnabled(Person person) const;

    // The pass: every scene of the range once, in random order.
    int scene() const { return m_scene; }
    int scenesShown() const { return m_scenesShown; }
    bool isAvailable(int scene) const;
    // No task, no scene, every scene to be shown again.
    void reset();

    // Comenzar: draws the pass's first scene unless one is shown, then sets up the chosen task.
    // False when no scene can be drawn.
    bool startTask();
    // A task is on screen to be checked and solved.
    bool taskOpen() const { return m_taskOpen; }
    const SceneTexts &texts() const { return m_texts; }
    // The accepted texts as the learner sees them.
    ShownForms solution() const;
    // The question that an answer task puts, and the question word a partial question II asks
    // with ("¿Dónde?"); empty for other tasks.
    QString question() const;
    QString questionWordPrompt() const;
    // What a click on the picture lists: the scene's key words for the chosen person.
    QStringList keyWords() const;
    // The scene on display as "scene n of the exercise"; nothing while no task is open.
    std::optional<std::pair<int, int>> progress() const;

    // Judges the learner's sentence. A right one draws the next scene and sets up its task, or
    // ends the pass (PassEnded) and resets.
    PictureCheck check(const QString &typed);

    // The model: the chosen task on the exercise's first scene, worked and not open; afterwards
    // the pool is full again, so the next start draws a fresh pass.
    void showModel();

private:
    bool drawScene();
    void setUpTask();

    Exercise m_exercise = Exercise::Picture2;
    PictureChoice m_choice{Activity::Statement, QuestionType::None, Person::Third};
    std::bitset<SceneCount> m_shown; // the scenes shown in this pass
    int m_scene = NoScene;
    int m_scenesShown = 0;
    bool m_taskOpen = false;
    int m_taskCode = 0; // 0 until a task has been chosen
    QString m_savedQuestion;
    SceneTexts m_texts;
};

} // namespace zeb
