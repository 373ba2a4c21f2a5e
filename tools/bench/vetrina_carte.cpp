#include "tavolo_carte.h"

#include <QApplication>
#include <QTimer>

// Shows a table of sample cards: full-size and small, face up, face down and selected.
// With a file name it saves a picture of the window there and quits.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TavoloCarte tavolo;
    tavolo.setWindowTitle(QStringLiteral("Carte"));
    tavolo.show();
    if (argc > 1) {
        const QString file = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(500, &tavolo, [&tavolo, file] {
            tavolo.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
