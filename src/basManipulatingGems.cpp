// The per-frame steps of the game states: drop-in, spin, swap, clear, fall, tremble and explode.
#include "basManipulatingGems.h"

#include "basDeclarations.h"
#include "basDirectSoundStuff.h"
#include "basGettingInformation.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cmath>

namespace glintrow {
namespace {

// A new board falls in 13 pixels a frame and is first checked for settled gems after 32 frames.
constexpr int16_t DropInStep = 13;
constexpr int16_t DropInCheckAfter = 32;
constexpr int16_t LastSpinFrame = SpinFrames - 1;
// Two gems slide past each other 4 pixels a frame, a cell in 13 frames, and back as its second
// phase when the swap makes no line.
constexpr int16_t SwapStep = 4;
constexpr int16_t SwapFrames = CellSize / SwapStep;
constexpr int16_t SwapBackPhase = 2;
// A set of more gems than this sounds bigger.
constexpr size_t BigSetAbove = 4;
// Cleared gems shrink 4 steps a frame for 13 frames, then their cells are empty.
constexpr int16_t ShrinkStepPerFrame = 4;
constexpr int16_t ClearFrames = 13;
constexpr int16_t EmptiedCell = -1;
// Falling gems move 13 pixels a frame and are checked for landing every 4 frames.
constexpr int16_t FallStep = 13;
constexpr int16_t FallCheckEvery = 4;
// The second clear of a move is the first to sound its combo; the eighth is excellent.
constexpr int16_t FirstComboWithSound = 2;
constexpr int16_t ExcellentCombo = 8;
// The gems tremble for 50 frames, then fly for 52.
constexpr int16_t TrembleFramesBeforeLaunch = 50;
constexpr int16_t FlightFrames = 52;
// The game's own pi, cut after 14 decimals: std::numbers::pi would turn a flight that leaves at
// 54.0793495 degrees into a different single-precision angle.
constexpr double Pi = 3.14159265358979;

void PutGemIntoCell(CGem& gem, BoardCell& cell) {
    cell.GemType = gem.GemType;
    cell.GemID = gem.GemID;
    cell.Gem = &gem;
}

void PutGemIntoItsCell(CGem& gem) {
    PutGemIntoCell(gem, CellAt(gem.XCoord, gem.YCoord));
}

// A uniform draw scaled and cut to a whole number, in single precision like the flight values.
int16_t RandomWhole(float scale) {
    return static_cast<int16_t>(std::floor(Rnd() * scale));
}

bool IsAboveItsCell(const CGem& gem) {
    return gem.YPos < CellSize * gem.YCoord;
}

void SlideOneStep(CGem& gem) {
    gem.XPos += gem.XDirection * SwapStep;
    gem.YPos += gem.YDirection * SwapStep;
}

void MoveIntoNeighbourCell(CGem& gem) {
    const int16_t column = static_cast<int16_t>(gem.XCoord + gem.XDirection);
    const int16_t row = static_cast<int16_t>(gem.YCoord + gem.YDirection);
    // Taken before the gem moves, so a cell off the board leaves the gem where it was.
    BoardCell& cell = CellAt(column, row);
    gem.XCoord = column;
    gem.YCoord = row;
    PutGemIntoCell(gem, cell);
}

void DecideSwapOutcome() {
    SwapPhase = SwapBackPhase;
    if (BoardHasMatch()) {
        SwapPhase = 0;
        ClearCollection(MatchedGems);
        CollectMatches(MatchedGems);
        PlaySoundEffect(MatchedGems.size() > BigSetAbove ? SoundGotSetBig : SoundGotSet);
        GameState = StateClearing;
    } else {
        PlaySoundEffect(SoundBadSwap);
        StartSwap(SelectedGem, SecondGem);
        GameState = StateSwapping;
    }
}

void PlayComboSound() {
    if (ComboCount < FirstComboWithSound)
        return;
    if (ComboCount >= ExcellentCombo)
        PlaySoundEffect(SoundExcellent);
    else
        PlaySoundEffect(static_cast<SoundEffect>(SoundCombo2 + ComboCount - FirstComboWithSound));
}

int16_t CountEmptiedCells(int16_t column, int16_t fromRow, int16_t toRow) {
    int16_t count = 0;
    for (int16_t row = fromRow; row <= toRow; ++row)
        if (CellAt(column, row).GemType == EmptiedCell)
            ++count;
    return count;
}

int16_t CountEmptiedCellsBelow(const CGem& gem) {
    return CountEmptiedCells(gem.XCoord, static_cast<int16_t>(gem.YCoord + 1), BoardSize - 1);
}

void EmptyMatchedCells() {
    for (int16_t id : MatchedGems) {
        const CGem& gem = GemOf(id);
        CellAt(gem.XCoord, gem.YCoord).GemType = EmptiedCell;
    }
}

// Neighbours in the list never share a kind, so a cleared line cannot come straight back.
void GiveMatchedGemsNewKinds() {
    int16_t previousKind = 0;
    for (int16_t id : MatchedGems) {
        CGem& gem = GemOf(id);
        Randomize(Timer());
        gem.ShrinkStep = 0;
        do {
            gem.GemType = RandomGemKind();
        } while (gem.GemType == previousKind);
        previousKind = gem.GemType;
        gem.SourceTop = static_cast<int16_t>(CellSize * gem.GemType);
    }
}

// The reused gems of a column wait above the board one cell apart, the one from the lowest
// emptied cell highest, so each lands in one of the column's top rows.
void StackMatchedGemsAboveBoard() {
    for (int16_t id : MatchedGems) {
        CGem& gem = GemOf(id);
        gem.YPos = static_cast<int16_t>(-CellSize * CountEmptiedCells(gem.XCoord, 0, gem.YCoord));
    }
    for (int16_t id : MatchedGems) {
        CGem& gem = GemOf(id);
        gem.YDest = CountEmptiedCellsBelow(gem);
    }
}

// Each survivor is found from the nearest emptied cell below it, so it is listed once.
void ListGemsAboveGaps() {
    ClearCollection(DroppingGems);
    for (int16_t id : MatchedGems) {
        const CGem& gem = GemOf(id);
        for (int16_t row = static_cast<int16_t>(gem.YCoord - 1);
             row >= 0 && CellAt(gem.XCoord, row).GemType != EmptiedCell; --row)
            DroppingGems.push_back(CellAt(gem.XCoord, row).GemID);
    }
    for (int16_t id : DroppingGems) {
        CGem& gem = GemOf(id);
        gem.YDest = static_cast<int16_t>(gem.YCoord + CountEmptiedCellsBelow(gem));
    }
}

void FallOneStep(CGem& gem) {
    if (gem.YPos < CellSize * gem.YDest - 1) {
        gem.YPos += FallStep;
    } else {
        gem.YPos = static_cast<int16_t>(CellSize * gem.YDest);
        gem.YCoord = gem.YDest;
    }
}

bool SomeGemStillFalls() {
    return std::any_of(DroppingGems.begin(), DroppingGems.end(), [](int16_t id) {
        const CGem& gem = GemOf(id);
        return gem.YCoord < gem.YDest;
    });
}

void SettleFallenGems() {
    for (int16_t id : DroppingGems) {
        CGem& gem = GemOf(id);
        gem.YDest = 0;
        PutGemIntoItsCell(gem);
    }
}

void DecideAfterFall() {
    ClearCollection(MatchedGems);
    if (CollectMatches(MatchedGems))
        GameState = StateClearing;
    else if (MoveExists())
        GameState = StateIdle;
    else
        GameState = StateGameOver;
}

// Both offsets lean the same way, so a gem jitters along its cell's diagonal without drifting.
void TrembleGem(CGem& gem) {
    // A coin toss drawn as a whole number below 3000, as the game's other draws are; it comes up
    // 1499 times in 3000.
    const bool up = RandomWhole(3000.0f) > 1500;
    const auto drawOffset = [up] { return up ? RandomWhole(3.0f) + 2 : 2 - RandomWhole(3.0f); };
    const int ox = drawOffset();
    const int oy = drawOffset();
    gem.XPos = static_cast<int16_t>(CellSize * gem.XCoord + ox);
    gem.YPos = static_cast<int16_t>(CellSize * gem.YCoord + oy);
}

// Re-seeding per gem mixes the clock into the running state, so gems set up within one clock
// tick still fly apart.
void LaunchGem(CGem& gem) {
    Randomize(Timer());
    const bool rightwards = RandomWhole(50.0f) >= 25;
    // The draws nearest 1 round up to exactly 70 degrees in single precision; a flight leaves at
    // most just below it, never straight into the excluded band.
    const float steepness = std::min(Rnd() * 25.0f + 45.0f, std::nextafter(70.0f, 0.0f));
    gem.Angle = rightwards ? steepness : 180.0f - steepness;
    gem.XInitial = gem.XPos;
    gem.YInitial = static_cast<float>(BoardPixels - gem.YPos);
    gem.Velocity = Rnd() * 20.0f + 10.0f;
}

void FlyGem(CGem& gem, float t) {
    const float theta = static_cast<float>(gem.Angle * Pi / 180.0);
    const float dx = ProjectileX(t, theta, gem.Velocity);
    const float dy = ProjectileY(t, theta, gem.Velocity);
    const float x = gem.XInitial + dx;
    const float y = static_cast<float>(BoardPixels) - dy - gem.YInitial;
    gem.XPos = CInt(x);
    gem.YPos = CInt(y);
}

} // namespace

void DropInGems() {
    for (CGem& gem : Gems) {
        if (IsAboveItsCell(gem)) {
            gem.YPos += gem.Speed + DropInStep;
        } else {
            gem.Speed = 0;
            gem.YPos = static_cast<int16_t>(CellSize * gem.YCoord);
        }
    }
    if (++DropInCounter <= DropInCheckAfter)
        return;
    DropInCounter = 0;
    GameState = std::any_of(Gems.begin(), Gems.end(), IsAboveItsCell) ? StateDropIn : StateIdle;
}

void AnimateTarget() {
    CGem& gem = GemOf(SelectedGem);
    if (++gem.RotFrame > LastSpinFrame)
        gem.RotFrame = 0;
}

void StartSwap(int16_t a, int16_t b) {
    CGem& first = GemOf(a);
    CGem& second = GemOf(b);
    first.XDirection = first.YDirection = 0;
    second.XDirection = second.YDirection = 0;
    if (first.XCoord == second.XCoord) {
        first.YDirection = first.YCoord > second.YCoord ? -1 : 1;
        second.YDirection = static_cast<int16_t>(-first.YDirection);
    } else if (first.YCoord == second.YCoord) {
        first.XDirection = first.XCoord > second.XCoord ? -1 : 1;
        second.XDirection = static_cast<int16_t>(-first.XDirection);
    }
}

void AnimateSwap() {
    CGem& first = GemOf(SelectedGem);
    CGem& second = GemOf(SecondGem);
    SlideOneStep(first);
    SlideOneStep(second);
    if (++SwapCounter < SwapFrames)
        return;
    GameState = StateIdle;
    SwapCounter = 0;
    MoveIntoNeighbourCell(first);
    MoveIntoNeighbourCell(second);
    if (SwapPhase >= 1) {
        SwapPhase = 0;
        return;
    }
    DecideSwapOutcome();
}

void ClearMatchedGems() {
    for (int16_t id : MatchedGems)
        GemOf(id).ShrinkStep += ShrinkStepPerFrame;
    if (++ClearCounter < ClearFrames)
        return;
    ClearCounter = 0;
    ++ComboCount;
    PlayComboSound();
    EmptyMatchedCells();
    GiveMatchedGemsNewKinds();
    StackMatchedGemsAboveBoard();
    ListGemsAboveGaps();
    DroppingGems.insert(DroppingGems.end(), MatchedGems.begin(), MatchedGems.end());
    GameState = StateFalling;
}

void AnimateFalling() {
    for (int16_t id : DroppingGems)
        FallOneStep(GemOf(id));
    if (++FallCounter < FallCheckEvery)
        return;
    FallCounter = 0;
    if (SomeGemStillFalls()) {
        GameState = StateFalling;
        return;
    }
    PlaySoundEffect(SoundGemDrop);
    SettleFallenGems();
    DecideAfterFall();
}

void StartGameOver() {
    Randomize(Timer());
    for (CGem& gem : Gems)
        TrembleGem(gem);
    if (++GameOverCounter <= TrembleFramesBeforeLaunch)
        return;
    GameOverCounter = 0;
    for (CGem& gem : Gems)
        LaunchGem(gem);
    PlaySoundEffect(SoundExplode);
    GameState = StateExploding;
}

void AnimateExplosion() {
    const float t = ExplosionCounter;
    for (CGem& gem : Gems)
        FlyGem(gem, t);
    if (++ExplosionCounter < FlightFrames)
        return;
    ExplosionCounter = 0;
    PlaySoundEffect(SoundGameOver);
    GameState = StateGameOverShown;
}

} // namespace glintrow
