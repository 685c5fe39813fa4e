// Why a run-time error was raised, said in English for standard error and in the player's language
// for the failure boxes; the texts themselves are in Reason.cpp, where the translators find them.
#pragma once

#include <string>
#include <vector>

namespace glintrow {

// An English text with %1, %2... where its details go.
struct ReasonText {
    const char* english;
};

// Every reason the game gives.
namespace reasons {
extern const ReasonText Overflow;
extern const ReasonText ObjectVariableNotSet;
extern const ReasonText SubscriptOutOfRange;
extern const ReasonText CellOffBoard;
extern const ReasonText FolderNotFound;
extern const ReasonText ProgramRecordUnreadable;
extern const ReasonText ProgramRecordIsLoader;
extern const ReasonText StartingNameUnknown;
extern const ReasonText StartingNameUnfollowed;
extern const ReasonText StartingNameIsLoader;
extern const ReasonText FileNotFound;
extern const ReasonText PermissionDenied;
extern const ReasonText SystemError;
extern const ReasonText NotRegularFile;
extern const ReasonText BitmapTooSmall;
extern const ReasonText BitmapTooLarge;
extern const ReasonText BitmapTooWide;
extern const ReasonText BitmapCutShort;
extern const ReasonText BitmapUnreadable;
extern const ReasonText BitmapOfWrongSize;
extern const ReasonText PictureGone;
extern const ReasonText InvalidPartToKeep;
extern const ReasonText InvalidSurfaceDescription;
extern const ReasonText OutOfMemory;
extern const ReasonText OutOfMemoryFor;
extern const ReasonText NotWave;
extern const ReasonText WaveUnreadable;
extern const ReasonText WaveFormatTooShort;
extern const ReasonText WaveChunksTooMany;
extern const ReasonText WaveSamplesBeforeFormat;
extern const ReasonText WaveWithoutSamples;
extern const ReasonText WaveWithoutChannels;
extern const ReasonText WaveRateOutOfRange;
extern const ReasonText WaveSilent;
extern const ReasonText WaveSamplesTooLarge;
extern const ReasonText WaveTooLong;
extern const ReasonText WaveDecodedTooLarge;
extern const ReasonText NoSoundDevice;
extern const ReasonText SoundNotConverted;
extern const ReasonText SoundNotPlayed;
extern const ReasonText SoundsTooLargeTogether;
extern const ReasonText SoundNotLoaded;
} // namespace reasons

// A reason and its details in the order of their placeholders. A detail is a path, a figure or
// another library's own message, taken as it is, or a reason of the game, said in the same
// language as the reason around it.
class Reason {
public:
    // Taken as it is, in every language.
    Reason(std::string verbatim);
    Reason(const ReasonText& text, std::vector<Reason> details = {});
    // A figure with so many decimals, whose decimal point is the player's language's.
    static Reason Figure(double value, int decimals);

    std::string SayInEnglish() const;
    // English where the player's language has no translation.
    std::string SayInPlayersLanguage() const;

private:
    template <class Say> std::string fillIn(const char* text, Say say) const;

    const char* text_ = nullptr;
    std::string verbatim_;
    bool figure_ = false;
    std::vector<Reason> details_;
};

} // namespace glintrow
