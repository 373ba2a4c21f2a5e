#include "platform/casuale.h"

#include <gtest/gtest.h>

namespace {

TEST(Casuale, FixedSeedIgnoresReseedingAndRepeats) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(42));
    const double a = casuale::Rnd();
    casuale::RisemeDallOra();
    const double b = casuale::Rnd();
    casuale::Installa(std::make_unique<CasualeFisso>(42));
    EXPECT_EQ(casuale::Rnd(), a);
    EXPECT_EQ(casuale::Rnd(), b);
}

TEST(Casuale, ReplayHandsOutItsNumbersThenReportsHowManyWereUsed) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{0.25, 0.5}));
    casuale::RisemeDallOra();
    EXPECT_EQ(casuale::Rnd(), 0.25);
    EXPECT_EQ(casuale::Rnd(), 0.5);
    try {
        casuale::Rnd();
        FAIL();
    } catch (const NumeriEsauriti& e) {
        EXPECT_EQ(e.usati, 2u);
    }
}

TEST(Casuale, NumbersStayInTheUnitIntervalAndWholeNumbersInRange) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(1));
    for (int i = 0; i < 10000; ++i) {
        const double r = casuale::Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
    EXPECT_EQ(casuale::Intero(40, 0.9999999999999999), 39);
    EXPECT_EQ(casuale::Intero(3, 0.0), 0);
}

} // namespace
