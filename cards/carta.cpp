#include "cards/carta.h"

#include "cards/mazzocarte.h"

void Carta::SettaCarta(const std::string& Seme, std::uint8_t Valore) {
    m_seme = Seme;
    m_valore = Valore;
    m_codiceSeme = IndiceSeme(Seme);
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

void Carta::SetCoperta(bool Stato) {
    if (Stato && !m_mazzo)
        throw OggettoNonImpostato("Coperta: no deck attached");
    m_coperta = Stato;
    Avvisa();
}

void Carta::SetSelezionata(bool Stato) {
    m_selezionata = Stato;
    Avvisa();
}

void Carta::ImpostaMazzo(const MazzoCarte* NuovoMazzo) {
    m_mazzo = NuovoMazzo;
    Avvisa();
}

void Carta::SwapWith(Carta* altra) {
    if (!altra)
        throw OggettoNonImpostato("SwapWith: no card given");
    const std::string seme = altra->m_seme;
    const std::uint8_t valore = altra->m_valore;
    altra->SettaCarta(m_seme, m_valore);
    SettaCarta(seme, valore);
}
