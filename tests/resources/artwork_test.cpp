#include "cards/geometriacarta.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

enum class Sfondo { Trasparente, VerdeTavolo, Opaco };

struct Picture {
    const char* risorsa;
    int larghezza;
    int altezza;
    Sfondo sfondo;
};

const std::vector<Picture> kPictures = {
    {":/carte/bastoni.svg", 40, 55, Sfondo::Trasparente},
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
    {":/widgets/imgbtn.svg", 32, 32, Sfondo::Trasparente},
};

// The renderer reports what it cannot draw only as a warning; collect them.
QStringList g_avvisi;
void RaccogliAvvisi(QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
    if (tipo != QtDebugMsg && tipo != QtInfoMsg)
        g_avvisi << testo;
}

QImage Disegna(const char* risorsa, QSize lato) {
    QImage immagine(lato, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    QSvgRenderer renderer{QString::fromLatin1(risorsa)};
    QPainter pittore(&immagine);
    renderer.render(&pittore);
    return immagine;
}

double QuotaOpaca(const QImage& img, QRect zona) {
    zona = zona.intersected(img.rect());
    int opachi = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            opachi += qAlpha(img.pixel(x, y)) > 32;
    return double(opachi) / (zona.width() * zona.height());
}

class Artwork : public ::testing::TestWithParam<Picture> {};

TEST_P(Artwork, RendersCleanlyAtItsOwnAspect) {
    const Picture& p = GetParam();
    g_avvisi.clear();
    const QtMessageHandler prima = qInstallMessageHandler(RaccogliAvvisi);
    QSvgRenderer renderer{QString::fromLatin1(p.risorsa)};
    const bool valido = renderer.isValid();
    const QImage img = Disegna(p.risorsa, QSize(p.larghezza, p.altezza) * 4);
    qInstallMessageHandler(prima);

    ASSERT_TRUE(valido) << p.risorsa;
    EXPECT_TRUE(g_avvisi.isEmpty()) << p.risorsa << ": " << g_avvisi.join("; ").toStdString();
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, p.larghezza, p.altezza)) << p.risorsa;
    EXPECT_EQ(renderer.defaultSize(), QSize(p.larghezza, p.altezza)) << p.risorsa;
    // Something is drawn, not an empty or collapsed picture.
    EXPECT_GT(QuotaOpaca(img, img.rect()), 0.1) << p.risorsa;
}

TEST_P(Artwork, CornersShowWhatLiesBehindOrTheTable) {
    const Picture& p = GetParam();
    const QImage img = Disegna(p.risorsa, QSize(p.larghezza, p.altezza) * 4);
    const QList<QPoint> angoli = {
        {0, 0}, {img.width() - 1, 0}, {0, img.height() - 1}, {img.width() - 1, img.height() - 1}};
    for (QPoint a : angoli) {
        const QRgb px = img.pixel(a);
        switch (p.sfondo) {
        case Sfondo::Trasparente:
            EXPECT_EQ(qAlpha(px), 0) << p.risorsa;
            break;
        case Sfondo::VerdeTavolo:
            EXPECT_EQ(px, qRgb(0, 128, 0)) << p.risorsa;
            break;
        case Sfondo::Opaco:
            EXPECT_EQ(qAlpha(px), 255) << p.risorsa;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, Artwork, ::testing::ValuesIn(kPictures));

TEST(Artwork, BackCoversTheWholeFace) {
    const QImage img = Disegna(":/carte/retro.svg", QSize(117, 197) * 2);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(qAlpha(img.pixel(x, y)), 255) << x << "," << y;
}

// The suit mark is drawn over the figure's top-left corner; the figures leave it clear so
// the mark reads on the card body and does not cut a face or a crown.
TEST(Artwork, FiguresLeaveTheSuitMarkCornerClear) {
    const auto figura = geometria::ImgFigura(100);
    const auto marchio = geometria::ImgSemeFigura(100);
    for (const char* risorsa : {":/carte/fante.svg", ":/carte/cavallo.svg", ":/carte/re.svg"}) {
        const QImage img = Disegna(risorsa, QSize(figura.Width, figura.Height) / 5);
        const double k = img.width() / figura.Width;
        const QRect sotto(0, 0, int(std::ceil((marchio.Left + marchio.Width - figura.Left) * k)),
                          int(std::ceil((marchio.Top + marchio.Height - figura.Top) * k)));
        EXPECT_LT(QuotaOpaca(img, sotto), 0.02) << risorsa;
    }
}

// At zoom 40 a suit symbol is 16 x 22 pixels on the white card: any two suits must still
// differ there, pixel by pixel, in shape and colour.
TEST(Artwork, SuitsStandApartAtZoom40) {
    std::vector<QImage> semi;
    for (const char* risorsa :
         {":/carte/bastoni.svg", ":/carte/coppe.svg", ":/carte/denari.svg", ":/carte/spade.svg"}) {
        QImage img(16, 22, QImage::Format_RGB32);
        img.fill(Qt::white);
        QSvgRenderer renderer{QString::fromLatin1(risorsa)};
        QPainter pittore(&img);
        renderer.render(&pittore);
        semi.push_back(img);
    }
    for (size_t i = 0; i < semi.size(); ++i)
        for (size_t j = i + 1; j < semi.size(); ++j) {
            double somma = 0;
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 16; ++x) {
                    const QRgb a = semi[i].pixel(x, y), b = semi[j].pixel(x, y);
                    somma +=
                        std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
                }
            EXPECT_GT(somma / (16 * 22), 40.0) << "suits " << i << " and " << j;
        }
}

} // namespace
