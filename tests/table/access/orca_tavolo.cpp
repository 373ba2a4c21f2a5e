// The real window with a fixed seed and a clock that ends the opener's pause: the same hand.
#include "platform/casuale.h"
#include "platform/orologio.h"
#include "table/window/frmgalbirola.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    const char* seme = std::getenv("GALBIROLA_SEME");
    casuale::Sostituzione sostituzione(
        std::make_unique<CasualeFisso>(seme ? std::strtoull(seme, nullptr, 10) : 7));
    OrologioSalto orologio;
    FrmGalbirola finestra(ServiziTavolo{nullptr, &orologio, 0.3, {}});
    finestra.show();
    return QApplication::exec();
}
