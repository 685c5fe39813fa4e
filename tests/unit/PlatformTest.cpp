// The platform stand-ins: copies between surfaces, colour keys, what the window is shown, files
// that are no bitmap or wave, the bounds of a sound, number conversion, the random source and the
// millisecond tick.
#include "DrawingTest.h"
#include "FileBytes.h"
#include "ProcessStatus.h"
#include "platform/DirectDraw.h"
#include "platform/DirectSound.h"
#include "platform/Runtime.h"
#include "platform/WaveFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <gmock/gmock.h>
#include <optional>
#include <set>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace glintrow::testing {
namespace {

using SurfaceTest = DrawingTest;
using ::testing::AllOf;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST_F(SurfaceTest, KeyedCopySkipsBlackButNotNearlyBlack) {
    auto target = LoadSurface(Filled(8, 8, QColor(10, 20, 30)));
    QImage sprite = Filled(4, 1, Qt::black);
    sprite.setPixelColor(1, 0, QColor(1, 1, 1));
    sprite.setPixelColor(2, 0, QColor(200, 0, 0));
    auto source = LoadSurface(sprite);
    source->SetColorKey(DDCKEY_SRCBLT, DDCOLORKEY{});

    target->BltFast(2, 3, *source, RECT{0, 0, 4, 1}, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);

    EXPECT_EQ(target->GetPixel(2, 3), RGB(10, 20, 30));
    EXPECT_EQ(target->GetPixel(3, 3), RGB(1, 1, 1));
    EXPECT_EQ(target->GetPixel(4, 3), RGB(200, 0, 0));
    EXPECT_EQ(target->GetPixel(5, 3), RGB(10, 20, 30));
}

TEST_F(SurfaceTest, CopyWithoutTheKeyFlagDrawsBlackToo) {
    auto target = LoadSurface(Filled(4, 4, Qt::white));
    auto source = LoadSurface(Filled(2, 2, Qt::black));
    source->SetColorKey(DDCKEY_SRCBLT, DDCOLORKEY{});

    target->Blt(RECT{0, 0, 2, 2}, *source, RECT{0, 0, 2, 2}, DDBLT_WAIT);

    EXPECT_EQ(target->GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target->GetPixel(2, 2), RGB(255, 255, 255));
}

TEST_F(SurfaceTest, StretchedCopyFillsTheWholeTarget) {
    auto target = CreatePlainSurface(416, 416);
    auto board = LoadSurface(Filled(100, 30, QColor(40, 80, 120)));

    target->Blt(RECT{0, 0, 416, 416}, *board, RECT{0, 0, 100, 30}, DDBLT_WAIT);

    for (auto [x, y] : {std::pair{0, 0}, {415, 415}, {0, 415}, {415, 0}, {200, 200}})
        EXPECT_EQ(target->GetPixel(x, y), RGB(40, 80, 120)) << x << ", " << y;
}

QImage Gradient(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    return picture;
}

void ExpectPixels(DirectDrawSurface7& surface, const QImage& expected) {
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb pixel = expected.pixel(x, y);
            ASSERT_EQ(surface.GetPixel(x, y), RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)))
                << x << ", " << y;
        }
}

// The board is stretched once and then copied from its stretched picture: every copy shows the
// pixels a stretch made anew would.
TEST_F(SurfaceTest, StretchedWholeBitmapShowsThePixelsOfAStretchOnEveryCopy) {
    const QImage picture = Gradient(200, 300);
    QImage expected(416, 416, QImage::Format_RGB32);
    QPainter painter(&expected);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, 416, 416), picture, picture.rect());
    painter.end();
    auto board = LoadSurface(picture);
    auto target = CreatePlainSurface(416, 416);
    auto patch = LoadSurface(Filled(10, 10, Qt::red));

    for (int frame = 0; frame < 2; ++frame) {
        target->BltFast(0, 0, *patch, RECT{0, 0, 10, 10}, DDBLTFAST_WAIT);
        target->Blt(RECT{0, 0, 416, 416}, *board, RECT{0, 0, 200, 300}, DDBLT_WAIT);
        ExpectPixels(*target, expected);
    }
}

TEST_F(SurfaceTest, SheetKeepsOnlyItsCellsAndCopiesThemAsBefore) {
    const QImage picture = Gradient(100, 60);
    auto sheet = LoadSurface(picture);
    EXPECT_THROW(sheet->KeepOnly(RECT{0, 0, 101, 40}), RuntimeError);
    sheet->KeepOnly(RECT{0, 0, 60, 40});
    DDSURFACEDESC2 desc;
    sheet->GetSurfaceDesc(desc);
    EXPECT_EQ(desc.lWidth, 60);
    EXPECT_EQ(desc.lHeight, 40);
    auto target = CreatePlainSurface(60, 40);

    EXPECT_NE(target->BltFast(0, 0, *sheet, RECT{0, 0, 61, 40}, DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(target->BltFast(0, 0, *sheet, RECT{0, 0, 60, 40}, DDBLTFAST_WAIT), DD_OK);
    ExpectPixels(*target, picture.copy(0, 0, 60, 40));
}

TEST_F(SurfaceTest, EmptyInvertedOrOutsideRectanglesDrawNothing) {
    auto target = LoadSurface(Filled(10, 10, Qt::white));
    auto source = LoadSurface(Filled(10, 10, Qt::red));
    const RECT whole{0, 0, 10, 10};
    const RECT cases[] = {{5, 5, 5, 9}, {6, 2, 3, 8}, {2, 6, 8, 3}, {-1, 0, 4, 4}, {7, 7, 11, 9}};

    for (const RECT& rect : cases) {
        EXPECT_NE(target->Blt(rect, *source, whole, DDBLT_WAIT), DD_OK);
        EXPECT_NE(target->Blt(whole, *source, rect, DDBLT_WAIT), DD_OK);
    }
    EXPECT_NE(target->BltFast(-3, 0, *source, RECT{0, 0, 4, 4}, DDBLTFAST_WAIT), DD_OK);
    EXPECT_NE(target->BltFast(8, 8, *source, RECT{0, 0, 4, 4}, DDBLTFAST_WAIT), DD_OK);

    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(target->GetPixel(x, y), RGB(255, 255, 255)) << x << ", " << y;
}

TEST_F(SurfaceTest, BitmapSurfaceTakesTheFilesSize) {
    auto surface = LoadSurface(Filled(780, 364, Qt::blue));
    DDSURFACEDESC2 desc;
    surface->GetSurfaceDesc(desc);
    EXPECT_EQ(desc.lWidth, 780);
    EXPECT_EQ(desc.lHeight, 364);
}

TEST_F(SurfaceTest, PipeNamedLikeABitmapOrAWaveIsRefusedWithoutWaiting) {
    const std::string pipe = folder_.filePath("pipe").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    DDSURFACEDESC2 desc;
    EXPECT_THROW(DD->CreateSurfaceFromFile(pipe, desc), RuntimeError);
    DSBUFFERDESC bufferDesc;
    WAVEFORMATEX format;
    EXPECT_THROW(DX->DirectSoundCreate("")->CreateSoundBufferFromFile(pipe, bufferDesc, format),
                 RuntimeError);
}

class WaveTest : public DrawingTest {
protected:
    ObjectRef<DirectSoundBuffer> Load(const std::string& path) {
        DSBUFFERDESC desc;
        WAVEFORMATEX format;
        return sound_->CreateSoundBufferFromFile(path, desc, format);
    }

    void SetUp() override {
        DrawingTest::SetUp();
        sound_ = DX->DirectSoundCreate("");
    }

    ObjectRef<DirectSound> sound_;
};

// 8-bit samples of silence.
std::string Silence(int64_t samples) {
    return std::string(samples, '\x80');
}

// The game's own limits, read from the headers alone: five minutes at the lowest rate take 300 KB.
// Resampling five minutes at 1 Hz took a work buffer of 180 MB for every 512 samples.
TEST_F(WaveTest, GameTakesFiveMinutesAtOneToThreeHundredEightyFourKilohertz) {
    const int64_t fiveMinutes = MaxSoundSeconds * MinSampleRate;
    ExpectRefusals({{Wave(1, MinSampleRate, 8, Silence(fiveMinutes)), ""},
                    {Wave(1, MinSampleRate, 8, Silence(fiveMinutes + 1)),
                     "Wave file too long (300.001 seconds, more than 300)"},
                    {Wave(1, MaxSampleRate, 8, Silence(10)), ""},
                    {Wave(1, MinSampleRate - 1, 8, Silence(10)),
                     "Wave file's sample rate out of range (999 Hz, not 1000 to 384000)"},
                    {Wave(1, MaxSampleRate + 1, 8, Silence(10)),
                     "Wave file's sample rate out of range (384001 Hz, not 1000 to 384000)"}},
                   [](const std::string& path) {
                       QFile file(QString::fromStdString(path));
                       ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                       ReadWaveLayout(file.handle(), path, SoundLimits{});
                   });
}

// An IMA ADPCM block's header holds one sample in 4 bytes, an MS ADPCM one's two in 7: counted at
// 4 bits a sample, they made a sound of 299 seconds one of 303, or of 306.
TEST_F(WaveTest, EachLimitTakesASoundAtItAndRefusesOneBeyondItByName) {
    sound_->SetLimits(
        {.maxSeconds = 1, .maxDecodedBytes = 20000, .minSampleRate = 4000, .maxSampleRate = 16000});
    const auto blocks = [](int count) { return std::string(count * 256, '\0'); };
    ExpectRefusals(
        {{Wave(1, 8000, 8, Silence(8000)), ""},
         {Wave(1, 8000, 8, Silence(8001)), "Wave file too long (1.0001 seconds, more than 1)"},
         {Wave(1, 8000, 8, ""), "Wave file holds no sound"},
         {Wave(1, 3999, 8, Silence(400)),
          "Wave file's sample rate out of range (3999 Hz, not 4000 to 16000)"},
         {Wave(1, 16001, 8, Silence(400)),
          "Wave file's sample rate out of range (16001 Hz, not 4000 to 16000)"},
         {Wave(2, 16000, 8, Silence(20002)),
          "Wave file too large (20002 bytes of samples, more than 20000)"},
         {Wave(1, 16000, 8, Silence(12000), std::nullopt, ALawEncoding),
          "Wave file too large (24000 bytes decoded, more than 20000)"},
         // 505 samples a block: 16 blocks are 8080 samples, 17 are 8585.
         {Wave(1, 8100, 4, blocks(16), std::nullopt, ImaAdpcmEncoding, 256), ""},
         {Wave(1, 8100, 4, blocks(17), std::nullopt, ImaAdpcmEncoding, 256),
          "Wave file too long (1.06 seconds, more than 1)"},
         // 500 samples a block: 16 blocks are 8000 samples, 17 are 8500.
         {Wave(1, 8000, 4, blocks(16), std::nullopt, MsAdpcmEncoding, 256, MsAdpcmFields(500)), ""},
         {Wave(1, 8000, 4, blocks(17), std::nullopt, MsAdpcmEncoding, 256, MsAdpcmFields(500)),
          "Wave file too long (1.06 seconds, more than 1)"}},
        [this](const std::string& path) { Load(path)->Play(DSBPLAY_DEFAULT); });
}

// A header claiming 4 GB over a few kilobytes plays what the file holds: with the address space
// held to a gigabyte more than is mapped, an allocation of the claim would fail the load.
TEST_F(WaveTest, HeaderClaimingMoreThanTheFileHoldsPlaysWhatTheFileHolds) {
    const std::string path = WriteFile(Wave(1, 8000, 8, Silence(14000), 0xFFFFFFFF));
#ifndef __SANITIZE_ADDRESS__
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    rlimit held = before;
    held.rlim_cur = static_cast<rlim_t>(ReadProcessBytes("VmSize") + (int64_t{1} << 30));
    ASSERT_EQ(setrlimit(RLIMIT_AS, &held), 0);
#endif
    ObjectRef<DirectSoundBuffer> buffer;
    EXPECT_NO_THROW(buffer = Load(path));
#ifndef __SANITIZE_ADDRESS__
    setrlimit(RLIMIT_AS, &before);
#endif
    ASSERT_TRUE(buffer);
    buffer->Play(DSBPLAY_DEFAULT);
    EXPECT_EQ(buffer->PlayCount(), 1);
}

// Five sounds fit in a budget of five and a half, a sixth is refused before it is read, and a
// sound let go gives its share back.
TEST_F(WaveTest, SoundsTogetherStayWithinTheirBudgetOnceConverted) {
    const std::string sound = Wave(1, 8000, 8, Silence(800));
    std::vector<ObjectRef<DirectSoundBuffer>> loaded{Load(WriteFile(sound))};
    const int64_t share = sound_->LoadedBytes();
    sound_->SetLimits({.maxLoadedBytes = share * 11 / 2});
    const auto keep = [&](const std::string& path) { loaded.push_back(Load(path)); };
    ExpectRefusals(
        {{sound, ""},
         {sound, ""},
         {sound, ""},
         {sound, ""},
         {sound, "Sounds too large together (" + std::to_string(6 * share) +
                     " bytes once converted, more than " + std::to_string(share * 11 / 2) + ")"}},
        keep);
    loaded.pop_back();
    EXPECT_EQ(sound_->LoadedBytes(), 4 * share);
    ExpectRefusals({{sound, ""}}, keep);
}

TEST_F(SurfaceTest, WindowKeepsItsPictureWhileTheNextFrameIsDrawn) {
    QWidget window;
    window.setFixedSize(416, 416);
    window.show();
    const HWND handle = reinterpret_cast<HWND>(&window);
    DDSURFACEDESC2 primaryDesc;
    primaryDesc.ddsCaps.lCaps = DDSCAPS_PRIMARYSURFACE;
    PrimarySurface = DD->CreateSurface(primaryDesc);
    BoardClipper = DD->CreateClipper(0);
    BoardClipper->SetHWnd(handle);
    PrimarySurface->SetClipper(BoardClipper);
    BackBuffer = CreatePlainSurface(416, 416);
    const RECT whole{0, 0, 416, 416};
    RECT onScreen;
    DX->GetWindowRect(handle, onScreen);
    auto shownColour = [&window] { return window.grab().toImage().pixelColor(200, 200); };

    BackBuffer->Blt(whole, *LoadSurface(Filled(416, 416, Qt::red)), whole, DDBLT_WAIT);
    PrimarySurface->Blt(onScreen, *BackBuffer, whole, DDBLT_WAIT);
    EXPECT_EQ(shownColour(), QColor(Qt::red));

    BackBuffer->Blt(whole, *LoadSurface(Filled(416, 416, Qt::blue)), whole, DDBLT_WAIT);
    EXPECT_EQ(shownColour(), QColor(Qt::red)) << "a frame being drawn reached the window";
    EXPECT_EQ(BackBuffer->GetPixel(10, 10), RGB(0, 0, 255));

    PrimarySurface->Blt(onScreen, *BackBuffer, whole, DDBLT_WAIT);
    EXPECT_EQ(shownColour(), QColor(Qt::blue));
}

TEST_F(SurfaceTest, UsingAnEmptySurfaceRaisesObjectVariableNotSet) {
    try {
        BackBuffer->GetPixel(0, 0);
        FAIL() << "an empty surface was used";
    } catch (const RuntimeError& error) {
        EXPECT_STREQ(error.what(), "Object variable not set");
    }
}

TEST(NumberConversion, RoundsHalvesToEvenAndRaisesOverflow) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-0.6), -1);
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.0), -32768);
    for (double outside : {32767.5, -32768.6, 1e9, std::nan("")}) {
        try {
            CInt(outside);
            FAIL() << outside << " fitted in 16 bits";
        } catch (const RuntimeError& error) {
            EXPECT_STREQ(error.what(), "Overflow");
        }
    }
}

TEST(RandomSource, DrawsLieInTheUnitIntervalAndCoverEveryKind) {
    SetRandomState(99);
    std::array<int, 7> kinds{};
    for (int i = 0; i < 70000; ++i) {
        const float draw = Rnd();
        ASSERT_GE(draw, 0.0f);
        ASSERT_LT(draw, 1.0f);
        ++kinds[static_cast<int>(std::floor(7.0 * draw))];
    }
    for (int count : kinds)
        EXPECT_NEAR(count, 10000, 500);
}

TEST(RandomSource, ReseedingWithAnUnchangedClockStillMovesOn) {
    SetRandomState(7);
    std::set<float> draws;
    for (int i = 0; i < 64; ++i) {
        Randomize(4321.5);
        draws.insert(Rnd());
    }
    EXPECT_EQ(draws.size(), 64u);
}

TEST(RandomSource, SameStateAndClockGiveTheSameDraws) {
    SetRandomState(7);
    Randomize(100.25);
    const float first = Rnd();
    SetRandomState(7);
    Randomize(100.25);
    EXPECT_EQ(Rnd(), first);
    SetRandomState(7);
    Randomize(100.5);
    EXPECT_NE(Rnd(), first);
}

TEST(Tick, DifferenceIsRightAcrossTheWrap) {
    EXPECT_EQ(TicksBetween(2147483640, -2147483635), 21);
    EXPECT_EQ(TicksBetween(-1, 20), 21);
    EXPECT_EQ(TicksBetween(100, 121), 21);
    EXPECT_EQ(TickAfter(2147483640, 21), -2147483635);
    EXPECT_EQ(TickAfter(-5, 21), 16);
}

TEST(Tick, WaitingForATickReachesIt) {
    Hooks() = RuntimeHooks{};
    const int32_t start = TickCount();
    WaitForTick(start + 5);
    EXPECT_GE(TicksBetween(start, TickCount()), 5);
}

} // namespace
} // namespace glintrow::testing
