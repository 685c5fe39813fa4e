// Colours as fractions of full intensity, for mixing shades before they become pixels.
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace glintrow::assets {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb mix(Rgb a, Rgb b, double t) {
    return a * (1 - t) + b * t;
}

inline Rgb rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

inline QColor toQColor(Rgb c, double alpha = 1) {
    const auto channel = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return QColor(channel(c.r), channel(c.g), channel(c.b), channel(alpha));
}

} // namespace glintrow::assets
