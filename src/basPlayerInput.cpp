// The player's commands as they reach the game tables, and what a cell shows, told in words.
#include "basPlayerInput.h"

#include "basDeclarations.h"
#include "basDirectSoundStuff.h"
#include "basGettingInformation.h"
#include "basHint.h"
#include "basManipulatingGems.h"

#include <utility>

namespace glintrow {
namespace {

// No one may ask for the news (a game without a window): what is kept stays bounded.
constexpr size_t NewsKept = 16;
std::vector<PlayNews> news;

std::optional<PlayNews> newsOf(SoundEffect effect) {
    const auto cleared = static_cast<int16_t>(MatchedGems.size());
    if (effect == SoundGotSet || effect == SoundGotSetBig)
        return PlayNews{PlayNews::Kind::LineMade, cleared, 1};
    if (effect == SoundBadSwap)
        return PlayNews{PlayNews::Kind::SwapRefused, 0, 0};
    // The combo sounds climb from the second clear of a move to the excellent one.
    if (effect >= SoundCombo2 && effect <= SoundExcellent)
        return PlayNews{PlayNews::Kind::ComboRose, cleared, ComboCount};
    if (effect == SoundGameOver)
        return PlayNews{PlayNews::Kind::GameOver, 0, 0};
    return std::nullopt;
}

bool AcceptsSelection() {
    return GameState == StateIdle || GameState == StateSelected;
}

// Leaves the globals as a first press on the gem leaves them; the caller plays the select sound.
void SelectGem(int16_t gem) {
    ComboCount = 0;
    SelectedGem = gem;
    GameState = StateSelected;
    ++ClickCount;
}

void FinishSelection(int16_t gem) {
    GemOf(SelectedGem).RotFrame = 0;
    if (gem == SelectedGem) {
        GameState = StateIdle;
    } else {
        SecondGem = gem;
        if (AreAdjacent(SelectedGem, gem)) {
            StartSwap(SelectedGem, SecondGem);
            GameState = StateSwapping;
        } else {
            GameState = StateIdle;
            PlaySoundEffect(SoundBadSwap);
        }
    }
    ClickCount = 0;
}

} // namespace

void PressBoard(float X, float Y) {
    if (!AcceptsSelection())
        return;
    const int16_t gem = GemAtPoint(X, Y);
    if (gem < 0)
        return;
    if (ClickCount <= 0) {
        SelectGem(gem);
        PlaySoundEffect(SoundSelect);
    } else {
        FinishSelection(gem);
    }
}

void SelectHintedGem() {
    if (!AcceptsSelection())
        return;
    const int16_t hint = FindHint();
    // Only a board without a move has no hint, and such a board never waits for the player.
    if (hint < 0)
        return;
    if (hint != SelectedGem)
        GemOf(SelectedGem).RotFrame = 0;
    // The sound comes before the selection here, so a sound that fails leaves the selection as
    // it was. A hint while a gem is selected selects afresh: it counts as a first press.
    PlaySoundEffect(SoundSelect);
    ClickCount = 0;
    SelectGem(hint);
}

std::optional<BoardPlace> SelectedGemCell() {
    if (GameState != StateSelected)
        return std::nullopt;
    const CGem& gem = GemOf(SelectedGem);
    return BoardPlace{gem.XCoord, gem.YCoord};
}

std::string NameCell(BoardPlace cell) {
    const BoardCell& shown = CellAt(cell.column, cell.row);
    const bool holdsGem = shown.GemType >= 0 && shown.GemType < GemKinds;
    return holdsGem && BoardShowsGems() ? GemKindNames[shown.GemType] : EmptyCellName;
}

bool BoardShowsGems() {
    return GameState != StateExploding && GameState != StateGameOverShown;
}

bool BoardIsAtRest() {
    return GameState == StateIdle || GameState == StateSelected || GameState == StateGameOverShown;
}

void NoteSoundEffect(SoundEffect effect) {
    const std::optional<PlayNews> told = newsOf(effect);
    if (!told)
        return;
    if (news.size() >= NewsKept)
        news.erase(news.begin());
    news.push_back(*told);
}

std::vector<PlayNews> TakePlayNews() {
    return std::exchange(news, {});
}

bool CanStartNewGame() {
    return GameState == StateIdle || GameState == StateSelected || GameState == StateGameOverShown;
}

} // namespace glintrow
