// The real window with a fixed seed and a clock that ends the opener's pause: the same hand.
// With GALBIROLA_AVVERSARI the table has that many opponents and keeps the real clock, and
// each sentence told to the screen reader is written with its time to GALBIROLA_DETTO.
#include "platform/casuale.h"
#include "platform/orologio.h"
#include "table/access/cronaca.h"
#include "table/window/frmgalbirola.h"

#include <QAccessible>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QRadioButton>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace {

QFile detto;

// Notes each shown notification, then lets it go on to the screen reader.
void Annotatore(QAccessibleEvent* evento) {
    if (const QString frase = Cronaca::Detto(evento); !frase.isEmpty()) {
        QTextStream(&detto) << QString::number(QDateTime::currentMSecsSinceEpoch() / 1000.0, 'f', 3)
                            << ' ' << frase << '\n';
        detto.flush();
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(evento);
    QAccessible::installUpdateHandler(Annotatore);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    const char* seme = std::getenv("GALBIROLA_SEME");
    casuale::Sostituzione sostituzione(
        std::make_unique<CasualeFisso>(seme ? std::strtoull(seme, nullptr, 10) : 7));
    const char* avversari = std::getenv("GALBIROLA_AVVERSARI");
    const int n = avversari ? std::atoi(avversari) : 1;
    OrologioSalto salto;
    FrmGalbirola finestra(ServiziTavolo{nullptr, avversari ? nullptr : &salto, 1.0, {}});
    // One opponent, at the game's own pace: a screen reader drops what it shows when more
    // events wait for it than it can take (Orca: fifty).
    finestra.Controlli().OptAvversari[std::clamp(n, 1, 6) - 1]->setChecked(true);
    if (const char* file = std::getenv("GALBIROLA_DETTO")) {
        detto.setFileName(QString::fromLocal8Bit(file));
        if (detto.open(QIODevice::WriteOnly | QIODevice::Append))
            QAccessible::installUpdateHandler(Annotatore);
    }
    finestra.show();
    return QApplication::exec();
}
