#pragma once

#include <QSize>
#include <QString>

class QPainter;
class QRect;
class QPixmap;

// A picture value as the controls and their stored settings hold it: a reference to artwork
// built into the program (or a file), or nothing. Drawing renders it once per size and
// device pixel ratio and keeps the result in the pixmap cache.
class Immagine {
  public:
    Immagine() = default;
    explicit Immagine(QString percorso) : m_percorso(std::move(percorso)) {}

    bool Vuota() const { return m_percorso.isEmpty(); }
    const QString& Percorso() const { return m_percorso; }
    // The picture's own size in pixels; empty for nothing or an unreadable picture.
    QSize DimensioneNaturale() const;
    // The picture stretched to a size in device-independent pixels.
    QPixmap Pixmap(QSize dimensione, qreal rapportoPixel) const;
    void Disegna(QPainter& pittore, const QRect& dove) const;

    bool operator==(const Immagine&) const = default;

  private:
    QString m_percorso;
};
