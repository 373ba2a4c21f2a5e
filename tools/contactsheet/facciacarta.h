#pragma once

#include <QPixmap>
#include <QString>

// One card face up (or the back) drawn from the artwork in the card's own layout, at a
// zoom in percent and the given device pixel ratio.
QPixmap FacciaCarta(const QString& seme, int valore, int zoom, qreal dpr);
QPixmap RetroCarta(int zoom, qreal dpr);
