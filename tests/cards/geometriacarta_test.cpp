#include "cards/geometriacarta.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using geometria::RettangoloTwips;

// The widget tests check whole sizes and the back by clicks; here the exact twips.
TEST(GeometriaCarta, ElementsScaleWithTheZoomKeepingFractionalTwips) {
    EXPECT_EQ(geometria::ImgValore(4, 100), (RettangoloTwips{1080, 1140, 600, 825}));
    EXPECT_EQ(geometria::ImgValore(4, 40), (RettangoloTwips{432, 456, 240, 330}));
    EXPECT_EQ(geometria::ShBordo(40), (RettangoloTwips{0, 0, 702, 1182}));
    EXPECT_EQ(geometria::ImgRetro(255), (RettangoloTwips{153, 153, 4169.25, 7229.25}));
    EXPECT_EQ(geometria::Dimensione(255), (geometria::DimensioneTwips{4590, 7650}));
    EXPECT_EQ(geometria::ImgRetro(0), geometria::ImgRetro(100));
}

// Columns at 120, 600 and 1080 twips; rows at 180, 600, 1140, 1560 and 2100.
TEST(GeometriaCarta, PipsStandWhereEachValueNeedsThem) {
    using P = std::set<std::pair<double, double>>;
    const P attesi[] = {
        {},
        {{600, 600}},
        {{600, 600}, {600, 1560}},
        {{120, 1140}, {1080, 1140}, {600, 1560}},
        {{120, 180}, {120, 2100}, {1080, 180}, {1080, 2100}},
        {{120, 180}, {120, 2100}, {1080, 180}, {1080, 2100}, {600, 1560}},
        {{120, 180}, {120, 1140}, {120, 2100}, {1080, 180}, {1080, 1140}, {1080, 2100}},
        {{120, 180}, {120, 1140}, {120, 2100}, {1080, 180}, {1080, 1140}, {1080, 2100}, {600, 600}},
    };
    for (int valore = 0; valore <= 255; ++valore) {
        P pips;
        const std::uint8_t slot = geometria::SlotDelValore(static_cast<std::uint8_t>(valore));
        for (int i = 0; i < geometria::kSlotValore; ++i)
            if (slot & (1u << i))
                pips.insert({geometria::ImgValore(i, 100).Left, geometria::ImgValore(i, 100).Top});
        EXPECT_EQ(pips, valore < 8 ? attesi[valore] : P{}) << valore;
    }
}

} // namespace
