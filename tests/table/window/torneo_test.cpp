#include "banco.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>

namespace {

// Everything the window shows of the table state must agree with the state itself.
void ControllaTavolo(Banco& b, const std::string& quando) {
    SCOPED_TRACE(quando);
    Tavolo& t = b.T();
    const int n = t.NumGiocatori();
    EXPECT_EQ(b.C().CmdCarte->isVisible(), t.FaseCorrente() == Fase::Carte);
    EXPECT_EQ(b.C().CmdFatto->isVisible(), t.FaseCorrente() == Fase::Fatto);
    EXPECT_FALSE(b.C().CmdTorneo->isVisible());
    for (int s = 1; s <= n; ++s) {
        const int palle = t.Palle(s);
        const ElementoDisegnato& nome = b.Elemento("LblNome", s - 1);
        const std::string atteso = palle > 3 ? t.Nomi(s) + ": " + std::to_string(palle) : t.Nomi(s);
        EXPECT_EQ(nome.testo.toStdString(), atteso) << "seat " << s;
        EXPECT_EQ(nome.colTesto.valore == 0x80000011, palle == 0) << "seat " << s;
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(b.Elemento("ShPalla", 3 * (s - 1) + j).stileRiempimento == 0, j < palle)
                << "seat " << s << " ball " << j;
        if (palle == 0) {
            EXPECT_EQ(b.Lampada(s), 2) << "seat " << s;
        }
    }
    if (t.FaseCorrente() == Fase::Fatto) {
        EXPECT_EQ(b.Lampada(n), 1);
        if (t.Bussato()) {
            EXPECT_EQ(b.Lampada(t.Bussatore()), 3);
        }
    }
}

// Every card dealt this hand is a different card of the deck.
void ControllaCarte(Banco& b) {
    Tavolo& t = b.T();
    std::set<std::pair<std::string, int>> viste;
    int attese = 0;
    const auto aggiungi = [&](const CtlPilaCarte* v) {
        viste.emplace(v->Seme(), v->Valore());
        ++attese;
    };
    for (int i = 0; i < 3 * t.NumGiocatori() - 3; ++i)
        aggiungi(b.finestra.CtlPilaCarte1(i));
    for (const CtlPilaCarte* v : b.C().CtlPilaTavolo)
        aggiungi(v);
    if (t.Palle(t.NumGiocatori()) > 0)
        for (const CtlPilaCarte* v : b.C().CtlPilaCarte0) {
            aggiungi(v);
            EXPECT_FALSE(v->Coperta());
        }
    EXPECT_EQ(static_cast<int>(viste.size()), attese);
}

class TorneoIntero : public ::testing::TestWithParam<int> {};

TEST_P(TorneoIntero, PlaysToTheEndWithTheMouse) {
    Banco b(static_cast<std::uint64_t>(GetParam()));
    std::mt19937 scelte(GetParam());
    b.dialoghi.risposta = [&] { return scelte() % 2 == 0; };
    b.Clicca(b.C().OptAvversari[GetParam() % 6]);
    b.Clicca(b.C().CmdTorneo);
    ControllaTavolo(b, "after setup");

    const auto fine = [&] {
        return !b.dialoghi.messaggi.empty() &&
               b.dialoghi.messaggi.back().testo == QStringLiteral("Fine del Torneo");
    };
    int mani = 0;
    int mosse = 0;
    int rifiutate = 0;
    for (int passo = 0; passo < 5000 && !fine(); ++passo) {
        if (b.T().FaseCorrente() == Fase::Carte) {
            b.Clicca(b.C().CmdCarte);
            ++mani;
            ControllaCarte(b);
            ControllaTavolo(b, "after deal " + std::to_string(mani));
            continue;
        }
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto) << "no button to click";
        // Mark nothing, or three of the six cards; now and then a refused count first.
        std::vector<CtlPilaCarte*> sei(b.C().CtlPilaCarte0.begin(), b.C().CtlPilaCarte0.end());
        sei.insert(sei.end(), b.C().CtlPilaTavolo.begin(), b.C().CtlPilaTavolo.end());
        std::shuffle(sei.begin(), sei.end(), scelte);
        if (scelte() % 8 == 0) {
            const std::size_t prima = b.dialoghi.messaggi.size();
            const int troppe = scelte() % 2 ? 4 : 2;
            for (int i = 0; i < troppe; ++i)
                b.Clicca(sei[i]);
            b.Clicca(b.C().CmdFatto);
            ASSERT_EQ(b.dialoghi.messaggi.size(), prima + 1);
            EXPECT_EQ(b.dialoghi.messaggi.back().titolo, QStringLiteral("Mossa Illegale"));
            EXPECT_EQ(b.T().FaseCorrente(), Fase::Fatto);
            EXPECT_TRUE(sei[0]->Selezionata());
            for (int i = 0; i < troppe; ++i)
                b.Clicca(sei[i]);
            ++rifiutate;
        }
        if (scelte() % 3 != 0)
            for (int i = 0; i < 3; ++i)
                b.Clicca(sei[i]);
        b.Clicca(b.C().CmdFatto);
        ++mosse;
        for (const CtlPilaCarte* v : sei)
            EXPECT_FALSE(v->Selezionata());
        if (b.T().FaseCorrente() == Fase::Fatto)
            ControllaCarte(b);
        ControllaTavolo(b, "after move " + std::to_string(mosse));
    }
    ASSERT_TRUE(fine());
    EXPECT_EQ(b.dialoghi.messaggi.back().stile, 0);
    EXPECT_EQ(b.dialoghi.messaggi.back().titolo, QStringLiteral("Galbirola"));
    EXPECT_EQ(b.T().GiocatoriInGioco(), 1);
    EXPECT_EQ(b.T().FaseCorrente(), Fase::Nessuna);
    EXPECT_FALSE(b.C().CmdCarte->isVisible());
    EXPECT_FALSE(b.C().CmdFatto->isVisible());
    EXPECT_GT(mani, 0);
    for (const auto& q : b.dialoghi.domande) {
        EXPECT_EQ(q.titolo, QStringLiteral("Domanda:"));
        EXPECT_EQ(q.testo, QStringLiteral("Vuoi bussare con queste carte?"));
    }
    // Every ranking box has the application's title and the information icon.
    for (const auto& m : b.dialoghi.messaggi)
        if (m.testo.contains(QStringLiteral("° "))) {
            EXPECT_TRUE(m.stile == 64 && m.titolo == QStringLiteral("Galbirola"));
        }
    // After the end nothing answers.
    b.Clicca(b.C().CtlPilaCarte0[0]);
    EXPECT_FALSE(b.C().CtlPilaCarte0[0]->Selezionata());
    ControllaTavolo(b, "after the end");
    RecordProperty("mani", mani);
    RecordProperty("rifiutate", rifiutate);
}

INSTANTIATE_TEST_SUITE_P(Semi, TorneoIntero, ::testing::Values(1, 2, 3, 11, 40));

} // namespace
