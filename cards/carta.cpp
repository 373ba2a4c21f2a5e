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

void Carta::SenzaMazzo(const char* cosa) {
    throw OggettoNonImpostato(cosa);
}

void Carta::ImpostaMazzo(const MazzoCarte* NuovoMazzo) {
    m_mazzo = NuovoMazzo;
    Avvisa();
}

void Carta::ScambiaAltre(Carta* altra) {
    if (!altra)
        throw OggettoNonImpostato("SwapWith: no card given");
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
