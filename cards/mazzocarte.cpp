#include "cards/mazzocarte.h"

#include "platform/casuale.h"

#include <stdexcept>

int IndiceSeme(std::string_view seme) {
    for (int i = 0; i < 4; ++i)
        if (seme == kSemi[i])
            return i;
    return -1;
}

MazzoCarte::MazzoCarte() {
    casuale::RisemeDallOra();
    for (int p = 1; p <= 40; ++p) {
        const int codice = (p + 9) / 10;
        m_carte[p - 1] = {codice, static_cast<std::uint8_t>(p - 10 * (codice - 1)), 0};
    }
}

void MazzoCarte::Mescola() {
    std::array<CartaMazzo, 40> appoggio;
    for (int b = 0; b < 40; ++b) {
        int r = casuale::Intero(40, casuale::Rnd());
        while (m_carte[r].Estratta != 0)
            r = (r + 1) % 40;
        appoggio[b] = m_carte[r];
        m_carte[r].Estratta = 1;
    }
    m_carte = appoggio;
    m_prossima = 1;
}

void MazzoCarte::GetCarta(std::string& Seme, std::uint8_t& Valore) {
    if (m_prossima < 1 || m_prossima > 40)
        throw std::out_of_range("GetCarta: no card at position " + std::to_string(m_prossima));
    const CartaMazzo& c = m_carte[m_prossima - 1];
    Seme = kSemi[c.CodiceSeme - 1];
    Valore = c.Valore;
    ++m_prossima;
}
