#include "cards/geometriacarta.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using geometria::RettangoloTwips;

TEST(GeometriaCarta, FullSizeCard) {
    EXPECT_EQ(geometria::Dimensione(100), (geometria::DimensioneTwips{1800, 3000}));
    EXPECT_EQ(geometria::ShBordo(100), (RettangoloTwips{0, 0, 1755, 2955}));
    EXPECT_EQ(geometria::ImgRetro(100), (RettangoloTwips{60, 60, 1635, 2835}));
    EXPECT_EQ(geometria::ImgValore(4, 100), (RettangoloTwips{1080, 1140, 600, 825}));
}

TEST(GeometriaCarta, SmallCardOfTheComputerSeats) {
    EXPECT_EQ(geometria::Dimensione(40), (geometria::DimensioneTwips{720, 1200}));
    EXPECT_EQ(geometria::ShBordo(40), (RettangoloTwips{0, 0, 702, 1182}));
    EXPECT_EQ(geometria::ImgRetro(40), (RettangoloTwips{24, 24, 654, 1134}));
    for (int i = 0; i < geometria::kSlotValore; ++i) {
        EXPECT_DOUBLE_EQ(geometria::ImgValore(i, 40).Width, 240) << i;
        EXPECT_DOUBLE_EQ(geometria::ImgValore(i, 40).Height, 330) << i;
    }
    EXPECT_EQ(geometria::ImgSemeFigura(40), (RettangoloTwips{24, 24, 240, 330}));
}

TEST(GeometriaCarta, LargestZoomKeepsFractionalTwips) {
    EXPECT_EQ(geometria::Dimensione(255), (geometria::DimensioneTwips{4590, 7650}));
    const RettangoloTwips retro = geometria::ImgRetro(255);
    EXPECT_DOUBLE_EQ(retro.Left, 153);
    EXPECT_DOUBLE_EQ(retro.Width, 4169.25);
    EXPECT_DOUBLE_EQ(retro.Height, 7229.25);
    // The body stops 45 twips short of the right and bottom edges at zoom 100 and scales.
    const RettangoloTwips bordo = geometria::ShBordo(255);
    EXPECT_DOUBLE_EQ(4590 - (bordo.Left + bordo.Width), 45 * 2.55);
}

TEST(GeometriaCarta, ZoomZeroIsLaidOutAsFullSize) {
    EXPECT_EQ(geometria::Dimensione(0), geometria::Dimensione(100));
    EXPECT_EQ(geometria::ImgFigura(0), geometria::ImgFigura(100));
    EXPECT_EQ(geometria::Dimensione(1), (geometria::DimensioneTwips{18, 30}));
}

std::set<std::pair<double, double>> Pips(std::uint8_t valore) {
    std::set<std::pair<double, double>> pips;
    const std::uint8_t slot = geometria::SlotDelValore(valore);
    for (int i = 0; i < geometria::kSlotValore; ++i)
        if (slot & (1u << i))
            pips.insert({geometria::ImgValore(i, 100).Left, geometria::ImgValore(i, 100).Top});
    return pips;
}

TEST(GeometriaCarta, PipsStandWhereEachValueNeedsThem) {
    using P = std::set<std::pair<double, double>>;
    const P angoli{{120, 180}, {120, 2100}, {1080, 180}, {1080, 2100}};
    const P colonne{{120, 180}, {120, 1140}, {120, 2100}, {1080, 180}, {1080, 1140}, {1080, 2100}};
    EXPECT_EQ(Pips(1), (P{{600, 600}}));
    EXPECT_EQ(Pips(2), (P{{600, 600}, {600, 1560}}));
    EXPECT_EQ(Pips(3), (P{{120, 1140}, {1080, 1140}, {600, 1560}}));
    EXPECT_EQ(Pips(4), angoli);
    P cinque = angoli;
    cinque.insert({600, 1560});
    EXPECT_EQ(Pips(5), cinque);
    EXPECT_EQ(Pips(6), colonne);
    P sette = colonne;
    sette.insert({600, 600});
    EXPECT_EQ(Pips(7), sette);
    for (int v : {0, 8, 9, 10, 11, 255})
        EXPECT_TRUE(Pips(static_cast<std::uint8_t>(v)).empty()) << v;
}

} // namespace
