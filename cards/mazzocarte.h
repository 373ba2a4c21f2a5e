#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The four suits in suit-code order (codes 1..4); their index here is also the index of
// the suit's picture.
inline constexpr std::array<std::string_view, 4> kSemi = {"Bastoni", "Coppe", "Denari", "Spade"};

// The suit picture index (0..3) of a suit name, compared exactly; -1 for any other text.
int IndiceSeme(std::string_view seme);

// The 40-card deck: its dealing order, the shuffle and the deal. The deck control of the
// window shows it and lends the artwork; this part decides.
class MazzoCarte {
  public:
    struct CartaMazzo {
        std::int32_t CodiceSeme = 0; // 1..4
        std::uint8_t Valore = 0;     // 1..10
        std::uint8_t Estratta = 0;   // scratch mark of the shuffle
    };

    // Reseeds the shared random source and lays the cards out in suit-code order. The
    // ordered deck cannot be dealt until it has been shuffled once.
    MazzoCarte();

    // A random slot per position, probing forward past cards already moved (40 wraps to 1).
    // Draws exactly 40 numbers and always permutes the current order.
    void Mescola();

    // Writes the card at Prossima and moves on. Outside 1..40 it throws std::out_of_range
    // before writing anything.
    void GetCarta(std::string& Seme, std::uint8_t& Valore);
    // The same deal with the suit as its index 0..3.
    void Pesca(int& indiceSeme, std::uint8_t& Valore);

    std::uint8_t Prossima() const { return m_prossima; }
    // The record at a position 1..40.
    const CartaMazzo& Posizione(int p) const { return m_carte.at(p - 1); }

  private:
    std::array<CartaMazzo, 40> m_carte{};
    std::uint8_t m_prossima = 0;
};
