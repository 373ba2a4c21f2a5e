#include "table/frmgalbirola.h"

#include "platform/casuale.h"

#include <QPalette>

FrmGalbirola::FrmGalbirola(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Galbirola %1.%2 (%3)")
                       .arg(PROJECT_VERSION_MAJOR)
                       .arg(PROJECT_VERSION_MINOR)
                       .arg(PROJECT_VERSION_PATCH));
    casuale::RisemeDallOra();
    setFixedSize(640, 480);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    setPalette(p);
    setAutoFillBackground(true);
}
