#include "immaginiprova.h"

#include <QImage>
#include <QTemporaryDir>

namespace prova {

Immagine Tinta(QColor colore, int larghezza, int altezza) {
    static QTemporaryDir cartella;
    const QString percorso = cartella.filePath(
        QStringLiteral("%1-%2x%3.png").arg(colore.name().mid(1)).arg(larghezza).arg(altezza));
    QImage tela(larghezza, altezza, QImage::Format_RGB32);
    tela.fill(colore);
    tela.save(percorso);
    return Immagine(percorso);
}

} // namespace prova
