// Exercise 17/7: the irregular preterites (tuve, quise, hizo, fue).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1707[] = {
    // Rows tagged "given" are set texts of the unit: keep them word for word.
    // start                       verb form       end                                        infinitive      hint
    {u"Ya te lo",                u"dije",        u"ayer por teléfono.",                     u"decir",       u"1"},    // 1
    {u"¿Cuántas visitas",        u"tuvo",        u"el museo el año pasado?",                u"tener",       u""},     // 2
    {u"",                        u"Quise",       u"hablar contigo.",                        u"querer",      u"1"},    // 3 given
    {u"El verano pasado",        u"estuve",      u"dos semanas en Galicia.",                u"estar",       u"1"},    // 4
    {u"Mi hermano me",           u"dio",         u"un libro por mi último cumpleaños.",     u"dar",         u""},     // 5
    {u"¿Quién",                  u"puso",        u"la mesa?",                               u"poner",       u""},     // 6 given
    {u"¿Qué",                    u"hicisteis",   u"el fin de semana pasado?",               u"hacer",       u"2 2"},  // 7
    {u"Anteayer los invitados",  u"se fueron",   u"a medianoche.",                          u"irse",        u""},     // 8
    {u"¿Quién",                  u"condujo",     u"a la vuelta anoche?",                    u"conducir",    u""},     // 9
    {u"Ayer mis padres",         u"estuvieron",  u"dos horas en un atasco.",                u"estar",       u""},     // 10
    {u"Ayer le",                 u"di",          u"las llaves al portero.",                 u"dar",         u"1"},    // 11
    {u"Marta",                   u"se puso",     u"muy nerviosa en el examen de ayer.",     u"ponerse",     u""},     // 12
    {u"¿Cómo",                   u"fue",         u"el concierto de anoche?",                u"ser",         u""},     // 13
    {u"Por el calor, anoche no",  u"pude",        u"dormir hasta las cuatro.",               u"poder",       u"1"},    // 14
    {u"Mis primos",              u"vinieron",    u"a cenar el sábado pasado.",              u"venir",       u""},     // 15
    {u"El año pasado Pedro",     u"hizo",        u"un curso de cocina.",                    u"hacer",       u""},     // 16
    {u"Ayer",                    u"supe",        u"la noticia por la radio.",               u"saber",       u"1"},    // 17
    {u"El restaurante",          u"estuvo",      u"cerrado todo el verano pasado.",         u"estar",       u""},     // 18
    {u"¿Y anoche adónde",        u"fuisteis",    u"?",                                      u"ir",          u"2 2"},  // 19
    {u"¿Qué te",                 u"dijo",        u"el médico la semana pasada?",            u"decir",       u""},     // 20
    {u"El domingo pasado",       u"anduvimos",   u"diez kilómetros por el monte.",          u"andar",       u"1 1"},  // 21
    {u"El lunes pasado",         u"tuve",        u"una discusión con mi jefe.",             u"tener",       u"1"},    // 22
    {u"Anoche Ana",              u"trajo",       u"una tarta de chocolate a la cena.",      u"traer",       u""},     // 23
    {u"¿",                       u"Hubo",        u"mucha gente en el teatro?",              u"haber",       u""},     // 24 given
    {u"Ayer los médicos nos",    u"dijeron",     u"que todo estaba bien.",                  u"decir",       u""},     // 25
    {u"Anoche",                  u"se produjo",  u"un incendio en el centro.",              u"producirse",  u""},     // 26
    {u"¿Por qué no",             u"quisiste",    u"venir a la fiesta de anoche?",           u"querer",      u"2"},    // 27
    {u"¿Al final",               u"pudiste",     u"hablar ayer con el director?",           u"poder",       u"2"},    // 28
    {u"Al final no",             u"quise",       u"postre aunque insistieron mucho.",       u"querer",      u"1"},    // 29
    {u"Ayer por suerte",         u"pude",        u"aparcar delante de casa.",               u"poder",       u"1"},    // 30
    {u"Los Reyes nos",           u"trajeron",    u"muchos regalos el año pasado.",          u"traer",       u""},     // 31
};
// clang-format on

DrillBank bank1707()
{
    return rows1707;
}

} // namespace zeb
