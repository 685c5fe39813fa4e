// The English texts of the reasons, marked for the translators, and their details filled in.
#include "Reason.h"

#include <QCoreApplication>
#include <QLocale>

#include <charconv>
#include <iterator>

namespace glintrow {

namespace reasons {
const ReasonText Overflow{QT_TRANSLATE_NOOP("glintrow::Reason", "Overflow")};
const ReasonText ObjectVariableNotSet{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Object variable not set")};
const ReasonText SubscriptOutOfRange{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Subscript out of range")};
const ReasonText CellOffBoard{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Cell (%1, %2) lies off the board")};
//: %1 says what the system's record of the running program gave, %2 what its starting name gave.
const ReasonText FolderNotFound{
    QT_TRANSLATE_NOOP("glintrow::Reason", "The program's own folder cannot be found: %1, and %2")};
const ReasonText ProgramRecordUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "%1 cannot be read (%2)")};
const ReasonText ProgramRecordIsLoader{
    QT_TRANSLATE_NOOP("glintrow::Reason", "%1 is the dynamic loader %2")};
const ReasonText StartingNameUnknown{
    QT_TRANSLATE_NOOP("glintrow::Reason", "the name it was started by is not known")};
const ReasonText StartingNameUnfollowed{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "the name it was started by, %1, cannot be followed (%2)")};
const ReasonText StartingNameIsLoader{
    QT_TRANSLATE_NOOP("glintrow::Reason", "the name it was started by is the loader's too")};
const ReasonText FileNotFound{QT_TRANSLATE_NOOP("glintrow::Reason", "File not found: %1")};
const ReasonText PermissionDenied{QT_TRANSLATE_NOOP("glintrow::Reason", "Permission denied: %1")};
const ReasonText SystemError{QT_TRANSLATE_NOOP("glintrow::Reason", "%1: %2")};
const ReasonText NotRegularFile{QT_TRANSLATE_NOOP("glintrow::Reason", "Not a regular file: %1")};
const ReasonText BitmapTooSmall{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5")};
const ReasonText BitmapTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4")};
const ReasonText BitmapTooWide{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Bitmap too wide (%1 pixels a row, more than %2): %3")};
const ReasonText BitmapCutShort{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid bitmap file (cut short): %1")};
const ReasonText BitmapUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid bitmap file (%1): %2")};
const ReasonText BitmapOfWrongSize{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5")};
const ReasonText PictureGone{
    QT_TRANSLATE_NOOP("glintrow::Reason", "The picture of the bitmap is gone: %1")};
const ReasonText InvalidPartToKeep{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid part of a bitmap to keep: %1")};
const ReasonText InvalidSurfaceDescription{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid surface description")};
const ReasonText OutOfMemory{QT_TRANSLATE_NOOP("glintrow::Reason", "Out of memory")};
const ReasonText OutOfMemoryFor{QT_TRANSLATE_NOOP("glintrow::Reason", "Out of memory: %1")};
const ReasonText NotWave{QT_TRANSLATE_NOOP("glintrow::Reason", "Not a wave file: %1")};
const ReasonText WaveUnreadable{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (%1): %2")};
const ReasonText WaveFormatTooShort{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (format chunk too short): %1")};
const ReasonText WaveChunksTooMany{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (more than %1 chunks): %2")};
const ReasonText WaveSamplesBeforeFormat{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (samples before their format): %1")};
const ReasonText WaveWithoutSamples{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (no samples): %1")};
const ReasonText WaveWithoutChannels{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Invalid wave file (no channels): %1")};
const ReasonText WaveRateOutOfRange{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file's sample rate out of range (%1 Hz, not %2 to %3): %4")};
const ReasonText WaveSilent{QT_TRANSLATE_NOOP("glintrow::Reason", "Wave file holds no sound: %1")};
const ReasonText WaveSamplesTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file too large (%1 bytes of samples, more than %2): %3")};
const ReasonText WaveTooLong{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Wave file too long (%1 seconds, more than %2): %3")};
const ReasonText WaveDecodedTooLarge{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Wave file too large (%1 bytes decoded, more than %2): %3")};
const ReasonText NoSoundDevice{QT_TRANSLATE_NOOP("glintrow::Reason", "No sound device: %1")};
const ReasonText SoundNotConverted{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be converted (%1): %2")};
const ReasonText SoundNotPlayed{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be played: %1")};
const ReasonText SoundsTooLargeTogether{QT_TRANSLATE_NOOP(
    "glintrow::Reason", "Sounds too large together (%1 bytes once converted, more than %2): %3")};
const ReasonText SoundNotLoaded{
    QT_TRANSLATE_NOOP("glintrow::Reason", "Sound cannot be loaded (%1): %2")};
} // namespace reasons

Reason::Reason(std::string verbatim) : verbatim_(std::move(verbatim)) {}

Reason::Reason(const ReasonText& text, std::vector<Reason> details)
    : text_(text.english), details_(std::move(details)) {}

// Written the same whatever the C library's locale, which the toolkit sets from the system's.
Reason Reason::Figure(double value, int decimals) {
    char written[64];
    const auto end = std::to_chars(std::begin(written), std::end(written), value,
                                   std::chars_format::fixed, decimals);
    Reason figure{std::string(written, end.ec == std::errc{} ? end.ptr : written)};
    figure.figure_ = true;
    return figure;
}

// Each %1, %2... becomes its detail in one pass, so a path holding "%2" stays as it is.
template <class Say> std::string Reason::fillIn(const char* text, Say say) const {
    std::string filled;
    for (const char* at = text; *at; ++at) {
        const size_t detail = static_cast<unsigned char>(at[1]) - size_t{'1'};
        if (at[0] == '%' && detail < details_.size()) {
            filled += (details_[detail].*say)();
            ++at;
        } else {
            filled += *at;
        }
    }
    return filled;
}

std::string Reason::SayInEnglish() const {
    return text_ ? fillIn(text_, &Reason::SayInEnglish) : verbatim_;
}

std::string Reason::SayInPlayersLanguage() const {
    if (figure_) {
        std::string said = verbatim_;
        const std::string point = QLocale().decimalPoint().toStdString();
        if (const size_t at = said.find('.'); at != std::string::npos)
            said.replace(at, 1, point);
        return said;
    }
    if (!text_)
        return verbatim_;
    const std::string translated =
        QCoreApplication::translate("glintrow::Reason", text_).toStdString();
    return fillIn(translated.c_str(), &Reason::SayInPlayersLanguage);
}

} // namespace glintrow
