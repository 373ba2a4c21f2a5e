// galbirola-icons OUTDIR SIZE...: writes OUTDIR/SIZExSIZE/galbirola.png for every size,
// from the icon compiled into the program.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() < 3) {
        std::fprintf(stderr, "usage: galbirola-icons OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer icona(QStringLiteral(":/tavolo/icona.svg"));
    if (!icona.isValid()) {
        std::fprintf(stderr, "galbirola-icons: the icon is missing\n");
        return 1;
    }
    for (int i = 2; i < argomenti.size(); ++i) {
        const int lato = argomenti[i].toInt();
        if (lato <= 0)
            return 2;
        QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        icona.render(&pittore);
        pittore.end();
        const QString cartella = QStringLiteral("%1/%2x%2").arg(argomenti[1]).arg(lato);
        if (!QDir().mkpath(cartella) ||
            !immagine.save(cartella + QStringLiteral("/galbirola.png"))) {
            std::fprintf(stderr, "galbirola-icons: cannot write %s\n", qPrintable(cartella));
            return 1;
        }
    }
    return 0;
}
