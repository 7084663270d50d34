#include "exercises.h"

#include "forms.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

struct PictureExercise
{
    Exercise exercise;
    QString captionEnd;
    const char *button; // its button in the picture window
};

// The picture window's exercise buttons, in the order they are set.
const PictureExercise pictureExercises[] = {
    {Exercise::Picture2, u"2"_s, "Command3"},
    {Exercise::Picture4, u"4"_s, "Command5"},
    {Exercise::Picture246, u"2 + 4 + 6"_s, "Command4"},
    {Exercise::Picture6, u"6"_s, "Command10"},
};

bool openPictureExercise(Exercise exercise)
{
    Form *window = forms::show(FormName::zeb1702);
    if (!window)
        return false;
    for (const PictureExercise &picture : pictureExercises) {
        if (picture.exercise == exercise)
            window->setWindowTitle(u"Ejercicios gramaticales    ----  Unidad 17: Ejercicio "_s +
                                   picture.captionEnd);
    }
    for (const PictureExercise &picture : pictureExercises) {
        if (auto *button = window->findChild<QPushButton *>(QLatin1StringView(picture.button)))
            button->setEnabled(picture.exercise != exercise);
    }
    return true;
}

} // namespace

bool openExercise(Exercise exercise)
{
    switch (exercise) {
    case Exercise::Drill1:
        return forms::show(FormName::zeb1701);
    case Exercise::Drill5:
        return forms::show(FormName::zeb1705);
    case Exercise::Drill7:
        return forms::show(FormName::zeb1707);
    case Exercise::Drill10:
        return forms::show(FormName::zeb1710);
    case Exercise::Picture2:
    case Exercise::Picture4:
    case Exercise::Picture6:
    case Exercise::Picture246:
        return openPictureExercise(exercise);
    }
    return false;
}

} // namespace zeb
