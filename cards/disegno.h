#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>

#include <map>
#include <memory>
#include <tuple>

class QPainter;

// One piece of vector artwork, shared by every control that shows it. It is rendered once
// per size in device pixels and device pixel ratio; later draws at that size reuse the
// rendered image, so repainting a table full of cards never touches the vector art.
class Disegno {
  public:
    explicit Disegno(const QString& percorsoSvg);
    Disegno(const Disegno&) = delete;
    Disegno& operator=(const Disegno&) = delete;

    bool Valida() const { return m_svg.isValid(); }
    // The picture's own size in pixels; it fixes the aspect, not the size on screen.
    QSize DimensioneNaturale() const { return m_svg.defaultSize(); }

    // The picture stretched to rettangolo (logical pixels). The corners are snapped to the
    // device pixel grid of the painter so the picture stays crisp at any ratio.
    void Disegna(QPainter& painter, const QRectF& rettangolo) const;

    // The picture stretched to exactly this many device pixels.
    const QImage& Resa(QSize pixel, qreal rapporto) const;

    // How many times the vector art has been rendered so far.
    int Rendering() const { return m_rendering; }

  private:
    mutable QSvgRenderer m_svg;
    // A handful of entries per picture (one per zoom and screen in use), never evicted:
    // a general cache could drop an image in the middle of a repaint of the table.
    mutable std::map<std::tuple<int, int, int>, QImage> m_cache;
    mutable int m_rendering = 0;
};

using DisegnoCondiviso = std::shared_ptr<const Disegno>;
