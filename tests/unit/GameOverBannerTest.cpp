// Tests of the Game Over banner: yellow text centred on the board over a black shadow, drawn into
// the back buffer and nowhere else.
#include "DrawingTest.h"
#include "basMiscelFunctions.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace glintrow::testing {
namespace {

constexpr int32_t Background = RGB(40, 90, 160);
constexpr int32_t Yellow = RGB(200, 200, 0);
constexpr int32_t Black = RGB(0, 0, 0);

struct Box {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool Contains(int32_t x, int32_t y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
};

int32_t MeasuredPixels(double twips) {
    return static_cast<int32_t>(std::nearbyint(std::nearbyint(twips) / TwipsPerPixel));
}

// Where the text must stand: its measured size centred on the board, fractions dropped.
Box ExpectedTextBox() {
    const int32_t width = MeasuredPixels(TextWidth(FormFont, "Game Over"));
    const int32_t height = MeasuredPixels(TextHeight(FormFont, "Game Over"));
    return Box{(416 - width) / 2, (416 - height) / 2, width, height};
}

void ForEachPixel(const std::function<void(int32_t, int32_t, int32_t)>& visit) {
    for (int32_t y = 0; y < 416; ++y)
        for (int32_t x = 0; x < 416; ++x)
            visit(x, y, BackBuffer->GetPixel(x, y));
}

class GameOverBannerTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        RegisterFallbackFonts();
        FormFont = StdFont{"Tahoma", 36};
        FillBackBuffer();
    }

    // A fresh back buffer painted with a colour that is neither the text's nor its shadow's.
    void FillBackBuffer() {
        BackBuffer = CreatePlainSurface(416, 416);
        auto background = LoadSurface(Filled(416, 416, QColor(40, 90, 160)));
        const RECT whole{0, 0, 416, 416};
        BackBuffer->Blt(whole, *background, whole, DDBLT_WAIT);
        ASSERT_EQ(BackBuffer->GetPixel(0, 0), Background);
    }

    std::vector<std::pair<int32_t, int32_t>> PixelsOf(int32_t colour) {
        std::vector<std::pair<int32_t, int32_t>> found;
        ForEachPixel([&](int32_t x, int32_t y, int32_t pixel) {
            if (pixel == colour)
                found.emplace_back(x, y);
        });
        return found;
    }
};

TEST_F(GameOverBannerTest, YellowTextStandsCentredInItsMeasuredBox) {
    const Box box = ExpectedTextBox();
    ShowGameOver();
    const auto yellow = PixelsOf(Yellow);
    ASSERT_GT(yellow.size(), 200u);
    int32_t leftmost = 416;
    int32_t rightmost = -1;
    for (const auto& [x, y] : yellow) {
        EXPECT_TRUE(box.Contains(x, y)) << "yellow at (" << x << ", " << y << ")";
        leftmost = std::min(leftmost, x);
        rightmost = std::max(rightmost, x);
    }
    EXPECT_NEAR((leftmost + rightmost) / 2.0, 208.0, 4.0);
}

TEST_F(GameOverBannerTest, TextIsDrawnAtTheCentredBoxCorner) {
    const Box box = ExpectedTextBox();
    DisplayText(box.left, box.top, "Game Over", Yellow);
    const auto alone = PixelsOf(Yellow);
    FillBackBuffer();
    ShowGameOver();
    EXPECT_EQ(PixelsOf(Yellow), alone);
}

TEST_F(GameOverBannerTest, BlackShadowLiesFivePixelsRightAndDownUnderTheText) {
    ShowGameOver();
    const auto yellow = PixelsOf(Yellow);
    ASSERT_FALSE(yellow.empty());
    EXPECT_GT(PixelsOf(Black).size(), 100u);
    int coveredShadow = 0;
    for (const auto& [x, y] : yellow) {
        // Under a fully yellow pixel the shadow is fully black; text drawn over it blends only
        // yellow with black there.
        const int32_t below = BackBuffer->GetPixel(x + 5, y + 5);
        const int32_t red = below & 0xff;
        const int32_t green = (below >> 8) & 0xff;
        const int32_t blue = (below >> 16) & 0xff;
        EXPECT_TRUE(blue == 0 && red == green)
            << "at (" << x + 5 << ", " << y + 5 << ") colour " << std::hex << below;
        if (BackBuffer->GetPixel(x - 5, y - 5) == Yellow)
            ++coveredShadow;
    }
    EXPECT_GT(coveredShadow, 0) << "the text must be drawn over its shadow";
}

TEST_F(GameOverBannerTest, NothingIsDrawnOutsideTheTextAndItsShadow) {
    const Box box = ExpectedTextBox();
    const Box withShadow{box.left, box.top, box.width + 5, box.height + 5};
    ShowGameOver();
    int outside = 0;
    ForEachPixel([&](int32_t x, int32_t y, int32_t pixel) {
        if (!withShadow.Contains(x, y) && pixel != Background)
            ++outside;
    });
    EXPECT_EQ(outside, 0);
}

TEST_F(GameOverBannerTest, TextTakesTheWindowsFontAndTheGivenColour) {
    const int32_t green = RGB(0, 255, 0);
    FormFont = StdFont{"Tahoma", 12};
    DisplayText(10, 20, "Game Over", static_cast<uint32_t>(green));
    const auto small = PixelsOf(green);
    ASSERT_FALSE(small.empty());
    const Box box{10, 20, MeasuredPixels(TextWidth(FormFont, "Game Over")),
                  MeasuredPixels(TextHeight(FormFont, "Game Over"))};
    for (const auto& [x, y] : small)
        EXPECT_TRUE(box.Contains(x, y)) << "green at (" << x << ", " << y << ")";
    EXPECT_TRUE(PixelsOf(Yellow).empty());
}

} // namespace
} // namespace glintrow::testing
