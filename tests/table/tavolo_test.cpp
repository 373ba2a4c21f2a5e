#include "table/invarianti.h"
#include "tavolo_prova.h"

namespace {

using Eventi = std::vector<std::string>;

struct SogliaApertura : TavoloProva, ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(SogliaApertura, AComputerOpenerKnocksOnTrisOrAboveTheBar) {
    Torneo(4, 1); // bar 2 * 4 + 14 = 22
    bool pensaPrima = false;
    ui.durantePausa = [&] { pensaPrima |= ui.pause.size() == 1 && t.CtlPilaTavolo(0).Coperta(); };
    Dai(std::string(GetParam().first) + "  2S 5S 9C  2C 3D 7S  3B 4D 6S  8B 9B 10D");
    EXPECT_EQ(!ui.Solo("bussa 1").empty(), GetParam().second);
    EXPECT_TRUE(pensaPrima) << "a computer opener thinks before it decides";
}

TEST_F(TavoloProva, TheOpenersBarCountsEverySeatEvenOnesAlreadyOut) {
    Torneo(4, 1);
    TavoloAccesso::Palle(t, 3, 0);
    TavoloAccesso::InGioco(t, 3);
    Dai("1C 3C 7C  2S 5S 9C  3B 4D 6S  8B 9B 10D"); // 21 points
    EXPECT_TRUE(ui.Solo("bussa 1").empty())
        << "21 points are under the bar of four seats (22), though one of them is out";
}

INSTANTIATE_TEST_SUITE_P(Tavolo, SogliaApertura,
                         ::testing::Values(std::pair{"1C 4C 7C", false}, // 22 points
                                           std::pair{"1C 5C 7C", true},  // 23
                                           std::pair{"4C 4S 4B", true},  // a tris of fours
                                           std::pair{"1C 10C 4S", false}));

TEST_F(TavoloProva, TheHumansMarksAreCheckedAndCarriedOut) {
    Torneo(2, 1);
    t.ClickCarta0(0); // no effect before the human's turn
    EXPECT_FALSE(t.CtlPilaCarte0(0).Selezionata());
    Dai("4B 6C 8D  2S 5S 9C  3B 7D 2D");
    ASSERT_EQ(ui.fase, Fase::Fatto);
    ASSERT_EQ(Tavolo3(), "4B 6C 8D");
    ASSERT_EQ(Carte0(), "2S 5S 9C");

    t.ClickCarta0(1);
    t.Fatto();
    t.ClickTavolo(2);
    t.Fatto();
    t.ClickTavolo(0);
    t.ClickTavolo(1);
    t.Fatto();
    t.ClickTavolo(1); // unmark one of four: now own 2 and table 0, 2
    t.ClickCarta0(1);
    t.ClickCarta0(0); // own 0, table 0 and 2
    EXPECT_EQ(ui.Solo("msg"),
              (Eventi{"msg 64 [Mossa Illegale] Hai selezionato meno di tre carte da tenere.",
                      "msg 64 [Mossa Illegale] Hai selezionato meno di tre carte da tenere.",
                      "msg 64 [Mossa Illegale] Hai selezionato più di tre carte da tenere."}));
    EXPECT_EQ(ui.fase, Fase::Fatto);
    EXPECT_TRUE(t.CtlPilaTavolo(0).Selezionata());

    std::string tavoloDopo;
    ui.durantePausa = [&] {
        if (tavoloDopo.empty())
            tavoloDopo = Tavolo3();
    };
    t.Fatto(); // own card 1 goes to the first marked table card (0), own 2 to table 2
    EXPECT_EQ(Carte0(), "2S 4B 8D");
    EXPECT_EQ(tavoloDopo, "5S 6C 9C");
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(t.CtlPilaCarte0(i).Selezionata());
        EXPECT_FALSE(t.CtlPilaTavolo(i).Selezionata());
    }
}

TEST_F(TavoloProva, NothingStartsWhileAGameActionIsRunning) {
    Torneo(3, 1);
    int dentro = 0;
    ui.durantePausa = [&] {
        ++dentro;
        t.DaiCarte();
        t.Fatto();
        t.ClickCarta0(0);
        t.ClickTavolo(1);
    };
    Dai("4B 6C 8D  2S 5S 9C  3B 7D 2D");
    EXPECT_GT(dentro, 0);
    EXPECT_EQ(ui.Solo("msg").size(), 0u);
    EXPECT_FALSE(t.CtlPilaCarte0(0).Selezionata());
    EXPECT_EQ(ui.fase, Fase::Fatto);
}

TEST_F(TavoloProva, WithTheHumanOutTheComputersPlayOnAndTheDealStillWaits) {
    Torneo(4, 1);
    TavoloAccesso::Palle(t, 4, 0);
    TavoloAccesso::InGioco(t, 3);
    ui.lampade.clear();
    const std::string mano = Carte0();
    Dai("4B 6C 8D  2S 5S 9C  3B 7D 2D");
    EXPECT_EQ(Carte0(), mano); // no cards for the human
    EXPECT_TRUE(t.CtlPilaCarte0(0).Coperta());
    EXPECT_EQ(ui.lampade.count(4), 0u);
    for (const auto& e : ui.Solo("turno"))
        EXPECT_NE(e, "turno 4");
    EXPECT_EQ(ui.Solo("msg").size(), 1u);
    EXPECT_EQ(ui.fase, Fase::Carte); // the next hand waits for "Dai Carte"
    EXPECT_EQ(t.Mazziere(), 2);
}

} // namespace

namespace {

// A replayed tournament of two computers and the human, who always takes the table's cards
// so that only the computers end a hand. Every computer counts its turns afresh at each deal
// and keeps its own cards from its tenth turn of a hand: in hands 3 and 4 both reach it and
// the first to keep knocks. Moves turn by turn: '+' takes table cards, '=' keeps its own.
TEST_F(TavoloProva, InLongHandsEveryComputerKeepsItsCardsFromItsTenthTurn) {
    const struct {
        const char* seggio1;
        const char* seggio2;
        int bussa;
    } mani[] = {
        {"+=", "++", 1},
        {"+++", "+=", 2},
        {"+++++ ++++=", "+++++ ++++=", 2},
        {"+++++ ++++=", "+++++ ++++=", 1},
        {"+=", "+=", 2},
        {"+++", "+=", 2},
    };
    casuale::Sostituzione seme{std::make_unique<CasualeFisso>(326)};
    std::map<int, std::string> mosse;
    ui.durantePausa = [&] {
        for (int s = 1; s < t.NumGiocatori(); ++s) {
            int proprie = 0, segnate = 0;
            for (int i = 0; i < 3; ++i) {
                proprie += t.CtlPilaCarte1(3 * s - 3 + i).Selezionata();
                segnate += t.CtlPilaTavolo(i).Selezionata();
            }
            if (ui.lampade[s] == Lampada::Turno && proprie + segnate == 3)
                mosse[s] += proprie == 3 ? '=' : '+';
        }
    };
    t.Carica();
    t.CreaTorneo(1, "Anna");
    auto senzaSpazi = [](std::string m) { return std::erase(m, ' '), m; };
    for (int h = 1; h <= static_cast<int>(std::size(mani)); ++h) {
        const auto& m = mani[h - 1];
        ASSERT_EQ(ui.fase, Fase::Carte) << "the tournament ended before hand " << h;
        mosse.clear();
        ui.eventi.clear();
        t.DaiCarte();
        while (ui.fase == Fase::Fatto) {
            for (int i = 0; i < 3; ++i)
                t.ClickTavolo(i);
            t.Fatto();
        }
        const char* regola = "'s moves ('+' takes table cards, '=' keeps its own): a computer "
                             "keeps its own cards from its tenth turn of a hand, counted afresh "
                             "at every deal";
        EXPECT_EQ(mosse[1], senzaSpazi(m.seggio1)) << "hand " << h << ", " << t.Nomi(1) << regola;
        EXPECT_EQ(mosse[2], senzaSpazi(m.seggio2)) << "hand " << h << ", " << t.Nomi(2) << regola;
        EXPECT_EQ(ui.Solo("bussa"), (Eventi{"bussa " + std::to_string(m.bussa)}))
            << "hand " << h << ": the first computer to keep its cards knocks";
    }
}

TEST_F(TavoloProva, InvariantsCatchACardThatAppearsTwice) {
    if (!kInvarianti)
        GTEST_SKIP() << "invariant checks are off in this build";
    Torneo(3, 1);
    ui.durantePausa = [&] {
        if (ui.pause.size() == 3) // during seat 2's think pause
            t.CtlPilaCarte1(3).SettaCarta(t.CtlPilaTavolo(0).Seme(), t.CtlPilaTavolo(0).Valore());
    };
    EXPECT_THROW(Dai("4B 6C 8D  2S 5S 9C  3B 7D 2D"), InvarianteViolata);
}

} // namespace
