// Checks the gem sheet: layout, colour key, size and place of the gems, and how they spin.
#include "asset_files.h"

#include <gtest/gtest.h>

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>

namespace glintrow::assets::testing {

namespace {

constexpr int SilverKind = 4;

const QImage& gemSheet() {
    static const QImage sheet = loadBuiltPicture(GemSheetFile);
    return sheet;
}

QImage gemFrame(int kind, int frame) {
    return cutCell(gemSheet(), frame, kind);
}

int readBitsPerPixel(const std::string& picture) {
    std::ifstream in(builtAsset(std::string(ImagesFolder) + "/" + picture), std::ios::binary);
    char header[30] = {};
    in.read(header, sizeof header);
    if (header[0] != 'B' || header[1] != 'M')
        return 0;
    return static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8;
}

// The hue, in degrees, that most of the gem's strongly coloured pixels share.
double findDominantHue(const QImage& frame) {
    std::array<double, 36> weight{};
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QColor c = QColor::fromRgb(frame.pixel(x, y));
            if (c.hsvSaturationF() > 0.3 && c.valueF() > 0.2) {
                weight[static_cast<std::size_t>(c.hsvHueF() * 36) % 36] +=
                    c.hsvSaturationF() * c.valueF();
            }
        }
    }
    return 10.0 * (std::max_element(weight.begin(), weight.end()) - weight.begin()) + 5;
}

double measureMedianSaturation(const QImage& frame) {
    std::vector<double> saturations;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            if ((frame.pixel(x, y) & 0xffffff) != 0)
                saturations.push_back(QColor::fromRgb(frame.pixel(x, y)).hsvSaturationF());
    }
    std::nth_element(saturations.begin(), saturations.begin() + saturations.size() / 2,
                     saturations.end());
    return saturations[saturations.size() / 2];
}

double measureOverlap(const Mask& a, const Mask& b) {
    int both = 0;
    int either = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return static_cast<double>(both) / either;
}

} // namespace

TEST(GemSheet, PicturesAreTwentyFourBitBitmapsOfTheirFixedSizes) {
    for (const auto& [name, width, height] :
         {std::tuple{GemSheetFile, SpinFrames * CellSize, GemKinds * CellSize},
          {BoardBitmapFile, BoardSize * CellSize, BoardSize * CellSize},
          {TargetBitmapFile, TargetFrames * CellSize, CellSize}}) {
        EXPECT_EQ(readBitsPerPixel(name), 24) << name;
        const QImage picture = loadBuiltPicture(name);
        EXPECT_EQ(picture.size(), QSize(width, height)) << name;
        EXPECT_FALSE(picture.hasAlphaChannel()) << name;
    }
}

// The sheet at 2 and 3 times the size holds the same gems in the same cells, drawn from the same
// geometry: each cell brought down to the 1x size looks like the 1x cell, far more than like the
// next kind's, and no shape has a hole where the colour key would show the board.
TEST(GemSheet, SheetsAtTwoAndThreeTimesHoldTheSameGemsInTheSameCells) {
    const QImage sheet = loadBuiltPicture(GemSheetFile);
    for (int scale : {2, 3}) {
        const std::string name = "GemSheet@" + std::to_string(scale) + "x.bmp";
        const QImage scaled = loadBuiltPicture(name);
        ASSERT_EQ(scaled.size(), sheet.size() * scale) << name;
        const int cell = CellSize * scale;
        for (int kind = 0; kind < GemKinds; ++kind) {
            for (int frame = 0; frame < SpinFrames; frame += 7) {
                const QImage big = scaled.copy(frame * cell, kind * cell, cell, cell);
                EXPECT_EQ(countHoles(big), 0) << name << " kind " << kind << " frame " << frame;
                const QImage small =
                    big.scaled(CellSize, CellSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                const QImage same = cutCell(sheet, frame, kind);
                const QImage other = cutCell(sheet, frame, (kind + 1) % GemKinds);
                EXPECT_LT(measureDifference(small, same), 0.5 * measureDifference(small, other))
                    << name << " kind " << kind << " frame " << frame;
            }
        }
    }
    for (const char* name : {"Board@2x.bmp", "Board@3x.bmp", "Target@2x.bmp", "Target@3x.bmp"})
        EXPECT_FALSE(loadBuiltPicture(name).isNull()) << name;
    EXPECT_EQ(loadBuiltPicture("Board@3x.bmp").size(),
              loadBuiltPicture(BoardBitmapFile).size() * 3);
    EXPECT_EQ(loadBuiltPicture("Target@2x.bmp").size(),
              loadBuiltPicture(TargetBitmapFile).size() * 2);
}

TEST(GemSheet, EveryGemPixelThatShowsIsNotPureBlack) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        for (int frame = 0; frame < SpinFrames; ++frame) {
            EXPECT_EQ(countHoles(gemFrame(kind, frame)), 0)
                << "kind " << kind << " frame " << frame;
        }
    }
}

TEST(GemSheet, NoGemFrameReachesTheBorderOfItsCell) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        for (int frame = 0; frame < SpinFrames; ++frame) {
            const QRect inside(1, 1, CellSize - 2, CellSize - 2);
            EXPECT_TRUE(inside.contains(boundShown(gemFrame(kind, frame))))
                << "kind " << kind << " frame " << frame;
        }
    }
}

TEST(GemSheet, EveryGemAtRestSpansMostOfItsCellAndIsCentred) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        const QRect bounds = boundShown(gemFrame(kind, 0));
        const double extent = std::max(bounds.width(), bounds.height()) / double(CellSize);
        EXPECT_GE(extent, 0.80) << "kind " << kind;
        EXPECT_LE(extent, 0.90) << "kind " << kind;
        const double centreX = bounds.left() + bounds.width() / 2.0;
        const double centreY = bounds.top() + bounds.height() / 2.0;
        EXPECT_NEAR(centreX, CellSize / 2.0, 1.5) << "kind " << kind;
        EXPECT_NEAR(centreY, CellSize / 2.0, 1.5) << "kind " << kind;
    }
}

TEST(GemSheet, EveryColouredKindHasItsOwnHue) {
    for (int a = 0; a < GemKinds; ++a) {
        for (int b = a + 1; b < GemKinds; ++b) {
            if (a == SilverKind || b == SilverKind)
                continue;
            const double apart =
                std::abs(findDominantHue(gemFrame(a, 0)) - findDominantHue(gemFrame(b, 0)));
            EXPECT_GE(std::min(apart, 360 - apart), 20) << "kinds " << a << " and " << b;
        }
    }
}

TEST(GemSheet, TheSilverGemIsPaleAndEveryOtherIsStronglyColoured) {
    EXPECT_LT(measureMedianSaturation(gemFrame(SilverKind, 0)), 0.25);
    for (int kind = 0; kind < GemKinds; ++kind) {
        if (kind != SilverKind) {
            EXPECT_GT(measureMedianSaturation(gemFrame(kind, 0)), 0.5) << "kind " << kind;
        }
    }
}

TEST(GemSheet, EveryKindHasItsOwnOutline) {
    for (int a = 0; a < GemKinds; ++a) {
        for (int b = a + 1; b < GemKinds; ++b) {
            const double overlap =
                measureOverlap(findEnclosed(gemFrame(a, 0)), findEnclosed(gemFrame(b, 0)));
            EXPECT_LT(overlap, 0.9) << "kinds " << a << " and " << b;
        }
    }
}

TEST(GemSheet, TheGemsRimIsDarkerThanItsBody) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        const QImage cell = gemFrame(kind, 0);
        const Mask shown = findShown(cell);
        double rim = 0;
        double body = 0;
        int rimCount = 0;
        int bodyCount = 0;
        for (int y = 1; y < CellSize - 1; ++y) {
            for (int x = 1; x < CellSize - 1; ++x) {
                if (!shown[y * CellSize + x])
                    continue;
                const bool edge = !shown[y * CellSize + x - 1] || !shown[y * CellSize + x + 1] ||
                                  !shown[(y - 1) * CellSize + x] || !shown[(y + 1) * CellSize + x];
                (edge ? rim : body) += measureLuminance(cell.pixel(x, y));
                ++(edge ? rimCount : bodyCount);
            }
        }
        EXPECT_LT(rim / rimCount, 0.8 * body / bodyCount) << "kind " << kind;
    }
}

TEST(GemSheet, EveryFrameOfTheSpinMovesOnFromTheLast) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        for (int frame = 0; frame < SpinFrames; ++frame) {
            EXPECT_GT(
                measureDifference(gemFrame(kind, frame), gemFrame(kind, (frame + 1) % SpinFrames)),
                1)
                << "kind " << kind << " frame " << frame;
        }
    }
}

TEST(GemSheet, TheSpinLoopsFromTheLastFrameToTheFirstWithoutAJump) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        double largestStep = 0;
        for (int frame = 0; frame + 1 < SpinFrames; ++frame) {
            largestStep = std::max(
                largestStep, measureDifference(gemFrame(kind, frame), gemFrame(kind, frame + 1)));
        }
        EXPECT_LE(measureDifference(gemFrame(kind, SpinFrames - 1), gemFrame(kind, 0)),
                  1.25 * largestStep)
            << "kind " << kind;
    }
}

TEST(GemSheet, EveryGemNarrowsWhenTurnedSideOn) {
    for (int kind = 0; kind < GemKinds; ++kind) {
        const int atRest = boundShown(gemFrame(kind, 0)).width();
        const int sideOn = boundShown(gemFrame(kind, SpinFrames / 2)).width();
        EXPECT_LT(sideOn, 0.9 * atRest) << "kind " << kind;
    }
}

} // namespace glintrow::assets::testing
