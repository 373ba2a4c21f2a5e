#include "cards/mazzocarte.h"
#include "platform/casuale.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

void Ripeti(std::vector<double> v) {
    casuale::Installa(std::make_unique<CasualeRipetuto>(std::move(v)));
}

// The cards in dealing order, as "value+suit initial".
std::vector<std::string> Ordine(const MazzoCarte& m) {
    std::vector<std::string> o;
    for (int p = 1; p <= 40; ++p) {
        const auto& c = m.Posizione(p);
        o.push_back(std::to_string(c.Valore) + kSemi[c.CodiceSeme - 1][0]);
    }
    return o;
}

struct Mazzo : ::testing::Test {
    casuale::Sostituzione s{std::make_unique<CasualeFisso>(7)};
    std::string seme;
    std::uint8_t valore = 0;
};

TEST_F(Mazzo, ShuffleDrawsFortyNumbersAndProbesForwardWrappingFromFortyToOne) {
    MazzoCarte m;
    Ripeti(std::vector<double>(41, 0.99)); // every number points at slot 40
    m.Mescola();
    EXPECT_EQ(casuale::Fonte().Estratti(), 40u);
    auto o = Ordine(m);
    EXPECT_EQ(o[0] + o[1] + o[2] + o[39], "10S1B2B9S");

    std::vector<double> r(40, 0.0);
    r[0] = 0.5;   // slot 21
    r[1] = 0.5;   // taken: the next free one up
    r[2] = 0.525; // slot 22, taken: 23
    Ripeti(r);
    m.Mescola(); // permutes the order the first shuffle left
    const auto prima = o;
    o = Ordine(m);
    EXPECT_EQ(o[0] + o[1] + o[2], prima[20] + prima[21] + prima[22]);
    EXPECT_EQ(o[3], prima[0]);
}

TEST_F(Mazzo, FortyDrawsGiveEveryCardOnceAndAReshuffleStartsAgain) {
    MazzoCarte m;
    m.Mescola();
    std::set<std::string> visti;
    for (int i = 0; i < 40; ++i) {
        m.GetCarta(seme, valore);
        visti.insert(seme + std::to_string(valore));
    }
    EXPECT_EQ(visti.size(), 40u);

    m.Mescola();
    for (int i = 0; i < 24; ++i)
        m.GetCarta(seme, valore);
    const auto dopo24 = Ordine(m);
    Ripeti(std::vector<double>(40, 0.0)); // keeps the order it is given
    m.Mescola();
    EXPECT_EQ(Ordine(m), dopo24);
    m.GetCarta(seme, valore);
    EXPECT_EQ(std::to_string(valore) + seme[0], dopo24[0]);
}

TEST(Casuale, SeedsAndReplaysIgnoreReseedingAndAReplayCountsWhatItGave) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(42));
    const double a = casuale::Rnd();
    casuale::RisemeDallOra();
    const double b = casuale::Rnd();
    casuale::Installa(std::make_unique<CasualeFisso>(42));
    EXPECT_EQ(casuale::Rnd(), a);
    EXPECT_EQ(casuale::Rnd(), b);

    Ripeti({0.25});
    casuale::RisemeDallOra();
    EXPECT_EQ(casuale::Rnd(), 0.25);
    try {
        casuale::Rnd();
        FAIL();
    } catch (const NumeriEsauriti& e) {
        EXPECT_EQ(e.usati, 1u);
    }
    EXPECT_EQ(casuale::Intero(40, 0.9999999999999999), 39);
}

} // namespace
