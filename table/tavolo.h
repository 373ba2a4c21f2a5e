#pragma once

#include "cards/carta.h"
#include "cards/mazzocarte.h"
#include "players/clsgiocatore.h"
#include "table/interfacciatavolo.h"
#include "table/ritmo.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Orologio;

// A position on the table window, in twips from its top-left corner.
struct PuntoTwips {
    int left = 0;
    int top = 0;
    bool operator==(const PuntoTwips&) const = default;
};

// The table's game logic: the table state, the deck and every card slot, and the handlers
// of the window's buttons and card clicks. It decides everything and reaches the window
// only through InterfacciaTavolo. Seats are 1..NumGiocatori, the human in the last one.
class Tavolo {
  public:
    static constexpr int kMaxGiocatori = 7;
    // How often the opener's pause looks at the clock, in seconds.
    static constexpr double kPassoAttesa = 0.01;

    // One seat's line of the showdown.
    struct Risultato {
        std::int16_t Posizione = 0; // place, 1 = best; ties share a place
        std::string_view Nome;      // the seat's name, kept by the table for the tournament
        std::int16_t Posto = 0;     // seat - 1
        std::uint8_t Tipo = 0;
        std::int32_t Punteggio = 0;
    };

    Tavolo(InterfacciaTavolo& ui, Orologio& orologio);
    ~Tavolo();
    Tavolo(const Tavolo&) = delete;
    Tavolo& operator=(const Tavolo&) = delete;

    // The window's load handler, after the caption: seeds the random source, attaches the
    // deck to the six large cards face down and proposes a made-up name.
    void Carica();

    // The handlers. Each does nothing unless its button is the visible one (or, for the
    // cards, unless "Fatto" is) and no other game action is running.
    // opzione: index 0..5 of the selected opponents option (i + 1 opponents), -1 for none.
    void CreaTorneo(int opzione, const std::string& nome);
    void DaiCarte();
    void ClickCarta0(int indice);
    void ClickTavolo(int indice);
    void Fatto();

    // The table state.
    Fase FaseCorrente() const { return m_fase; }
    bool Occupato() const { return m_occupato; }
    int NumGiocatori() const { return m_numGiocatori; }
    int Palle(int seggio) const { return m_palle.at(seggio); }
    const std::string& Nomi(int seggio) const { return m_nomi.at(seggio); }
    int Turno() const { return m_turno; }
    bool Bussato() const { return m_bussato; }
    int Bussatore() const { return m_bussatore; }
    int Mazziere() const { return m_mazziere; }
    int GiocatoriInGioco() const { return m_giocatoriInGioco; }
    ClsGiocatore* Giocatori(int seggio) { return m_giocatori.at(seggio).get(); }
    // Turns played in the current hand: computer turns and the human's valid moves.
    int TurniMano() const { return m_turniMano; }
    // The sorted showdown list of the last hand.
    const std::vector<Risultato>& UltimaMano() const { return m_ultimaMano; }

    // The card slots: the human's three, the table's three, three per computer seat
    // (seat k holds 3k-3..3k-1; only element 0 exists before the tournament).
    Carta& CtlPilaCarte0(int i) { return m_carte0.at(i); }
    Carta& CtlPilaTavolo(int i) { return m_tavolo.at(i); }
    const Carta& CtlPilaCarte0(int i) const { return m_carte0.at(i); }
    const Carta& CtlPilaTavolo(int i) const { return m_tavolo.at(i); }
    Carta& CtlPilaCarte1(int i) { return m_carte1.at(i); }
    int NumCarte1() const { return m_numCarte1; }
    MazzoCarte& Mazzo() { return *m_mazzo; }

    // Where the computer seats' small cards and lamps stand. slot 1..18 is CtlPilaCarte1
    // element slot-1; the lamp of seat k stands under its first card, the human's apart.
    static PuntoTwips PosizioneCarta(int slot);
    static PuntoTwips PosizioneLampada(int seggio, int numGiocatori);

    // The program's folder with exactly one separator at its end.
    static std::string Percorso(const std::string& cartella, char separatore = '/');

  private:
    friend struct TavoloAccesso; // tests set up table states directly
    class Azione;
    class Scambio;

    void PreparaTorneo();
    void PausaApertura();
    void ProssimoTurno();
    void FineMano();
    void Accendi(int seggio, Lampada stato);
    void SuonaBussata();
    // A turn starts once what was told can have been heard by a player who listens.
    void AttendiVoce();
    // A box is read at once, cutting short whatever is still being said: it waits for that.
    void Avvisa(int stile, const std::optional<std::string>& titolo, const std::string& testo);
    // Events are put together only while the surroundings listen.
    void Racconta(Accaduto::Tipo tipo, int seggio, const CarteDette& prese = {},
                  const CarteDette& lasciate = {}, int palle = 0);
    // What a move changed between two looks at three cards: the cards of dopo not in prima.
    static CarteDette Nuove(const std::array<CartaDetta, 3>& prima,
                            const std::array<CartaDetta, 3>& dopo);
    static std::array<CartaDetta, 3> Guarda(const Carta* a, const Carta* b, const Carta* c);
    void ImpostaFase(Fase fase);
    // The seat after this one round the table. A turn passes every seat out of the
    // tournament, so only the last seat pays for a division.
    std::uint8_t Seguente(int seggio) const {
        return static_cast<std::uint8_t>(seggio < m_numGiocatori ? seggio + 1
                                                                 : seggio % m_numGiocatori + 1);
    }
    void PescaSu(Carta& carta);
    std::string Classifica() const;
    // The cards now in play (every dealt seat and the table) as one bit per card; 0 when
    // two slots hold the same card.
    std::uint64_t CarteInGioco() const;
    void VerificaCarte() const;
    void VerificaPalle() const;
    void PalleEUscite();

    InterfacciaTavolo& m_ui;
    Orologio& m_orologio;
    Ritmo m_ritmo;
    std::unique_ptr<MazzoCarte> m_mazzo;
    std::array<Carta, 3> m_carte0;
    std::array<Carta, 3> m_tavolo;
    std::array<Carta, 18> m_carte1;
    int m_numCarte1 = 1;

    std::vector<std::unique_ptr<ClsGiocatore>> m_giocatori; // 1-based
    std::vector<std::string> m_nomi;                        // 1-based
    std::vector<std::uint8_t> m_palle;                      // 1-based
    std::uint8_t m_turno = 0;
    bool m_bussato = false;
    std::uint8_t m_bussatore = 0;
    std::uint8_t m_mazziere = 0;
    std::int16_t m_numGiocatori = 4;
    std::uint8_t m_giocatoriInGioco = 0;

    Fase m_fase = Fase::Torneo;
    bool m_occupato = false;
    int m_turniMano = 0;
    std::uint64_t m_carteInGioco = 0; // what the deal put in play, kept by every turn
    std::vector<Risultato> m_ultimaMano;
};
