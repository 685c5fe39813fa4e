// Line finding, move search, emptying gem lists, the explosion's flight paths and the Game Over
// banner.
#include "basMiscelFunctions.h"

#include "basHint.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cmath>

namespace glintrow {
namespace {

constexpr int32_t BannerShadowOffset = 5;
// A flying gem falls faster by this many pixels a frame in every frame.
constexpr double Gravity = 2.0;

bool LineHasRun(bool alongColumns, int16_t line) {
    return WalkLine(alongColumns, line, [](int16_t, int16_t) { return true; });
}

// A run joins the list with its first LineLength gems once it is that long, then gem by gem.
void CollectLineRuns(bool alongColumns, int16_t line, GemList& list) {
    WalkLine(alongColumns, line, [&](int16_t step, int16_t runLength) {
        const int16_t first = runLength == LineLength ? step - (LineLength - 1) : step;
        for (int16_t joining = first; joining <= step; ++joining)
            list.push_back(CellOfLine(alongColumns, line, joining).GemID);
        return false;
    });
}

// Removes, for each entry but the last, the first later entry of the same value. A gem stands in
// at most one row run and one column run, so its column-run copy is the one removed.
void RemoveRepeats(GemList& list) {
    for (size_t position = 0; position + 1 < list.size(); ++position) {
        const auto later = std::find(list.begin() + static_cast<std::ptrdiff_t>(position) + 1,
                                     list.end(), list[position]);
        if (later != list.end())
            list.erase(later);
    }
}

// A size in twips of the window's font as whole screen pixels, each step rounded halves to even.
int32_t TwipsToPixels(double twips) {
    return static_cast<int32_t>(std::nearbyint(std::nearbyint(twips) / TwipsPerPixel));
}

} // namespace

bool BoardHasMatch() {
    for (const bool alongColumns : {false, true})
        for (int16_t line = 0; line < BoardSize; ++line)
            if (LineHasRun(alongColumns, line))
                return true;
    return false;
}

bool CollectMatches(GemList& list) {
    for (const bool alongColumns : {false, true})
        for (int16_t line = 0; line < BoardSize; ++line)
            CollectLineRuns(alongColumns, line, list);
    RemoveRepeats(list);
    return !list.empty();
}

void ClearCollection(GemList& list) {
    list.clear();
}

// The hint tries the same move patterns in the same order; it finds a gem exactly when there is a
// move.
bool MoveExists() {
    return FindHint() >= 0;
}

int16_t RandomGemKind() {
    return static_cast<int16_t>(std::floor(GemKinds * static_cast<double>(Rnd())));
}

float ProjectileX(float t, float angle, float speed) {
    return static_cast<float>(static_cast<double>(speed) * std::cos(static_cast<double>(angle)) *
                              t);
}

float ProjectileY(float t, float angle, float speed) {
    const double timeSquared = static_cast<double>(t) * t;
    return static_cast<float>(static_cast<double>(speed) * std::sin(static_cast<double>(angle)) *
                                  t -
                              Gravity * timeSquared / 2.0);
}

void ShowGameOver() {
    const int32_t width = TwipsToPixels(TextWidth(FormFont, BannerText));
    const int32_t height = TwipsToPixels(TextHeight(FormFont, BannerText));
    const int32_t x = (BoardPixels - width) / 2;
    const int32_t y = (BoardPixels - height) / 2;
    DisplayText(x + BannerShadowOffset, y + BannerShadowOffset, BannerText,
                static_cast<uint32_t>(RGB(0, 0, 0)));
    DisplayText(x, y, BannerText, static_cast<uint32_t>(RGB(200, 200, 0)));
}

void DisplayText(int32_t x, int32_t y, const std::string& text, uint32_t colour) {
    BackBuffer->SetForeColor(static_cast<int32_t>(colour));
    BackBuffer->SetFont(FormFont);
    BackBuffer->DrawText(x, y, text, false);
}

} // namespace glintrow
