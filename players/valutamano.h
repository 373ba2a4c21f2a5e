#pragma once

#include <cstdint>
#include <string>

class Carta;

// Hand types, in rank order.
enum TipoMano : std::uint8_t {
    kPunti = 1,
    kTris = 2,
    kGalbirola = 3,
    kGalbirolone = 4,
};

// Card points: the ace 11, Fante, Cavallo and Re 10, the others their face value.
constexpr std::uint8_t PuntiCarta(std::uint8_t v) {
    if (v == 1)
        return 11;
    if (v >= 8 && v <= 10)
        return 10;
    return v;
}

// Classifies three cards, read back from their slots in argument order, into a hand type
// and a value that orders hands of the same type.
void ValutaMano(const Carta& c1, const Carta& c2, const Carta& c3, std::uint8_t& Tipo,
                std::uint8_t& Valore);

// A hand's type and value as the showdown's ranking names them: "Punti 17", "Tris di 7",
// "Galbirola di 11", "Galbirolone". The value is written as stored (a tris of aces is 11).
std::string NomeMano(std::uint8_t Tipo, std::int32_t Valore);
