#include "tavolo_prova.h"

namespace {

using Eventi = std::vector<std::string>;

struct FineManoProva : TavoloProva {
    std::vector<std::string> n;
    void Prepara(int seggi, int mazziere) {
        Torneo(seggi, mazziere, "Anna");
        for (int k = 0; k <= seggi; ++k)
            n.push_back(k ? t.Nomi(k) : "");
        ui.eventi.clear();
    }
    Eventi Messaggi() const { return ui.Solo("msg"); }
};

TEST_F(FineManoProva, EqualHandsAreExchangedByTheSortAndShareAPlace) {
    Prepara(3, 1);
    Metti(1, "2C 3C 4S"); // Punti 5
    Metti(2, "2D 3D 4B"); // Punti 5
    Metti(3, "7C 2S 3B"); // Punti 7
    TavoloAccesso::FineMano(t);
    ASSERT_FALSE(Messaggi().empty());
    EXPECT_EQ(Messaggi()[0], "msg 64 [-] 1° Anna: Punti 7\r\n2° " + n[2] + ": Punti 5\r\n2° " +
                                 n[1] + ": Punti 5\r\n");
    // both tied last lose a ball, from the bottom of the list up
    EXPECT_EQ(t.Palle(1), 2);
    EXPECT_EQ(t.Palle(2), 2);
    EXPECT_EQ(t.Palle(3), 3);
    EXPECT_EQ(ui.palle[1], (std::array<bool, 3>{true, true, false}));
    EXPECT_EQ(t.Mazziere(), 2);
    EXPECT_EQ(ui.fase, Fase::Carte);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(t.CtlPilaCarte1(i).Coperta());
}

TEST_F(FineManoProva, PlacesRunOneTwoTwoFourAndEveryHandTypeIsWritten) {
    Prepara(4, 1);
    Metti(1, "10C 8C 5S"); // Punti 20
    Metti(2, "7C 7S 7D");  // Tris di 7
    Metti(3, "2S 7S 4C");  // Punti 9
    Metti(4, "9D 10D 3B"); // Punti 20
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(Messaggi()[0], "msg 64 [-] 1° " + n[2] + ": Tris di 7\r\n2° " + n[1] +
                                 ": Punti 20\r\n2° Anna: Punti 20\r\n4° " + n[3] + ": Punti 9\r\n");
    EXPECT_EQ(t.Palle(3), 2);
    EXPECT_EQ(t.Palle(1) + t.Palle(2) + t.Palle(4), 9);

    ui.eventi.clear();
    Metti(1, "1C 2C 3C");  // Galbirola di 11
    Metti(2, "1S 1B 1D");  // Tris di 11
    Metti(3, "9B 1B 10B"); // Galbirolone
    Metti(4, "8D 9D 10D"); // Galbirola di 10
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(Messaggi()[0], "msg 64 [-] 1° " + n[3] + ": Galbirolone\r\n2° " + n[1] +
                                 ": Galbirola di 11\r\n3° Anna: Galbirola di 10\r\n4° " + n[2] +
                                 ": Tris di 11\r\n");
}

TEST_F(FineManoProva, AGalbirolonesBallComesBeforeTheLossesAndLabelsCountPastThree) {
    Prepara(3, 1);
    TavoloAccesso::Palle(t, 2, 4);
    ui.etichette[2] = n[2] + ": 4";
    Metti(1, "1C 10C 9C"); // Galbirolone, 3 balls
    Metti(2, "2S 4B 6D");  // last, 4 balls
    Metti(3, "7C 7S 7D");
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(Messaggi().at(1), "msg 64 [Meraviglioso:] " + n[1] + " ha guadagnato una palla!");
    EXPECT_EQ(Messaggi().size(), 2u);
    EXPECT_EQ(t.Palle(1), 4);
    EXPECT_EQ(ui.etichette[1], n[1] + ": 4");
    EXPECT_EQ(t.Palle(2), 3);
    EXPECT_EQ(ui.etichette[2], n[2]); // back to the name alone
    EXPECT_EQ(ui.palle[2], (std::array<bool, 3>{true, true, true}));

    // a seat with 2 balls that wins one gets its third marker back
    TavoloAccesso::Palle(t, 3, 2);
    ui.palle[3] = {true, true, false};
    Metti(1, "2S 4B 6D");
    Metti(2, "7C 7S 7D");
    Metti(3, "1D 9D 10D");
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(ui.palle[3], (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(t.Palle(1), 3);
    EXPECT_EQ(ui.etichette[1], n[1]);
}

TEST_F(FineManoProva, TwoSeatsOutTogetherEndTheTournamentAndNothingFollows) {
    Prepara(3, 1);
    TavoloAccesso::Palle(t, 2, 1);
    TavoloAccesso::Palle(t, 3, 1);
    Metti(1, "7C 7S 7D");
    Metti(2, "2C 3C 4S");
    Metti(3, "2D 3D 4B");
    ui.fase = Fase::Nessuna;
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(Messaggi(), (Eventi{"msg 64 [-] 1° " + n[1] + ": Tris di 7\r\n2° " + n[2] +
                                      ": Punti 5\r\n2° Anna: Punti 5\r\n",
                                  "msg 64 [Attenzione:] Anna è uscito dal torneo.",
                                  "msg 64 [Attenzione:] " + n[2] + " è uscito dal torneo.",
                                  "msg 0 [-] Fine del Torneo"}));
    EXPECT_EQ(t.GiocatoriInGioco(), 1);
    EXPECT_EQ(ui.grigie, (std::set<int>{2, 3}));
    EXPECT_EQ(ui.lampade[3], Lampada::Uscito);
    EXPECT_EQ(t.Mazziere(), 1);        // the opener does not move
    EXPECT_EQ(ui.fase, Fase::Nessuna); // and no deal button
    EXPECT_EQ(ui.palle[3], (std::array<bool, 3>{false, true, true}));
}

TEST_F(FineManoProva, SeatsThatLeftAreSkippedEverywhere) {
    Prepara(4, 3);
    TavoloAccesso::Palle(t, 1, 0);
    TavoloAccesso::Palle(t, 4, 0);
    TavoloAccesso::InGioco(t, 2);
    Metti(1, "1C 10C 9C"); // out: neither revealed nor listed
    Metti(2, "7C 7S 7D");
    Metti(3, "2C 3C 4S");
    t.CtlPilaCarte1(0).SetCoperta(true);
    TavoloAccesso::FineMano(t);
    EXPECT_EQ(Messaggi()[0],
              "msg 64 [-] 1° " + n[2] + ": Tris di 7\r\n2° " + n[3] + ": Punti 5\r\n");
    EXPECT_TRUE(t.CtlPilaCarte1(0).Coperta());
    EXPECT_EQ(t.Palle(3), 2);
    EXPECT_EQ(t.Mazziere(), 2); // past the human and seat 1, wrapping round
}

} // namespace
