#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Checks of what must always hold at the table: the cards in play are distinct, turns
// keep them, balls never go below zero, the count of seats in the tournament is right.
// On in debug and test builds (GALBIROLA_INVARIANTI), compiled away in release.
class InvarianteViolata : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

#if defined(GALBIROLA_INVARIANTI) || !defined(NDEBUG)
inline constexpr bool kInvarianti = true;
#else
inline constexpr bool kInvarianti = false;
#endif

inline void Verifica(bool condizione, const char* cosa) {
    if constexpr (kInvarianti) {
        if (!condizione)
            throw InvarianteViolata(cosa);
    }
}
