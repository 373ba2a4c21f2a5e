#pragma once

#include <array>
#include <cstdint>
#include <string>

class Carta;

// What a computer turn needs from its surroundings: to wait while the window stays alive.
class Attesa {
  public:
    virtual ~Attesa() = default;
    virtual void Pausa(double secondi) = 0;
};

// A computer seat: references to its three cards and the three table cards, a snapshot of
// those six, the turns it has taken this hand, the pattern finders and its strategy.
// Positions 1..3 are the seat's own cards, 4..6 the table's.
class ClsGiocatore {
  public:
    struct DatiCarta {
        std::string Seme; // read only when codice is -1: one of the four is known by its code
        std::uint8_t Valore = 0;
        int codice = -1; // suit picture index, -1 for any other text
    };

    // From this turn of a hand on a seat keeps its own cards, so that every hand ends.
    static constexpr std::uint8_t kTurnoResa = 10;

    void NuovaMano() { m_turni = 0; }
    void ImpostaCarte(Carta* c1, Carta* c2, Carta* c3);
    void ImpostaTavolo(Carta* c1, Carta* c2, Carta* c3);

    // One whole turn: choose, think, show the choice, exchange. True when a card was
    // exchanged, false when the seat kept its own three.
    bool GiocaTurno(Attesa& attesa);

    // Steps before the pause: count the turn, snapshot the six cards and choose three
    // positions. Also used for a human seat played by the computer strategy.
    void Scegli(std::array<std::uint8_t, 3>& scelta);

    void CercaGalbirolone(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3,
                          bool& trovato) const;
    void CercaGalbirola(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3, bool& trovato) const;
    void CercaTris(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3, bool& trovato) const;
    void CercaPunti(std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3) const;

    std::uint8_t Turni() const { return m_turni; }
    void SetTurni(std::uint8_t t) { m_turni = t; }
    const DatiCarta& Carte(int posizione) const { return m_carte[posizione]; }
    // Fills the snapshot directly (tests, benchmarks).
    void SetCarte(const std::array<DatiCarta, 6>& carte);
    // Copies the six cards from their slots into the snapshot.
    void Fotografa();

  private:
    bool Stesso(int a, int b) const { return m_gruppo[a] == m_gruppo[b]; }
    // The positions holding the suit of group g, as bits 1..6.
    unsigned DelGruppo(int g) const { return static_cast<unsigned>(m_delGruppo >> (8 * g)) & 0xff; }
    unsigned SemeDi(int posizione) const { return DelGruppo(m_gruppo[posizione]); }
    // Per-value positions for the pattern finders, read only while a quick test lets one in.
    void RaggruppaValori();
    template <class Copia> void Raggruppa(Copia copia);
    // The same for suit texts outside the four and values no card of the deck has.
    void RaggruppaTutto();
    template <class CandidatiJ, class PerJ, class CandidatiK, class PerK>
    bool MiglioreTripla(CandidatiJ candidatiJ, PerJ accettaJ, CandidatiK candidatiK, PerK accettaK,
                        std::uint8_t& p1, std::uint8_t& p2, std::uint8_t& p3) const;
    // The positions holding a value, as bits 1..6; all six while a value no card of the
    // deck has is about.
    unsigned ConValore(int valore) const {
        if (m_valoriStrani)
            return 0x7e;
        return valore < static_cast<int>(m_delValore.size()) ? m_delValore[valore] : 0;
    }
    Carta* Vista(int posizione) const { return m_viste[posizione]; }

    std::array<Carta*, 7> m_viste{};    // positions 1..6: the own cards, then the table's
    std::array<DatiCarta, 7> m_carte{}; // positions 1..6
    std::uint8_t m_turni = 0;
    // Filled with the snapshot: card points per position, and per position a group number
    // shared by the positions of one suit (the suit's code for the four suits, else the
    // first position holding it), so that the finders compare suits as small numbers.
    std::array<std::uint8_t, 7> m_punti{};
    std::array<std::uint8_t, 7> m_gruppo{};
    // Per group 0..6, the positions holding that suit as bits 1..6, eight bits a group.
    std::uint64_t m_delGruppo = 0;
    // Per value 0..12, the positions holding it as bits 1..6 (11 and 12 stay empty); filled
    // only when a quick test lets a finder in.
    std::array<std::uint8_t, 13> m_delValore{};
    bool m_valoriStrani = false;
    // Quick tests that tell when a finder cannot succeed: some suit holds its ace, Cavallo
    // and Re; some suit holds three values in a row; some value appears three times.
    bool m_forseGalbirolone = false;
    bool m_forseGalbirola = false;
    bool m_forseTris = false;
    // Where the four suits hold three values in a row: bit 16 * code + v for v, v + 1 and
    // v + 2; kFilaIgnota when the six are grouped otherwise.
    static constexpr std::uint64_t kFilaIgnota = ~std::uint64_t{0};
    std::uint64_t m_fila = kFilaIgnota;
};
