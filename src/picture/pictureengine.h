// The engine of the picture exercise: the scene tables, the pool of scenes still to be shown in
// the pass, the draws, the task the learner chose and its built texts. It knows no window.
#pragma once

#include "scenesentence.h"
#include "taskcodes.h"

#include <optional>

namespace zeb {

enum class PictureExercise { Two, Four, Six, All }; // 2, 4, 6 and 2 + 4 + 6

struct SceneRange
{
    int first, last;
    int size() const { return last - first + 1; }
    bool contains(int scene) const { return scene >= first && scene <= last; }
};

SceneRange sceneRange(PictureExercise exercise);
int modelScene(PictureExercise exercise);

inline constexpr int NoScene = 23; // no scene drawn since the load or the last reset

class PictureEngine
{
public:
    SceneTables tables;
    int SceneIndex = NoScene;
    int ScenesShown = 0;
    int TaskCode = 0; // 0 until a task has been chosen
    QString SavedQuestion;
    SceneTexts texts;

    // Fills the tables; no scene is drawn.
    void load();
    // Every scene is to be shown again and none is drawn.
    void reset();

    bool isAvailable(int scene) const;
    // Draws the first scene of a pass; returns its picture.
    std::optional<int> PickFirstScene(SceneRange range);
    // Draws a scene of the range not yet shown in this pass and returns its picture; nothing once
    // the whole range has been shown (the pass is over).
    std::optional<int> PickNextScene(SceneRange range);

    // Sets the task code from the choice (an answer task builds and keeps its question first);
    // the code stays when no task fits. Then builds the task's texts.
    void setUpTask(Activity activity, QuestionType type, Person person);
    // The model works on the model scene of the exercise; once it is shown, the pool is full
    // again and the next start draws a fresh pass.
    void beginModel(PictureExercise exercise);
    void endModel();

private:
    std::optional<int> drawScene(SceneRange range);
};

} // namespace zeb
