// The finders, the points choice, hand evaluation and the shuffle, on a fixed set of
// dealt six-card hands; a computer's whole move; whole six-opponent hands as the simulator
// plays them, beside its floor of shuffling and dealing alone.

#include "cards/carta.h"
#include "cards/mazzocarte.h"
#include "partita.h"
#include "platform/casuale.h"
#include "players/clsgiocatore.h"
#include "players/valutamano.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<std::array<ClsGiocatore::DatiCarta, 6>> Mani(int quante) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(77));
    MazzoCarte mazzo;
    std::vector<std::array<ClsGiocatore::DatiCarta, 6>> mani;
    for (int m = 0; m < quante; ++m) {
        mazzo.Mescola();
        std::array<ClsGiocatore::DatiCarta, 6> sei;
        for (auto& d : sei) {
            mazzo.GetCarta(d.Seme, d.Valore);
            d.codice = IndiceSeme(d.Seme);
        }
        mani.push_back(sei);
    }
    return mani;
}

const auto kMani = Mani(1024);

template <class F> void SuOgniMano(benchmark::State& state, F f) {
    ClsGiocatore g;
    std::size_t i = 0;
    for (auto _ : state) {
        g.SetCarte(kMani[i++ & 1023]);
        f(g);
    }
}

// One finder over the fixed hands.
template <void (ClsGiocatore::*Cerca)(std::uint8_t&, std::uint8_t&, std::uint8_t&, bool&) const>
void BM_Cerca(benchmark::State& state) {
    SuOgniMano(state, [](ClsGiocatore& g) {
        std::uint8_t a = 0, b = 0, c = 0;
        bool t = false;
        (g.*Cerca)(a, b, c, t);
        benchmark::DoNotOptimize(t);
    });
}

void BM_CercaPunti(benchmark::State& state) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(3));
    SuOgniMano(state, [](ClsGiocatore& g) {
        std::uint8_t a = 0, b = 0, c = 0;
        g.CercaPunti(a, b, c);
        benchmark::DoNotOptimize(a);
    });
}

void BM_SnapshotOnly(benchmark::State& state) {
    SuOgniMano(state, [](ClsGiocatore& g) { benchmark::DoNotOptimize(g.Turni()); });
}

void BM_ValutaMano(benchmark::State& state) {
    MazzoCarte mazzo;
    std::vector<std::array<Carta, 3>> mani(1024);
    for (std::size_t m = 0; m < mani.size(); ++m)
        for (int j = 0; j < 3; ++j) {
            mani[m][j].ImpostaMazzo(&mazzo);
            mani[m][j].SettaCarta(kMani[m][j].Seme, kMani[m][j].Valore);
        }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& m = mani[i++ & 1023];
        std::uint8_t t = 0, v = 0;
        ValutaMano(m[0], m[1], m[2], t, v);
        benchmark::DoNotOptimize(v);
    }
}

void BM_Mescola(benchmark::State& state) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(3));
    MazzoCarte mazzo;
    for (auto _ : state) {
        mazzo.Mescola();
        benchmark::DoNotOptimize(mazzo.Prossima());
    }
}

// A computer's choice on its turn: the look at its cards and the table's, then the finders.
void BM_MossaComputer(benchmark::State& state) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(3));
    MazzoCarte mazzo;
    std::array<Carta, 6> carte;
    for (auto& c : carte)
        c.ImpostaMazzo(&mazzo);
    ClsGiocatore g;
    g.ImpostaCarte(&carte[0], &carte[1], &carte[2]);
    g.ImpostaTavolo(&carte[3], &carte[4], &carte[5]);
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& mano = kMani[i++ & 1023];
        for (int j = 0; j < 6; ++j)
            carte[j].SettaCarta(mano[j].codice, mano[j].Valore);
        g.NuovaMano();
        std::array<std::uint8_t, 3> scelta;
        g.Scegli(scelta);
        benchmark::DoNotOptimize(scelta);
    }
}

constexpr int kAvversari = 6;

// Whole tournaments with six opponents, the human's seat played by the computers' strategy;
// "mano" is the time of one hand.
void BM_ManoSimulata(benchmark::State& state) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(1));
    OpzioniSim o;
    o.avversari = kAvversari;
    auto muto = [](const std::string&, void*) {};
    Simulatore sim(o, muto, nullptr);
    long long t = 0;
    for (auto _ : state)
        sim.GiocaTorneo(++t);
    state.counters["mano"] =
        benchmark::Counter(static_cast<double>(sim.Dati().mani),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The simulator's floor at the same table: one hand's shuffle and deal.
void BM_MescolaEDistribuisci(benchmark::State& state) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(1));
    MescolaEDistribuisci pavimento(kAvversari + 1);
    for (auto _ : state)
        pavimento.Mano();
    state.counters["mano"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_SnapshotOnly);
BENCHMARK(BM_Cerca<&ClsGiocatore::CercaGalbirolone>)->Name("BM_CercaGalbirolone");
BENCHMARK(BM_Cerca<&ClsGiocatore::CercaGalbirola>)->Name("BM_CercaGalbirola");
BENCHMARK(BM_Cerca<&ClsGiocatore::CercaTris>)->Name("BM_CercaTris");
BENCHMARK(BM_CercaPunti);
BENCHMARK(BM_ValutaMano);
BENCHMARK(BM_Mescola);
BENCHMARK(BM_MossaComputer);
BENCHMARK(BM_MescolaEDistribuisci);
BENCHMARK(BM_ManoSimulata);
BENCHMARK_MAIN();
