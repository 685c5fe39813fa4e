// Every process-wide table of the game: gems, board, state, work lists, counters, paths, flags and
// the drawing and sound objects.
#pragma once

#include "CGem.h"
#include "GameFacts.h"
#include "SoundEffect.h"
#include "platform/DirectDraw.h"
#include "platform/DirectSound.h"
#include "platform/Window.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace glintrow {

// BoardSize, CellSize, GemKinds, SpinFrames and TargetFrames come with the build's facts.
constexpr int16_t BoardPixels = BoardSize * CellSize;
constexpr int16_t GemCount = BoardSize * BoardSize;

struct BoardCell {
    CGem* Gem = nullptr;
    int16_t GemID = 0;
    int16_t GemType = 0;
};

enum GameStates : int32_t {
    StateStarting = 0,
    StateIdle,
    StateDropIn,
    StateSelected,
    StateSwapping,
    StateClearing,
    StateFalling,
    StateGameOver,
    StateExploding,
    StateGameOverShown
};

// Gem ids in order; the position of an entry is its index + 1.
using GemList = std::vector<int16_t>;

// Indexed Board[column][row].
inline BoardCell Board[BoardSize][BoardSize];
inline std::array<CGem, GemCount> Gems;

inline GameStates GameState = StateStarting;

inline GemList MatchedGems;
inline GemList DroppingGems;

inline int16_t SelectedGem = 0;
inline int16_t SecondGem = 0;
inline int16_t ClickCount = 0;

inline int16_t SwapCounter = 0;
inline int16_t ClearCounter = 0;
inline int16_t FallCounter = 0;
inline int16_t GameOverCounter = 0;
inline int16_t ExplosionCounter = 0;
inline int16_t DropInCounter = 0;
inline int16_t TargetCounter = 0;
inline int16_t TargetPhase = 0;
inline int16_t ComboCount = 0;
inline int16_t SwapPhase = 0;

// The counters every new game starts from 0; the selection and the state are left as they are.
inline constexpr std::array<int16_t*, 11> NewGameCounters = {
    &ClickCount,      &SwapCounter,      &ClearCounter,  &FallCounter,
    &GameOverCounter, &ExplosionCounter, &DropInCounter, &TargetCounter,
    &ComboCount,      &SwapPhase,        &TargetPhase};

inline std::string BoardBitmapPath;
inline std::string GemSheetPath;
inline std::string TargetBitmapPath;

inline bool SoundOn = false;
inline bool QuitRequested = false;

// The main window's font and window handles, set by the window before any set-up runs.
inline StdFont FormFont;
inline HWND FormHandle = nullptr;
inline HWND BoardHandle = nullptr;
// The words of the Game Over banner in the player's language, set by the window like its font.
inline std::string BannerText = "Game Over";

inline ObjectRef<DirectX7> DX;
inline ObjectRef<DirectDraw7> DD;
inline ObjectRef<DirectDrawSurface7> PrimarySurface;
inline ObjectRef<DirectDrawSurface7> BackBuffer;
inline ObjectRef<DirectDrawSurface7> BoardSurface;
inline ObjectRef<DirectDrawSurface7> GemSheetSurface;
inline ObjectRef<DirectDrawSurface7> TargetSurface;
inline ObjectRef<DirectDrawClipper> BoardClipper;
inline RECT BackBufferRect;
inline RECT BoardBitmapRect;

inline ObjectRef<DirectSound> DS;
inline ObjectRef<DirectSoundBuffer> PrimarySoundBuffer;
inline std::array<ObjectRef<DirectSoundBuffer>, SoundEffectCount> SoundBuffers;

} // namespace glintrow
