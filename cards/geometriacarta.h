#pragma once

#include <cstdint>

// Where every element of a card face lies, in twips from the card view's top-left corner,
// for a given zoom in percent. Everything scales linearly with the zoom.
namespace geometria {

struct RettangoloTwips {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;

    // Half-open, so a point on the right or bottom edge belongs to the next element.
    bool Contiene(double x, double y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
    bool operator==(const RettangoloTwips&) const = default;
};

struct DimensioneTwips {
    int Width = 0;
    int Height = 0;
    bool operator==(const DimensioneTwips&) const = default;
};

inline constexpr std::uint8_t kZoomPredefinito = 100;
inline constexpr int kSlotValore = 8;

// A zoom of 0 is laid out as the default.
constexpr std::uint8_t ZoomEffettivo(std::uint8_t zoom) {
    return zoom == 0 ? kZoomPredefinito : zoom;
}

// The card view: 18 x Zoom by 30 x Zoom twips, in whole twips.
DimensioneTwips Dimensione(std::uint8_t zoom);

RettangoloTwips ShBordo(std::uint8_t zoom);
// The back, and the only element that takes clicks.
RettangoloTwips ImgRetro(std::uint8_t zoom);
RettangoloTwips ImgSemeFigura(std::uint8_t zoom);
RettangoloTwips ImgFigura(std::uint8_t zoom);
// Pip slot 0..7; any other index throws std::out_of_range.
RettangoloTwips ImgValore(int slot, std::uint8_t zoom);

// The pip slots a value fills, bit i for slot i; none for figures and values outside 1..7.
std::uint8_t SlotDelValore(std::uint8_t valore);

} // namespace geometria
