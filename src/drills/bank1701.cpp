// Exercise 17/1: regular preterites and their spelling changes (llegué, comencé, leyeron).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1701[] = {
    // Rows tagged "given" are set texts of the unit: keep them word for word.
    // start                          verb form           end                                          infinitive     hint
    {u"¿A qué hora",                u"llegaste",        u"a la estación?",                           u"llegar",     u"2"},    // 1 given
    {u"",                           u"Volví",           u"a casa en tranvía.",                       u"volver",     u"1"},    // 2 given
    {u"Mis compañeros me",          u"felicitaron",     u"ayer por mi cumpleaños.",                  u"felicitar",  u""},     // 3
    {u"Anoche",                     u"os acostasteis",  u"muy tarde.",                               u"acostarse",  u"2 2"},  // 4
    {u"La semana pasada mi jefa",   u"asistió",         u"a un congreso en Madrid.",                 u"asistir",    u""},     // 5
    {u"",                           u"Recibisteis",     u"muchos regalos cuando os casasteis.",      u"recibir",    u"2 2"},  // 6
    {u"El viernes pasado",          u"nos reunimos",    u"con unos viejos amigos.",                  u"reunirse",   u"1 1"},  // 7
    {u"La película de anoche",      u"empezó",          u"con media hora de retraso.",               u"empezar",    u""},     // 8
    {u"",                           u"Marqué",          u"el número de la farmacia anoche.",         u"marcar",     u"1"},    // 9
    {u"El mes pasado los alumnos",  u"leyeron",         u"una novela de García Márquez.",            u"leer",       u""},     // 10
    {u"",                           u"Leí",             u"el periódico ayer en el tren.",            u"leer",       u"1"},    // 11
    {u"",                           u"Conversé",        u"un rato con la vecina el sábado pasado.",  u"conversar",  u"1"},    // 12
    {u"Mis padres",                 u"volvieron",       u"de vacaciones el domingo pasado.",         u"volver",     u""},     // 13
    {u"Ayer",                       u"regañé",          u"a mi hijo por sus malas notas.",           u"regañar",    u"1"},    // 14
    {u"",                           u"Perdimos",        u"el tren ayer por cinco minutos.",          u"perder",     u"1 1"},  // 15
    {u"¿Por qué ayer no me",        u"llamaste",        u"?",                                        u"llamar",     u"2"},    // 16
    {u"Alexander Fleming",          u"descubrió",       u"la penicilina en 1928.",                   u"descubrir",  u""},     // 17
    {u"",                           u"Regué",           u"las plantas del balcón el lunes pasado.",  u"regar",      u"1"},    // 18
    {u"El sábado pasado",           u"trabajamos",      u"hasta las diez de la noche.",              u"trabajar",   u"1 1"},  // 19
    {u"",                           u"Comencé",         u"a estudiar español el año pasado.",        u"comenzar",   u"1"},    // 20
    {u"¿Por qué",                   u"faltasteis",      u"a clase ayer?",                            u"faltar",     u"2 2"},  // 21
    {u"Los novios",                 u"bailaron",        u"un vals en el banquete de anoche.",        u"bailar",     u""},     // 22
    {u"",                           u"Cogí",            u"un taxi ayer porque llovía mucho.",        u"coger",      u"1"},    // 23
    {u"Anteayer mi abuela",         u"comió",           u"con nosotros.",                            u"comer",      u""},     // 24
    {u"La reunión de ayer",         u"terminó",         u"a las siete y media.",                     u"terminar",   u""},     // 25
    {u"",                           u"Abrimos",         u"nuestro restaurante en 2005.",             u"abrir",      u"1 1"},  // 26
    {u"",                           u"Pagué",           u"la cena de anoche con tarjeta.",           u"pagar",      u"1"},    // 27
    {u"El paquete",                 u"llegó",           u"ayer por la mañana.",                      u"llegar",     u""},     // 28
    {u"La dependienta me",          u"envolvió",        u"el regalo cuando lo compré.",              u"envolver",   u""},     // 29
    {u"Ayer mi hermano",            u"borró",           u"sin querer todas las fotos.",              u"borrar",     u""},     // 30
    {u"Los ladrones",               u"huyeron",         u"anoche en un coche robado.",               u"huir",       u""},     // 31
    {u"El invierno pasado",         u"me caí",          u"esquiando y me rompí una pierna.",         u"caerse",     u"1"},    // 32
    {u"¿",                          u"Oísteis",         u"esta noticia?",                            u"oír",        u"2 2"},  // 33 given
    {u"La otra noche los vecinos",  u"oyeron",          u"un ruido extraño.",                        u"oír",        u""},     // 34
};
// clang-format on

DrillBank bank1701()
{
    return rows1701;
}

} // namespace zeb
