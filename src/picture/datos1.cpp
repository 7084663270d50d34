#include "datos1.h"

namespace zeb {
namespace {

void fill(SceneTable &table, const char16_t *SceneRow::*piece)
{
    for (int k = 0; k < SceneCount; ++k)
        table[k] = QString::fromUtf16(sceneRows()[k].*piece);
}

} // namespace

// clang-format off
void SceneTables::FillSceneSubjects()          { fill(SceneSubjects, &SceneRow::subject); }
void SceneTables::FillSceneSubjectWords()      { fill(SceneSubjectWords, &SceneRow::subjectWord); }
void SceneTables::FillSceneFirstPersonForms()  { fill(SceneFirstPersonForms, &SceneRow::firstPerson); }
void SceneTables::FillSceneSecondPersonForms() { fill(SceneSecondPersonForms, &SceneRow::secondPerson); }
void SceneTables::FillSceneThirdPersonForms()  { fill(SceneThirdPersonForms, &SceneRow::thirdPerson); }
void SceneTables::FillSceneQuestionWords()     { fill(SceneQuestionWords, &SceneRow::questionWord); }
void SceneTables::FillSceneObjects()           { fill(SceneObjects, &SceneRow::object); }
void SceneTables::FillSceneObjectWords()       { fill(SceneObjectWords, &SceneRow::objectWord); }
void SceneTables::FillScenePlaces()            { fill(ScenePlaces, &SceneRow::place); }
void SceneTables::FillScenePlaceWords()        { fill(ScenePlaceWords, &SceneRow::placeWord); }
void SceneTables::FillSceneTimes()             { fill(SceneTimes, &SceneRow::time); }
void SceneTables::FillSceneTimeWords()         { fill(SceneTimeWords, &SceneRow::timeWord); }
void SceneTables::FillSceneInfinitives()       { fill(SceneInfinitives, &SceneRow::infinitive); }
void SceneTables::FillSceneObjectPronouns()    { fill(SceneObjectPronouns, &SceneRow::objectPronouns); }
void SceneTables::FillSceneIndirectPronouns()  { fill(SceneIndirectPronouns, &SceneRow::indirectPronoun); }
// clang-format on

void SceneTables::FillScenePictureIds()
{
    for (int k = 0; k < SceneCount; ++k)
        ScenePictureIds[k] = scenePictureId(k);
}

void SceneTables::FillSceneTables()
{
    FillSceneSubjects();
    FillSceneSubjectWords();
    FillSceneFirstPersonForms();
    FillSceneSecondPersonForms();
    FillSceneThirdPersonForms();
    FillSceneQuestionWords();
    FillScenePictureIds();
    FillSceneObjects();
    FillSceneObjectWords();
    FillScenePlaces();
    FillScenePlaceWords();
    FillSceneTimes();
    FillSceneTimeWords();
    FillSceneInfinitives();
    FillSceneObjectPronouns();
    FillSceneIndirectPronouns();
}

const SceneTables &SceneTables::filled()
{
    static const SceneTables tables = [] {
        SceneTables t;
        t.FillSceneTables();
        return t;
    }();
    return tables;
}

} // namespace zeb
