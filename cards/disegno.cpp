#include "cards/disegno.h"

#include <QPainter>

#include <cmath>

Disegno::Disegno(const QString& percorsoSvg) : m_svg(percorsoSvg) {}

const QImage& Disegno::Resa(QSize pixel, qreal rapporto) const {
    const auto chiave = std::make_tuple(pixel.width(), pixel.height(),
                                        static_cast<int>(std::lround(rapporto * 1000)));
    auto it = m_cache.find(chiave);
    if (it == m_cache.end()) {
        QImage resa(pixel, QImage::Format_ARGB32_Premultiplied);
        resa.fill(Qt::transparent);
        if (!pixel.isEmpty()) {
            QPainter p(&resa);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            // The viewBox is stretched to the whole image, whatever its aspect.
            m_svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixel)));
        }
        resa.setDevicePixelRatio(rapporto);
        ++m_rendering;
        it = m_cache.emplace(chiave, std::move(resa)).first;
    }
    return it->second;
}

void Disegno::Disegna(QPainter& painter, const QRectF& rettangolo) const {
    // The painter's scale is the device pixel ratio (and any zoom of a host that renders
    // the control); the image is made for exactly that many pixels.
    const QTransform t = painter.deviceTransform();
    const qreal rapporto = t.m11();
    if (rapporto <= 0)
        return;
    const QSize pixel(static_cast<int>(std::lround(rettangolo.width() * rapporto)),
                      static_cast<int>(std::lround(rettangolo.height() * rapporto)));
    if (pixel.isEmpty())
        return;
    const QPointF angolo((std::round(rettangolo.left() * rapporto + t.dx()) - t.dx()) / rapporto,
                         (std::round(rettangolo.top() * rapporto + t.dy()) - t.dy()) / rapporto);
    painter.drawImage(angolo, Resa(pixel, rapporto));
}
