// Exercise 17/10: mixed review of the unit's preterites (regular,
// stem-changing, irregular, spelling changes and pronominal verbs).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1710[] = {
    // Rows tagged "given" are set texts of the unit: keep them word for word.
    // start                           verb form          end                                       infinitive     hint
    {u"A mi hijo le",                u"permití",        u"volver tarde el viernes pasado.",       u"permitir",   u"1"},    // 1
    {u"A mi madre le",               u"gustó",          u"mucho la película de ayer.",            u"gustar",     u""},     // 2
    {u"Anoche",                      u"salí",           u"a cenar con unos compañeros.",          u"salir",      u"1"},    // 3
    {u"",                            u"Me dirigí",      u"a la oficina.",                         u"dirigirse",  u"1"},    // 4 given
    {u"Ayer mis amigos",             u"prefirieron",    u"la playa a la piscina.",                u"preferir",   u""},     // 5
    {u"Cuando vieron mi sombrero,",  u"se rieron",      u"a carcajadas.",                         u"reírse",     u"3 3"},  // 6
    {u"En el accidente de ayer",     u"murieron",       u"tres personas.",                        u"morir",      u""},     // 7
    {u"La semana pasada",            u"tuve",           u"una pesadilla horrible.",               u"tener",      u"1"},    // 8
    {u"Anoche en el restaurante",    u"pedimos",        u"paella para cuatro.",                   u"pedir",      u"1 1"},  // 9
    {u"Hace dos años",               u"construyeron",   u"un hospital en mi barrio.",             u"construir",  u"3 3"},  // 10
    {u"El terremoto de 1755",        u"destruyó",       u"gran parte de Lisboa.",                 u"destruir",   u""},     // 11
    {u"Ayer el ascensor no",         u"funcionó",       u"en todo el día.",                       u"funcionar",  u""},     // 12
    {u"",                            u"Pagaste",        u"demasiado por la cena de anoche.",      u"pagar",      u"2"},    // 13
    {u"¿",                           u"Saliste",        u"con tus amigos el sábado pasado?",      u"salir",      u"2"},    // 14
    {u"",                            u"Conocí",         u"a mi mujer en un curso de idiomas.",    u"conocer",    u"1"},    // 15
    {u"Los testigos",                u"mintieron",      u"al juez en el juicio de ayer.",         u"mentir",     u""},     // 16
    {u"El domingo pasado",           u"dormimos",       u"casi todo el viaje en tren.",           u"dormir",     u"1 1"},  // 17
    {u"Ayer",                        u"me puse",        u"mi mejor traje para la entrevista.",    u"ponerse",    u"1"},    // 18
    {u"Anoche",                      u"apagué",         u"todas las luces antes de dormir.",      u"apagar",     u"1"},    // 19
    {u"Anteayer",                    u"quise",          u"visitar a Ana.",                        u"querer",     u"1"},    // 20 given
    {u"Hace un mes mi padre",        u"condujo",        u"cinco horas sin parar.",                u"conducir",   u""},     // 21
    {u"",                            u"Os vestisteis",  u"muy elegantes para la boda de ayer.",   u"vestirse",   u"2 2"},  // 22
    {u"",                            u"Te pusiste",     u"muy pálido cuando te di la noticia.",   u"ponerse",    u"2"},    // 23
    {u"Anoche el bebé",              u"se durmió",      u"a las ocho.",                           u"dormirse",   u""},     // 24
    {u"Esta fábrica",                u"produjo",        u"diez mil coches el año pasado.",        u"producir",   u""},     // 25
    {u"El abuelo de Marta",          u"murió",          u"el invierno pasado.",                   u"morir",      u""},     // 26
    {u"Ayer la maleta por fin",      u"cupo",           u"en el coche cuando quitamos la silla.", u"caber",      u""},     // 27
    {u"Anteayer el profesor",        u"repitió",        u"la pregunta dos veces.",                u"repetir",    u""},     // 28
    {u"Mi vecina",                   u"se cayó",        u"por la escalera el martes pasado.",     u"caerse",     u""},     // 29
    {u"El jarrón",                   u"se rompió",      u"en la mudanza del año pasado.",         u"romperse",   u""},     // 30
    {u"Nadie",                       u"oyó",            u"el timbre cuando llegó el cartero.",    u"oír",        u""},     // 31
    {u"Anoche mi sobrina no",        u"quiso",          u"probar el pescado aunque insistimos.",  u"querer",     u""},     // 32
    {u"Los vecinos",                 u"huyeron",        u"del edificio cuando empezó el fuego.",  u"huir",       u""},     // 33
    {u"Ayer",                        u"estuvimos",      u"toda la tarde en la piscina.",          u"estar",      u"1 1"},  // 34
    {u"Los alumnos",                 u"se durmieron",   u"en la charla de ayer.",                 u"dormirse",   u""},     // 35
    {u"¿",                           u"Fuiste",         u"a Sevilla en avión?",                   u"ir",         u"2"},    // 36 given
    {u"¿",                           u"Preferiste",     u"quedarte en casa el domingo pasado?",   u"preferir",   u"2"},    // 37
};
// clang-format on

DrillBank bank1710()
{
    return rows1710;
}

} // namespace zeb
