// Start-up from a folder where one picture or sound is missing or damaged, for every file and every
// way of damaging it: which box shows, what it names, whether the game plays or ends, and that a
// file claiming a huge picture or a pipe in place of a file cannot hold the game up. An icon over
// the limits is skipped.
#include "WindowDriver.h"

#include "FileBytes.h"
#include "ProcessStatus.h"
#include "basDirectDrawStuff.h"
#include "basDirectSoundStuff.h"
#include "platform/WaveFile.h"

#include <QBuffer>
#include <QMenu>
#include <QTest>
#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <mutex>
#include <optional>
#include <ostream>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glintrow::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const char* const Bitmaps[] = {BoardBitmapFile, GemSheetFile, TargetBitmapFile};
const std::string DrawingFailureTitle = "This is uncalled-for!";
const std::string SoundFailureText = "Unable to create Direct Sound object.\r\n"
                                     "Check to ensure that a sound card is installed and working "
                                     "properly.";
// More frames than a board takes to drop in, however often its set-up repairs it.
constexpr int FrameLimit = 500;

// One file of the game's folder and what is done to it; for the folder itself, its name.
struct BadFile {
    std::string file;
    std::string fault;
    // The picture size the file claims in its header, for files that claim more than they hold.
    int64_t claimedPixels = 0;
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.file << " " << bad.fault;
}

std::string NameCase(const ::testing::TestParamInfo<BadFile>& info) {
    std::string name = info.param.file + "_" + info.param.fault;
    for (char& c : name)
        if (c == '.' || c == '-')
            c = '_';
    return name;
}

bool IsBitmap(const std::string& file) {
    return file.ends_with(".bmp");
}

bool IsTranslation(const std::string& file) {
    return file.ends_with(".qm");
}

// The folder of the program's folder that holds a file.
std::string FolderOf(const std::string& file) {
    return IsBitmap(file)           ? ImagesFolder
           : file.ends_with(".png") ? IconsFolder
           : IsTranslation(file)    ? TranslationsFolder
                                    : SoundsFolder;
}

using Colour = std::array<uint8_t, 3>;

// A 24-bit bottom-up bitmap of a picture given as the colour of each pixel.
template <class ColourAt>
std::string EncodeBitmap(int32_t width, int32_t height, ColourAt colourAt) {
    std::string pixels;
    const size_t padding = (4 - width * 3 % 4) % 4;
    for (int32_t y = height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < width; ++x) {
            const Colour rgb = colourAt(x, y);
            pixels +=
                {static_cast<char>(rgb[2]), static_cast<char>(rgb[1]), static_cast<char>(rgb[0])};
        }
        pixels.append(padding, '\0');
    }
    return BitmapHeaders(width, height, 24, 0, "", pixels.size()) + pixels;
}

std::string EncodeGreyBitmap(int32_t width, int32_t height) {
    return EncodeBitmap(width, height, [](int32_t, int32_t) { return Colour{128, 128, 128}; });
}

// A well-formed header claiming a size, over a few bytes of pixels.
std::string BitmapClaiming(int32_t width, int32_t height) {
    const std::string pixels(3000, '\x40');
    return BitmapHeaders(width, height, 24, 0, "", pixels.size()) + pixels;
}

// A board of grey bands, run-length coded, that ends halfway down.
std::string CutRunLengthBoard() {
    std::string whole;
    for (int row = 0; row < BoardPixels; ++row) {
        const char grey = static_cast<char>(40 + row / CellSize * 20);
        whole += {'\xd0', grey, '\xd0', grey, 0, 0};
    }
    whole += {0, 1};
    return RunLengthBitmap(BoardPixels, BoardPixels, whole.substr(0, whole.size() / 2));
}

// About a kilobyte that claims 5700 x 5700 pixels: a few runs, then the end of the bitmap.
std::string RunLengthBomb() {
    std::string stream;
    for (int run = 0; run < 4; ++run)
        stream += {'\xff', 7};
    stream += {0, 1};
    return RunLengthBitmap(5700, 5700, stream);
}

// A board picture of another size, in three rows of two bands, each of its own colour.
constexpr int32_t OddBoardWidth = 200;
constexpr int32_t OddBoardHeight = 300;
std::string OddBoard() {
    static const Colour bands[] = {{90, 20, 20}, {20, 90, 20}, {20, 20, 90},
                                   {90, 90, 20}, {90, 20, 90}, {20, 90, 90}};
    return EncodeBitmap(OddBoardWidth, OddBoardHeight, [](int32_t x, int32_t y) {
        return bands[(3 * y / OddBoardHeight) * 2 + 2 * x / OddBoardWidth];
    });
}

// A board of the largest size a bitmap may have, in run-length codes: a check of two greys.
constexpr int32_t LargestBoardSide = 8192;
std::string LargestBoard() {
    constexpr int Run = 128;
    std::string stream;
    for (int32_t row = 0; row < LargestBoardSide; ++row) {
        for (int32_t x = 0; x < LargestBoardSide; x += Run)
            stream += {static_cast<char>(Run), (x / Run + row / Run) % 2 ? '\x3c' : '\xc8'};
        stream += {0, 0};
    }
    stream += {0, 1};
    return RunLengthBitmap(LargestBoardSide, LargestBoardSide, stream);
}

std::string EncodePng(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes.toStdString();
}

// A picture of one grey: a few hundred kilobytes that decode to 5600 x 5600 pixels.
std::string HugeIcon() {
    QImage picture(5600, 5600, QImage::Format_Grayscale8);
    picture.fill(140);
    return EncodePng(picture);
}

// 1024 x 1024 pixels of noise, which no compression makes smaller than 4 MB.
std::string NoisyIcon() {
    QImage picture(1024, 1024, QImage::Format_ARGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, static_cast<QRgb>(noise()));
    return EncodePng(picture);
}

std::string Text() {
    std::string text;
    for (int line = 0; line < 40; ++line)
        text += "These lines are words, not a picture and not a sound.\n";
    return text;
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// What a damaged file holds in place of its own bytes.
std::string DamagedContent(const fs::path& path, const std::string& fault) {
    const std::string file = path.filename().string();
    if (fault == "empty")
        return "";
    if (fault == "truncated") {
        const std::string whole = ReadWhole(path);
        return whole.substr(0, whole.size() / 2);
    }
    if (fault == "text")
        return Text();
    // The same size, with a few bytes of its tables turned over.
    if (fault == "flipped") {
        std::string whole = ReadWhole(path);
        for (size_t at = whole.size() / 16; at < whole.size() / 16 + 8; ++at)
            whole[at] = static_cast<char>(~whole[at]);
        return whole;
    }
    if (fault == "enormous")
        return BitmapClaiming(100000, 100000);
    if (fault == "large")
        return BitmapClaiming(8000, 8000);
    if (fault == "200x300")
        return OddBoard();
    if (fault == "8192x8192")
        return LargestBoard();
    if (fault == "cutrle")
        return CutRunLengthBoard();
    if (fault == "bomb")
        return RunLengthBomb();
    // One pixel short of the fifteen spin frames; one cursor frame of six.
    if (fault == "small" && file == GemSheetFile)
        return EncodeGreyBitmap(SpinFrames * CellSize - 1, GemKinds * CellSize);
    if (fault == "small" && file == TargetBitmapFile)
        return EncodeGreyBitmap(CellSize, CellSize);
    if (fault == "5600x5600")
        return HugeIcon();
    if (fault == "noise")
        return NoisyIcon();
    if (fault == "silent")
        return Wave(1, 44100, 16, "");
    // A minute of CD sound, and a second more than five minutes of the smallest.
    if (fault == "60s")
        return Wave(2, 44100, 16, std::string(60 * 44100 * 4, '\0'));
    if (fault == "long")
        return Wave(1, 8000, 8, std::string((MaxSoundSeconds + 1) * 8000, '\x80'));
    // A few kilobytes whose header claims 4 GB of samples.
    if (fault == "claims4g")
        return Wave(1, 44100, 16, std::string(14000, '\0'), 0xFFFFFFFF);
    ADD_FAILURE() << "no such fault " << fault << " for " << file;
    return ReadWhole(path);
}

// Makes the file missing, a pipe that nothing writes to, or one of the damaged contents.
void Damage(const fs::path& path, const std::string& fault) {
    const std::string content =
        fault == "missing" || fault == "fifo" ? "" : DamagedContent(path, fault);
    fs::remove(path);
    if (fault == "fifo")
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    else if (fault != "missing")
        std::ofstream(path, std::ios::binary) << content;
}

// The process's peak resident memory in bytes, and its reset to the memory resident now.
int64_t ReadResidentPeak() {
    return ReadProcessBytes("VmHWM");
}

void ResetResidentPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Stands by a pipe while the game starts: should the game still be waiting for a writer after a
// while, opens the pipe for writing and closes it again, which ends the wait with an empty read.
class PipeWatch {
public:
    explicit PipeWatch(fs::path pipe) : pipe_(std::move(pipe)), thread_([this] { watch(); }) {}

    // Whether the game had to be freed from the pipe.
    bool StopAndTellIfWaited() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        woken_.notify_all();
        thread_.join();
        return waited_;
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        if (woken_.wait_for(lock, std::chrono::seconds(10), [this] { return done_; }))
            return;
        while (!woken_.wait_for(lock, std::chrono::milliseconds(50), [this] { return done_; })) {
            const int writer = ::open(pipe_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0) {
                waited_ = true;
                ::close(writer);
            }
        }
    }

    fs::path pipe_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool done_ = false;
    bool waited_ = false;
    std::thread thread_;
};

class BadFilesTest : public WindowDriver, public ::testing::WithParamInterface<BadFile> {
protected:
    void SetUp() override {
        WindowDriver::SetUp();
        RecordBoxes();
        Hooks().endProgram = [this](int status) { endStatus_ = status; };
        // A whole copy of the program's pictures and sounds, nothing left out.
        UseFolderWithout({});
        const BadFile& bad = GetParam();
        if (bad.file == "folder") {
            MoveCopyIntoFolder("game-\xff\xfe");
            return;
        }
        damaged_ = fs::path(appPath_) / FolderOf(bad.file) / bad.file;
        Damage(damaged_, bad.fault);
    }

    // The temporary folder cannot remove a name that is not text, so the test does.
    void TearDown() override {
        if (GetParam().file == "folder")
            fs::remove_all(appPath_);
        WindowDriver::TearDown();
    }

    // The copy in a folder of the given name, byte for byte, valid text or not.
    void MoveCopyIntoFolder(const std::string& name) {
        const fs::path folder = fs::path(appPath_) / name;
        fs::create_directory(folder);
        for (const char* part : {"images", "sounds"})
            fs::rename(fs::path(appPath_) / part, folder / part);
        appPath_ = folder.string();
    }

    // Starts the game; once the board is still and waits for the player, the script presses a gem
    // (a selection needs the cursor picture) or closes the window. False when the program ended.
    bool StartGame(frmMain& window, bool pressAGem) {
        std::optional<PipeWatch> pipeWatch;
        if (GetParam().fault == "fifo")
            pipeWatch.emplace(damaged_);
        ResetResidentPeak();
        const int64_t residentBefore = ReadResidentPeak();
        bool ended = false;
        try {
            RunGame(window, FrameLimit, [&](int) {
                if (GameState != StateIdle || idleFrame_ > 0)
                    return;
                idleFrame_ = static_cast<int>(frameTicks_.size());
                residentWhilePlaying_ = ReadProcessBytes("VmRSS") - residentBefore;
                if (pressAGem)
                    QTest::mouseClick(
                        window.picBoard, Qt::LeftButton, {},
                        QPoint(2 * CellSize + CellSize / 2, 5 * CellSize + CellSize / 2));
                else
                    window.close();
            });
        } catch (const ProgramEnded&) {
            ended = true;
        }
        residentGrowth_ = ReadResidentPeak() - residentBefore;
        if (pipeWatch) {
            EXPECT_FALSE(pipeWatch->StopAndTellIfWaited()) << "the game waited on the pipe";
        }
        return !ended;
    }

    // The game's own text, then a line giving the reason, which names the file.
    void ExpectSoundBoxAndEnd() {
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_THAT(boxes_[0].text, StartsWith(SoundFailureText + "\r\n"));
        EXPECT_THAT(boxes_[0].text, HasSubstr(damaged_.string()));
        EXPECT_EQ(boxes_[0].icon, MsgBoxIcon::None);
        // No title of its own: the box shows the application's.
        EXPECT_EQ(boxes_[0].title, "");
        EXPECT_EQ(endStatus_, 1);
        EXPECT_TRUE(frameTicks_.empty());
        EXPECT_TRUE(AreGameObjectsReleased());
    }

    fs::path damaged_;
    int endStatus_ = -1;
    int idleFrame_ = 0;
    int64_t residentGrowth_ = 0;
    int64_t residentWhilePlaying_ = 0;
};

using UnusableBitmap = BadFilesTest;
using UnusableWave = BadFilesTest;
using CutWave = BadFilesTest;
using UsableOddFile = BadFilesTest;
using UnusableIcon = BadFilesTest;
using UnusableTranslation = BadFilesTest;

// The drawing set-up's box names the file; the game goes on without the picture until a frame
// needs it, and that frame's failure stops the frame loop with a box of its own. The window stays
// open and its menus work.
TEST_P(UnusableBitmap, ShowsTheDrawingBoxThenTheFramesBoxAndKeepsTheWindow) {
    frmMain window;
    ASSERT_TRUE(StartGame(window, true)) << "the program ended";
    if (GetParam().claimedPixels > 0) {
        // Less than a byte for each pixel claimed: the picture was refused before it was made.
        EXPECT_LT(residentGrowth_, GetParam().claimedPixels)
            << "memory taken while starting with a bitmap claiming " << GetParam().claimedPixels
            << " pixels";
    }
    ASSERT_EQ(boxes_.size(), 2u) << "after " << frameTicks_.size() << " frames";
    EXPECT_EQ(boxes_[0].title, DrawingFailureTitle);
    EXPECT_EQ(boxes_[0].icon, MsgBoxIcon::Exclamation);
    EXPECT_THAT(boxes_[0].text, StartsWith("Unexpected error has occurred.\r\n"));
    EXPECT_THAT(boxes_[0].text, HasSubstr(damaged_.string()));
    EXPECT_EQ(boxes_[1].title, DrawingFailureTitle);
    EXPECT_EQ(boxes_[1].icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(boxes_[1].text, "Some error has occurred!\r\nObject variable not set");
    EXPECT_TRUE(window.isVisible()) << "the window closed";

    window.mnuHowToPlay->trigger();
    ASSERT_EQ(boxes_.size(), 3u);
    EXPECT_EQ(boxes_[2].title, "Instructions.");
    window.close();
}

// The sound set-up refuses the file by name, then the game shows the sound box and ends with
// status 1 before any frame, everything released.
TEST_P(UnusableWave, ShowsTheSoundBoxAndEndsTheProgramWithStatusOne) {
    std::string reason;
    try {
        InitDirectSound();
        ADD_FAILURE() << "the damaged wave file was taken";
    } catch (const SoundSetUpFailure& failure) {
        reason = failure.what();
        EXPECT_THAT(reason, HasSubstr(damaged_.string()));
    }
    EndDirectDraw();

    frmMain window;
    EXPECT_FALSE(StartGame(window, false)) << "the program went on";
    ExpectSoundBoxAndEnd();
    EXPECT_EQ(boxes_[0].text, SoundFailureText + "\r\n" + reason);
    window.hide();
}

// A wave cut in half may be refused like any other bad wave, or played as far as it goes.
TEST_P(CutWave, IsRefusedWithTheSoundBoxOrPlays) {
    frmMain window;
    if (!StartGame(window, false)) {
        std::cout << "the cut wave file was refused\n";
        ExpectSoundBoxAndEnd();
        window.hide();
        return;
    }
    std::cout << "the cut wave file was taken and the game plays\n";
    EXPECT_TRUE(boxes_.empty()) << boxes_[0].text;
    EXPECT_GT(idleFrame_, 0) << "the board never settled";
    EXPECT_FALSE(window.isVisible());
}

// The game plays: the board drops in and waits for the player, with no box, over the board
// picture the folder holds, whatever its size, and with a sound of a minute or one whose header
// claims more than the file holds.
TEST_P(UsableOddFile, LetsTheGamePlay) {
    frmMain window;
    ASSERT_TRUE(StartGame(window, false)) << "the program ended";
    EXPECT_TRUE(boxes_.empty()) << boxes_[0].text;
    EXPECT_GT(idleFrame_, 0) << "the board never settled";
    EXPECT_FALSE(window.isVisible());
    const bool oddBoard = GetParam().fault == "200x300";
    const bool largestBoard = GetParam().fault == "8192x8192";
    EXPECT_EQ(BoardBitmapRect.Right, oddBoard       ? OddBoardWidth
                                     : largestBoard ? LargestBoardSide
                                                    : BoardPixels);
    EXPECT_EQ(BoardBitmapRect.Bottom, oddBoard       ? OddBoardHeight
                                      : largestBoard ? LargestBoardSide
                                                     : BoardPixels);
    if (GetParam().claimedPixels > 0) {
        // Less than a byte for each pixel of the file: the decoded picture was freed once
        // stretched.
        EXPECT_LT(residentWhilePlaying_, GetParam().claimedPixels)
            << "memory held while playing over a board of " << GetParam().claimedPixels
            << " pixels";
    }
}

// An icon over the limits is skipped before it is decoded, with one line on standard error; the
// window takes the other sizes and the game plays.
TEST_P(UnusableIcon, IsSkippedWithOneLineBeforeItIsDecodedAndTheGamePlays) {
    ::testing::internal::CaptureStderr();
    ResetResidentPeak();
    const int64_t residentBefore = ReadResidentPeak();
    frmMain window;
    const int64_t growth = ReadResidentPeak() - residentBefore;
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(errors, HasSubstr("glintrow: " + damaged_.string() + ": icon skipped ("));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    if (GetParam().claimedPixels > 0) {
        EXPECT_LT(growth, GetParam().claimedPixels)
            << "memory taken while loading an icon of " << GetParam().claimedPixels << " pixels";
    }
    std::vector<int> sides;
    for (const QSize& size : window.windowIcon().availableSizes())
        sides.push_back(size.width());
    std::vector<int> kept;
    for (size_t icon = 0; icon < std::size(IconFiles); ++icon)
        if (IconFiles[icon] != GetParam().file)
            kept.push_back(IconSizes[icon]);
    EXPECT_THAT(sides, ::testing::UnorderedElementsAreArray(kept));

    ASSERT_TRUE(StartGame(window, false)) << "the program ended";
    EXPECT_TRUE(boxes_.empty()) << boxes_[0].text;
    EXPECT_GT(idleFrame_, 0) << "the board never settled";
}

// A translation that is not the one the build released is left out before the toolkit reads it,
// with one line naming it: the window speaks English.
TEST_P(UnusableTranslation, IsLeftOutWithOneLineAndTheWindowSpeaksEnglish) {
    const EnglishAfterwards englishAfterwards;
    const std::string& file = GetParam().file;
    const size_t prefix = std::strlen(TranslationsName) + 1;
    const std::string language = file.substr(prefix, file.size() - prefix - std::strlen(".qm"));
    ::testing::internal::CaptureStderr();
    LoadPlayerLanguage(QLocale(QString::fromStdString(language)));
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(errors, HasSubstr(damaged_.string()));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    frmMain window;
    EXPECT_EQ(window.mnuGame->title(), "&Game");
    EXPECT_EQ(window.mnuAbout->text(), "&About...");
}

std::string TranslationFile(const char* language) {
    return std::string(TranslationsName) + "_" + language + ".qm";
}

std::vector<BadFile> UnusableBitmaps() {
    std::vector<BadFile> cases;
    for (const char* bitmap : Bitmaps) {
        for (const char* fault : {"missing", "empty", "truncated", "text"})
            cases.push_back({bitmap, fault});
        cases.push_back({bitmap, "enormous", int64_t{100000} * 100000});
    }
    cases.push_back({BoardBitmapFile, "large", int64_t{8000} * 8000});
    cases.push_back({BoardBitmapFile, "fifo"});
    cases.push_back({BoardBitmapFile, "cutrle"});
    cases.push_back({BoardBitmapFile, "bomb", int64_t{5700} * 5700});
    cases.push_back({GemSheetFile, "small"});
    cases.push_back({TargetBitmapFile, "small"});
    return cases;
}

std::vector<BadFile> UnusableWaves() {
    std::vector<BadFile> cases;
    for (const char* wave : SoundFiles)
        for (const char* fault : {"missing", "empty", "text"})
            cases.push_back({wave, fault});
    cases.push_back({SoundFiles[SoundSelect], "silent"});
    cases.push_back({SoundFiles[SoundGameOver], "long"});
    return cases;
}

std::vector<BadFile> CutWaves() {
    std::vector<BadFile> cases;
    for (const char* wave : SoundFiles)
        cases.push_back({wave, "truncated"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(BadFiles, UnusableBitmap, ::testing::ValuesIn(UnusableBitmaps()),
                         NameCase);
INSTANTIATE_TEST_SUITE_P(BadFiles, UnusableWave, ::testing::ValuesIn(UnusableWaves()), NameCase);
INSTANTIATE_TEST_SUITE_P(BadFiles, CutWave, ::testing::ValuesIn(CutWaves()), NameCase);
INSTANTIATE_TEST_SUITE_P(BadFiles, UnusableIcon,
                         ::testing::Values(BadFile{IconFiles[std::size(IconFiles) - 1], "5600x5600",
                                                   5600 * 5600},
                                           BadFile{IconFiles[0], "noise"}),
                         NameCase);
INSTANTIATE_TEST_SUITE_P(BadFiles, UnusableTranslation,
                         ::testing::Values(BadFile{TranslationFile("ja"), "flipped"},
                                           BadFile{TranslationFile("de"), "truncated"},
                                           BadFile{TranslationFile("ru"), "fifo"}),
                         NameCase);
INSTANTIATE_TEST_SUITE_P(BadFiles, UsableOddFile,
                         ::testing::Values(BadFile{BoardBitmapFile, "200x300"},
                                           BadFile{BoardBitmapFile, "8192x8192",
                                                   int64_t{LargestBoardSide} * LargestBoardSide},
                                           BadFile{"folder", "nonutf8"},
                                           BadFile{SoundFiles[SoundGameOver], "60s"},
                                           BadFile{SoundFiles[SoundSelect], "claims4g"}),
                         NameCase);

} // namespace
} // namespace glintrow::testing
