// The picture window's controls as designed: places in twips, captions, fonts and looks, and
// what its options and exercise buttons choose.
#pragma once

#include "../common/exercises.h"
#include "../common/layout.h"
#include "taskcodes.h"

#include <QString>
#include <span>

namespace zeb {

std::span<const ControlRow> pictureControls();

// Each option chooses one thing: an activity, a question type or a person.
struct OptionChoice
{
    const char *name;
    Activity activity = Activity::None;
    QuestionType type = QuestionType::None;
    Person person = Person::None;
};
std::span<const OptionChoice> pictureOptions();

// The buttons of the row that open an exercise: a drill's window, or here one of the picture
// exercises, with the window caption's end when it is chosen from another window or here.
struct ExerciseButton
{
    const char *name;
    Exercise exercise;
    const char16_t *openedCaption = nullptr; // none for the drills
    const char16_t *chosenCaption = nullptr;
};
std::span<const ExerciseButton> pictureExerciseButtons();

// The window's messages and the person indicator's caption.
struct PictureTexts
{
    QString wrongAnswer, endOfPass, passTitle, helpTitle, helpIntro, keyWordsTitle;
};
const PictureTexts &pictureTexts();
QString personIndicator(Person person);

} // namespace zeb
