#include "cards/carta.h"

#include "cards/mazzocarte.h"

const std::string kNomiSemi[4] = {"Bastoni", "Coppe", "Denari", "Spade"};

void Carta::SettaCarta(const std::string& Seme, std::uint8_t Valore) {
    const int codice = IndiceSeme(Seme);
    if (codice < 0)
        m_semeAltro = Seme;
    Mostra(codice, Valore);
}

void Carta::SettaCarta(int indiceSeme, std::uint8_t Valore) {
    Mostra(indiceSeme, Valore);
}

void Carta::Mostra(int codice, std::uint8_t Valore) {
    m_codiceSeme = codice;
    m_valore = Valore;
    m_figura = false;
    m_semePips = -1;
    struct AvvisaAllaFine {
        const Carta& c;
        ~AvvisaAllaFine() { c.Avvisa(); }
    } avviso{*this};
    if (m_codiceSeme >= 0) {
        if (!m_mazzo)
            throw OggettoNonImpostato("SettaCarta: no deck attached");
        m_semeMarchio = m_codiceSeme;
    }
    if (Valore >= 1 && Valore <= 7) {
        m_semePips = m_semeMarchio;
    } else if (Valore >= 8 && Valore <= 10) {
        if (!m_mazzo)
            throw OggettoNonImpostato("SettaCarta: no deck attached");
        m_figura = true;
    }
}

void Carta::Volta(int codice, std::uint8_t Valore) {
    // what Mostra leaves on a card of the deck, worked out without a branch on the value
    const bool pips = static_cast<unsigned>(Valore - 1) < 7;
    m_codiceSeme = codice;
    m_valore = Valore;
    m_semeMarchio = codice;
    m_semePips = pips ? codice : -1;
    m_figura = static_cast<unsigned>(Valore - 8) < 3;
}

void Carta::SenzaMazzo(const char* cosa) {
    throw OggettoNonImpostato(cosa);
}

void Carta::ImpostaMazzo(const MazzoCarte* NuovoMazzo) {
    m_mazzo = NuovoMazzo;
    Avvisa();
}

void Carta::SwapWith(Carta* altra) {
    if (!altra)
        throw OggettoNonImpostato("SwapWith: no card given");
    if (m_codiceSeme >= 0 && altra->m_codiceSeme >= 0 && m_mazzo && altra->m_mazzo) [[likely]] {
        // Two cards of the deck with the artwork at hand: nothing can fail on the way.
        const int codice = altra->m_codiceSeme;
        const std::uint8_t valore = altra->m_valore;
        altra->Volta(m_codiceSeme, m_valore);
        altra->Avvisa();
        Volta(codice, valore);
        Avvisa();
        return;
    }
    if (m_codiceSeme >= 0 && altra->m_codiceSeme >= 0) {
        const int codice = altra->m_codiceSeme;
        const std::uint8_t valore = altra->m_valore;
        altra->Mostra(m_codiceSeme, m_valore);
        Mostra(codice, valore);
        return;
    }
    const std::string seme = altra->Seme();
    const std::uint8_t valore = altra->m_valore;
    altra->SettaCarta(Seme(), m_valore);
    SettaCarta(seme, valore);
}
