// Exercise 17/1: regular preterites and their spelling changes (llegué, comencé, leyeron).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1701[] = {
    // start                   verb form           end                                         infinitive    hint
    {u"¿A qué hora",         u"llegaste",        u"a la estación?",                          u"llegar",    u"2"},    // 1
    {u"",                    u"Volví",           u"a casa en tranvía.",                      u"volver",    u"1"},    // 2
    {u"Mis compañeros me",   u"felicitaron",     u"por mi cumpleaños.",                      u"felicitar", u""},     // 3
    {u"Anoche",              u"os acostasteis",  u"muy tarde.",                              u"acostarse", u"2 2"},  // 4
    {u"Mi jefa",             u"asistió",         u"a un congreso en Madrid.",                u"asistir",   u""},     // 5
    {u"",                    u"Recibisteis",     u"muchos regalos en vuestra boda.",         u"recibir",   u"2 2"},  // 6
    {u"El viernes pasado",   u"nos reunimos",    u"con unos viejos amigos.",                 u"reunirse",  u"1 1"},  // 7
    {u"La película",         u"empezó",          u"con media hora de retraso.",              u"empezar",   u""},     // 8
    {u"",                    u"Marqué",          u"el número de la farmacia.",               u"marcar",    u"1"},    // 9
    {u"Los alumnos",         u"leyeron",         u"una novela de García Márquez.",           u"leer",      u""},     // 10
    {u"",                    u"Leí",             u"el periódico en el tren.",                u"leer",      u"1"},    // 11
    {u"",                    u"Conversé",        u"un rato con la vecina del quinto.",       u"conversar", u"1"},    // 12
    {u"Mis padres",          u"volvieron",       u"de sus vacaciones el domingo.",           u"volver",    u""},     // 13
    {u"Ayer",                u"regañé",          u"a mi hijo por sus malas notas.",          u"regañar",   u"1"},    // 14
    {u"",                    u"Perdimos",        u"el tren por cinco minutos.",              u"perder",    u"1 1"},  // 15
    {u"¿Por qué no me",      u"llamaste",        u"?",                                       u"llamar",    u"2"},    // 16
    {u"Alexander Fleming",   u"descubrió",       u"la penicilina en 1928.",                  u"descubrir", u""},     // 17
    {u"",                    u"Regué",           u"las plantas del balcón antes de salir.",  u"regar",     u"1"},    // 18
    {u"El sábado pasado",    u"trabajamos",      u"hasta las diez de la noche.",             u"trabajar",  u"1 1"},  // 19
    {u"",                    u"Comencé",         u"a estudiar español el año pasado.",       u"comenzar",  u"1"},    // 20
    {u"¿Por qué",            u"faltasteis",      u"a clase el lunes?",                       u"faltar",    u"2 2"},  // 21
    {u"Los novios",          u"bailaron",        u"un vals en el banquete.",                 u"bailar",    u""},     // 22
    {u"",                    u"Cogí",            u"un taxi para ir al aeropuerto.",          u"coger",     u"1"},    // 23
    {u"Mi abuela",           u"comió",           u"con nosotros el domingo.",                u"comer",     u""},     // 24
    {u"La reunión",          u"terminó",         u"a las siete y media.",                    u"terminar",  u""},     // 25
    {u"",                    u"Abrimos",         u"nuestro restaurante en 2005.",            u"abrir",     u"1 1"},  // 26
    {u"",                    u"Pagué",           u"la cuenta con tarjeta.",                  u"pagar",     u"1"},    // 27
    {u"El paquete",          u"llegó",           u"ayer por la mañana.",                     u"llegar",    u""},     // 28
    {u"La dependienta",      u"envolvió",        u"el regalo en papel rojo.",                u"envolver",  u""},     // 29
    {u"Mi hermano",          u"borró",           u"sin querer todas las fotos.",             u"borrar",    u""},     // 30
    {u"Los ladrones",        u"huyeron",         u"en un coche robado.",                     u"huir",      u""},     // 31
    {u"El invierno pasado",  u"me caí",          u"esquiando y me rompí una pierna.",        u"caerse",    u"1"},    // 32
    {u"¿",                   u"Oísteis",         u"ayer la noticia en la radio?",           u"oír",       u"2 2"},  // 33
    {u"Los vecinos",         u"oyeron",          u"un ruido extraño a las tres.",            u"oír",       u""},     // 34
};
// clang-format on

DrillBank bank1701()
{
    return rows1701;
}

} // namespace zeb
