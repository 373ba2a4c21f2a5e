#pragma once

#include "table/interfacciatavolo.h"
#include "table/sguardo.h"

#include <QString>

#include <functional>
#include <vector>

// What happens at the table, in the game's Italian: one sentence per event, the same for the
// screen reader and for the chronicle.
namespace parole {

// "Re di Coppe".
QString Carta(CartaDetta carta);
// "Asso, Re e Cavallo di Coppe" for one suit, "Asso di Coppe, Re di Spade e Tre di Denari".
QString Mano(const CarteDette& carte);

// The sentence for an event; nome(seggio) gives a seat's name, umano is the human's seat.
// "Andrea Z. prende Re di Coppe, lascia Asso di Spade", "Tocca a te", "Ultimo giro".
QString Frase(const Accaduto& accaduto, const std::function<QString(int)>& nome, int umano);

// The answer to a player who asks the table (the letter of the key): 'C' their cards and what
// they are worth, 'T' the table's cards, 'P' every seat's balls, 'G' whose turn it is and who
// knocked, 'R' the last sentence the table told (ultima) again.
QString Risposta(char domanda, const Sguardo& sguardo, const QString& ultima,
                 const std::function<QString(int)>& nome, int umano);

} // namespace parole
