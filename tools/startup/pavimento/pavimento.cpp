#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    finestra.setFixedSize(640, 480);
    QPalette p = finestra.palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    finestra.setPalette(p);
    finestra.setAutoFillBackground(true);
    finestra.show();
    return app.exec();
}
