#include "banco.h"

#include <QPainter>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// The scale factor this run was started with (QT_SCALE_FACTOR).
double Fattore() {
    const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    return f > 0 ? f : 1.0;
}

// Neighbouring pixels, across and down, whose grey levels differ by most of the range: the
// edges a picture drawn for these very pixels has and one blown up from fewer pixels lacks.
int SpigoliNetti(const QImage& img) {
    const QImage g = img.convertToFormat(QImage::Format_Grayscale8);
    int n = 0;
    for (int y = 0; y + 1 < g.height(); ++y) {
        const uchar* riga = g.constScanLine(y);
        const uchar* sotto = g.constScanLine(y + 1);
        for (int x = 0; x + 1 < g.width(); ++x)
            n += (std::abs(riga[x] - riga[x + 1]) >= 160) + (std::abs(riga[x] - sotto[x]) >= 160);
    }
    return n;
}

// The control as the screen shows it, and the same control drawn for one pixel per pixel
// and then enlarged: the screen's must be the size of the device and as sharp as a
// drawing made for it.
void Nitido(QWidget* w, const char* cosa) {
    SCOPED_TRACE(cosa);
    const double f = Fattore();
    const QImage schermo = w->grab().toImage();
    EXPECT_EQ(schermo.devicePixelRatio(), f);
    EXPECT_EQ(schermo.size(), QSize(static_cast<int>(std::ceil(w->width() * f)),
                                    static_cast<int>(std::ceil(w->height() * f))));

    QImage uno(w->size(), QImage::Format_ARGB32_Premultiplied);
    uno.fill(QColor(0, 128, 0));
    w->render(&uno);
    const QImage ingrandita =
        uno.scaled(schermo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int netti = SpigoliNetti(schermo);
    const int sfocati = SpigoliNetti(ingrandita);
    EXPECT_GT(netti, 2 * sfocati + 20) << netti << " sharp edges, " << sfocati << " if blown up";
    std::printf("%s: %d sharp edges, %d if blown up\n", cosa, netti, sfocati);
}

class Scala : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(b.finestra.windowHandle()->devicePixelRatio(), Fattore()); }
    Banco b;
};

TEST_F(Scala, WindowAndCardsKeepTheirSizeInDeviceIndependentPixels) {
    EXPECT_EQ(b.finestra.size(), QSize(640, 480));
    EXPECT_EQ(b.finestra.windowHandle()->size(), QSize(640, 480));
    EXPECT_EQ(b.C().CtlPilaCarte0[0]->geometry(), QRect(PixelDi(5100, 3780), QSize(120, 200)));
    EXPECT_EQ(b.C().CtlPilaTavolo[2]->geometry(), QRect(PixelDi(2760, 4140), QSize(120, 200)));
    EXPECT_EQ(b.C().CmdTorneo->geometry(), QRect(16, 152, 85, 105));
    b.Clicca(b.C().CmdTorneo);
    ASSERT_EQ(b.finestra.NumCarte1(), 18);
    EXPECT_EQ(b.finestra.CtlPilaCarte1(9)->geometry(), QRect(PixelDi(2400, 1460), QSize(48, 80)));
    EXPECT_EQ(b.finestra.CtlPilaCarte1(17)->geometry().size(), QSize(48, 80));

    // The whole table on the device: every pixel of it, nothing more.
    const QImage tavolo = b.finestra.grab().toImage();
    EXPECT_EQ(tavolo.size(), QSize(static_cast<int>(std::ceil(640 * Fattore())),
                                   static_cast<int>(std::ceil(480 * Fattore()))));
}

TEST_F(Scala, PicturesAreDrawnForTheDevicesPixels) {
    if (Fattore() < 1.25)
        GTEST_SKIP() << "one device pixel per pixel: nothing to enlarge";
    Carta& re = b.T().CtlPilaCarte0(0);
    re.SettaCarta("Spade", 10);
    re.SetCoperta(false);
    Nitido(b.C().CtlPilaCarte0[0], "a face-up Re");
    Nitido(b.C().CtlPilaTavolo[0], "a card's back");
    Nitido(b.C().CmdTorneo, "the button");
    Nitido(&b.finestra, "the whole table");
}

} // namespace
