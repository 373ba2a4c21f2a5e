#include "players/clsnomi.h"

#include "platform/casuale.h"

#include <gtest/gtest.h>

namespace {

std::string Nome(double r1, double r2) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{r1, r2}));
    ClsNomi pool;
    return pool.GetNome();
}

TEST(ClsNomi, FirstNameAndInitialFromTwoNumbers) {
    EXPECT_EQ(Nome(0.0, 0.5), "Roberto M.");
    EXPECT_EQ(Nome(0.99, 0.99), "Simona Z.");
    EXPECT_EQ(Nome(10.5 / 19, 0.0625), "Laura B.");
    // 26 r rounds half to even: 6.5 -> 6 (F), 19.5 -> 20 (T); 0 becomes A
    EXPECT_EQ(Nome(0.0, 0.25), "Roberto F.");
    EXPECT_EQ(Nome(0.0, 0.75), "Roberto T.");
    EXPECT_EQ(Nome(0.0, 0.015625), "Roberto A.");
    EXPECT_EQ(Nome(0.0, 0.0), "Roberto A.");
    // J and K become L; W, X and Y become Z
    EXPECT_EQ(Nome(0.0, 0.375), "Roberto L.");
    EXPECT_EQ(Nome(0.0, 0.4375), "Roberto L.");
    EXPECT_EQ(Nome(0.0, 0.84375), "Roberto V.");
    EXPECT_EQ(Nome(0.0, 0.875), "Roberto Z.");
}

} // namespace
