// Reading bitmap files: missing, broken and cut-short files are refused, run-length files are read
// whole, and the header and run-length checks made before Qt's reader decodes a file.
#include "platform/BitmapFile.h"
#include "DrawingTest.h"
#include "FileBytes.h"
#include "platform/DirectDraw.h"

#include <QFile>
#include <fstream>

namespace glintrow::testing {
namespace {

using namespace std::string_literals;
using BitmapFileTest = DrawingTest;

TEST_F(BitmapFileTest, MissingOrBrokenBitmapRaisesAnErrorNamingTheFile) {
    DDSURFACEDESC2 desc;
    const std::string missing = folder_.filePath("missing.bmp").toStdString();
    try {
        DD->CreateSurfaceFromFile(missing, desc);
        FAIL() << "a missing bitmap loaded";
    } catch (const RuntimeError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.bmp"), std::string::npos);
    }

    const std::string broken = folder_.filePath("broken.bmp").toStdString();
    std::ofstream(broken) << "BM this is no bitmap";
    EXPECT_THROW(DD->CreateSurfaceFromFile(broken, desc), RuntimeError);
}

TEST_F(BitmapFileTest, BitmapCutShortIsRefusedRatherThanShownHalfUnset) {
    const QString whole = folder_.filePath("whole.bmp");
    ASSERT_TRUE(Filled(52, 40, Qt::red).save(whole, "BMP"));
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string cut = folder_.filePath("cut.bmp").toStdString();
    std::ofstream(cut, std::ios::binary).write(bytes.constData(), bytes.size() - 100);

    DDSURFACEDESC2 desc;
    EXPECT_NO_THROW(DD->CreateSurfaceFromFile(whole.toStdString(), desc));
    EXPECT_THROW(DD->CreateSurfaceFromFile(cut, desc), RuntimeError);
}

TEST_F(BitmapFileTest, RunLengthBitmapLoadsWholeAndIsRefusedCutShort) {
    // Rows from the bottom: a run; three listed pixels (padded) and a run; a step right and a
    // run, ended by the end of the bitmap.
    const std::string codes =
        "\4\x40\0\0"s + "\0\3\x10\x20\x30\0\1\x50\0\0"s + "\0\2\1\0\2\x60"s + "\0\1"s;
    DDSURFACEDESC2 desc;
    for (size_t cut : {size_t{0}, size_t{2}, codes.size() / 2}) {
        const std::string path = folder_.filePath("rle.bmp").toStdString();
        const std::string file = RunLengthBitmap(4, 3, codes);
        std::ofstream(path, std::ios::binary).write(file.data(), file.size() - cut);
        if (cut == 0) {
            auto surface = DD->CreateSurfaceFromFile(path, desc);
            EXPECT_EQ(surface->GetPixel(2, 1), RGB(0x30, 0x30, 0x30));
            EXPECT_EQ(surface->GetPixel(2, 0), RGB(0x60, 0x60, 0x60));
        } else {
            EXPECT_THROW(DD->CreateSurfaceFromFile(path, desc), RuntimeError) << cut;
        }
    }
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
