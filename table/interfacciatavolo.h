#pragma once

#include "players/clsgiocatore.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The table window's phase: which of the three command buttons is visible.
enum class Fase {
    Torneo,  // "Crea Torneo" with the settings panel, before the tournament
    Carte,   // "Dai Carte", between hands
    Fatto,   // "Fatto", the human's turn: card clicks act only now
    Nessuna, // computers playing, or the tournament is over
};

// The four lamp pictures of a seat.
enum class Lampada {
    Riposo = 0,  // in the tournament, idle
    Turno = 1,   // on turn
    Uscito = 2,  // out of the tournament
    Bussato = 3, // knocked
};

// Message box styles.
inline constexpr int kStileInformazione = 64; // OK button, information icon
inline constexpr int kStileSemplice = 0;      // OK button, no icon

// A card as the table's events name it: suit code 0..3 and value 1..10.
struct CartaDetta {
    int seme = -1;
    std::uint8_t valore = 0;
    bool operator==(const CartaDetta&) const = default;
};

// The cards of one event, kept in place: a move takes and leaves at most three and a hand
// shows three, so telling an event never allocates. Reads and builds like a small vector.
class CarteDette {
  public:
    static constexpr std::size_t kMassimo = 3;
    using value_type = CartaDetta;
    using iterator = CartaDetta*;
    using const_iterator = const CartaDetta*;

    CarteDette() = default;
    CarteDette(std::initializer_list<CartaDetta> carte) : CarteDette(carte.begin(), carte.end()) {}
    template <std::input_iterator It> CarteDette(It primo, It ultimo) {
        for (; primo != ultimo; ++primo)
            push_back(*primo);
    }
    CarteDette(const std::vector<CartaDetta>& carte) : CarteDette(carte.begin(), carte.end()) {}
    operator std::vector<CartaDetta>() const { return {begin(), end()}; }

    void push_back(const CartaDetta& carta) {
        if (m_quante == kMassimo)
            throw std::length_error("an event names at most three cards");
        m_carte[m_quante++] = carta;
    }
    void clear() { m_quante = 0; }
    std::size_t size() const { return m_quante; }
    bool empty() const { return m_quante == 0; }
    const CartaDetta& operator[](std::size_t i) const { return m_carte[i]; }
    CartaDetta& operator[](std::size_t i) { return m_carte[i]; }
    const CartaDetta& front() const { return m_carte[0]; }
    const CartaDetta& back() const { return m_carte[m_quante - 1]; }
    const CartaDetta* begin() const { return m_carte.data(); }
    const CartaDetta* end() const { return m_carte.data() + m_quante; }
    CartaDetta* begin() { return m_carte.data(); }
    CartaDetta* end() { return m_carte.data() + m_quante; }
    bool operator==(const CarteDette& altre) const {
        return std::equal(begin(), end(), altre.begin(), altre.end());
    }

  private:
    std::array<CartaDetta, kMassimo> m_carte{};
    std::uint8_t m_quante = 0;
};

// What happened at the table, as a sighted player notices it: said once by the game, worded
// by whoever follows it. Seats are numbered as everywhere else.
struct Accaduto {
    enum class Tipo {
        Mano,       // a new hand is dealt; seggio opens it
        Turno,      // seggio's turn begins, the human's included
        Apertura,   // the opener laid its three cards face up and drew three (prese)
        Scambio,    // seggio took prese from the table and left lasciate there
        Bussata,    // seggio knocked
        UltimoGiro, // after the first knock every other seat plays once more
        Mostra,     // seggio's hand at the showdown (prese)
        Guadagna,   // seggio won a ball; palle is what it holds now
        Perde,      // seggio lost a ball; palle is what is left
        Uscita,     // seggio is out of the tournament
        Vince,      // seggio won the tournament
    };
    Tipo tipo = Tipo::Turno;
    int seggio = 0;
    CarteDette prese;
    CarteDette lasciate;
    int palle = 0;
    bool operator==(const Accaduto&) const = default;
};

// Everything the table's game logic asks of its surroundings. The window implements it
// with widgets, dialogs and timers; the simulator and the tests with scripted answers.
// Seats are numbered from 1; the human sits in the last seat.
class InterfacciaTavolo : public Attesa {
  public:
    // Shows the phase's button (and, for Torneo, the settings panel); hides the others.
    virtual void MostraFase(Fase fase) = 0;
    // The made-up name that the name field starts with.
    virtual void ProponiNome(const std::string& nome) = 0;
    // Tournament setup has made the computer seats' cards; show their card views (face
    // down, placed as PosizioneCarta says) and every seat's lamp, the human's included.
    virtual void CreaPostazioni(int numGiocatori) = 0;
    virtual void ImpostaLampada(int seggio, Lampada stato) = 0;
    // The score column: a seat's row shown with its three balls, its label's text, the
    // label greyed out, one ball marker (0..2) held or spent.
    virtual void MostraSegnapunti(int seggio) = 0;
    virtual void ImpostaEtichetta(int seggio, const std::string& testo) = 0;
    virtual void EtichettaGrigia(int seggio) = 0;
    virtual void ImpostaPalla(int seggio, int palla, bool piena) = 0;
    // A modal message box; without a title the application's title is shown.
    virtual void Messaggio(int stile, const std::optional<std::string>& titolo,
                           const std::string& testo) = 0;
    // Whether the showdown's ranking is read from its box. Surroundings that only count the
    // boxes (the simulator without a transcript) get it without its text.
    virtual bool LeggeClassifica() const { return true; }
    // The Yes/No question with the information icon; anything but Yes is No.
    virtual bool Domanda(const std::string& titolo, const std::string& testo) = 0;
    // Plays the knock sound to its end; seat is the knocker.
    virtual void Bussa(int seggio) = 0;
    // What just happened, for a player who follows the game by ear. Nobody follows by
    // default: the first event told here marks the surroundings as not listening, and the
    // table stops putting events together for them.
    virtual void Racconta(const Accaduto&) { m_ascolta = false; }
    bool Ascolta() const { return m_ascolta; }
    // Whether assistive technology follows the table, and the seconds of speech it was told
    // since the last time this was asked (each sentence at a screen reader's usual rate).
    virtual bool Assistito() { return false; }
    virtual double Parlato() { return 0; }
    // Pausa(seconds) from Attesa: wait that long while the window stays alive.

    // A wait may end in cancellation (the window was closed): the window's implementation
    // then throws Annullato, the game action in flight unwinds and the program ends.

  private:
    bool m_ascolta = true;
};

// Thrown by a window that closes while the game is waiting on it.
struct Annullato {};
