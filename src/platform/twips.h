#pragma once
// Window places and sizes are given in twips; 15 twips make one pixel.
#include <QRect>
#include <cmath>

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// One rounding rule for every conversion: to the nearest pixel, halves away from zero.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double PixelsToTwips(int pixels) { return static_cast<double>(pixels) * kTwipsPerPixel; }

inline QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

}  // namespace platform
