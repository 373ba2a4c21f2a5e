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

// A screen reader that takes secondi for every sentence, one after another; at each
// turn's start it notes how much of what was told it still had to say.
struct UiAscolto : UiProva {
    OrologioScritto& ora;
    bool assistito;
    double secondi, fineVoce = 0, nuovo = 0;
    std::vector<double> arretrato;
    UiAscolto(OrologioScritto& o, bool a, double s) : ora(o), assistito(a), secondi(s) {}

    bool Assistito() override { return assistito; }
    double Parlato() override { return std::exchange(nuovo, 0.0); }
    void Racconta(const Accaduto& a) override {
        if (a.tipo == Accaduto::Tipo::Turno)
            arretrato.push_back(std::max(0.0, fineVoce - ora.t));
        UiProva::Racconta(a);
        nuovo = secondi;
        fineVoce = std::max(fineVoce, ora.t) + secondi;
    }
    void Pausa(double s) override {
        UiProva::Pausa(s);
        ora.t += s;
    }
};

struct Partita {
    std::vector<Accaduto> racconto;
    std::vector<double> pause, arretrato;
};

// Two hands at a full table, the human keeping its cards.
Partita Gioca(bool assistito, bool parla) {
    casuale::Sostituzione sostituzione(std::make_unique<CasualeFisso>(2024));
    OrologioScritto ora;
    UiAscolto ui(ora, assistito, parla ? 2 : 0);
    Tavolo t(ui, ora);
    t.Carica();
    t.CreaTorneo(5, "Anna");
    for (int mano = 0; mano < 2; ++mano) {
        t.DaiCarte();
        while (t.FaseCorrente() == Fase::Fatto)
            t.Fatto();
    }
    return {ui.racconto, ui.pause, ui.arretrato};
}

TEST(Ritmo, TheQueueOfSpeechEndsOnTheClock) {
    OrologioScritto ora;
    Ritmo r(ora);
    EXPECT_EQ(r.Attesa(true), 0) << "nothing told";
    r.Detto(2);
    ora.t = 1;
    r.Detto(1.5);
    ora.t = 2;
    EXPECT_DOUBLE_EQ(r.Attesa(true), 1.5) << "the second sentence waits for the first";
    EXPECT_EQ(r.Attesa(false), 0) << "without a listener";
    ora.t = 10;
    EXPECT_EQ(r.Attesa(true), 0) << "all heard";
    r.Detto(1);
    ora.t = 10.25;
    EXPECT_DOUBLE_EQ(r.Attesa(true), 0.75) << "a sentence after a silence starts at once";
}

TEST(Ritmo, EveryTurnStartsOnceTheTableWasHeardAndOnlyForAListener) {
    const Partita ascolto = Gioca(true, true), senza = Gioca(false, true);
    ASSERT_GT(ascolto.arretrato.size(), 14u);
    EXPECT_EQ(*std::max_element(ascolto.arretrato.begin(), ascolto.arretrato.end()), 0)
        << "a turn started while the reader still spoke";
    EXPECT_GT(*std::max_element(senza.arretrato.begin(), senza.arretrato.end()), 4)
        << "unpaced, a full table runs ahead of the voice";
    EXPECT_EQ(ascolto.racconto, senza.racconto) << "the same draws, the same game";
    EXPECT_GT(ascolto.pause.size(), senza.pause.size());
    EXPECT_EQ(senza.pause, Gioca(false, false).pause) << "nothing waits for nobody";
}

} // namespace
