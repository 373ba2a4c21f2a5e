#include "widgets/proprieta.h"

#include <gtest/gtest.h>

namespace {

TEST(BagDiProprieta, KeysIgnoreCaseAndValuesKeepTheirKind) {
    Proprieta bag;
    bag.Scrivi(QStringLiteral("CAPTION"), QStringLiteral("Dai Carte"), QString());
    bag.Scrivi(QStringLiteral("Caption"), QStringLiteral("Fatto"), QString());
    EXPECT_EQ(bag.LeggiStringa(QStringLiteral("caption"), {}), QStringLiteral("Fatto"));
    bag.Scrivi(QStringLiteral("caption"), QString(), QString());
    EXPECT_TRUE(bag.Vuota());

    // The two integer kinds compare by value; reading never narrows or changes the kind.
    bag.Scrivi(QStringLiteral("TextPosition"), std::int32_t{0}, std::int16_t{0});
    EXPECT_TRUE(bag.Vuota());
    bag.Scrivi(QStringLiteral("Grande"), std::int32_t{70000}, std::int16_t{0});
    EXPECT_EQ(bag.LeggiInt32(QStringLiteral("grande"), 0), 70000);
    EXPECT_THROW(bag.LeggiInt16(QStringLiteral("grande"), 0), TipoNonCorrispondente);
    EXPECT_THROW(bag.LeggiStringa(QStringLiteral("grande"), {}), TipoNonCorrispondente);
}

} // namespace
