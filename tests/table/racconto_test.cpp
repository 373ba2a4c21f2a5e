// What the table says happened, event by event, against what it did.
#include "players/valutamano.h"
#include "tavolo_prova.h"

#include <random>

namespace {

using Carte = std::set<std::string>;

template <class Lista> Carte Di(const Lista& lista) {
    Carte carte;
    for (const CartaDetta& c : lista)
        carte.insert(std::to_string(c.valore) + "BCDS"[c.seme]);
    return carte;
}

std::string Testo(const Carte& carte) {
    std::string t;
    for (const std::string& c : carte)
        t += (t.empty() ? "" : " ") + c;
    return "[" + t + "]";
}

Carte Scambia(Carte carte, const Carte& via, const Carte& dentro) {
    for (const std::string& c : via)
        carte.erase(c);
    carte.insert(dentro.begin(), dentro.end());
    return carte;
}

// Seeded tournaments to their end, each event checked as it is told against the table itself:
// a player who follows the game by ear hears every move by the seat that made it, in the
// order of play and after seats have left, with the cards taken and left, the hands shown,
// the balls and who leaves.
struct Ascolto : TavoloProva, ::testing::WithParamInterface<std::array<int, 3>> {
    static constexpr const char* kTipi[] = {"a new hand",     "a turn",     "an opening",
                                            "a move",         "a knock",    "the last round",
                                            "a hand shown",   "a ball won", "a ball lost",
                                            "a seat leaving", "the winner"};
    struct Vista {
        std::vector<Carte> mani; // 1-based
        Carte tavolo;
    };
    Vista prima;
    int mano = 0, apre = 0, prossimo = 0, bussatore = 0, mostrato = 0, usciti = 0,
        maniDopoUscita = 0, vincitori = 0;
    Accaduto::Tipo ultimo = Accaduto::Tipo::Mano;

    Vista Guarda() {
        const auto tre = [](const Carta* c) {
            return Carte{notazione::Scrivi(c[0]), notazione::Scrivi(c[1]), notazione::Scrivi(c[2])};
        };
        Vista v{{{}}, tre(&t.CtlPilaTavolo(0))};
        for (int s = 1; s < t.NumGiocatori(); ++s)
            v.mani.push_back(tre(&t.CtlPilaCarte1(3 * s - 3)));
        v.mani.push_back(tre(&t.CtlPilaCarte0(0)));
        return v;
    }
    // The seat in play after this one.
    int Dopo(int seggio) const {
        do
            seggio = seggio % t.NumGiocatori() + 1;
        while (t.Palle(seggio) == 0);
        return seggio;
    }
    const Tavolo::Risultato& Mostrata(int seggio) const {
        for (const Tavolo::Risultato& r : t.UltimaMano())
            if (r.Posto + 1 == seggio)
                return r;
        ADD_FAILURE() << "seat " << seggio << " was not in the showdown";
        return t.UltimaMano().front();
    }

    void Senti(const Accaduto& a) {
        using T = Accaduto::Tipo;
        const int s = a.seggio;
        ASSERT_TRUE(s >= 1 && s <= t.NumGiocatori()) << "an event told of seat " << s;
        const Vista ora = Guarda();
        const Carte prese = Di(a.prese), lasciate = Di(a.lasciate);
        const std::string& chi = t.Nomi(s);
        SCOPED_TRACE("hand " + std::to_string(mano) + ": the player hears " +
                     kTipi[static_cast<int>(a.tipo)] + " of " + chi + ", taking " + Testo(prese) +
                     " and leaving " + Testo(lasciate) + ", balls " + std::to_string(a.palle));
        switch (a.tipo) {
        case T::Mano:
            ++mano;
            maniDopoUscita += usciti > 0;
            EXPECT_EQ(s, mano == 1 ? t.Mazziere() : Dopo(apre)) << "the next seat in play opens";
            prossimo = apre = s;
            bussatore = mostrato = 0;
            break;
        case T::Turno:
            EXPECT_EQ(s, prossimo) << "but it is " << t.Nomi(prossimo) << "'s turn";
            break;
        case T::Apertura:
        case T::Scambio:
        case T::Bussata:
            EXPECT_EQ(s, prossimo) << "but " << t.Nomi(prossimo) << " made that move";
            if (a.tipo == T::Apertura) {
                EXPECT_EQ(lasciate, ora.tavolo) << "but the table shows " << Testo(ora.tavolo);
                EXPECT_EQ(Scambia(ora.mani[s], lasciate, {}), ora.mani[s])
                    << "but " << chi << " still holds " << Testo(ora.mani[s]);
            } else if (a.tipo == T::Bussata && ultimo != T::Mano) {
                EXPECT_EQ(ora.mani[s], prima.mani[s]) << "but " << chi << " changed its cards";
            } else if (ultimo != T::Mano) {
                EXPECT_EQ(Testo(ora.mani[s]) + " on the table " + Testo(ora.tavolo),
                          Testo(Scambia(prima.mani[s], lasciate, prese)) + " on the table " +
                              Testo(Scambia(prima.tavolo, prese, lasciate)))
                    << "what " << chi << " holds, then the table";
            }
            if (a.tipo == T::Bussata) {
                EXPECT_TRUE(t.Bussato() && t.Bussatore() == s) << "but the table has no knock";
                bussatore = s;
            }
            prossimo = Dopo(s);
            break;
        case T::UltimoGiro:
            EXPECT_EQ(ultimo, T::Bussata) << "the last round is told without a knock";
            break;
        case T::Mostra:
            EXPECT_EQ(prossimo, bussatore) << "the hands are shown before every seat has played "
                                              "once after the knock, or after that";
            EXPECT_TRUE(s > mostrato && t.Palle(s) > 0) << "out of the seats' order, or out";
            EXPECT_EQ(prese, ora.mani[s]) << "but " << chi << " holds " << Testo(ora.mani[s]);
            mostrato = s;
            break;
        case T::Guadagna:
            EXPECT_EQ(Mostrata(s).Tipo, kGalbirolone) << "without a Galbirolone";
            EXPECT_EQ(a.palle, t.Palle(s)) << "but the seat holds " << t.Palle(s);
            break;
        case T::Perde:
            EXPECT_EQ(Mostrata(s).Posizione, t.UltimaMano().back().Posizione)
                << "but " << chi << " was not last";
            EXPECT_EQ(a.palle, t.Palle(s)) << "but the seat holds " << t.Palle(s);
            break;
        case T::Uscita:
            EXPECT_TRUE(ultimo == T::Perde && t.Palle(s) == 0) << "with balls left";
            ++usciti;
            break;
        case T::Vince:
            EXPECT_TRUE(t.GiocatoriInGioco() == 1 && t.Palle(s) > 0) << "with others in play";
            ++vincitori;
            break;
        }
        prima = ora;
        ultimo = a.tipo;
    }
};

TEST_P(Ascolto, ATournamentIsToldAsTheTablePlaysItToTheEnd) {
    const auto [seggi, mazziere, seme] = GetParam();
    ui.alRacconto = [this](const Accaduto& a) { Senti(a); };
    std::mt19937 scelte(seme);
    Torneo(seggi, mazziere);
    for (int passo = 0; passo < 5000 && (ui.fase == Fase::Carte || ui.fase == Fase::Fatto);
         ++passo) {
        if (ui.fase == Fase::Carte) {
            ui.risposte = {scelte() % 3 == 0};
            t.DaiCarte();
            continue;
        }
        ASSERT_TRUE(ui.racconto.back().tipo == Accaduto::Tipo::Turno &&
                    ui.racconto.back().seggio == seggi)
            << "the player's turn is not told";
        // The human keeps its hand or takes one to three of the table's cards.
        const unsigned prese = scelte() % 4;
        for (unsigned i = 0; i < 3; ++i)
            i < prese ? t.ClickTavolo(static_cast<int>(i)) : t.ClickCarta0(static_cast<int>(i));
        t.Fatto();
    }
    EXPECT_EQ(vincitori, 1) << "the tournament never ended, or has two winners";
    EXPECT_GT(maniDopoUscita, 0) << "no hand was played after a seat left";
}

INSTANTIATE_TEST_SUITE_P(Semi, Ascolto,
                         ::testing::Values(std::array{5, 2, 7}, std::array{3, 3, 11},
                                           std::array{7, 7, 3}));

} // namespace
