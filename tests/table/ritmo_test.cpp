// The table waits for the voice of a player who listens, and for nobody else.
#include "tavolo_prova.h"

#include <algorithm>
#include <utility>

namespace {

// Time moves only when the table pauses.
struct OrologioScritto : Orologio {
    double t = 0;
    double Adesso() override { return t; }
};

TEST(Ritmo, TheQueueOfSpeechEndsOnTheClock) {
    OrologioScritto ora;
    Ritmo r(ora);
    r.Detto(2);
    ora.t = 1;
    r.Detto(1.5);
    ora.t = 2;
    EXPECT_DOUBLE_EQ(r.Attesa(true), 1.5) << "the second sentence waits for the first";
    EXPECT_EQ(r.Attesa(false), 0) << "without a listener";
    ora.t = 10;
    r.Detto(1);
    ora.t = 10.25;
    EXPECT_DOUBLE_EQ(r.Attesa(true), 0.75) << "a sentence after a silence starts at once";
}

// Two hands at a full table, the human keeping its cards, told to a screen reader that takes
// secondi for each sentence; at each turn's start, what it still had to say.
struct Partita : UiProva {
    OrologioScritto ora;
    bool assistito;
    double secondi, fineVoce = 0, nuovo = 0;
    bool fuoco = false; // the reader has yet to say where the focus went after the last event
    std::vector<double> arretrato;

    Partita(bool a, double s) : assistito(a), secondi(s) {
        casuale::Sostituzione sostituzione(std::make_unique<CasualeFisso>(2024));
        Tavolo t(*this, ora);
        t.Carica();
        t.CreaTorneo(5, "Anna");
        for (int mano = 0; mano < 2; ++mano)
            for (t.DaiCarte(); t.FaseCorrente() == Fase::Fatto;)
                t.Fatto();
    }
    bool Assistito() override { return assistito; }
    double Parlato() override { return std::exchange(nuovo, 0.0); }
    void Racconta(const Accaduto& a) override {
        if (a.tipo == Accaduto::Tipo::Turno)
            arretrato.push_back(std::max(0.0, fineVoce - ora.t));
        UiProva::Racconta(a);
        nuovo += secondi;
        fineVoce = std::max(fineVoce, ora.t) + secondi;
        fuoco = secondi > 0;
    }
    // While the table waits, the reader is given where the focus went, which it says after
    // what it was saying.
    void Pausa(double s) override {
        UiProva::Pausa(s);
        if (std::exchange(fuoco, false)) {
            nuovo += 1;
            fineVoce += 1;
        }
        ora.t += s;
    }
};

TEST(Ritmo, EveryTurnStartsOnceTheTableWasHeardAndOnlyForAListener) {
    const Partita ascolto(true, 2), senza(false, 2);
    ASSERT_GT(ascolto.arretrato.size(), 14u);
    EXPECT_EQ(*std::max_element(ascolto.arretrato.begin(), ascolto.arretrato.end()), 0)
        << "a turn started while the reader still spoke";
    EXPECT_GT(*std::max_element(senza.arretrato.begin(), senza.arretrato.end()), 4)
        << "unpaced, a full table runs ahead of the voice";
    EXPECT_EQ(ascolto.racconto, senza.racconto) << "the same draws, the same game";
    EXPECT_EQ(senza.pause, Partita(false, 0).pause) << "nothing waits for nobody";
}

} // namespace
