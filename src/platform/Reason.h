// Why a run-time error was raised, said in English for standard error and in the player's language
// for the failure boxes; the texts are marked here for the translators.
#pragma once

#include <string>
#include <vector>

// Marks a text for the toolkit's translation tools, spelt as the toolkit spells it, without
// including the toolkit in the game.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace glintrow {

// An English text with %1, %2... where its details go.
struct ReasonText {
    const char* english;
};

// Every reason the game gives.
namespace reasons {
inline constexpr ReasonText Overflow{QT_TRANSLATE_NOOP("glintrow::Reason", "Overflow")};
inline constexpr ReasonText ObjectVariableNotSet{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Object variable not set")};
inline constexpr ReasonText SubscriptOutOfRange{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Subscript out of range")};
inline constexpr ReasonText CellOffBoard{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Cell (%1, %2) lies off the board")};
//: %1 says what the system's record of the running program gave, %2 what its starting name gave.
inline constexpr ReasonText FolderNotFound{
    QT_TRANSLATE_NOOP("glintrow::Reason", "The program's own folder cannot be found: %1, and %2")};
inline constexpr ReasonText ProgramRecordUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "%1 cannot be read (%2)")};
inline constexpr ReasonText ProgramRecordIsLoader{
    QT_TRANSLATE_NOOP("glintrow::Reason", "%1 is the dynamic loader %2")};
inline constexpr ReasonText StartingNameUnknown{
    QT_TRANSLATE_NOOP("glintrow::Reason", "the name it was started by is not known")};
inline constexpr ReasonText StartingNameUnfollowed{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "the name it was started by, %1, cannot be followed (%2)")};
inline constexpr ReasonText StartingNameIsLoader{
    QT_TRANSLATE_NOOP("glintrow::Reason", "the name it was started by is the loader's too")};
inline constexpr ReasonText FileNotFound{
    QT_TRANSLATE_NOOP("glintrow::Reason", "File not found: %1")};
inline constexpr ReasonText PermissionDenied{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Permission denied: %1")};
inline constexpr ReasonText SystemError{QT_TRANSLATE_NOOP("glintrow::Reason", "%1: %2")};
inline constexpr ReasonText NotRegularFile{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Not a regular file: %1")};
inline constexpr ReasonText BitmapTooSmall{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5")};
inline constexpr ReasonText BitmapTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4")};
inline constexpr ReasonText BitmapTooWide{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Bitmap too wide (%1 pixels a row, more than %2): %3")};
inline constexpr ReasonText BitmapCutShort{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid bitmap file (cut short): %1")};
inline constexpr ReasonText BitmapUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid bitmap file (%1): %2")};
inline constexpr ReasonText BitmapOfWrongSize{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5")};
inline constexpr ReasonText PictureGone{
    QT_TRANSLATE_NOOP("glintrow::Reason", "The picture of the bitmap is gone: %1")};
inline constexpr ReasonText InvalidPartToKeep{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid part of a bitmap to keep: %1")};
inline constexpr ReasonText InvalidSurfaceDescription{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid surface description")};
inline constexpr ReasonText OutOfMemory{QT_TRANSLATE_NOOP("glintrow::Reason", "Out of memory")};
inline constexpr ReasonText OutOfMemoryFor{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Out of memory: %1")};
inline constexpr ReasonText NotWave{QT_TRANSLATE_NOOP("glintrow::Reason", "Not a wave file: %1")};
inline constexpr ReasonText WaveUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (%1): %2")};
inline constexpr ReasonText WaveFormatTooShort{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (format chunk too short): %1")};
inline constexpr ReasonText WaveChunksTooMany{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (more than %1 chunks): %2")};
inline constexpr ReasonText WaveSamplesBeforeFormat{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (samples before their format): %1")};
inline constexpr ReasonText WaveWithoutSamples{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (no samples): %1")};
inline constexpr ReasonText WaveWithoutChannels{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (no channels): %1")};
inline constexpr ReasonText WaveRateOutOfRange{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file's sample rate out of range (%1 Hz, not %2 to %3): %4")};
inline constexpr ReasonText WaveSilent{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Wave file holds no sound: %1")};
inline constexpr ReasonText WaveSamplesTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file too large (%1 bytes of samples, more than %2): %3")};
inline constexpr ReasonText WaveTooLong{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Wave file too long (%1 seconds, more than %2): %3")};
inline constexpr ReasonText WaveDecodedTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file too large (%1 bytes decoded, more than %2): %3")};
inline constexpr ReasonText NoSoundDevice{
    QT_TRANSLATE_NOOP("glintrow::Reason", "No sound device: %1")};
inline constexpr ReasonText SoundNotConverted{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be converted (%1): %2")};
inline constexpr ReasonText SoundNotPlayed{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be played: %1")};
inline constexpr ReasonText SoundsTooLargeTogether{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Sounds too large together (%1 bytes once converted, more than %2): %3")};
inline constexpr ReasonText SoundNotLoaded{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be loaded (%1): %2")};
} // namespace reasons

// A reason and its details in the order of their placeholders. A detail is a path, a figure or
// another library's own message, taken as it is, or a reason of the game, said in the same
// language as the reason around it.
class Reason {
public:
    // Taken as it is, in every language.
    Reason(std::string verbatim);
    Reason(const ReasonText& text, std::vector<Reason> details = {});
    // A figure with so many decimals, written as the language it is said in writes figures.
    static Reason Figure(double value, int decimals);

    std::string SayInEnglish() const;
    // English where the player's language has no translation.
    std::string SayInPlayersLanguage() const;

private:
    std::string say(bool inEnglish) const;

    const char* text_ = nullptr;
    std::string verbatim_;
    double figure_ = 0;
    // Decimals of a figure; below zero for any other reason.
    int decimals_ = -1;
    std::vector<Reason> details_;
};

} // namespace glintrow
