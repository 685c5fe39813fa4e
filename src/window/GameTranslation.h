// The game's own translation of the player's language, taken only as the build released it.
#pragma once

#include <string>

class QLocale;
class QTranslator;

namespace glintrow {

// Replaces the game's translation with the one for the locale from the folder: the first of the
// player's languages, from the most to the least particular (ja_JP, then ja), that the game
// speaks. A file that is not byte for byte the one the build released is left out before the
// toolkit reads it, with one line naming it on standard error; a language the game has no
// translation for, or whose file is not there, stays English without a word. The translator now
// installed, or none.
const QTranslator* InstallGameTranslation(const QLocale& locale, const std::string& folder);

// Speaks the locale's language from now on, in the game's texts and the toolkit's own buttons,
// where translations for it are found; in the game's own English where they are not. Windows made
// afterwards take it up.
void LoadPlayerLanguage(const QLocale& locale);

} // namespace glintrow
