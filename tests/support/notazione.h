#pragma once

// Cards written compactly in tests: "1C" is the ace of Coppe, "10S" the Re of Spade,
// "8B" the Fante of Bastoni, "7D" the seven of Denari.

#include "cards/carta.h"
#include "cards/mazzocarte.h"

#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace notazione {

inline std::pair<std::string, std::uint8_t> Leggi(const std::string& t) {
    const char s = t.back();
    const int v = std::stoi(t.substr(0, t.size() - 1));
    switch (s) {
    case 'B':
        return {"Bastoni", v};
    case 'C':
        return {"Coppe", v};
    case 'D':
        return {"Denari", v};
    case 'S':
        return {"Spade", v};
    }
    throw std::invalid_argument("bad card " + t);
}

inline std::vector<std::pair<std::string, std::uint8_t>> LeggiTutte(const std::string& testo) {
    std::istringstream in(testo);
    std::vector<std::pair<std::string, std::uint8_t>> carte;
    for (std::string t; in >> t;)
        carte.push_back(Leggi(t));
    return carte;
}

inline std::string Scrivi(const std::string& seme, int valore) {
    return std::to_string(valore) + seme.substr(0, 1);
}

inline std::string Scrivi(const Carta& c) {
    return Scrivi(c.Seme(), c.Valore());
}

// Puts the cards of a text into slots, in order.
inline void Metti(const std::string& testo, std::vector<Carta*> slot) {
    const auto carte = LeggiTutte(testo);
    for (std::size_t i = 0; i < carte.size(); ++i)
        slot.at(i)->SettaCarta(carte[i].first, carte[i].second);
}

} // namespace notazione
