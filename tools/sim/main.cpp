// galbirola-sim: plays whole tournaments headlessly with the game's own engine.

#include "opzioni.h"
#include "partita.h"
#include "platform/casuale.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

void ScriviSuStdout(const std::string& riga, void*) {
    std::fwrite(riga.data(), 1, riga.size(), stdout);
}

const char* const kNomiTipi[5] = {"", "Punti", "Tris", "Galbirola", "Galbirolone"};

void Riassunto(const OpzioniSim& o, const Statistiche& d, double secondi) {
    const int seggi = o.avversari + 1;
    std::printf("runs: %lld\n", d.partite);
    std::printf("hands: %lld\n", d.mani);
    std::printf("mean hands per run: %.2f\n", d.partite ? double(d.mani) / d.partite : 0.0);
    std::printf("wins per seat:");
    for (int k = 1; k <= seggi; ++k)
        std::printf(" %d%s=%lld", k, k == seggi ? " (human)" : "", d.vittorie[k]);
    std::printf("\nhand types seen at showdowns:");
    for (int t = 4; t >= 1; --t)
        std::printf(" %s=%lld", kNomiTipi[t], d.tipiVisti[t]);
    std::printf("\nmean turns per hand: %.2f\n", d.mani ? double(d.turni) / d.mani : 0.0);
    std::printf("longest hand (turns): %d\n", d.manoPiuLunga);
    std::printf("longest run (hands): %lld\n", d.torneoPiuLungo);
    std::printf("hands where a seat kept on its tenth turn: %lld (%.2f%%)\n", d.maniAllaResa,
                d.mani ? 100.0 * d.maniAllaResa / d.mani : 0.0);
    std::printf("elapsed seconds: %.3f\n", secondi);

    // The floor: the same number of shuffles and deals alone, on a generator of its own so
    // that a replayed sequence is not touched.
    double pavimento = 0;
    {
        casuale::Sostituzione proprio(std::make_unique<CasualeFisso>(1));
        pavimento = TempoMescolaEDistribuisci(d.mani, seggi);
    }
    std::printf("hands per second: %.0f\n", secondi > 0 ? d.mani / secondi : 0.0);
    std::printf("shuffle-and-deal floor per second: %.0f\n",
                pavimento > 0 ? d.mani / pavimento : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    OpzioniSim o;
    try {
        o = LeggiOpzioni(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ArgomentoErrato& e) {
        std::fprintf(stderr, "galbirola-sim: %s\n%s", e.what(), kUso);
        return 2;
    }

    if (o.seme)
        casuale::Installa(std::make_unique<CasualeFisso>(*o.seme));
    else if (o.numeri)
        casuale::Installa(std::make_unique<CasualeRipetuto>(*o.numeri));

    Simulatore sim(o, ScriviSuStdout, nullptr);
    const auto inizio = std::chrono::steady_clock::now();
    try {
        for (long long t = 1; t <= o.tornei; ++t)
            sim.GiocaTorneo(t);
    } catch (const NumeriEsauriti& e) {
        std::fflush(stdout);
        std::fprintf(stderr,
                     "galbirola-sim: the random numbers ran out after %llu numbers were used\n",
                     static_cast<unsigned long long>(e.usati));
        return 3;
    } catch (const ManoInfinita& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "galbirola-sim: runaway hand: %s\n", e.what());
        return 4;
    }
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    if (!o.trascrizione)
        Riassunto(o, sim.Dati(), secondi);
    std::fflush(stdout);
    return 0;
}
