#include "players/valutamano.h"

#include "../support/notazione.h"

#include <gtest/gtest.h>

namespace {

struct Mano {
    int tipo, valore;
    bool operator==(const Mano&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Mano& m) {
    return o << "(" << m.tipo << ", " << m.valore << ")";
}

Mano Valuta(const std::string& carte) {
    MazzoCarte mazzo;
    Carta c[3];
    for (auto& x : c)
        x.ImpostaMazzo(&mazzo);
    notazione::Metti(carte, {&c[0], &c[1], &c[2]});
    std::uint8_t t = 0, v = 0;
    ValutaMano(c[0], c[1], c[2], t, v);
    return {t, v};
}

TEST(ValutaMano, PatternHands) {
    EXPECT_EQ(Valuta("1C 10C 9C"), (Mano{4, 11}));
    EXPECT_EQ(Valuta("9C 1C 10C"), (Mano{4, 11}));
    EXPECT_EQ(Valuta("3S 4S 2S"), (Mano{3, 4}));
    EXPECT_EQ(Valuta("1D 2D 3D"), (Mano{3, 11}));
    EXPECT_EQ(Valuta("9B 7B 8B"), (Mano{3, 9}));
    EXPECT_EQ(Valuta("8S 9S 10S"), (Mano{3, 10}));
    EXPECT_EQ(Valuta("7C 7S 7B"), (Mano{2, 7}));
    EXPECT_EQ(Valuta("1C 1S 1D"), (Mano{2, 11}));
    EXPECT_EQ(Valuta("10C 10S 10D"), (Mano{2, 10}));
}

TEST(ValutaMano, PointsHands) {
    EXPECT_EQ(Valuta("1B 5B 10B"), (Mano{1, 26}));
    EXPECT_EQ(Valuta("1C 7C 10S"), (Mano{1, 18}));
    EXPECT_EQ(Valuta("2C 3C 4S"), (Mano{1, 5}));
    EXPECT_EQ(Valuta("1C 2S 3B"), (Mano{1, 11}));
    // the pair of one suit is worth less than the single best card
    EXPECT_EQ(Valuta("2C 3C 10S"), (Mano{1, 10}));
    // a pair found from the second card on
    EXPECT_EQ(Valuta("4S 6C 7C"), (Mano{1, 13}));
    // the ace wraps to nothing: Re-ace-2 of one suit is just points
    EXPECT_EQ(Valuta("10D 1D 2D"), (Mano{1, 23}));
    // a sequence across suits is not a Galbirola
    EXPECT_EQ(Valuta("4C 5C 6S"), (Mano{1, 9}));
    EXPECT_EQ(Valuta("1B 1C 7B"), (Mano{1, 18}));
}

// The deck's hands are looked up; the same cards under suit names outside the four are worked
// out in full. Every hand of three of the forty cards must come out the same both ways.
TEST(ValutaMano, EveryHandOfTheDeckAsWorkedOutInFull) {
    MazzoCarte mazzo;
    Carta delMazzo[3], altri[3];
    for (int i = 0; i < 3; ++i) {
        delMazzo[i].ImpostaMazzo(&mazzo);
        altri[i].ImpostaMazzo(&mazzo);
    }
    const std::string altriSemi[4] = {"b", "c", "d", "s"};
    int diverse = 0;
    std::string prima;
    for (int mano = 0; mano < 40 * 40 * 40; ++mano) {
        for (int i = 0, x = mano; i < 3; ++i, x /= 40) {
            delMazzo[i].SettaCarta(x % 40 / 10, static_cast<std::uint8_t>(x % 10 + 1));
            altri[i].SettaCarta(altriSemi[x % 40 / 10], static_cast<std::uint8_t>(x % 10 + 1));
        }
        std::uint8_t t1 = 0, v1 = 0, t2 = 0, v2 = 0;
        ValutaMano(delMazzo[0], delMazzo[1], delMazzo[2], t1, v1);
        ValutaMano(altri[0], altri[1], altri[2], t2, v2);
        if ((t1 != t2 || v1 != v2) && diverse++ == 0)
            prima = std::to_string(mano);
    }
    EXPECT_EQ(diverse, 0) << "first at hand " << prima;
}

} // namespace
