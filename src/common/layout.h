// A window's controls as a table: one row per control (name, kind, caption, place in twips,
// font, look), placed by one helper. Rows come in tab order, since widgets take the focus in the
// order they are created.
#pragma once

#include <QFont>
#include <QRect>
#include <span>

class QWidget;

namespace zeb {

enum class ControlKind {
    Button,        // a push button; Enter presses it while it has the focus
    PictureButton, // the menu's picture buttons; the window gives each its picture
    Label,
    TextView,      // the running text: read only, always with its scroll bar
    DrillAnswer,   // the answer box of the verb drills
    PictureAnswer, // the answer box of the picture exercise, which also types "¡" and "¿"
    Frame,         // a frame with a caption, holding the rows that name it as their parent
    SunkenFrame,
    Option,
    Picture,
    Panel, // a raised panel with a painted caption
};

enum class Face { Sans, Arial, Times }; // MS Sans Serif, Arial, Times New Roman

struct DesignFont
{
    Face face;
    double points;
    bool bold = true;
};

// Colours that go together; each is defined once.
enum class Look {
    Plain,
    AnswerBox,      // red on light yellow
    Infinitive,     // red on white
    Indicator,      // white on green: the person of the picture exercise
    Punctuation,    // white on grey
    PictureFrame,   // the white frame of the scene picture
    QuestionWord,   // the box of the question word
    SolutionButton, // a grey button
    ErrorLine,      // dark red
    PersonOption,   // red, greyed when disabled
};

struct ControlRow
{
    const char *name;
    ControlKind kind;
    const char *caption; // UTF-8; may be empty
    QRect twips;         // none: the control fills its parent frame
    DesignFont font;
    Qt::Alignment align = {};
    Look look = Look::Plain;
    bool hidden = false;
    const char *parent = nullptr;     // a frame's name; the window's client area when none
    const char *accessible = nullptr; // the name a screen reader reads, when not the caption
};

// Creates, names and places every control of the table in `client`, scaled by `scale`. A
// numbered button is read as the exercise it opens ("Ejercicio 5").
void placeControls(QWidget *client, std::span<const ControlRow> rows, double scale = 1);

// How much a window of `design` pixels must shrink to fit `available`: 1 where it fits.
double fitScale(QSize design, QSize available);

QFont designFont(const DesignFont &font, double scale = 1);

} // namespace zeb
