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

// "Board.bmp" at 2 is "Board@2x.bmp", as screens of twice the pixels look for it.
std::filesystem::path scaledName(const char* file, int scale) {
    if (scale == 1)
        return file;
    const std::filesystem::path name(file);
    return name.stem().string() + "@" + std::to_string(scale) + "x" + name.extension().string();
}

bool writePictures(const std::filesystem::path& images) {
    bool ok = true;
    for (int scale = 1; scale <= 3; ++scale) {
        ok = saveImage(makeGemSheet(scale), images / scaledName(GemSheetFile, scale), "BMP") && ok;
        ok = saveImage(makeBoard(scale), images / scaledName(BoardBitmapFile, scale), "BMP") && ok;
        ok =
            saveImage(makeTarget(scale), images / scaledName(TargetBitmapFile, scale), "BMP") && ok;
    }
    for (std::size_t icon = 0; icon < std::size(IconSizes); ++icon)
        ok = saveImage(makeIcon(IconSizes[icon]), images / "icons" / IconFiles[icon], "PNG") && ok;
    return saveBytes(makeScalableIcon(), images / "icons" / ScalableIconFile) && ok;
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
    std::filesystem::create_directories(outdir / "images" / "icons", error);
    std::filesystem::create_directories(outdir / "sounds", error);
    if (error) {
        std::fprintf(stderr, "make-assets: cannot create folders in %s\n", outdir.c_str());
        return false;
    }
    const bool pictures = writePictures(outdir / "images");
    return writeSounds(outdir / "sounds") && pictures;
}

bool writeContactSheet(const std::filesystem::path& file) {
    return saveImage(addSoundPanel(makeContactSheet()), file, "PNG");
}

} // namespace glintrow::assets
