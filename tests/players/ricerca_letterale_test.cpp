// The finders and the points choice against a word-for-word search over every ordered
// triple of positions, on many random six-card hands: the fast searches must agree exactly.

#include "players/clsgiocatore.h"
#include "players/valutamano.h"

#include "platform/casuale.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Dati = ClsGiocatore::DatiCarta;
using Tripla = std::array<int, 4>; // found, p1, p2, p3

struct Letterale {
    std::array<Dati, 7> c;
    int turni = 1;
    bool S(int a, int b) const { return c[a].Seme == c[b].Seme; }
    int P(int a) const { return PuntiCarta(c[a].Valore); }

    Tripla Galbirolone() const {
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                for (int k = 1; k <= 6; ++k)
                    if (c[i].Valore == 1 && S(j, i) && c[j].Valore == 10 && S(k, i) &&
                        c[k].Valore == 9)
                        return {1, i, j, k};
        return {0, 0, 0, 0};
    }
    template <class Cond> Tripla Migliore(Cond cond) const {
        Tripla t{0, 0, 0, 0};
        int best = 0;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                for (int k = 1; k <= 6; ++k)
                    if (cond(i, j, k) && P(i) + P(j) + P(k) > best) {
                        best = P(i) + P(j) + P(k);
                        t = {1, i, j, k};
                    }
        return t;
    }
    Tripla Galbirola() const {
        return Migliore([&](int i, int j, int k) {
            return S(j, i) && c[j].Valore == c[i].Valore + 1 && S(k, i) &&
                   c[k].Valore == c[j].Valore + 1;
        });
    }
    Tripla Tris() const {
        return Migliore([&](int i, int j, int k) {
            return !S(j, i) && c[j].Valore == c[i].Valore && !S(k, i) && !S(k, j) &&
                   c[k].Valore == c[j].Valore;
        });
    }
    std::array<int, 3> Punti() const {
        std::array<int, 3> s{0, 0, 0};
        int best = 0;
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                for (int k = 1; k <= 6; ++k)
                    if (j != i && S(j, i) && k != i && k != j && S(k, j) &&
                        P(i) + P(j) + P(k) > best) {
                        best = P(i) + P(j) + P(k);
                        s = {i, j, k};
                    }
        if (best > 0) {
            if (s == std::array<int, 3>{1, 2, 3} && best < turni + 16) {
                bool trovato = false;
                for (int e = 4; e <= 6; ++e)
                    if (S(e, s[0])) {
                        trovato = true;
                        if (P(e) <= P(s[0]) + 2)
                            s[0] = e;
                    }
                if (!trovato)
                    for (int l = 1; l <= 3; ++l)
                        if (P(l) < 4) {
                            s[l - 1] = 4 + casuale::Intero(3, casuale::Rnd());
                            break;
                        }
            }
            return s;
        }
        for (int i = 1; i <= 6; ++i)
            for (int j = 1; j <= 6; ++j)
                if (j != i && S(j, i) && P(i) + P(j) > best) {
                    best = P(i) + P(j);
                    s[0] = i;
                    s[1] = j;
                }
        do
            s[2] = 4 + casuale::Intero(3, casuale::Rnd());
        while (s[2] == s[0] || s[2] == s[1]);
        return s;
    }
};

TEST(RicercaLetterale, FastSearchesAgreeWithTheLiteralOnes) {
    std::mt19937 gen(2024);
    const char* semi[] = {"Bastoni", "Coppe", "Denari", "Spade", "Altro", "altro"};
    for (int prova = 0; prova < 60000; ++prova) {
        // mostly real hands from few suits, sometimes odd suit texts and repeated cards
        const int numSemi = 1 + static_cast<int>(gen() % (prova % 7 == 0 ? 6 : 4));
        std::array<Dati, 6> sei;
        Letterale ref;
        for (int p = 0; p < 6; ++p) {
            sei[p].Seme = semi[gen() % numSemi];
            sei[p].Valore = static_cast<std::uint8_t>(1 + gen() % (prova % 3 ? 10 : 4));
            sei[p].codice = -1;
            for (int s = 0; s < 4; ++s)
                if (sei[p].Seme == semi[s])
                    sei[p].codice = s;
            ref.c[p + 1] = sei[p];
        }
        ClsGiocatore g;
        g.SetCarte(sei);
        ref.turni = 1 + static_cast<int>(gen() % 12);
        g.SetTurni(static_cast<std::uint8_t>(ref.turni));

        // a finder that finds nothing leaves its positions as they were
        auto vuota = [](Tripla t) { return t[0] ? t : Tripla{0, 9, 9, 9}; };
        std::uint8_t a = 9, b = 9, c = 9;
        bool trovato = false;
        g.CercaGalbirolone(a, b, c, trovato);
        ASSERT_EQ((Tripla{trovato, a, b, c}), vuota(ref.Galbirolone()));
        a = b = c = 9;
        g.CercaGalbirola(a, b, c, trovato);
        ASSERT_EQ((Tripla{trovato, a, b, c}), vuota(ref.Galbirola()));
        a = b = c = 9;
        g.CercaTris(a, b, c, trovato);
        ASSERT_EQ((Tripla{trovato, a, b, c}), vuota(ref.Tris()));

        const auto seme = static_cast<std::uint64_t>(prova);
        std::array<int, 3> atteso;
        {
            casuale::Sostituzione s(std::make_unique<CasualeFisso>(seme));
            atteso = ref.Punti();
        }
        casuale::Sostituzione s(std::make_unique<CasualeFisso>(seme));
        a = b = c = 0;
        g.CercaPunti(a, b, c);
        ASSERT_EQ((std::array<int, 3>{a, b, c}), atteso) << "hand " << prova;
    }
}

} // namespace
