// Exercise 17/5: -ir verbs whose stem changes e→i, o→u in the preterite (pidió, durmió).
#include "drillbank.h"

namespace zeb {

// clang-format off
static const DrillRow rows1705[] = {
    // start                           verb form           end                                      infinitive     hint
    {u"Por fin",                     u"conseguí",        u"entradas para el concierto.",          u"conseguir",  u"1"},    // 1
    {u"Los niños",                   u"pidieron",        u"helado.",                              u"pedir",      u""},     // 2
    {u"Mi marido",                   u"prefirió",        u"quedarse en casa el domingo.",         u"preferir",   u""},     // 3
    {u"",                            u"Preferimos",      u"no discutir con ella en la reunión de ayer.", u"preferir", u"1 1"},  // 4
    {u"Los turistas",                u"siguieron",       u"al guía por el casco antiguo.",        u"seguir",     u""},     // 5
    {u"Los invitados",               u"se rieron",       u"mucho con los chistes del tío Juan.",  u"reírse",     u""},     // 6
    {u"Los socios del club",         u"eligieron",       u"a una nueva presidenta.",              u"elegir",     u""},     // 7
    {u"El camarero",                 u"sirvió",          u"el café en la terraza.",               u"servir",     u""},     // 8
    {u"¿Qué cerveza",                u"servisteis",      u"a los invitados?",                     u"servir",     u"2 2"},  // 9
    {u"El carpintero",               u"midió",           u"la puerta de la cocina.",              u"medir",      u""},     // 10
    {u"",                            u"Me herí",         u"en la pierna jugando al fútbol.",      u"herirse",    u"1"},    // 11
    {u"El sol",                      u"derritió",        u"la nieve del jardín.",                 u"derretir",   u""},     // 12
    {u"",                            u"Herví",           u"la leche para el desayuno.",           u"hervir",     u"1"},    // 13
    {u"",                            u"Medimos",         u"el salón ayer, antes de comprar el sofá.", u"medir",  u"1 1"},  // 14
    {u"Mi madre",                    u"hirvió",          u"las patatas para la ensalada.",        u"hervir",     u""},     // 15
    {u"Las críticas de mi jefe me",  u"hirieron",        u"mucho.",                               u"herir",      u""},     // 16
    {u"El verano pasado, en Granada,", u"dormimos",      u"en un hotel cerca de la Alhambra.",    u"dormir",     u"1 1"},  // 17
    {u"Los pasajeros",               u"durmieron",       u"durante todo el vuelo.",               u"dormir",     u""},     // 18
    {u"Miguel de Cervantes",         u"murió",           u"en Madrid en 1616.",                   u"morir",      u""},     // 19
    {u"En la fiesta de Ana",         u"me divertí",      u"muchísimo.",                           u"divertirse", u"1"},    // 20
    {u"Los estudiantes",             u"se divirtieron",  u"mucho en la excursión.",               u"divertirse", u""},     // 21
    {u"Los novios",                  u"sonrieron",       u"para la foto.",                        u"sonreír",    u""},     // 22
    {u"¿Quién te",                   u"advirtió",        u"del peligro?",                         u"advertir",   u""},     // 23
    {u"Ya te lo",                    u"advertí",         u"la semana pasada.",                    u"advertir",   u"1"},    // 24
    {u"Mis abuelos",                 u"murieron",        u"el mismo año.",                        u"morir",      u""},     // 25
};
// clang-format on

DrillBank bank1705()
{
    return rows1705;
}

} // namespace zeb
