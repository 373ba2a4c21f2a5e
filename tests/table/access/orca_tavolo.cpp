// The real window with a fixed seed and a clock that ends the opener's pause: the same hand.
#include "platform/casuale.h"
#include "platform/orologio.h"
#include "table/window/frmgalbirola.h"

#include <QApplication>
#include <QRadioButton>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    const char* seme = std::getenv("GALBIROLA_SEME");
    casuale::Sostituzione sostituzione(
        std::make_unique<CasualeFisso>(seme ? std::strtoull(seme, nullptr, 10) : 7));
    OrologioSalto orologio;
    FrmGalbirola finestra(ServiziTavolo{nullptr, &orologio, 1.0, {}});
    // One opponent, at the game's own pace: a screen reader drops what it shows when more
    // events wait for it than it can take (Orca: fifty).
    finestra.Controlli().OptAvversari[0]->setChecked(true);
    finestra.show();
    return QApplication::exec();
}
