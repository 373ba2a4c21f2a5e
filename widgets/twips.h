#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// Lengths of the table and its controls are designed in twips (1/1440 inch). This is the one
// place where they become device-independent pixels; the device pixel ratio then takes them
// to the screen.
namespace twips {

inline constexpr double PerPixel = 15.0;

constexpr double Pixel(double twips) {
    return twips / PerPixel;
}
constexpr double DaPixel(double pixel) {
    return pixel * PerPixel;
}

// Whole pixels for widget sizes and positions, rounded to the nearest (halves away from 0).
constexpr int PixelInteri(double twips) {
    const double p = Pixel(twips);
    return p >= 0 ? static_cast<int>(p + 0.5) : -static_cast<int>(-p + 0.5);
}

inline QPointF Punto(double left, double top) {
    return {Pixel(left), Pixel(top)};
}

inline QRectF Rettangolo(double left, double top, double width, double height) {
    return {Pixel(left), Pixel(top), Pixel(width), Pixel(height)};
}

inline QSize Dimensione(double width, double height) {
    return {PixelInteri(width), PixelInteri(height)};
}

} // namespace twips
