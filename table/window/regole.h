#pragma once

#include <QString>

// The rules box: how the game is played, what the lamps mean and the keys, in the game's
// Italian, as rich text.
namespace regole {

QString Titolo();
QString Testo();

} // namespace regole
