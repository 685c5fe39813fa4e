// Reading bitmap files: missing, broken and cut-short files are refused, run-length files are read
// whole, and the header and run-length checks made before Qt's reader decodes a file.
#include "platform/BitmapFile.h"
#include "DrawingTest.h"
#include "FileBytes.h"
#include "platform/DirectDraw.h"

namespace glintrow::testing {
namespace {

using namespace std::string_literals;
using BitmapFileTest = DrawingTest;

// Rows from the bottom: a run; three listed pixels (padded) and a run; a step right and a run,
// ended by the end of the bitmap.
const std::string RunLengthCodes =
    "\4\x40\0\0"s + "\0\3\x10\x20\x30\0\1\x50\0\0"s + "\0\2\1\0\2\x60"s + "\0\1"s;

// A file cut short would show the rows it lacks unset. No picture holds a row of 64 Mi pixels,
// though as many pixels in any other shape load.
TEST_F(BitmapFileTest, MissingBrokenCutShortOrTooWideBitmapIsRefusedByName) {
    const std::string plain =
        BitmapHeaders(52, 40, 24, 0, "", 52 * 3 * 40) + std::string(52 * 3 * 40, 'x');
    const std::string runs = RunLengthBitmap(4, 3, RunLengthCodes);
    const std::string cut = "Invalid bitmap file (cut short)";
    ExpectRefusals({{std::nullopt, "File not found"},
                    {"BM this is no bitmap", "Invalid bitmap file (Unable to read image data)"},
                    {plain, ""},
                    {plain.substr(0, plain.size() - 100), cut},
                    {runs.substr(0, runs.size() - 2), cut},
                    {runs.substr(0, runs.size() - RunLengthCodes.size() / 2), cut},
                    {BitmapHeaders(67108864, 1, 24, 0, "", 3 * 67108864),
                     "Bitmap too wide (67108864 pixels a row, more than 67108863)"}},
                   [this](const std::string& path) {
                       DDSURFACEDESC2 desc;
                       DD->CreateSurfaceFromFile(path, desc);
                   });
}

TEST_F(BitmapFileTest, RunLengthBitmapLoadsWhole) {
    DDSURFACEDESC2 desc;
    auto surface =
        DD->CreateSurfaceFromFile(WriteFile(RunLengthBitmap(4, 3, RunLengthCodes)), desc);
    EXPECT_EQ(surface->GetPixel(2, 1), RGB(0x30, 0x30, 0x30));
    EXPECT_EQ(surface->GetPixel(2, 0), RGB(0x60, 0x60, 0x60));
}

TEST(BitmapHeader, OldSmallHeaderAndTopDownRowsAreReadAsTheReaderTakesThem) {
    // The old header: 16-bit width and height, no compression.
    const std::string old = "BM"s + Field(0, 4) + Field(0, 4) + Field(26, 4) + Field(12, 4) +
                            Field(300, 2) + Field(200, 2) + Field(1, 2) + Field(24, 2);
    const std::optional<BitmapHeader> small = ReadBitmapHeader(old);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->width, 300);
    EXPECT_EQ(small->height, 200);
    EXPECT_EQ(small->bitsPerPixel, 24u);
    EXPECT_EQ(small->pixelsAt, 26u);

    // A negative height lists the rows from the top; the rows are as many.
    const std::string topDown = "BM"s + Field(0, 4) + Field(0, 4) + Field(54, 4) + Field(40, 4) +
                                Field(52, 4) + Field(-40, 4) + Field(1, 2) + Field(8, 2) +
                                Field(RunLength8, 4);
    const std::optional<BitmapHeader> rows = ReadBitmapHeader(topDown);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->width, 52);
    EXPECT_EQ(rows->height, 40);
    EXPECT_EQ(rows->compression, RunLength8);

    EXPECT_FALSE(ReadBitmapHeader("PK"s + topDown.substr(2)));
    EXPECT_FALSE(ReadBitmapHeader(topDown.substr(0, 30)));
}

TEST(RunLengthStream, CutShortOnlyWhereRowsAreStillOwed) {
    struct Case {
        std::string codes;
        int64_t rows;
        bool fourBit;
        bool cutShort;
    };
    const Case cases[] = {
        {"\0\2"s, 2, false, true},                  // a step without its two bytes
        {"\0\2\0\2"s, 2, false, false},             // a step down past the last row
        {"\0\1"s, 5, false, true},                  // the end of the bitmap, rows left unset
        {"\0\0\0\0\0\0\0\0\0\1"s, 5, false, false}, // the end of the bitmap ends the last row
        {"\0\5\1\2\3\0\0\0"s, 1, true, false},      // five 4-bit pixels in three bytes and one pad
        {"\0\5\1\2\3\0\0\0"s, 1, false, true},      // five 8-bit pixels need six bytes
        {"\3\7\0\0\3\7"s, 2, false, true},          // the second row is never ended
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsRunLengthCutShort(reinterpret_cast<const uint8_t*>(c.codes.data()),
                                      static_cast<int64_t>(c.codes.size()), c.rows, c.fourBit),
                  c.cutShort)
            << ::testing::PrintToString(c.codes) << " over " << c.rows << " rows";
}

} // namespace
} // namespace glintrow::testing
