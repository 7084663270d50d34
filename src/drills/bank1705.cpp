// Exercise 17/5: -ir verbs whose stem changes e→i, o→u in the preterite (pidió, durmió).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1705[] = {
    // Rows tagged "given" are set texts of the unit: keep them word for word.
    // start                        verb form           end                                           infinitive      hint
    {u"Ayer por fin",             u"conseguí",        u"entradas para el concierto.",               u"conseguir",   u"1"},    // 1
    {u"Los niños",                u"pidieron",        u"helado.",                                   u"pedir",       u""},     // 2 given
    {u"Mi marido",                u"prefirió",        u"cenar en casa el sábado pasado.",           u"preferir",    u""},     // 3
    {u"",                         u"Preferimos",      u"no discutir con ella.",                     u"preferir",    u"1 1"},  // 4 given
    {u"Los turistas",             u"siguieron",       u"al guía en la visita de ayer.",             u"seguir",      u""},     // 5
    {u"Anoche los invitados",     u"se rieron",       u"mucho con los chistes de Juan.",            u"reírse",      u""},     // 6
    {u"Los socios del club",      u"eligieron",       u"a una nueva presidenta en 2019.",           u"elegir",      u""},     // 7
    {u"Ayer el camarero nos",     u"sirvió",          u"el café en la terraza.",                    u"servir",      u""},     // 8
    {u"¿Qué cerveza",             u"servisteis",      u"a los invitados?",                          u"servir",      u"2 2"},  // 9 given
    {u"Anteayer el carpintero",   u"midió",           u"la puerta de la cocina.",                   u"medir",       u""},     // 10
    {u"",                         u"Me herí",         u"ayer en la mano mientras cocinaba.",        u"herirse",     u"1"},    // 11
    {u"La semana pasada el sol",  u"derritió",        u"la nieve del jardín.",                      u"derretir",    u""},     // 12
    {u"",                         u"Herví",           u"la leche anoche antes de acostarme.",       u"hervir",      u"1"},    // 13
    {u"",                         u"Medimos",         u"el salón ayer, antes de comprar el sofá.",  u"medir",       u"1 1"},  // 14
    {u"Ayer mi madre",            u"hirvió",          u"las patatas para la ensalada.",             u"hervir",      u""},     // 15
    {u"Tus palabras de ayer me",  u"hirieron",        u"mucho.",                                    u"herir",       u""},     // 16
    {u"El verano pasado",         u"dormimos",        u"en un hotel de Granada.",                   u"dormir",      u"1 1"},  // 17
    {u"Anoche los pasajeros",     u"durmieron",       u"durante todo el vuelo.",                    u"dormir",      u""},     // 18
    {u"Miguel de Cervantes",      u"murió",           u"en Madrid en 1616.",                        u"morir",       u""},     // 19
    {u"En la fiesta de anoche",   u"me divertí",      u"muchísimo.",                                u"divertirse",  u"1"},    // 20
    {u"Ayer los niños",           u"se divirtieron",  u"mucho con el payaso.",                      u"divertirse",  u""},     // 21
    {u"El sábado los novios",     u"sonrieron",       u"solo una vez en toda la boda.",             u"sonreír",     u""},     // 22
    {u"¿Quién te",                u"advirtió",        u"del peligro anoche?",                       u"advertir",    u""},     // 23
    {u"Ya te lo",                 u"advertí",         u"la semana pasada.",                         u"advertir",    u"1"},    // 24
    {u"Mis abuelos",              u"murieron",        u"hace diez años.",                           u"morir",       u""},     // 25
};
// clang-format on

DrillBank bank1705()
{
    return rows1705;
}

} // namespace zeb
