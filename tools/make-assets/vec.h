// Small 2D and 3D vector arithmetic for modelling and lighting the gems.
#pragma once

#include <cmath>

namespace glintrow::assets {

struct Vec2 {
    double x = 0;
    double y = 0;
};

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double k) {
    return {a.x * k, a.y * k};
}
inline double dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline Vec2 lerp(Vec2 a, Vec2 b, double t) {
    return a + (b - a) * t;
}
inline Vec2 normalized(Vec2 a) {
    const double length = std::hypot(a.x, a.y);
    return {a.x / length, a.y / length};
}

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator*(Vec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 normalized(Vec3 a) {
    return a * (1.0 / std::sqrt(dot(a, a)));
}

// Turns a point about the vertical axis; positive angles carry the front face to the right.
inline Vec3 turnAboutVertical(Vec3 p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

} // namespace glintrow::assets
