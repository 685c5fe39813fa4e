// Checks that the generator writes the same bytes on every run and that the files hold what it
// drew.
#include "asset_files.h"
#include "outputs.h"
#include "sheets.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>

namespace glintrow::assets::testing {

namespace {

std::vector<char> readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::filesystem::path> listFiles(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(std::filesystem::relative(entry.path(), root));
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(Generator, WritesTheSameBytesOnEveryRun) {
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(writeAllAssets(first.path().toStdString()));
    ASSERT_TRUE(writeAllAssets(second.path().toStdString()));
    const std::filesystem::path a = first.path().toStdString();
    const std::filesystem::path b = second.path().toStdString();
    const auto files = listFiles(a);
    // Three pictures at 1, 2 and 3 times their size, and the icons with the scalable one.
    ASSERT_EQ(files.size(), 3 * 3 + std::size(IconFiles) + 1 + std::size(SoundFiles));
    ASSERT_EQ(files, listFiles(b));
    for (const auto& file : files) {
        const std::vector<char> bytes = readBytes(a / file);
        EXPECT_EQ(bytes, readBytes(b / file)) << file;
        EXPECT_EQ(bytes, readBytes(builtAsset(file.string()))) << "the build's copy of " << file;
    }
}

TEST(Generator, SavedBitmapsReloadWithExactlyThePixelsDrawn) {
    const std::pair<const char*, QImage> pictures[] = {{GemSheetFile, makeGemSheet()},
                                                       {BoardBitmapFile, makeBoard()},
                                                       {TargetBitmapFile, makeTarget()}};
    for (const auto& [name, drawn] : pictures) {
        const QImage loaded = loadBuiltPicture(name).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(loaded, drawn.convertToFormat(QImage::Format_RGB32)) << name;
    }
}

} // namespace glintrow::assets::testing
