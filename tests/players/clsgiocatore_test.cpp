#include "players/clsgiocatore.h"

#include "../support/notazione.h"
#include "platform/casuale.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

struct Pause : Attesa {
    std::vector<double> durate;
    std::vector<std::string> selezionate; // what was marked at each pause
    std::array<Carta*, 6> viste{};
    void Pausa(double s) override {
        durate.push_back(s);
        std::string sel;
        for (int i = 0; i < 6; ++i)
            if (viste[i]->Selezionata())
                sel += std::to_string(i + 1);
        selezionate.push_back(sel);
    }
};

// A seat with its own three cards (positions 1..3) and the table's (4..6).
struct Seggio : ::testing::Test {
    MazzoCarte mazzo;
    std::array<Carta, 6> c;
    ClsGiocatore g;
    Pause pause;

    void SetUp() override {
        for (auto& x : c)
            x.ImpostaMazzo(&mazzo);
        g.ImpostaCarte(&c[0], &c[1], &c[2]);
        g.ImpostaTavolo(&c[3], &c[4], &c[5]);
        for (int i = 0; i < 6; ++i)
            pause.viste[i] = &c[i];
    }
    void Carte(const std::string& sei) {
        notazione::Metti(sei, {&c[0], &c[1], &c[2], &c[3], &c[4], &c[5]});
        g.Fotografa();
    }
    std::string Mano() const {
        std::string s;
        for (int i = 0; i < 6; ++i)
            s += (i ? (i == 3 ? " | " : " ") : "") + notazione::Scrivi(c[i]);
        return s;
    }
};

using Posizioni = std::array<int, 3>;

TEST_F(Seggio, FindersFollowTheirSearchOrderAndTies) {
    std::uint8_t a = 9, b = 9, d = 9;
    bool trovato = true;

    Carte("2C 10S 3C 9S 4C 8S");
    g.CercaGalbirola(a, b, d, trovato);
    EXPECT_TRUE(trovato);
    EXPECT_EQ((Posizioni{a, b, d}), (Posizioni{6, 4, 2})); // Fante-Cavallo-Re scores more

    Carte("1D 2D 3D 6D 7D 8D");
    g.CercaGalbirola(a, b, d, trovato);
    EXPECT_EQ((Posizioni{a, b, d}), (Posizioni{4, 5, 6})); // 6-7-Fante (23) over ace-2-3 (16)

    Carte("8C 10C 8S 10S 8D 10D");
    g.CercaTris(a, b, d, trovato);
    EXPECT_TRUE(trovato);
    EXPECT_EQ((Posizioni{a, b, d}), (Posizioni{1, 3, 5})); // equal sums: the lowest position stays

    Carte("10C 10S 1B 1C 1D 10D");
    g.CercaTris(a, b, d, trovato);
    EXPECT_EQ((Posizioni{a, b, d}), (Posizioni{3, 4, 5})); // three aces beat everything

    Carte("9C 10C 1S 10S 1C 9S");
    g.CercaGalbirolone(a, b, d, trovato);
    EXPECT_TRUE(trovato);
    EXPECT_EQ((Posizioni{a, b, d}), (Posizioni{3, 4, 6})); // first ace in search order
}

Posizioni Punti(ClsGiocatore& g) {
    std::uint8_t a = 0, b = 0, d = 0;
    g.CercaPunti(a, b, d);
    return {a, b, d};
}

TEST_F(Seggio, PointsChoiceKeepsAStrongHandAndTradesAWeakOneEarly) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{0.5, 0.9}));

    // 17 points of Spade, nothing of Spade on the table: kept on any turn.
    Carte("4S 6S 7S 1C 5D 9B");
    g.SetTurni(1);
    EXPECT_EQ(Punti(g), (Posizioni{1, 2, 3}));
    g.SetTurni(5);
    EXPECT_EQ(Punti(g), (Posizioni{1, 2, 3}));

    // Below the bar with the 2 of Spade on the table: the 4 goes for the 2.
    Carte("4S 6S 7S 1C 2S 9B");
    g.SetTurni(2);
    EXPECT_EQ(Punti(g), (Posizioni{5, 2, 3}));
    // Several table cards of the suit: the choice walks on while each is worth at most 2 more.
    Carte("4S 6S 7S 2S 3S 5C");
    EXPECT_EQ(Punti(g), (Posizioni{5, 2, 3}));

    // 15 points of Coppe, no Coppe on the table: the 2 goes for a random table card.
    Carte("2C 6C 7C 1S 5D 9B");
    g.SetTurni(1);
    EXPECT_EQ(Punti(g), (Posizioni{5, 2, 3})); // 4 + floor(3 * 0.5)
    EXPECT_EQ(casuale::Fonte().Estratti(), 1u);

    // No suit with three cards: the best pair and a random table card not chosen yet.
    Carte("1C 7C 3S 10S 5D 9B");
    EXPECT_EQ(Punti(g), (Posizioni{1, 2, 6}));
}

TEST_F(Seggio, TurnThinksHighlightsAndExchangesInPositionOrder) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{0.5}));
    // The Galbirola 5-6-7 of Denari is at positions 2, 5, 4: own 1 goes to table 1 (pos 4),
    // own 3 to table 2 (pos 5).
    Carte("1C 5D 2S 7D 6D 3B");
    const bool cambiato = g.GiocaTurno(pause);
    EXPECT_TRUE(cambiato);
    EXPECT_EQ(Mano(), "7D 5D 6D | 1C 2S 3B");
    ASSERT_EQ(pause.durate.size(), 2u);
    EXPECT_DOUBLE_EQ(pause.durate[0], 0.6 + 0.8 * 0.5);
    EXPECT_DOUBLE_EQ(pause.durate[1], 0.6);
    EXPECT_EQ(pause.selezionate[0], "");
    EXPECT_EQ(pause.selezionate[1], "245");
    for (auto& x : c)
        EXPECT_FALSE(x.Selezionata());
    EXPECT_EQ(g.Turni(), 1);
}

TEST_F(Seggio, FromTheTenthTurnTheSeatKeepsItsCardsWithoutDrawing) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{0.25, 0.75}));
    Carte("2B 5D 3S 7C 7S 7D");
    g.SetTurni(8);
    EXPECT_TRUE(g.GiocaTurno(pause)); // ninth turn: still takes the tris
    EXPECT_EQ(Mano(), "7C 7S 7D | 2B 5D 3S");
    g.SetTurni(9);
    Carte("2B 5D 3S 7C 7S 7D");
    EXPECT_FALSE(g.GiocaTurno(pause)); // tenth: keeps, and draws only the think pause
    EXPECT_EQ(Mano(), "2B 5D 3S | 7C 7S 7D");
    EXPECT_EQ(casuale::Fonte().Estratti(), 2u);
    EXPECT_EQ(pause.selezionate.back(), "123");
    casuale::Installa(std::make_unique<CasualeFisso>(1));
    g.SetTurni(255);
    g.GiocaTurno(pause);
    EXPECT_EQ(g.Turni(), 255); // the counter saturates
}

} // namespace
