#include "widgets/fuoco.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace fuoco {

namespace {

// Two logical pixels per colour, never less than two device pixels.
constexpr double kSpessore = 2.0;
const QColor kEsterno(0, 0, 0);
const QColor kInterno(255, 216, 0);

QPainterPath anello(const QRectF& fuori, double spessore, double raggio) {
    QPainterPath p;
    p.addRoundedRect(fuori, raggio, raggio);
    p.addRoundedRect(fuori.adjusted(spessore, spessore, -spessore, -spessore),
                     std::max(0.0, raggio - spessore), std::max(0.0, raggio - spessore));
    return p;
}

} // namespace

bool DaMostrare(const QWidget& w) {
    return w.hasFocus() && w.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void TastieraUsata(QWidget& w) {
    QWidget* finestra = w.window();
    if (finestra->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    finestra->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* f = finestra->focusWidget())
        f->update();
}

void Disegna(QPainter& p, const QRectF& r, double raggio) {
    // Drawn in device pixels, on whole ones, without smoothing.
    const QTransform dispositivo = p.deviceTransform();
    const double scala = std::abs(dispositivo.m11());
    const QRectF m = dispositivo.mapRect(r);
    const QRectF fuori(QPointF(std::round(m.left()), std::round(m.top())),
                       QPointF(std::round(m.right()), std::round(m.bottom())));
    const double spessore = std::max(2.0, std::round(kSpessore * scala));
    const double curva = std::round(raggio * scala);
    p.save();
    p.setWorldTransform(dispositivo.inverted() * p.worldTransform());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(anello(fuori, spessore, curva), kEsterno);
    const QRectF dentro = fuori.adjusted(spessore, spessore, -spessore, -spessore);
    p.fillPath(anello(dentro, spessore, std::max(0.0, curva - spessore)), kInterno);
    p.restore();
}

} // namespace fuoco
