#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class MazzoCarte;

// The names of the suit codes 0..3, as strings that live as long as the program.
extern const std::string kNomiSemi[4];
inline const std::string& NomeSeme(int codice) {
    return kNomiSemi[codice];
}

// Raised when a card needs its deck's artwork and no deck is attached.
class OggettoNonImpostato : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// One card slot of the table: the card it holds, face down or up, marked or not. The
// players and the table read cards back from here and move them only through SettaCarta
// and SwapWith; the card view widget shows this state and repaints when it changes.
class Carta {
  public:
    Carta() = default;
    Carta(const Carta&) = delete;
    Carta& operator=(const Carta&) = delete;

    // Shows a card. Face-down and marked states stay. A suit or a figure needs the deck's
    // artwork; without a deck it throws OggettoNonImpostato after storing suit and value
    // and clearing the face.
    void SettaCarta(const std::string& Seme, std::uint8_t Valore);
    // The same for one of the four suits, given by its index 0..3.
    void SettaCarta(int indiceSeme, std::uint8_t Valore);

    bool Coperta() const { return m_coperta; }
    // Turning a card face down needs the deck's back.
    void SetCoperta(bool Stato) {
        if (Stato && !m_mazzo) [[unlikely]]
            SenzaMazzo("Coperta: no deck attached");
        m_coperta = Stato;
        Avvisa();
    }

    bool Selezionata() const { return m_selezionata; }
    void SetSelezionata(bool Stato) {
        m_selezionata = Stato;
        Avvisa();
    }

    const std::string& Seme() const {
        return m_codiceSeme >= 0 ? NomeSeme(m_codiceSeme) : m_semeAltro;
    }
    std::uint8_t Valore() const { return m_valore; }
    // The suit picture index (0..3) of Seme(), -1 for any other text; cheap to compare.
    int CodiceSeme() const { return m_codiceSeme; }

    void ImpostaMazzo(const MazzoCarte* NuovoMazzo);
    const MazzoCarte* Mazzo() const { return m_mazzo; }

    // Exchanges the cards of two slots; each keeps its own flags.
    void SwapWith(Carta* altra) {
        if (altra && m_codiceSeme >= 0 && altra->m_codiceSeme >= 0 && m_mazzo && altra->m_mazzo)
            [[likely]] {
            // Two cards of the deck with the artwork at hand: nothing can fail on the way.
            const int codice = altra->m_codiceSeme;
            const std::uint8_t valore = altra->m_valore;
            altra->Volta(m_codiceSeme, m_valore);
            altra->Avvisa();
            Volta(codice, valore);
            Avvisa();
            return;
        }
        ScambiaAltre(altra);
    }

    // What the face shows: the suit picture held by the suit mark (-1 for none yet; an
    // unknown suit text keeps the previous one), the one the pip slots show (-1 for none)
    // and whether the figure is set.
    int SemeMarchio() const { return m_semeMarchio; }
    int SemePips() const { return m_semePips; }
    bool HaFigura() const { return m_figura; }
    bool MarchioVisibile() const { return !m_coperta && m_valore > 7; }

    // Called after every change of what the card shows.
    void SetOsservatore(std::function<void()> osservatore) {
        m_osservatore = std::move(osservatore);
    }

  private:
    [[noreturn]] static void SenzaMazzo(const char* cosa);
    void Mostra(int codice, std::uint8_t Valore);
    // Mostra for one of the four suits on a card with its deck, worked out without a branch
    // on the value.
    void Volta(int codice, std::uint8_t Valore) {
        const bool pips = static_cast<unsigned>(Valore - 1) < 7;
        m_codiceSeme = codice;
        m_valore = Valore;
        m_semeMarchio = codice;
        m_semePips = pips ? codice : -1;
        m_figura = static_cast<unsigned>(Valore - 8) < 3;
    }
    // SwapWith for a slot without a card of the deck, or without the artwork.
    void ScambiaAltre(Carta* altra);
    void Avvisa() const {
        if (m_osservatore)
            m_osservatore();
    }

    // The four suits are kept as their code; any other text as it was given.
    std::string m_semeAltro = "Seme";
    std::uint8_t m_valore = 0;
    int m_codiceSeme = -1;
    int m_semeMarchio = -1;
    int m_semePips = -1;
    bool m_figura = false;
    bool m_coperta = false;
    bool m_selezionata = false;
    const MazzoCarte* m_mazzo = nullptr;
    std::function<void()> m_osservatore;
};
