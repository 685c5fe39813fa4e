// The window's icon: each picture checked against its limits before it is decoded.
#include "GameIcon.h"

#include "GameFacts.h"
#include "platform/RegularFile.h"
#include "platform/Runtime.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <cstdio>
#include <string>

namespace glintrow {
namespace {

// The largest window icon taken: the window system only scales a larger one down, and decoding
// it could take hundreds of megabytes.
constexpr int MaxIconSide = 1024;
constexpr qint64 MaxIconFileBytes = 4 * 1024 * 1024;

void skipIcon(const std::string& path, const std::string& reason) {
    std::fprintf(stderr, "glintrow: %s: icon skipped (%s)\n", path.c_str(), reason.c_str());
}

// One icon picture, read by the bytes of its path; a file that is not a whole picture is left out,
// and so is one over the limits, with a line on standard error, before it is decoded.
void addIconPicture(QIcon& icon, const std::string& path) {
    try {
        QFile file;
        if (!file.open(OpenRegularFile(path), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return;
        if (file.size() > MaxIconFileBytes) {
            skipIcon(path, std::to_string(file.size()) + " bytes, more than " +
                               std::to_string(MaxIconFileBytes));
            return;
        }
        QImageReader reader(&file, "PNG");
        const QSize size = reader.size();
        if (size.width() > MaxIconSide || size.height() > MaxIconSide) {
            skipIcon(path, std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                               " pixels, more than " + std::to_string(MaxIconSide) + " x " +
                               std::to_string(MaxIconSide));
            return;
        }
        // What the header did not tell, the reader allocates no more than the largest icon takes
        // with 16 bits a channel.
        reader.setAllocationLimit(MaxIconSide * MaxIconSide * 8 / (1024 * 1024));
        const QImage picture = reader.read();
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    } catch (const RuntimeError&) {
    }
}

} // namespace

QIcon LoadGameIcon() {
    QIcon icon;
    try {
        const std::string icons = AppPath() + "/" + IconsFolder + "/";
        for (const char* file : IconFiles)
            addIconPicture(icon, icons + file);
    } catch (const std::exception&) {
    }
    return icon;
}

} // namespace glintrow
