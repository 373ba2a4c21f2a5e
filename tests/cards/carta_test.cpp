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

TEST_F(ConMazzo, SwapMovesOnlyTheCardsAndEveryChangeIsHeard) {
    int avvisi = 0;
    a.SetOsservatore([&] { ++avvisi; });
    a.SettaCarta("Coppe", 1);
    a.SetCoperta(true);
    a.SetSelezionata(true);
    b.SettaCarta("Altro", 10);
    a.SwapWith(&b);
    EXPECT_EQ(avvisi, 4);
    EXPECT_EQ(a.Seme() + std::to_string(a.Valore()), "Altro10");
    EXPECT_TRUE(a.Coperta() && a.Selezionata());
    EXPECT_EQ(b.Seme() + std::to_string(b.Valore()), "Coppe1");
    EXPECT_FALSE(b.Coperta() || b.Selezionata());
}

} // namespace
