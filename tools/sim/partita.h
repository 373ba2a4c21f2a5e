#pragma once

#include "cards/carta.h"
#include "cards/mazzocarte.h"
#include "opzioni.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

// A hand that went on for more turns than allowed.
class ManoInfinita : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Statistiche {
    long long partite = 0;
    long long mani = 0;
    std::array<long long, 8> vittorie{};  // by seat, 1..7
    std::array<long long, 5> tipiVisti{}; // by hand type, 1..4
    long long turni = 0;
    int manoPiuLunga = 0;         // turns
    long long torneoPiuLungo = 0; // hands
    long long maniAllaResa = 0;   // hands in which a seat kept its cards on its tenth turn
};

// Plays whole tournaments headlessly, exactly as the window plays them, and writes the
// transcript (if asked) to the given sink as it goes.
class Simulatore {
  public:
    using Uscita = void (*)(const std::string& riga, void* contesto);

    Simulatore(const OpzioniSim& opzioni, Uscita uscita, void* contesto)
        : m_o(opzioni), m_uscita(uscita), m_contesto(contesto) {}

    // One fresh program start to "Fine del Torneo".
    void GiocaTorneo(long long numero);
    const Statistiche& Dati() const { return m_dati; }

  private:
    const OpzioniSim& m_o;
    Uscita m_uscita;
    void* m_contesto;
    Statistiche m_dati;
};

// The least a hand costs: shuffling the deck and dealing a table of that many seats, its
// three cards to every seat and three to the table.
class MescolaEDistribuisci {
  public:
    explicit MescolaEDistribuisci(int seggi);
    void Mano();

  private:
    MazzoCarte m_mazzo;
    std::array<Carta, 24> m_carte;
    int m_daDare;
};

// Seconds to shuffle and deal the given number of hands at a table of that many seats.
double TempoMescolaEDistribuisci(long long mani, int seggi);
