// Saves the rendered pictures as BMP and PNG files and the synthesised sounds as WAV files.
#include "outputs.h"

#include "sheets.h"
#include "sound_sheet.h"
#include "sounds.h"
#include "wav.h"

#include <QImage>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace glintrow::assets {

namespace {

bool saveImage(const QImage& image, const std::filesystem::path& file, const char* format) {
    if (image.save(QString::fromStdString(file.string()), format))
        return true;
    std::fprintf(stderr, "make-assets: cannot write %s\n", file.c_str());
    return false;
}

template <typename Bytes> bool saveBytes(const Bytes& bytes, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (out.good())
        return true;
    std::fprintf(stderr, "make-assets: cannot write %s\n", file.c_str());
    return false;
}

bool writePicturesAt(const std::filesystem::path& images, int scale) {
    const auto file = [&images, scale](const char* name) {
        return images / ScaledPicturePath(name, scale);
    };
    const bool sheet = saveImage(makeGemSheet(scale), file(GemSheetFile), "BMP");
    const bool board = saveImage(makeBoard(scale), file(BoardBitmapFile), "BMP");
    return saveImage(makeTarget(scale), file(TargetBitmapFile), "BMP") && sheet && board;
}

bool writePictures(const std::filesystem::path& images, const std::filesystem::path& icons) {
    bool ok = writePicturesAt(images, 1);
    for (int scale : PictureScales)
        ok = writePicturesAt(images, scale) && ok;
    for (std::size_t icon = 0; icon < std::size(IconSizes); ++icon)
        ok = saveImage(makeIcon(IconSizes[icon]), icons / IconFiles[icon], "PNG") && ok;
    return saveBytes(makeScalableIcon(), icons / ScalableIconFile) && ok;
}

bool writeSounds(const std::filesystem::path& sounds) {
    bool ok = true;
    for (int effect = 0; effect < SoundEffectCount; ++effect)
        ok = saveBytes(encodeWav(makeSound(static_cast<SoundEffect>(effect))),
                       sounds / SoundFiles[effect]) &&
             ok;
    return ok;
}

} // namespace

bool writeAllAssets(const std::filesystem::path& outdir) {
    std::error_code error;
    std::filesystem::create_directories(outdir / IconsFolder, error);
    std::filesystem::create_directories(outdir / SoundsFolder, error);
    if (error) {
        std::fprintf(stderr, "make-assets: cannot create folders in %s\n", outdir.c_str());
        return false;
    }
    const bool pictures = writePictures(outdir / ImagesFolder, outdir / IconsFolder);
    return writeSounds(outdir / SoundsFolder) && pictures;
}

bool writeContactSheet(const std::filesystem::path& file) {
    return saveImage(addSoundPanel(makeContactSheet()), file, "PNG");
}

} // namespace glintrow::assets
