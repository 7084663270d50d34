// The scene tables of the picture exercise: sixteen tables of 22 entries, entry k of each
// belonging to scene k. Each fill routine stores its table's constants from the scene rows.
#pragma once

#include "scenerows.h"

#include <QString>
#include <array>

namespace zeb {

using SceneTable = std::array<QString, SceneCount>;

// The picture of scene k is picture number k + 2.
constexpr int scenePictureId(int scene)
{
    return scene + 2;
}

struct SceneTables
{
    SceneTable SceneSubjects, SceneSubjectWords, SceneFirstPersonForms, SceneSecondPersonForms,
        SceneThirdPersonForms, SceneQuestionWords, SceneObjects, SceneObjectWords, ScenePlaces,
        ScenePlaceWords, SceneTimes, SceneTimeWords, SceneInfinitives, SceneObjectPronouns,
        SceneIndirectPronouns;
    // The scene's picture while the scene is still to be shown in this pass; 0 once shown.
    std::array<int, SceneCount> ScenePictureIds{};

    void FillSceneSubjects();
    void FillSceneSubjectWords();
    void FillSceneFirstPersonForms();
    void FillSceneSecondPersonForms();
    void FillSceneThirdPersonForms();
    void FillSceneQuestionWords();
    void FillScenePictureIds();
    void FillSceneObjects();
    void FillSceneObjectWords();
    void FillScenePlaces();
    void FillScenePlaceWords();
    void FillSceneTimes();
    void FillSceneTimeWords();
    void FillSceneInfinitives();
    void FillSceneObjectPronouns();
    void FillSceneIndirectPronouns();
    // All sixteen, in the order the window loads them.
    void FillSceneTables();
    // Tables filled once, for whoever only reads them.
    static const SceneTables &filled();
};

} // namespace zeb
