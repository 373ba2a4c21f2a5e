#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

// Helpers to look at what a control paints: it is rendered alone over the table green, so
// anything it leaves unpainted shows green.
namespace rendi {

inline const QColor kVerde(0, 128, 0);
inline const QColor kBianco(255, 255, 255);
inline const QColor kSelezione(192, 192, 255);

inline QImage Rendi(QWidget& w, qreal rapporto = 1) {
    QImage img(w.size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(rapporto);
    img.fill(kVerde);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// How many pixels of a rectangle (in image pixels) have exactly this colour.
inline int Conta(const QImage& img, const QRect& r, const QColor& colore) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixelColor(x, y).rgb() == colore.rgb();
    return n;
}

} // namespace rendi
