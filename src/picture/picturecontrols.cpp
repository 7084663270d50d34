#include "picturecontrols.h"

using namespace Qt::StringLiterals;

namespace zeb {
namespace {

using K = ControlKind;
using L = Look;
constexpr DesignFont sans825{Face::Sans, 8.25}, sans975{Face::Sans, 9.75}, sans12{Face::Sans, 12},
    sans135{Face::Sans, 13.5}, arial12{Face::Arial, 12}, times12{Face::Times, 12},
    large{Face::Times, 14.25};
constexpr Qt::Alignment centred = Qt::AlignCenter;
constexpr Qt::Alignment none = {};
constexpr Qt::Alignment bottom = Qt::AlignLeft | Qt::AlignBottom;

// In tab order; where controls overlap, the later one lies above.
// clang-format off
constexpr ControlRow controls[] = {
    {"Command6",   K::Button,        "&Comenzar",                  {0, 0, 1455, 495},        sans975},
    {"Command15",  K::Button,        "&Ayuda",                     {1440, 0, 975, 495},      sans975},
    {"Command9",   K::Button,        "&Salir",                     {2400, 0, 975, 495},      sans975},
    {"Label6",     K::Label,         "",                           {3480, 0, 1695, 735},     sans825, none,    L::Indicator, true},
    {"Label1",     K::Label,         "",                           {3600, 120, 1455, 495},   sans12,  centred, L::Indicator, true},
    {"Label8",     K::Label,         "Ejercicios:",                {5280, 0, 1575, 375},     arial12, centred},
    {"Label2",     K::Label,         ". / ?",                      {5400, 840, 1335, 495},   large,   centred, L::Punctuation},
    {"Picture1",   K::SunkenFrame,   "",                           {120, 840, 4695, 2895},   sans825, none,    L::PictureFrame},
    {"Image1",     K::Picture,       "",                           {},                       sans825, none,    L::Plain, false, "Picture1"},
    {"Label12",    K::Label,         "",                           {120, 3840, 2295, 615},   sans825, none,    L::QuestionWord, true},
    {"Label11",    K::Label,         "",                           {240, 3960, 2055, 375},   large,   centred, L::Plain, true},
    {"Frame3D1",   K::Frame,         "Actividad",                  {4920, 1440, 1935, 1710}, sans825},
    {"Option3D1",  K::Option,        "&Haga oraciones",            {90, 300, 1800, 375},     sans825, none,    L::Plain, false, "Frame3D1"},
    {"Option3D2",  K::Option,        "&Pregunte",                  {90, 720, 1800, 375},     sans825, none,    L::Plain, false, "Frame3D1"},
    {"Option3D3",  K::Option,        "Con&teste",                  {90, 1140, 1800, 375},    sans825, none,    L::Plain, false, "Frame3D1"},
    {"Frame3D2",   K::Frame,         "Pregunta",                   {6840, 1440, 3015, 1710}, sans825},
    {"Option3D4",  K::Option,        "&General (Sí/No)",           {90, 300, 2880, 375},     sans825, none,    L::Plain, false, "Frame3D2"},
    {"Option3D5",  K::Option,        "Parcia&l  I. (hacer)",       {90, 720, 2880, 375},     sans825, none,    L::Plain, false, "Frame3D2"},
    {"Option3D10", K::Option,        "Parc&ial II. (¿Dónde? Etc.)", {90, 1140, 2880, 375},   sans825, none,    L::Plain, false, "Frame3D2"},
    {"Frame3D3",   K::Frame,         "Personas",                   {4920, 3120, 4935, 990},  sans825},
    {"Option3D6",  K::Option,        "&1/11",                      {120, 420, 1020, 375},    sans975, none,    L::PersonOption, false, "Frame3D3"},
    {"Option3D7",  K::Option,        "&2/22",                      {1200, 420, 1020, 375},   sans975, none,    L::PersonOption, false, "Frame3D3"},
    {"Option3D8",  K::Option,        "&3/33",                      {2280, 420, 1020, 375},   sans975, none,    L::PersonOption, false, "Frame3D3"},
    {"Option3D9",  K::Option,        "3&/33",                      {3360, 420, 780, 375},    sans975, none,    L::PersonOption, false, "Frame3D3", "Ud./Uds."},
    {"Label9",     K::Label,         "Ud./Uds.",                   {4140, 420, 760, 375},    sans825, none,    L::Plain, false, "Frame3D3"},
    {"Frame3D5",   K::Frame,         "",                           {120, 4440, 8055, 630},   sans825, none,    L::Plain, true},
    {"Label7",     K::Label,         "",                           {60, 90, 7935, 480},      large,   centred, L::Plain, true, "Frame3D5"},
    {"Frame3D4",   K::Frame,         "",                           {120, 5040, 8055, 750},   sans825},
    {"Text2",      K::PictureAnswer, "",                           {120, 120, 7815, 510},    large,   centred, L::AnswerBox, true, "Frame3D4", "Respuesta"},
    {"Command7",   K::Button,        "Siguient&e",                 {2520, 3840, 1215, 495},  sans975, none,    L::Plain, true},
    {"Command16",  K::Button,        "&Modelo",                    {8520, 4320, 1095, 495},  sans975},
    {"Command1",   K::Button,        "&Solución",                  {8520, 4800, 1095, 495},  sans975, none,    L::SolutionButton, true},
    {"Label3",     K::Label,         "",                           {240, 5880, 7935, 375},   large,   none,    L::Plain, true},
    {"Label10",    K::Label,         "",                           {120, 6240, 8055, 375},   large,   none,    L::Plain, true},
    {"Label4",     K::Label,         "",                           {480, 6225, 6855, 750},   times12, bottom,  L::ErrorLine, true}, // a hint, second line
    {"Label5",     K::Label,         "",                           {0, 6600, 495, 375},      sans825}, // shows nothing
    {"Command2",   K::Button,        "&1",                         {6840, 0, 495, 495},      sans135},
    {"Command3",   K::Button,        "&2",                         {7320, 0, 495, 495},      sans135},
    {"Command5",   K::Button,        "&4",                         {7800, 0, 495, 495},      sans135},
    {"Command8",   K::Button,        "&5",                         {8280, 0, 495, 495},      sans135},
    {"Command10",  K::Button,        "&6",                         {8760, 0, 495, 495},      sans135},
    {"Command11",  K::Button,        "&7",                         {9240, 0, 495, 495},      sans135},
    {"Command12",  K::Button,        "&8",                         {6840, 480, 495, 495},    sans135},
    {"Command13",  K::Button,        "&9",                         {7320, 480, 495, 495},    sans135},
    {"Command14",  K::Button,        "1&0",                        {7800, 480, 495, 495},    sans135},
    {"Command4",   K::Button,        "2 &+ 4 + 6",                 {8280, 480, 1455, 495},   sans135},
};

using A = Activity;
using Q = QuestionType;
using P = Person;
constexpr OptionChoice options[] = {
    {"Option3D1", A::Statement}, {"Option3D2", A::Question}, {"Option3D3", A::Answer},
    {"Option3D4", A::None, Q::General}, {"Option3D5", A::None, Q::PartialI}, {"Option3D10", A::None, Q::PartialII},
    {"Option3D6", A::None, Q::None, P::First}, {"Option3D7", A::None, Q::None, P::Second},
    {"Option3D8", A::None, Q::None, P::Third}, {"Option3D9", A::None, Q::None, P::Polite},
};

// Exercises 8 and 9 (Command12, Command13) are not part of this unit.
using E = Exercise;
constexpr ExerciseButton exerciseButtons[] = {
    {"Command2", E::Drill1},
    {"Command3", E::Picture2, u"Ejercicio 2", u"Ejercicio 2"},
    {"Command5", E::Picture4, u"Ejercicio 4", u"Ejercicio 4"},
    {"Command8", E::Drill5},
    {"Command10", E::Picture6, u"Ejercicio 6", u"Ejercicio 6"},
    {"Command11", E::Drill7},
    {"Command14", E::Drill10},
    {"Command4", E::Picture246, u"Ejercicio 2 + 4 + 6", u"Ejercicios 2 + 4 + 6"},
};
// clang-format on

} // namespace

std::span<const ControlRow> pictureControls()
{
    return controls;
}

std::span<const OptionChoice> pictureOptions()
{
    return options;
}

std::span<const ExerciseButton> pictureExerciseButtons()
{
    return exerciseButtons;
}

const PictureTexts &pictureTexts()
{
    static const PictureTexts texts{
        u"No es correcto. Vuelva a probarlo. ¡Atención a la ortografía!"_s,
        u"El ejercicio ha terminado. Si quiere recomenzarlo, pulse sobre \"Comenzar\"."_s,
        u"ZEB 17, ejercicios 2, 4 y 6"_s,
        u"ZEB 17: Ayuda"_s,
        u"Si necesita ayuda sobre los elementos de la oración (palabras), haga clic sobre el "
        u"dibujo. Si quiere ver la solución correcta, pulse sobre el botón \"Solución\". "_s,
        u"Las partes de la oración"_s,
    };
    return texts;
}

QString personIndicator(Person person)
{
    switch (person) {
    case Person::First:
        return u"1 / 1 1"_s;
    case Person::Second:
        return u"2 / 2 2"_s;
    case Person::Polite:
        return u"Ud./Uds."_s;
    case Person::Third:
    case Person::None:
        break;
    }
    return {};
}

} // namespace zeb
