#include "cards/geometriacarta.h"

#include <array>
#include <stdexcept>
#include <string>

namespace geometria {

namespace {

// Lengths at zoom 100; the slot order is also the drawing order, slot 7 on top.
constexpr RettangoloTwips kBordo{0, 0, 1755, 2955};
constexpr RettangoloTwips kRetro{60, 60, 1635, 2835};
constexpr RettangoloTwips kSemeFigura{60, 60, 600, 825};
constexpr RettangoloTwips kFigura{180, 240, 1440, 2550};
constexpr std::array<RettangoloTwips, kSlotValore> kValore{{
    {120, 180, 600, 825},
    {120, 1140, 600, 825},
    {120, 2100, 600, 825},
    {1080, 180, 600, 825},
    {1080, 1140, 600, 825},
    {1080, 2100, 600, 825},
    {600, 600, 600, 825},
    {600, 1560, 600, 825},
}};

constexpr std::array<std::uint8_t, 8> kSlotPerValore{
    0,
    1u << 6,
    1u << 6 | 1u << 7,
    1u << 1 | 1u << 4 | 1u << 7,
    1u << 0 | 1u << 2 | 1u << 3 | 1u << 5,
    1u << 0 | 1u << 2 | 1u << 3 | 1u << 5 | 1u << 7,
    0x3F,
    0x7F,
};

RettangoloTwips Scala(const RettangoloTwips& r, std::uint8_t zoom) {
    // Floating point, not rounded: small cards keep their fractional twips.
    const double z = ZoomEffettivo(zoom);
    return {r.Left * z / 100, r.Top * z / 100, r.Width * z / 100, r.Height * z / 100};
}

} // namespace

DimensioneTwips Dimensione(std::uint8_t zoom) {
    const int z = ZoomEffettivo(zoom);
    return {18 * z, 30 * z};
}

RettangoloTwips ShBordo(std::uint8_t zoom) {
    return Scala(kBordo, zoom);
}
RettangoloTwips ImgRetro(std::uint8_t zoom) {
    return Scala(kRetro, zoom);
}
RettangoloTwips ImgSemeFigura(std::uint8_t zoom) {
    return Scala(kSemeFigura, zoom);
}
RettangoloTwips ImgFigura(std::uint8_t zoom) {
    return Scala(kFigura, zoom);
}

RettangoloTwips ImgValore(int slot, std::uint8_t zoom) {
    if (slot < 0 || slot >= kSlotValore)
        throw std::out_of_range("ImgValore: no pip slot " + std::to_string(slot));
    return Scala(kValore[slot], zoom);
}

std::uint8_t SlotDelValore(std::uint8_t valore) {
    return valore < kSlotPerValore.size() ? kSlotPerValore[valore] : 0;
}

} // namespace geometria
