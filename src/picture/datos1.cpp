#include "datos1.h"

namespace zeb {

// Exercise 2 has scenes 0 to 9, exercise 4 scenes 10 to 15, exercise 6 scenes 16 to 21.
// clang-format off
static const std::array<SceneRow, SceneCount> rows{{
    // subject            infinitive     1st person          2nd person          3rd person          question word  indirect  object pronouns
    //   time             time word      subject word        object                   object word   place                      place word        plural
    {u"Pedro",            u"comer",      u"comí",            u"comiste",         u"comió",           u"Dónde",      u"",      u"",
         u"ayer",         u"ayer",       u"Pedro",           u"",                     u"",          u" en un restaurante",     u"restaurante", false}, // 0
    {u"María",            u"comprar",    u"compré",          u"compraste",       u"compró",          u"Cuándo",     u"",      u"lo ",
         u"el lunes",     u"lunes",      u"María",           u" un sombrero",         u"sombrero",  u"",                       u"", false}, // 1
    {u"los chicos",       u"beber",      u"bebimos",         u"bebisteis",       u"bebieron",        u"Dónde",      u"",      u"lo ",
         u"por la tarde", u"tarde",      u"chico",           u" el zumo de naranja",  u"zumo",      u" en la cafetería",       u"cafetería", true }, // 2
    {u"Carmen",           u"escribir",   u"escribí",         u"escribiste",      u"escribió",        u"A quién",    u"le ",   u"se la ",
         u"ayer",         u"ayer",       u"Carmen",          u" una carta",           u"carta",     u" a Juan",                u"Juan", false}, // 3
    {u"Alberto",          u"afeitarse",  u"me afeité",       u"te afeitaste",    u"se afeitó",       u"Dónde",      u"",      u"",
         u"a las nueve",  u"9",          u"Alberto",         u"",                     u"",          u" en el cuarto de baño",  u"cuarto de baño", false}, // 4
    {u"el médico",        u"regar",      u"regué",           u"regaste",         u"regó",            u"Cuándo",     u"",      u"las ",
         u"por la mañana", u"mañana",    u"médico",          u" las flores",          u"flores",    u"",                       u"", false}, // 5
    {u"los niños",        u"correr",     u"corrimos",        u"corristeis",      u"corrieron",       u"A dónde",    u"",      u"",
         u"a las cuatro", u"4",          u"niño",            u"",                     u"",          u" al parque",             u"parque", true }, // 6
    {u"Teresa",           u"colocar",    u"coloqué",         u"colocaste",       u"colocó",          u"A dónde",    u"",      u"lo ",
         u"a las cinco",  u"5",          u"Teresa",          u" el jarrón",           u"jarrón",    u" sobre la mesa",         u"mesa", false}, // 7
    {u"Eva y Dolores",    u"tender",     u"tendimos",        u"tendisteis",      u"tendieron",       u"A qué hora", u"",      u"la ",
         u"a las tres",   u"3",          u"Eva y Dolores",   u" la ropa",             u"ropa",      u"",                       u"", true }, // 8
    {u"los jóvenes",      u"cobrar",     u"cobramos",        u"cobrasteis",      u"cobraron",        u"Cuándo",     u"",      u"lo ",
         u"el viernes",   u"viernes",    u"joven",           u" el sueldo",           u"sueldo",    u"",                       u"", true }, // 9
    {u"el profesor",      u"corregir",   u"corregí",         u"corregiste",      u"corrigió",        u"Cuándo",     u"",      u"los ",
         u"anoche",       u"anoche",     u"profesor",        u" los exámenes",        u"exámenes",  u"",                       u"", false}, // 10
    {u"Inés",             u"pedir",      u"pedí",            u"pediste",         u"pidió",           u"Cuándo",     u"",      u"lo ",
         u"anoche",       u"anoche",     u"Inés",            u" un taxi",             u"taxi",      u"",                       u"", false}, // 11
    {u"los amigos",       u"despedirse", u"nos despedimos",  u"os despedisteis", u"se despidieron",  u"Dónde",      u"",      u"",
         u"a las seis",   u"6",          u"amigo",           u"",                     u"",          u" en la estación",        u"estación", true }, // 12
    {u"el señor Pérez",   u"vestirse",   u"me vestí",        u"te vestiste",     u"se vistió",       u"Dónde",      u"",      u"",
         u"a las siete",  u"7",          u"señor Pérez",     u"",                     u"",          u" en el dormitorio",      u"dormitorio", false}, // 13
    {u"los camareros",    u"servir",     u"servimos",        u"servisteis",      u"sirvieron",       u"A qué hora", u"les ",  u"se lo ",
         u"a las ocho",   u"8",          u"camarero",        u" vino",                u"vino",      u" a los clientes",        u"clientes", true }, // 14
    {u"los niños",        u"mentir",     u"mentimos",        u"mentisteis",      u"mintieron",       u"A quién",    u"le ",   u"le ",
         u"el miércoles", u"miércoles",  u"niño",            u"",                     u"",          u" a la abuela",           u"abuela", true }, // 15
    {u"el camarero",      u"traer",      u"traje",           u"trajiste",        u"trajo",           u"A qué hora", u"",      u"las ",
         u"a la una",     u"1",          u"camarero",        u" las bebidas",         u"bebidas",   u"",                       u"", false}, // 16
    {u"los novios",       u"ir",         u"fuimos",          u"fuisteis",        u"fueron",          u"A dónde",    u"",      u"",
         u"el sábado",    u"sábado",     u"novio",           u"",                     u"",          u" a la iglesia",          u"iglesia", true }, // 17
    {u"la madre",         u"poner",      u"puse",            u"pusiste",         u"puso",            u"Cuándo",     u"",      u"la ",
         u"por la noche", u"noche",      u"madre",           u" la mesa",             u"mesa",      u"",                       u"", false}, // 18
    {u"el jefe",          u"dar",        u"di",              u"diste",           u"dio",             u"A quién",    u"le ",   u"se las ",
         u"a las diez",   u"10",         u"jefe",            u" las llaves",          u"llaves",    u" a la secretaria",       u"secretaria", false}, // 19
    {u"las chicas",       u"hacer",      u"hicimos",         u"hicisteis",       u"hicieron",        u"Cuándo",     u"",      u"la ",
         u"el domingo",   u"domingo",    u"chica",           u" una tarta",           u"tarta",     u"",                       u"", true }, // 20
    {u"Luisa",            u"traducir",   u"traduje",         u"tradujiste",      u"tradujo",         u"Cuándo",     u"",      u"la ",
         u"el martes",    u"martes",     u"Luisa",           u" la lección",          u"lección",   u" en la biblioteca",      u"biblioteca", false}, // 21
}};
// clang-format on

const std::array<SceneRow, SceneCount> &sceneRows()
{
    return rows;
}

} // namespace zeb
