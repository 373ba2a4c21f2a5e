#include "cards/carta.h"
#include "cards/mazzocarte.h"

#include <gtest/gtest.h>

namespace {

struct ConMazzo : ::testing::Test {
    MazzoCarte mazzo;
    Carta a, b;
    void SetUp() override {
        a.ImpostaMazzo(&mazzo);
        b.ImpostaMazzo(&mazzo);
    }
};

TEST(Carta, NewSlotReadsBackItsInitialState) {
    Carta c;
    EXPECT_EQ(c.Seme(), "Seme");
    EXPECT_EQ(c.Valore(), 0);
    EXPECT_FALSE(c.Coperta());
    EXPECT_FALSE(c.Selezionata());
}

TEST_F(ConMazzo, FaceFollowsTheCardAndTheFaceDownFlag) {
    a.SettaCarta("Denari", 3);
    EXPECT_EQ(a.Seme(), "Denari");
    EXPECT_EQ(a.Valore(), 3);
    EXPECT_EQ(a.SemePips(), 2);
    EXPECT_FALSE(a.HaFigura());
    EXPECT_FALSE(a.MarchioVisibile());

    a.SetCoperta(true);
    a.SettaCarta("Spade", 9);
    EXPECT_TRUE(a.HaFigura());
    EXPECT_EQ(a.SemePips(), -1);
    EXPECT_FALSE(a.MarchioVisibile()); // face down: only the back
    a.SetCoperta(false);
    EXPECT_TRUE(a.MarchioVisibile());
    EXPECT_EQ(a.SemeMarchio(), 3);
}

TEST_F(ConMazzo, UnknownSuitTextIsKeptAndTheFaceKeepsThePreviousSuitPicture) {
    a.SettaCarta("Coppe", 2);
    a.SettaCarta("coppe", 12);
    EXPECT_EQ(a.Seme(), "coppe");
    EXPECT_EQ(a.Valore(), 12);
    EXPECT_EQ(a.SemeMarchio(), 1);
    EXPECT_FALSE(a.HaFigura());
    EXPECT_EQ(a.SemePips(), -1);
    EXPECT_TRUE(a.MarchioVisibile()); // above 7 shows the mark
}

TEST_F(ConMazzo, SwapMovesOnlyTheCards) {
    a.SettaCarta("Coppe", 1);
    a.SetCoperta(true);
    a.SetSelezionata(true);
    b.SettaCarta("Bastoni", 10);
    a.SwapWith(&b);
    EXPECT_EQ(a.Seme(), "Bastoni");
    EXPECT_EQ(a.Valore(), 10);
    EXPECT_TRUE(a.Coperta());
    EXPECT_TRUE(a.Selezionata());
    EXPECT_EQ(b.Seme(), "Coppe");
    EXPECT_EQ(b.Valore(), 1);
    EXPECT_FALSE(b.Coperta());
    EXPECT_FALSE(b.Selezionata());

    a.SwapWith(&a);
    EXPECT_EQ(a.Seme(), "Bastoni");
    EXPECT_EQ(a.Valore(), 10);
    EXPECT_THROW(a.SwapWith(nullptr), OggettoNonImpostato);
    EXPECT_EQ(a.Valore(), 10);
}

TEST(Carta, WithoutADeckSuitsFiguresAndBacksFailAfterStoringTheCard) {
    Carta c;
    EXPECT_THROW(c.SettaCarta("Coppe", 4), OggettoNonImpostato);
    EXPECT_EQ(c.Seme(), "Coppe");
    EXPECT_EQ(c.Valore(), 4);
    EXPECT_EQ(c.SemePips(), -1);
    EXPECT_THROW(c.SettaCarta("Altro", 9), OggettoNonImpostato);
    EXPECT_EQ(c.Valore(), 9);
    EXPECT_NO_THROW(c.SettaCarta("Altro", 5));
    EXPECT_THROW(c.SetCoperta(true), OggettoNonImpostato);
    EXPECT_FALSE(c.Coperta());
    EXPECT_NO_THROW(c.SetCoperta(false));
}

TEST_F(ConMazzo, ObserverHearsEveryVisibleChange) {
    int avvisi = 0;
    a.SetOsservatore([&] { ++avvisi; });
    a.SettaCarta("Coppe", 5);
    a.SetCoperta(true);
    a.SetSelezionata(true);
    a.SwapWith(&b);
    EXPECT_EQ(avvisi, 4);
}

} // namespace
