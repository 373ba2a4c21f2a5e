// Writes one PNG with the whole deck face up at zoom 100 and 40, the back, the deck's face,
// the lamps, the icon, the emblem and the buttons' pictures, for reviewing the artwork.
//
//     galbirola-contactsheet [file.png]
//
// The sheet follows the screen's device pixel ratio: QT_SCALE_FACTOR=2 gives a 2x sheet.

#include "facciacarta.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <array>
#include <cstdio>

namespace {

constexpr int kMargine = 12;
const QColor kVerde(0, 128, 0);

QPixmap Immagine(const QString& risorsa, QSize lato, qreal dpr) {
    QPixmap p(lato * dpr);
    p.setDevicePixelRatio(dpr);
    p.fill(Qt::transparent);
    QPainter pittore(&p);
    QSvgRenderer(risorsa).render(&pittore, QRectF(QPointF(0, 0), lato));
    return p;
}

class Foglio {
  public:
    Foglio(QPainter& pittore) : m_pittore(pittore) {}

    void Titolo(const QString& testo) {
        m_y += kMargine;
        m_x = kMargine;
        m_pittore.setPen(Qt::white);
        m_pittore.drawText(QPointF(m_x, m_y + 14), testo);
        m_y += 22;
        m_altezzaRiga = 0;
    }
    void Metti(const QPixmap& p) {
        const QSizeF lato = p.deviceIndependentSize();
        m_pittore.drawPixmap(QPointF(m_x, m_y), p);
        m_x += lato.width() + 8;
        m_altezzaRiga = std::max(m_altezzaRiga, int(lato.height()));
    }
    void ACapo() {
        m_y += m_altezzaRiga + 8;
        m_x = kMargine;
        m_altezzaRiga = 0;
    }

  private:
    QPainter& m_pittore;
    int m_x = kMargine;
    int m_y = 0;
    int m_altezzaRiga = 0;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "contactsheet.png";
    const qreal dpr = app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;
    const std::array<QString, 4> semi = {"Bastoni", "Coppe", "Denari", "Spade"};

    const QSize lato(1320, 1530);
    QImage foglio(lato * dpr, QImage::Format_ARGB32_Premultiplied);
    foglio.setDevicePixelRatio(dpr);
    foglio.fill(kVerde);
    QPainter pittore(&foglio);
    pittore.setRenderHint(QPainter::Antialiasing);
    QFont carattere = pittore.font();
    carattere.setPixelSize(13);
    carattere.setBold(true);
    pittore.setFont(carattere);
    Foglio f(pittore);

    f.Titolo(QStringLiteral("Zoom 100"));
    for (const QString& seme : semi) {
        for (int v = 1; v <= 10; ++v)
            f.Metti(FacciaCarta(seme, v, 100, dpr));
        f.ACapo();
    }
    f.Titolo(QStringLiteral("Zoom 40"));
    for (int riga = 0; riga < 2; ++riga) {
        for (int s = 0; s < 2; ++s)
            for (int v = 1; v <= 10; ++v)
                f.Metti(FacciaCarta(semi[riga * 2 + s], v, 40, dpr));
        f.ACapo();
    }
    f.Titolo(QStringLiteral("Back, deck, lamps, icon, emblem, button, image button"));
    f.Metti(RetroCarta(100, dpr));
    f.Metti(RetroCarta(40, dpr));
    f.Metti(Immagine(":/carte/mazzo.svg", {26, 36}, dpr));
    for (int i = 0; i < 4; ++i)
        f.Metti(Immagine(QStringLiteral(":/tavolo/lampada%1.svg").arg(i), {36, 54}, dpr));
    f.Metti(Immagine(":/tavolo/icona.svg", {32, 32}, dpr));
    f.Metti(Immagine(":/tavolo/icona.svg", {16, 16}, dpr));
    f.Metti(Immagine(":/tavolo/icona.svg", {128, 128}, dpr));
    f.Metti(Immagine(":/tavolo/emblema.svg", {18, 17}, dpr));
    f.Metti(Immagine(":/tavolo/pulsante.svg", {26, 36}, dpr));
    f.Metti(Immagine(":/tavolo/pulsante.svg", {85, 104}, dpr));
    f.Metti(Immagine(":/widgets/imgbtn.svg", {32, 32}, dpr));
    f.ACapo();
    pittore.end();

    if (!foglio.save(uscita)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(uscita));
        return 1;
    }
    return 0;
}
