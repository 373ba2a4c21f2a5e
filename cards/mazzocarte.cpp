#include "cards/mazzocarte.h"

#include "platform/casuale.h"

#include <stdexcept>

int IndiceSeme(std::string_view seme) {
    // The initials differ, so one comparison settles it.
    int i = -1;
    switch (seme.empty() ? '\0' : seme.front()) {
    case 'B':
        i = 0;
        break;
    case 'C':
        i = 1;
        break;
    case 'D':
        i = 2;
        break;
    case 'S':
        i = 3;
        break;
    default:
        return -1;
    }
    return seme == kSemi[i] ? i : -1;
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
    int indice = 0;
    Pesca(indice, Valore);
    Seme = kSemi[indice];
}

void MazzoCarte::Pesca(int& indiceSeme, std::uint8_t& Valore) {
    if (m_prossima < 1 || m_prossima > 40)
        throw std::out_of_range("GetCarta: no card at position " + std::to_string(m_prossima));
    const CartaMazzo& c = m_carte[m_prossima - 1];
    indiceSeme = c.CodiceSeme - 1;
    Valore = c.Valore;
    ++m_prossima;
}
