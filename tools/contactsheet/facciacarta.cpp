#include "facciacarta.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <array>

namespace {

constexpr double kTwipPerPixel = 15.0;

struct Rettangolo {
    double x, y, w, h;
};

constexpr std::array<Rettangolo, 8> kSlot = {{{120, 180, 600, 825},
                                              {120, 1140, 600, 825},
                                              {120, 2100, 600, 825},
                                              {1080, 180, 600, 825},
                                              {1080, 1140, 600, 825},
                                              {1080, 2100, 600, 825},
                                              {600, 600, 600, 825},
                                              {600, 1560, 600, 825}}};

QRectF InPixel(const Rettangolo& r, int zoom) {
    const double k = zoom / 100.0 / kTwipPerPixel;
    return {r.x * k, r.y * k, r.w * k, r.h * k};
}

QPixmap Vuota(int zoom, qreal dpr) {
    const QSize lato(qRound(1800.0 * zoom / 100 / kTwipPerPixel),
                     qRound(3000.0 * zoom / 100 / kTwipPerPixel));
    QPixmap p(lato * dpr);
    p.setDevicePixelRatio(dpr);
    p.fill(Qt::transparent);
    return p;
}

void Corpo(QPainter& pittore, int zoom) {
    const QRectF corpo = InPixel({0, 0, 1755, 2955}, zoom);
    const double raggio = 90.0 * zoom / 100 / kTwipPerPixel;
    pittore.setPen(QPen(Qt::black, 1.0));
    pittore.setBrush(Qt::white);
    pittore.drawRoundedRect(corpo.adjusted(0.5, 0.5, -0.5, -0.5), raggio, raggio);
}

} // namespace

QPixmap FacciaCarta(const QString& seme, int valore, int zoom, qreal dpr) {
    static const std::array<std::vector<int>, 7> kPips = {{{6},
                                                           {6, 7},
                                                           {1, 4, 7},
                                                           {0, 2, 3, 5},
                                                           {0, 2, 3, 5, 7},
                                                           {0, 1, 2, 3, 4, 5},
                                                           {0, 1, 2, 3, 4, 5, 6}}};
    QPixmap p = Vuota(zoom, dpr);
    QPainter pittore(&p);
    pittore.setRenderHint(QPainter::Antialiasing);
    Corpo(pittore, zoom);
    QSvgRenderer simbolo(QStringLiteral(":/carte/%1.svg").arg(seme.toLower()));
    if (valore >= 1 && valore <= 7) {
        for (int slot : kPips[valore - 1])
            simbolo.render(&pittore, InPixel(kSlot[slot], zoom));
    } else if (valore >= 8 && valore <= 10) {
        static const std::array<QString, 3> kFigure = {QStringLiteral(":/carte/fante.svg"),
                                                       QStringLiteral(":/carte/cavallo.svg"),
                                                       QStringLiteral(":/carte/re.svg")};
        QSvgRenderer figura(kFigure[valore - 8]);
        figura.render(&pittore, InPixel({180, 240, 1440, 2550}, zoom));
        simbolo.render(&pittore, InPixel({60, 60, 600, 825}, zoom));
    }
    return p;
}

QPixmap RetroCarta(int zoom, qreal dpr) {
    QPixmap p = Vuota(zoom, dpr);
    QPainter pittore(&p);
    pittore.setRenderHint(QPainter::Antialiasing);
    Corpo(pittore, zoom);
    QSvgRenderer retro(QStringLiteral(":/carte/retro.svg"));
    retro.render(&pittore, InPixel({60, 60, 1635, 2835}, zoom));
    return p;
}
