#include "pictureengine.h"

#include "../common/random.h"

#include <QList>

namespace zeb {

SceneRange sceneRange(PictureExercise exercise)
{
    switch (exercise) {
    case PictureExercise::Two:
        return {0, 9};
    case PictureExercise::Four:
        return {10, 15};
    case PictureExercise::Six:
        return {16, 21};
    case PictureExercise::All:
        break;
    }
    return {0, SceneCount - 1};
}

int modelScene(PictureExercise exercise)
{
    return sceneRange(exercise).first;
}

void PictureEngine::load()
{
    tables.FillSceneTables();
    SceneIndex = NoScene;
}

void PictureEngine::reset()
{
    ScenesShown = 0;
    SceneIndex = NoScene;
    tables.FillScenePictureIds();
}

bool PictureEngine::isAvailable(int scene) const
{
    return scene >= 0 && scene < SceneCount && tables.ScenePictureIds[scene] != 0;
}

std::optional<int> PictureEngine::drawScene(SceneRange range)
{
    QList<int> available;
    for (int k = std::max(range.first, 0); k <= std::min(range.last, SceneCount - 1); ++k) {
        if (isAvailable(k))
            available.append(k);
    }
    if (available.isEmpty())
        return std::nullopt;
    // One draw among the scenes left: the same chances as drawing from the whole range until a
    // scene still to be shown comes up, without the retries.
    SceneIndex = available.at(drawIndex(int(available.size())));
    const int picture = tables.ScenePictureIds[SceneIndex];
    tables.ScenePictureIds[SceneIndex] = 0;
    ++ScenesShown;
    return picture;
}

std::optional<int> PictureEngine::PickFirstScene(SceneRange range)
{
    ScenesShown = 0;
    return drawScene(range);
}

std::optional<int> PictureEngine::PickNextScene(SceneRange range)
{
    if (ScenesShown >= range.size())
        return std::nullopt;
    return drawScene(range);
}

void PictureEngine::setUpTask(Activity activity, QuestionType type, Person person)
{
    if (const auto codes = taskCodesFor(activity, type, person)) {
        if (codes->question != 0) {
            texts = BuildSceneSentence(tables, SceneIndex, codes->question, texts);
            SavedQuestion = texts.ExpectedText;
        }
        TaskCode = codes->task;
    }
    texts = BuildSceneSentence(tables, SceneIndex, TaskCode, texts);
}

void PictureEngine::beginModel(PictureExercise exercise)
{
    // A scene counts as drawn, so that setting up the task keeps the model scene.
    ScenesShown = 1;
    SceneIndex = modelScene(exercise);
}

void PictureEngine::endModel()
{
    ScenesShown = 0;
    tables.FillScenePictureIds();
}

} // namespace zeb
