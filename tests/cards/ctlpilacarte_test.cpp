#include "cards/ctlmazzocarte.h"
#include "cards/ctlpilacarte.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Controls are rendered alone over the table green, so anything they leave unpainted shows.
const QColor kVerde(0, 128, 0);
const QColor kBianco(255, 255, 255);

QImage Rendi(QWidget& w, qreal rapporto = 1) {
    QImage img(w.size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(rapporto);
    img.fill(kVerde);
    w.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

// How many pixels of a rectangle have exactly this colour.
int Conta(const QImage& img, const QRect& r, const QColor& colore) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.pixelColor(x, y).rgb() == colore.rgb();
    return n;
}

struct Vista : ::testing::Test {
    CtlMazzoCarte mazzo;
    CtlPilaCarte vista;
    void SetUp() override { vista.ImpostaMazzo(&mazzo); }
};

TEST_F(Vista, ClickOnlyInsideTheBackArea) {
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    QSignalSpy click(&vista, &CtlPilaCarte::Click);
    // The back spans twips 60 to 1695 by 60 to 2895 at zoom 100, 24 to 678 by 1158 at zoom 40.
    const struct {
        int zoom;
        QPoint p;
        int click;
    } casi[] = {{100, {4, 4}, 1},   {100, {112, 192}, 1}, {100, {60, 100}, 1},  {100, {60, 100}, 1},
                {100, {3, 100}, 0}, {100, {60, 3}, 0},    {100, {113, 100}, 0}, {100, {60, 193}, 0},
                {40, {1, 40}, 0},   {40, {2, 2}, 1},      {40, {45, 75}, 1},    {40, {46, 40}, 0},
                {40, {20, 77}, 1},  {40, {20, 78}, 0}};
    for (const auto& c : casi) {
        vista.SetZoom(c.zoom);
        click.clear();
        QTest::mouseClick(&vista, Qt::LeftButton, {}, c.p);
        EXPECT_EQ(click.count(), c.click) << c.zoom << ": " << c.p.x() << "," << c.p.y();
    }
    // Face down it clicks too; not with the right button, nor across the margin either way.
    vista.SettaCarta("Coppe", 5);
    vista.SetCoperta(true);
    click.clear();
    QTest::mouseClick(&vista, Qt::LeftButton, {}, {20, 40});
    QTest::mouseClick(&vista, Qt::RightButton, {}, {20, 40});
    QTest::mousePress(&vista, Qt::LeftButton, {}, {20, 40});
    QTest::mouseRelease(&vista, Qt::LeftButton, {}, {1, 40});
    QTest::mousePress(&vista, Qt::LeftButton, {}, {1, 40});
    QTest::mouseRelease(&vista, Qt::LeftButton, {}, {20, 40});
    EXPECT_EQ(click.count(), 1);
}

// Every card of the deck face up: a number card shows as many pips as its value, a figure
// its own picture, the same in every suit, under the mark of its suit.
TEST_F(Vista, EveryCardFaceUpShowsItsPipsOrItsFigure) {
    const QRect corpo(6, 6, 108, 188), sottoIlMarchio(12, 60, 96, 110);
    const auto inchiostro = [](const QImage& img, const QRect& r) {
        return r.width() * r.height() - Conta(img, r, kBianco);
    };
    std::map<int, QImage> figure; // by value, as the first suit shows them
    for (const char* seme : {"Bastoni", "Coppe", "Denari", "Spade"}) {
        vista.SettaCarta(seme, 1);
        const int pip = inchiostro(Rendi(vista), corpo);
        ASSERT_GT(pip, 300) << "the ace of " << seme << " shows no pip";
        for (int v = 2; v <= 10; ++v) {
            vista.SettaCarta(seme, static_cast<std::uint8_t>(v));
            const QImage img = Rendi(vista);
            if (v <= 7) {
                EXPECT_NEAR(inchiostro(img, corpo), v * pip, pip / 10)
                    << "the " << v << " of " << seme << " must show " << v << " pips";
                continue;
            }
            EXPECT_GT(inchiostro(img, sottoIlMarchio), 3 * pip)
                << "the figure " << v << " of " << seme << " shows no figure";
            const QImage figura = img.copy(sottoIlMarchio);
            EXPECT_TRUE(figura == figure.emplace(v, figura).first->second)
                << "the figure " << v << " of " << seme << " differs from the other suits'";
        }
    }
    EXPECT_TRUE(figure[8] != figure[9] && figure[9] != figure[10] && figure[8] != figure[10])
        << "Fante, Cavallo and Re must be three different figures";
}

TEST_F(Vista, NamesTheCardAndLeavesTheMarkToTheCheckBox) {
    vista.SetCoperta(true);
    vista.SettaCarta("Spade", 10);
    vista.SetSelezionata(true);
    EXPECT_EQ(vista.NomeConSegno(), "Carta coperta, selezionata"); // the tooltip
    vista.SetCoperta(false);
    EXPECT_EQ(vista.NomeConSegno(), "Re di Spade, selezionata");
    EXPECT_EQ(vista.accessibleName(), "Re di Spade"); // the mark is the check box's state
}

TEST_F(Vista, FollowsItsSlotAndOutlivesItSafely) {
    Carta slot;
    auto v = std::make_unique<CtlPilaCarte>(slot);
    v->ImpostaMazzo(&mazzo);
    slot.SettaCarta("Coppe", 4);
    EXPECT_EQ(v->accessibleName(), "Quattro di Coppe");
    v.reset();
    slot.SettaCarta("Coppe", 5); // the slot outlives its view and tells nobody
}

TEST_F(Vista, PicturesAreRenderedOnceAtTheScreensFullResolution) {
    vista.SettaCarta("Spade", 1);
    const Disegno& spade = mazzo.ImgLstSemi(3);
    const int prima = spade.Rendering();
    Rendi(vista, 2);
    vista.SetSelezionata(true);
    Rendi(vista, 2);
    spade.Resa(QSize(80, 110), 2); // 40 x 55 pixels, made for 80 x 110 device pixels
    EXPECT_EQ(spade.Rendering(), prima + 1);
}

} // namespace
