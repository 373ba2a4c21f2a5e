#include "players/clsgiocatore.h"

#include "../support/notazione.h"
#include "platform/casuale.h"
#include "players/valutamano.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
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
    // A fresh shuffle dealt to the six positions.
    void Distribuisci() {
        mazzo.Mescola();
        for (auto& x : c) {
            int seme = 0;
            std::uint8_t valore = 0;
            mazzo.Pesca(seme, valore);
            x.SettaCarta(seme, valore);
        }
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

// The points choice, case by case: each row a rule with its boundary. Positions 1..3 are the
// seat's own cards, 4..6 the table's; the numbers feed the random table card when one is drawn.
TEST_F(Seggio, PointsChoiceKeepsAStrongHandAndTradesAWeakOneEarly) {
    const struct {
        const char* carte;
        int turni;
        std::vector<double> numeri;
        Posizioni attese;
        const char* regola;
    } casi[] = {
        {"4S 6S 7S 1C 5D 9B", 5, {}, {1, 2, 3}, "17 of Spade, no Spade on the table: kept"},
        {"4S 6S 7S 1C 2S 9B", 1, {}, {1, 2, 3}, "17 points reach the first turn's bar of 17"},
        {"4S 6S 7S 1C 2S 9B", 2, {}, {5, 2, 3}, "under the bar the 4 goes for the 2 on the table"},
        {"5S 6S 7S 2S 4S 1C", 3, {}, {5, 2, 3}, "it walks on to a card worth up to 2 more"},
        {"2C 3C 10C 1S 5D 9B", 1, {0.5}, {5, 2, 3}, "no Coppe on the table: only the 2 goes"},
        {"10C 8C 2S 1C 9C 3D", 1, {}, {1, 2, 4}, "equal sums keep the first triple found"},
        {"2C 3S 4D 5B 6B 7B", 1, {}, {4, 5, 6}, "three of a suit on the table are found"},
        {"12B 2S 3D 1C 5C 9C", 1, {}, {4, 5, 6}, "also beside a value no deck has"},
        {"1C 7C 3S 10S 5D 9B", 1, {0.9}, {1, 2, 6}, "no suit of three: the best pair and a card"},
        {"10C 10S 2D 8C 8S 5B", 1, {0.5}, {1, 4, 5}, "equal pairs keep the first found"},
        {"2C 3S 4D 5D 6B 7B", 1, {0.1}, {5, 6, 4}, "a pair on the table is found"},
        {"10C 2S 3D 4B 8C 5S", 1, {0.5, 0.1}, {1, 5, 4}, "the drawn card is never one kept"},
    };
    for (const auto& k : casi) {
        casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(k.numeri));
        Carte(k.carte);
        g.SetTurni(static_cast<std::uint8_t>(k.turni));
        std::uint8_t a = 0, b = 0, d = 0;
        g.CercaPunti(a, b, d);
        EXPECT_EQ((Posizioni{a, b, d}), k.attese) << k.carte << ": " << k.regola;
    }
}

// A computer looks for the Galbirolone, then a Galbirola, then a tris, then points.
TEST_F(Seggio, ComputersLookForTheBetterHandTypeFirst) {
    const std::pair<const char*, Posizioni> casi[] = {
        {"1C 10C 9C 8C 2S 3D", {1, 2, 3}}, // a Galbirolone over the Galbirola 8-9-Re
        {"7C 7S 5D 7D 6D 4D", {3, 5, 4}},  // a Galbirola over the tris of sevens
        {"7C 7S 2D 7D 1D 10D", {1, 2, 4}}, // a tris over 23 points of Denari
    };
    for (const auto& [carte, attese] : casi) {
        Carte(carte);
        g.NuovaMano();
        std::array<std::uint8_t, 3> scelta{};
        g.Scegli(scelta);
        EXPECT_EQ((Posizioni{scelta[0], scelta[1], scelta[2]}), attese)
            << carte << ": the computer kept a lesser hand type than it holds";
    }
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

// The Galbirola and tris searches against the plain search over every order of three
// positions, on dealt hands and on hands holding a card twice: the same triple, ties included.
TEST_F(Seggio, SearchesKeepTheFirstBestTripleOfThePlainSearch) {
    using Dati = ClsGiocatore::DatiCarta;
    const auto piana = [&](auto accetta) {
        Posizioni migliore{0, 0, 0};
        int somma = 0;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                for (int k = 1; k <= 6; ++k) {
                    const Dati &x = g.Carte(i), &y = g.Carte(j), &z = g.Carte(k);
                    const int s =
                        PuntiCarta(x.Valore) + PuntiCarta(y.Valore) + PuntiCarta(z.Valore);
                    if (i != j && j != k && i != k && accetta(x, y, z) && s > somma)
                        somma = s, migliore = {i, j, k};
                }
        return migliore;
    };
    const auto galbirola = [](const Dati& x, const Dati& y, const Dati& z) {
        return x.codice == y.codice && x.codice == z.codice && y.Valore == x.Valore + 1 &&
               z.Valore == x.Valore + 2;
    };
    const auto tris = [](const Dati& x, const Dati& y, const Dati& z) {
        return x.Valore == y.Valore && x.Valore == z.Valore && x.codice != y.codice &&
               x.codice != z.codice && y.codice != z.codice;
    };
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(29));
    for (int mano = 0; mano < 3000; ++mano) {
        Distribuisci();
        if (mano % 2 == 0)
            c[mano / 2 % 6].SettaCarta(c[5 - mano / 2 % 6].CodiceSeme(),
                                       c[5 - mano / 2 % 6].Valore());
        g.Fotografa();
        std::uint8_t a = 0, b = 0, d = 0;
        bool trovato = false;
        g.CercaGalbirola(a, b, d, trovato);
        ASSERT_EQ((Posizioni{a, b, d}), piana(galbirola)) << "Galbirola in " << Mano();
        a = b = d = 0;
        g.CercaTris(a, b, d, trovato);
        ASSERT_EQ((Posizioni{a, b, d}), piana(tris)) << "tris in " << Mano();
    }
}

// A suit written outside the four names groups its cards as written: renaming one dealt suit
// (wherever its first card lies among the six) changes no finder's choice, and the look at
// the six takes in every card after it.
TEST_F(Seggio, ASuitOutsideTheFourIsGroupedAsWritten) {
    // the four finders' triples and the values seen, as "GGG LLL TTT PPP seen v v v v v v"
    const auto scelte = [&](std::uint64_t seme) {
        g.Fotografa();
        std::string s;
        std::uint8_t a = 0, b = 0, d = 0;
        bool trovato = false;
        const auto scrivi = [&] { s += std::to_string(a * 100 + b * 10 + d) + ' '; };
        g.CercaGalbirolone(a, b, d, trovato);
        scrivi();
        g.CercaGalbirola(a, b, d, trovato);
        scrivi();
        g.CercaTris(a, b, d, trovato);
        scrivi();
        casuale::Sostituzione r(std::make_unique<CasualeFisso>(seme));
        g.CercaPunti(a, b, d);
        scrivi();
        s += "seen";
        for (int p = 1; p <= 6; ++p)
            s += ' ' + std::to_string(g.Carte(p).Valore);
        return s;
    };
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(31));
    for (int mano = 0; mano < 2000; ++mano) {
        Distribuisci();
        const std::string prima = scelte(mano);
        const int rinominato = c[mano % 6].CodiceSeme();
        for (auto& x : c)
            if (x.CodiceSeme() == rinominato)
                x.SettaCarta("Oro", x.Valore());
        ASSERT_EQ(scelte(mano), prima) << "with Oro for " << kSemi[rinominato] << " in " << Mano();
    }
}

} // namespace
