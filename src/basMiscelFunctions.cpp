// Line finding, move search, emptying gem lists, the explosion's flight paths and the Game Over
// banner.
#include "basMiscelFunctions.h"

#include "basHint.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cmath>

namespace glintrow {
namespace {

constexpr int16_t LineLength = 3;
constexpr int32_t BannerShadowOffset = 5;
const std::string BannerText = "Game Over";

// Rows and columns are walked alike: `line` picks the row (or column), `step` the cell along it.
const BoardCell& CellOfLine(bool alongColumns, int16_t line, int16_t step) {
    return alongColumns ? Board[line][step] : Board[step][line];
}

bool LineHasRun(bool alongColumns, int16_t line) {
    // The previous kind starts at 0 with no run, so a leading gem of kind 0 counts once, not twice.
    int16_t previousKind = 0;
    int16_t runLength = 0;
    for (int16_t step = 0; step < BoardSize; ++step) {
        const int16_t kind = CellOfLine(alongColumns, line, step).GemType;
        if (kind == previousKind) {
            if (++runLength >= LineLength)
                return true;
        } else {
            runLength = 1;
            previousKind = kind;
        }
    }
    return false;
}

void AppendIfLine(const GemList& run, GemList& list) {
    if (run.size() >= LineLength)
        list.insert(list.end(), run.begin(), run.end());
}

void CollectLineRuns(bool alongColumns, int16_t line, GemList& run, GemList& list) {
    ClearCollection(run);
    int16_t runKind = CellOfLine(alongColumns, line, 0).GemType;
    for (int16_t step = 0; step < BoardSize; ++step) {
        const BoardCell& cell = CellOfLine(alongColumns, line, step);
        if (cell.GemType == runKind) {
            run.push_back(cell.GemID);
            if (step == BoardSize - 1)
                AppendIfLine(run, list);
        } else {
            AppendIfLine(run, list);
            ClearCollection(run);
            runKind = cell.GemType;
            run.push_back(cell.GemID);
        }
    }
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
    GemList run;
    for (const bool alongColumns : {false, true})
        for (int16_t line = 0; line < BoardSize; ++line)
            CollectLineRuns(alongColumns, line, run, list);
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
                              (2.0 * timeSquared) / 2.0);
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
