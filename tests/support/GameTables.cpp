// Test helpers over the game tables.
#include "GameTables.h"
#include "FileBytes.h"

#include "basDirectDrawStuff.h"
#include "basDirectSoundStuff.h"
#include "basInitializingGameBoard.h"
#include "platform/Runtime.h"

#include <QTemporaryDir>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace glintrow::testing {

void ResetGameTables() {
    ReleaseGameObjects();
    for (auto& column : Board)
        for (auto& cell : column)
            cell = BoardCell{};
    GameState = StateStarting;
    SelectedGem = SecondGem = 0;
    for (int16_t* counter : NewGameCounters)
        *counter = 0;
    BoardBitmapPath.clear();
    GemSheetPath.clear();
    TargetBitmapPath.clear();
    SoundOn = false;
    QuitRequested = false;
    FormFont = StdFont{};
    FormHandle = BoardHandle = nullptr;
    BackBufferRect = BoardBitmapRect = RECT{};
    Hooks() = RuntimeHooks{};
    SetRandomState(12345);
}

void LayBoard(const BoardText& rows) {
    for (int16_t r = 0; r < BoardSize; ++r)
        for (int16_t c = 0; c < BoardSize; ++c)
            PlaceGem(IdAt(c, r), c, r, static_cast<int16_t>(rows[r].at(c) - '0'));
}

BoardText BoardKinds() {
    BoardText rows;
    for (int16_t r = 0; r < BoardSize; ++r)
        for (int16_t c = 0; c < BoardSize; ++c)
            rows[r] += Board[c][r].GemType < 0 ? '-' : static_cast<char>('0' + Board[c][r].GemType);
    return rows;
}

std::string DescribeDisagreement() {
    std::set<int> seen;
    for (int16_t r = 0; r < BoardSize; ++r) {
        for (int16_t c = 0; c < BoardSize; ++c) {
            const BoardCell& cell = Board[c][r];
            std::ostringstream where;
            where << "cell (" << c << ", " << r << ") with id " << cell.GemID << ": ";
            if (cell.GemID < 0 || cell.GemID >= GemCount)
                return where.str() + "id out of range";
            if (!seen.insert(cell.GemID).second)
                return where.str() + "id held by two cells";
            const CGem& gem = Gems[cell.GemID];
            if (cell.Gem != &gem)
                return where.str() + "reference is not the gem of its id";
            if (gem.GemID != cell.GemID)
                return where.str() + "gem's own id differs";
            if (gem.XCoord != c || gem.YCoord != r)
                return where.str() + "gem's coordinates differ";
            if (cell.GemType < 0 || cell.GemType >= GemKinds || gem.GemType != cell.GemType)
                return where.str() + "kinds differ";
            if (gem.SourceTop != CellSize * gem.GemType)
                return where.str() + "sheet row differs from the kind";
            if (gem.XPos != CellSize * c || gem.YPos != CellSize * r)
                return where.str() + "gem is not at rest on its cell";
        }
    }
    return {};
}

bool ScanForLine() {
    const auto kind = [](int column, int row) { return Board[column][row].GemType; };
    for (int a = 0; a < BoardSize; ++a) {
        for (int b = 0; b + 2 < BoardSize; ++b) {
            if (kind(b, a) == kind(b + 1, a) && kind(b, a) == kind(b + 2, a))
                return true;
            if (kind(a, b) == kind(a, b + 1) && kind(a, b) == kind(a, b + 2))
                return true;
        }
    }
    return false;
}

namespace {

bool SwapMakesLine(int column, int row, int toColumn, int toRow) {
    if (toColumn < 0 || toColumn >= BoardSize || toRow < 0 || toRow >= BoardSize)
        return false;
    std::swap(Board[column][row].GemType, Board[toColumn][toRow].GemType);
    const bool line = ScanForLine();
    std::swap(Board[column][row].GemType, Board[toColumn][toRow].GemType);
    return line;
}

} // namespace

bool SomeSwapMakesLine() {
    for (int column = 0; column < BoardSize; ++column)
        for (int row = 0; row < BoardSize; ++row)
            if (SwapMakesLine(column, row, column + 1, row) ||
                SwapMakesLine(column, row, column, row + 1))
                return true;
    return false;
}

int16_t PartnerMakingALine(int16_t gem) {
    const int column = Gems[gem].XCoord;
    const int row = Gems[gem].YCoord;
    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        if (SwapMakesLine(column, row, column + dx, row + dy))
            return Board[column + dx][row + dy].GemID;
    return -1;
}

void LayRandomBoardWithoutLines(uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> kind(0, GemKinds - 1);
    BoardText rows;
    for (int r = 0; r < BoardSize; ++r) {
        rows[r].assign(BoardSize, '0');
        for (int c = 0; c < BoardSize; ++c) {
            char k;
            do {
                k = static_cast<char>('0' + kind(random));
            } while ((c >= 2 && rows[r][c - 1] == k && rows[r][c - 2] == k) ||
                     (r >= 2 && rows[r - 1][c] == k && rows[r - 2][c] == k));
            rows[r][c] = k;
        }
    }
    LayBoard(rows);
}

void LoadTestSounds() {
    static QTemporaryDir folder;
    for (const char* file : SoundFiles)
        // A hundredth of a second of silence.
        std::ofstream(folder.filePath(file).toStdString(), std::ios::binary)
            << Wave(1, 44100, 16, std::string(882, '\0'));
    LoadSoundEffects(folder.path().toStdString());
    SoundOn = true;
}

Sounds SoundPlayCounts() {
    Sounds counts{};
    for (int effect = 0; effect < SoundEffectCount; ++effect)
        counts[effect] = SoundBuffers[effect] ? SoundBuffers[effect]->PlayCount() : 0;
    return counts;
}

Sounds SoundsSince(const Sounds& before) {
    Sounds played = SoundPlayCounts();
    for (int effect = 0; effect < SoundEffectCount; ++effect)
        played[effect] -= before[effect];
    return played;
}

Sounds OnlySound(SoundEffect effect) {
    Sounds sounds{};
    sounds[effect] = 1;
    return sounds;
}

Sounds SoundOfClear(int clear) {
    const SoundEffect combos[] = {SoundCombo2, SoundCombo3, SoundCombo4,
                                  SoundCombo5, SoundCombo6, SoundCombo7};
    if (clear >= 8)
        return OnlySound(SoundExcellent);
    if (clear >= 2)
        return OnlySound(combos[clear - 2]);
    return Sounds{};
}

} // namespace glintrow::testing
