#pragma once

#include "widgets/imgbtn.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

namespace prova {

// A plain one-colour picture of a known size, written once to a temporary folder.
inline Immagine Tinta(QColor colore, int larghezza = 20, int altezza = 30) {
    static QTemporaryDir cartella;
    const QString percorso = cartella.filePath(
        QStringLiteral("%1-%2x%3.png").arg(colore.name().mid(1)).arg(larghezza).arg(altezza));
    QImage tela(larghezza, altezza, QImage::Format_RGB32);
    tela.fill(colore);
    tela.save(percorso);
    return Immagine(percorso);
}

inline const Immagine kPulsante(QStringLiteral(":/tavolo/pulsante.svg")); // 26 x 36 pixels

// The table window's "Crea Torneo" as designed: 1275 x 1575 twips, Gradino 50, caption below.
inline void ComeNelTavolo(ImgBtn& b) {
    b.ImpostaPredefiniti();
    b.setPictureUp(kPulsante);
    b.setCaption(QStringLiteral("Crea Torneo"));
    b.setFont(Carattere{QStringLiteral("Arial"), 9.75, 700});
    b.setBackColor(Colore::Rgb(0, 128, 0));
    b.setBackStyle(1);
    b.ImpostaDimensioneTwips({1275, 1575});
}

} // namespace prova
