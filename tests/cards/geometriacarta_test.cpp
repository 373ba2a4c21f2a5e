#include "cards/geometriacarta.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

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
