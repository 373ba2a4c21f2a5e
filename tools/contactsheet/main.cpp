// Writes one PNG with the whole deck face up at zoom 100 and 40, the back, the deck, the
// lamps, the icon, the emblem and the buttons, for reviewing the artwork:
//
//     galbirola-contactsheet [file.png]
//
// Cards, deck and button are the game's own widgets, grabbed, so the sheet shows what the
// table shows. The sheet follows the screen's device pixel ratio: QT_SCALE_FACTOR=2 gives a
// 2x sheet.

#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"
#include "cards/mazzocarte.h"
#include "widgets/imgbtn.h"
#include "widgets/immagine.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int kMargine = 12;
constexpr int kSpazio = 8;
const QColor kVerde(0, 128, 0);

// Lays pictures out in rows, left to right, with a title above each group.
class Foglio {
  public:
    explicit Foglio(QPainter& pittore) : m_pittore(pittore) {}

    void Titolo(const QString& testo) {
        ACapo();
        m_pittore.setPen(Qt::white);
        m_pittore.drawText(QPointF(kMargine, m_y + 14), testo);
        m_y += 22;
    }
    void Metti(const QPixmap& p) {
        const QSizeF lato = p.deviceIndependentSize();
        m_pittore.drawPixmap(QPointF(m_x, m_y), p);
        m_x += int(lato.width()) + kSpazio;
        m_altezzaRiga = std::max(m_altezzaRiga, int(lato.height()));
    }
    void ACapo() {
        if (m_altezzaRiga > 0)
            m_y += m_altezzaRiga + kSpazio;
        m_x = kMargine;
        m_altezzaRiga = 0;
    }
    int Altezza() const { return m_y + m_altezzaRiga + kMargine; }

  private:
    QPainter& m_pittore;
    int m_x = kMargine;
    int m_y = kMargine;
    int m_altezzaRiga = 0;
};

QPixmap Carta(CtlMazzoCarte& mazzo, const std::string& seme, int valore, int zoom,
              bool coperta = false, bool selezionata = false) {
    CtlPilaCarte vista;
    vista.ImpostaMazzo(&mazzo);
    vista.SetZoom(zoom);
    vista.SettaCarta(seme, static_cast<std::uint8_t>(valore));
    vista.SetCoperta(coperta);
    vista.SetSelezionata(selezionata);
    return vista.grab();
}

QPixmap Pulsante(const QString& testo) {
    // As the table's stored design and the button's own defaults set it up.
    ImgBtn bottone;
    bottone.setStretch(true);
    bottone.setGradino(50);
    bottone.setPictureUp(Immagine(QStringLiteral(":/tavolo/pulsante.svg")));
    bottone.setCaption(testo);
    bottone.setBackColor(Colore::Rgb(0, 128, 0));
    bottone.setBackStyle(1);
    bottone.ImpostaDimensioneTwips(QSize(1275, 1575));
    return bottone.grab();
}

QPixmap Figura(const char* risorsa, QSize lato, qreal dpr) {
    return Immagine(QString::fromLatin1(risorsa)).Pixmap(lato, dpr);
}

void Disegna(Foglio& f, CtlMazzoCarte& mazzo, qreal dpr) {
    f.Titolo(QStringLiteral("Zoom 100"));
    for (std::string_view seme : kSemi) {
        for (int v = 1; v <= 10; ++v)
            f.Metti(Carta(mazzo, std::string(seme), v, 100));
        f.ACapo();
    }
    f.Titolo(QStringLiteral("Zoom 40"));
    for (int riga = 0; riga < 2; ++riga) {
        for (int s = 0; s < 2; ++s)
            for (int v = 1; v <= 10; ++v)
                f.Metti(Carta(mazzo, std::string(kSemi[riga * 2 + s]), v, 40));
        f.ACapo();
    }
    f.Titolo(QStringLiteral("Back, selected cards, deck, lamps, icon, emblem, buttons"));
    f.Metti(Carta(mazzo, "Coppe", 1, 100, true));
    f.Metti(Carta(mazzo, "Spade", 9, 100, false, true));
    f.Metti(Carta(mazzo, "Denari", 7, 100, false, true));
    f.Metti(Carta(mazzo, "Bastoni", 10, 40, true));
    f.Metti(Carta(mazzo, "Bastoni", 10, 40, false, true));
    f.Metti(mazzo.grab());
    for (int i = 0; i < 4; ++i)
        f.Metti(Figura(qPrintable(QStringLiteral(":/tavolo/lampada%1.svg").arg(i)), {36, 54}, dpr));
    f.Metti(Figura(":/tavolo/icona.svg", {16, 16}, dpr));
    f.Metti(Figura(":/tavolo/icona.svg", {32, 32}, dpr));
    f.Metti(Figura(":/tavolo/icona.svg", {64, 64}, dpr));
    f.Metti(Figura(":/tavolo/emblema.svg", {18, 17}, dpr));
    f.Metti(Pulsante(QStringLiteral("Crea Torneo")));
    f.Metti(Figura(":/widgets/imgbtn.svg", {32, 32}, dpr));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString uscita = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "contactsheet.png";
    const qreal dpr = app.primaryScreen() ? app.primaryScreen()->devicePixelRatio() : 1.0;

    CtlMazzoCarte mazzo;
    const QSize lato(1300, 1400);
    QImage foglio(lato * dpr, QImage::Format_RGB32);
    foglio.setDevicePixelRatio(dpr);
    foglio.fill(kVerde);
    QPainter pittore(&foglio);
    pittore.setRenderHint(QPainter::Antialiasing);
    QFont carattere = pittore.font();
    carattere.setPixelSize(13);
    carattere.setBold(true);
    pittore.setFont(carattere);
    Foglio f(pittore);
    Disegna(f, mazzo, dpr);
    const int altezza = f.Altezza();
    pittore.end();

    if (!foglio.copy(QRect(QPoint(0, 0), QSize(lato.width(), altezza) * dpr)).save(uscita)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(uscita));
        return 1;
    }
    return 0;
}
