#include "cards/geometriacarta.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

enum class Sfondo { Trasparente, VerdeTavolo, Opaco };

struct Picture {
    const char* risorsa;
    int larghezza;
    int altezza;
    Sfondo sfondo;
};

const Picture kPictures[] = {{":/carte/bastoni.svg", 40, 55, Sfondo::Trasparente},
                             {":/carte/coppe.svg", 40, 55, Sfondo::Trasparente},
                             {":/carte/denari.svg", 40, 55, Sfondo::Trasparente},
                             {":/carte/spade.svg", 40, 55, Sfondo::Trasparente},
                             {":/carte/fante.svg", 91, 178, Sfondo::Trasparente},
                             {":/carte/cavallo.svg", 100, 178, Sfondo::Trasparente},
                             {":/carte/re.svg", 95, 178, Sfondo::Trasparente},
                             {":/carte/retro.svg", 117, 197, Sfondo::Opaco},
                             {":/carte/mazzo.svg", 26, 36, Sfondo::VerdeTavolo},
                             {":/tavolo/lampada0.svg", 36, 54, Sfondo::VerdeTavolo},
                             {":/tavolo/lampada1.svg", 36, 54, Sfondo::VerdeTavolo},
                             {":/tavolo/lampada2.svg", 36, 54, Sfondo::VerdeTavolo},
                             {":/tavolo/lampada3.svg", 36, 54, Sfondo::VerdeTavolo},
                             {":/tavolo/icona.svg", 32, 32, Sfondo::Trasparente},
                             {":/tavolo/emblema.svg", 18, 17, Sfondo::Trasparente},
                             {":/tavolo/pulsante.svg", 26, 36, Sfondo::VerdeTavolo},
                             {":/widgets/imgbtn.svg", 32, 32, Sfondo::Trasparente}};

// The renderer reports what it cannot draw only as a warning.
QStringList g_avvisi;

QImage Disegna(const QString& risorsa, QSize lato) {
    QImage immagine(lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    g_avvisi.clear();
    const QtMessageHandler prima =
        qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
            if (tipo != QtDebugMsg && tipo != QtInfoMsg)
                g_avvisi << testo;
        });
    QSvgRenderer renderer(risorsa);
    QPainter pittore(&immagine);
    renderer.render(&pittore);
    qInstallMessageHandler(prima);
    return immagine;
}

double QuotaOpaca(const QImage& img, QRect zona, int soglia = 32) {
    int opachi = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            opachi += qAlpha(img.pixel(x, y)) > soglia;
    return double(opachi) / (zona.width() * zona.height());
}

class Artwork : public ::testing::TestWithParam<Picture> {};

// Drawn cleanly at its own aspect; the corners show what lies behind, the table green, or
// for the back, which covers the whole face, nothing transparent at all.
TEST_P(Artwork, RendersCleanlyAtItsAspectOverWhatShouldShowThrough) {
    const Picture& p = GetParam();
    SCOPED_TRACE(p.risorsa);
    const QString risorsa = QString::fromLatin1(p.risorsa);
    const QSize lato(p.larghezza, p.altezza);
    const QSvgRenderer renderer(risorsa);
    EXPECT_EQ(renderer.defaultSize(), lato);
    EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(), lato));
    const QImage img = Disegna(risorsa, lato * 4);
    EXPECT_TRUE(g_avvisi.isEmpty()) << g_avvisi.join("; ").toStdString();
    if (p.sfondo == Sfondo::Opaco)
        EXPECT_EQ(QuotaOpaca(img, img.rect(), 254), 1.0);
    else
        EXPECT_GT(QuotaOpaca(img, img.rect()), 0.1);
    for (QPoint a : {QPoint(0, 0), QPoint(img.width() - 1, img.height() - 1)}) {
        if (p.sfondo == Sfondo::Trasparente) {
            EXPECT_EQ(qAlpha(img.pixel(a)), 0);
        } else if (p.sfondo == Sfondo::VerdeTavolo) {
            EXPECT_EQ(img.pixel(a), qRgb(0, 128, 0));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, Artwork, ::testing::ValuesIn(kPictures));

// The suit mark is drawn over the figure's top-left corner, which the figures leave clear.
TEST(Artwork, FiguresLeaveTheSuitMarkCornerClear) {
    const auto figura = geometria::ImgFigura(100);
    const auto marchio = geometria::ImgSemeFigura(100);
    for (const char* risorsa : {":/carte/fante.svg", ":/carte/cavallo.svg", ":/carte/re.svg"}) {
        const QImage img =
            Disegna(QString::fromLatin1(risorsa), QSize(figura.Width, figura.Height) / 5);
        const double k = img.width() / figura.Width;
        const QRect sotto(0, 0, int(std::ceil((marchio.Left + marchio.Width - figura.Left) * k)),
                          int(std::ceil((marchio.Top + marchio.Height - figura.Top) * k)));
        EXPECT_LT(QuotaOpaca(img, sotto), 0.02) << risorsa;
    }
}

} // namespace
