#include "banco.h"

#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// Neighbouring pixels far apart in grey: edges a picture drawn for these pixels has and one
// blown up from fewer pixels lacks.
int SpigoliNetti(const QImage& img) {
    const auto v = [&](int x, int y) { return qGray(img.pixel(x, y)); };
    int n = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x)
            n +=
                (std::abs(v(x, y) - v(x + 1, y)) >= 160) + (std::abs(v(x, y) - v(x, y + 1)) >= 160);
    return n;
}

// Run with QT_SCALE_FACTOR 1.5 and 2.
TEST(Scala, GeometryStaysInPixelsAndPicturesAreDrawnForTheDevice) {
    Banco b;
    const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    ASSERT_EQ(b.finestra.windowHandle()->devicePixelRatio(), f);
    EXPECT_EQ(b.finestra.windowHandle()->size(), QSize(640, 480));
    EXPECT_EQ(b.C().CtlPilaCarte0[0]->geometry(), QRect(PixelDi(5100, 3780), QSize(120, 200)));
    EXPECT_EQ(b.C().CtlPilaTavolo[2]->geometry(), QRect(PixelDi(2760, 4140), QSize(120, 200)));
    EXPECT_EQ(b.C().CmdTorneo->geometry(), QRect(16, 152, 85, 105));
    Clicca(b.C().CmdTorneo);
    EXPECT_EQ(b.finestra.CtlPilaCarte1(9)->geometry(), QRect(PixelDi(2400, 1460), QSize(48, 80)));
    EXPECT_EQ(b.finestra.grab().toImage().size(), QSize(std::ceil(640 * f), std::ceil(480 * f)));

    // A face-up Re as the screen shows it against the same drawn for one pixel per pixel and
    // enlarged.
    b.T().CtlPilaCarte0(0).SettaCarta("Spade", 10);
    b.T().CtlPilaCarte0(0).SetCoperta(false);
    CtlPilaCarte* re = b.C().CtlPilaCarte0[0];
    const QImage schermo = re->grab().toImage();
    EXPECT_EQ(schermo.size(), QSize(std::ceil(120 * f), std::ceil(200 * f)));
    QImage uno(re->size(), QImage::Format_ARGB32_Premultiplied);
    uno.fill(QColor(0, 128, 0));
    re->render(&uno);
    const int netti = SpigoliNetti(schermo);
    const int sfocati =
        SpigoliNetti(uno.scaled(schermo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    EXPECT_GT(netti, 2 * sfocati + 20) << netti << " sharp edges, " << sfocati << " blown up";
}

} // namespace
