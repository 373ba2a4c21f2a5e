#pragma once

#include <QRectF>

class QPainter;
class QWidget;

// The focus cue of the table's own controls. Like the platform's, it shows only once the
// player has moved around the window with the keys: a mouse player never sees it.
namespace fuoco {

// Whether w has the focus and its window has been driven from the keyboard.
bool DaMostrare(const QWidget& w);

// The player has used the keys on w's window: from now on the focus shows.
void TastieraUsata(QWidget& w);

// A ring of two colours, dark outside and light inside, just within r (logical pixels).
// Its edges lie on whole device pixels, so it stays sharp at any device pixel ratio.
void Disegna(QPainter& p, const QRectF& r, double raggio);

} // namespace fuoco
