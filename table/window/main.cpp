#include "table/window/frmgalbirola.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Galbirola"));
    FrmGalbirola finestra;
    finestra.show();
    return app.exec();
}
