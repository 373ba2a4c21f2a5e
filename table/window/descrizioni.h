#pragma once

#include "table/interfacciatavolo.h"

#include <QString>

class Tavolo;

// What the table shows, said in words: for tooltips and for assistive technology.
namespace descrizioni {

// What a seat's lamp means: "Di turno", "Ha bussato", "Fuori dal torneo"; empty at rest.
QString Lampada(::Lampada stato);

// A seat's row of the score column: "Mario G.: 2 palle, di turno". The lamp's meaning
// follows the balls, in lower case; a seat at rest has the name and the balls alone.
QString Seggio(const Tavolo& tavolo, int seggio, ::Lampada stato);

} // namespace descrizioni
