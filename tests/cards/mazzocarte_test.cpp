#include "cards/mazzocarte.h"
#include "platform/casuale.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::unique_ptr<FonteCasuale> Ripeti(std::vector<double> v) {
    return std::make_unique<CasualeRipetuto>(std::move(v));
}

// The cards in dealing order, as "value+suit initial".
std::vector<std::string> Ordine(const MazzoCarte& m) {
    std::vector<std::string> o;
    for (int p = 1; p <= 40; ++p) {
        const auto& c = m.Posizione(p);
        o.push_back(std::to_string(c.Valore) + std::string(kSemi[c.CodiceSeme - 1].substr(0, 1)));
    }
    return o;
}

TEST(MazzoCarte, NewDeckIsInSuitOrderAndCannotBeDealt) {
    casuale::Sostituzione s(Ripeti({}));
    MazzoCarte m;
    EXPECT_EQ(m.Prossima(), 0);
    const auto o = Ordine(m);
    EXPECT_EQ(o[0], "1B");
    EXPECT_EQ(o[9], "10B");
    EXPECT_EQ(o[10], "1C");
    EXPECT_EQ(o[29], "10D");
    EXPECT_EQ(o[39], "10S");
    std::string seme = "x";
    std::uint8_t valore = 77;
    EXPECT_THROW(m.GetCarta(seme, valore), std::out_of_range);
    EXPECT_EQ(seme, "x");
    EXPECT_EQ(valore, 77);
    EXPECT_EQ(m.Prossima(), 0);
}

TEST(MazzoCarte, ShuffleDrawsFortyNumbersAndProbesForwardWithWrap) {
    // Every number points at slot 40: the first takes it, then probing wraps to 1, 2, ...
    casuale::Sostituzione s(Ripeti(std::vector<double>(41, 0.99)));
    MazzoCarte m;
    m.Mescola();
    EXPECT_EQ(casuale::Fonte().Estratti(), 40u);
    const auto o = Ordine(m);
    EXPECT_EQ(o[0], "10S");
    EXPECT_EQ(o[1], "1B");
    EXPECT_EQ(o[2], "2B");
    EXPECT_EQ(o[39], "9S");
    EXPECT_EQ(m.Prossima(), 1);
}

TEST(MazzoCarte, ProbingSkipsTakenCardsAtHigherPositions) {
    std::vector<double> r(40, 0.0);
    r[0] = 0.5;   // slot 21
    r[1] = 0.5;   // taken: 22
    r[2] = 0.525; // slot 22 taken: 23
    casuale::Sostituzione s(Ripeti(r));
    MazzoCarte m;
    m.Mescola();
    const auto o = Ordine(m);
    EXPECT_EQ(o[0], "1D");
    EXPECT_EQ(o[1], "2D");
    EXPECT_EQ(o[2], "3D");
    EXPECT_EQ(o[3], "1B");
    EXPECT_EQ(o[39], "10S");
}

TEST(MazzoCarte, FortyDrawsGiveEveryCardOnceThenTheFortyFirstFails) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(7));
    MazzoCarte m;
    m.Mescola();
    std::set<std::pair<std::string, int>> visti;
    std::string seme;
    std::uint8_t valore = 0;
    for (int i = 0; i < 40; ++i) {
        m.GetCarta(seme, valore);
        visti.insert({seme, valore});
    }
    EXPECT_EQ(visti.size(), 40u);
    EXPECT_EQ(m.Prossima(), 41);
    EXPECT_THROW(m.GetCarta(seme, valore), std::out_of_range);
    EXPECT_EQ(m.Prossima(), 41);
}

TEST(MazzoCarte, ShuffleAfterTwentyFourDrawsStartsAgainAndPermutesTheLastOrder) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(3));
    MazzoCarte m;
    m.Mescola();
    std::string seme;
    std::uint8_t valore = 0;
    for (int i = 0; i < 24; ++i)
        m.GetCarta(seme, valore);
    const auto prima = Ordine(m);

    // With every number 0 the second shuffle keeps the order it is given, so it is
    // visibly applied to the first shuffle's result, not to the sorted deck.
    casuale::Installa(Ripeti(std::vector<double>(40, 0.0)));
    m.Mescola();
    EXPECT_EQ(Ordine(m), prima);
    EXPECT_EQ(m.Prossima(), 1);
    m.GetCarta(seme, valore);
    EXPECT_EQ(std::to_string(valore) + seme.substr(0, 1), prima[0]);
}

TEST(MazzoCarte, SuitIndexIsExactAndCaseSensitive) {
    EXPECT_EQ(IndiceSeme("Bastoni"), 0);
    EXPECT_EQ(IndiceSeme("Spade"), 3);
    EXPECT_EQ(IndiceSeme("spade"), -1);
    EXPECT_EQ(IndiceSeme("Seme"), -1);
}

} // namespace
