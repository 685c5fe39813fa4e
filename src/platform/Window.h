// Window-system services the game calls by value: window handles, the window's font, text
// measurement in twips and the conversion between twips and pixels.
#pragma once

#include <cstdint>
#include <string>

namespace glintrow {

// An opaque handle of a window of the program; only the platform looks behind it.
using HWND = struct HWND__*;

// A font as the window holds it: a face name and a size in points.
struct StdFont {
    std::string Name = "MS Sans Serif";
    float Size = 8.25f;
};

// Twips per screen pixel; the game lays text out for 96 dots per inch everywhere.
constexpr int32_t TwipsPerPixel = 15;

// Width and height of a line of text in the font, in twips.
double TextWidth(const StdFont& font, const std::string& text);
double TextHeight(const StdFont& font, const std::string& text);

// Makes the face "Tahoma" available from a compatible font file when the system has none.
void RegisterFallbackFonts();

} // namespace glintrow
