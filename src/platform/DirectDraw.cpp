// The drawing service on Qt: surfaces are QImages, keyed copies skip black through an alpha copy
// of the source, drawings wait until their picture is needed so a frame drawn alike to the last is
// neither drawn nor shown again, and the primary surface hands finished frames to the board's
// window without copying them.
#include "DirectDraw.h"
#include "DirectSound.h"
#include "RegularFile.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cstdlib>
#include <optional>
#include <vector>

#include <unistd.h>

namespace glintrow {
namespace {

// Set only by the benchmark, to measure the game as it was: every frame drawn whole and handed to
// the window, hidden or not.
const bool presentEveryFrame = std::getenv("GLINTROW_BENCH_PRESENT_EVERY_FRAME") != nullptr;

// Past this many drawings without one that replaces the whole picture, the drawings so far are
// done and forgotten.
constexpr size_t MaxKeptSteps = 4096;

uint64_t newPictureName() {
    static uint64_t lastName = 0;
    return ++lastName;
}

// One copy or text onto a surface, kept until the surface's picture is needed.
struct DrawStep {
    // The picture copied, shared so that later drawings onto it do not reach this copy; null for
    // a text.
    QImage source;
    // Names the picture copied: equal names, equal pictures.
    uint64_t sourceName = 0;
    QRect target;
    QRect from;
    bool keyed = false;
    // Replaces every pixel of the surface: nothing drawn before it shows.
    bool whole = false;
    std::string text;
    StdFont font;
    int32_t colour = 0;

    bool drawsAlike(const DrawStep& other) const {
        return sourceName == other.sourceName && target == other.target && from == other.from &&
               keyed == other.keyed && text == other.text && font.Name == other.font.Name &&
               font.Size == other.font.Size && colour == other.colour;
    }
};

bool drawAlike(const std::vector<DrawStep>& steps, size_t count,
               const std::vector<DrawStep>& others) {
    if (count > steps.size() || count > others.size())
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!steps[i].drawsAlike(others[i]))
            return false;
    return true;
}

} // namespace

struct DirectDrawSurface7::Image {
    QImage pixels;
    // The same picture with the colour-key pixels made transparent, once a key is set.
    QImage keyed;
    // The buffer the surface draws into next while the window still shows its last picture.
    QImage spare;
    // The drawings asked for since the picture was last replaced whole (or since the pixels were
    // last brought up to date, past MaxKeptSteps), and those the pixels show.
    std::vector<DrawStep> steps;
    std::vector<DrawStep> drawnSteps;
    // Names of the picture asked for and of the picture the pixels show.
    uint64_t name = newPictureName();
    uint64_t drawnName = name;
    bool primary = false;
};

struct DirectDrawClipper::Presenter : QObject {
    QPointer<QWidget> window;
    QImage frame;
    // The name of the surface picture the frame shows, the part of it shown and where on the
    // screen.
    uint64_t frameName = 0;
    QRect frameSource;
    QRect frameOnScreen;
    QPoint offset;
    // A repaint was asked for and has not happened yet; it paints whatever frame is the latest by
    // then, also when that is only once the window is shown again.
    bool repaintAsked = false;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::Paint) {
            repaintAsked = false;
            QPainter painter(window);
            // Black only around the frame, so each pixel of the window is written once.
            const QRegion around = QRegion(window->rect()).subtracted(QRect(offset, frame.size()));
            for (const QRect& part : around)
                painter.fillRect(part, Qt::black);
            painter.drawImage(offset, frame);
            return true;
        }
        return false;
    }

    ~Presenter() override {
        if (window) {
            window->removeEventFilter(this);
            window->update();
        }
    }
};

namespace {

QWidget* widgetOf(HWND window) {
    return reinterpret_cast<QWidget*>(window);
}

QRect toQRect(const RECT& rect) {
    return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

bool isUsableIn(const RECT& rect, const QImage& image) {
    return rect.Right > rect.Left && rect.Bottom > rect.Top && rect.Left >= 0 && rect.Top >= 0 &&
           rect.Right <= image.width() && rect.Bottom <= image.height();
}

QColor toQColor(int32_t colour) {
    return QColor(colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
}

QFont toQFont(const StdFont& font) {
    QFont qfont(QString::fromStdString(font.Name));
    // Points at 96 dots per inch, whatever the screen says, so text is laid out alike everywhere.
    qfont.setPixelSize(static_cast<int>(font.Size * 96.0f / 72.0f + 0.5f));
    return qfont;
}

// Before drawings that begin by replacing every pixel of the surface: while the window still
// holds the surface's last picture, draw into the other buffer rather than copy that picture first.
void takeUnsharedBuffer(DirectDrawSurface7::Image& image) {
    if (image.pixels.isDetached())
        return;
    if (!image.spare.isDetached() || image.spare.size() != image.pixels.size() ||
        image.spare.format() != image.pixels.format())
        image.spare = QImage(image.pixels.size(), image.pixels.format());
    std::swap(image.pixels, image.spare);
}

void drawCopy(QPainter& painter, const DrawStep& step) {
    const bool scaled = step.target.size() != step.from.size();
    painter.setCompositionMode(step.keyed ? QPainter::CompositionMode_SourceOver
                                          : QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
    if (scaled)
        painter.drawImage(step.target, step.source, step.from);
    else
        painter.drawImage(step.target.topLeft(), step.source, step.from);
}

void drawText(QPainter& painter, const DrawStep& step) {
    const QFont font = toQFont(step.font);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(font);
    painter.setPen(toQColor(step.colour));
    // The text's cell, not its baseline, has its top-left corner at (x, y).
    painter.drawText(QPointF(step.target.x(), step.target.y() + QFontMetricsF(font).ascent()),
                     QString::fromStdString(step.text));
}

// Brings the pixels up to the picture asked for. Drawings alike to those the pixels show are not
// done again; otherwise only those after the ones the pixels show, or all of them when the first
// replaces the whole picture. One painter serves them all, since opening one costs a third of
// drawing a gem.
void drawPending(DirectDrawSurface7::Image& image) {
    if (image.name == image.drawnName)
        return;
    const bool redrawWhole = presentEveryFrame && image.steps.front().whole;
    const bool drawnComeFirst =
        !redrawWhole && drawAlike(image.steps, image.drawnSteps.size(), image.drawnSteps);
    if (drawnComeFirst && image.steps.size() == image.drawnSteps.size()) {
        image.name = image.drawnName;
        return;
    }
    const size_t first = drawnComeFirst ? image.drawnSteps.size() : 0;
    if (first == 0 && image.steps.front().whole)
        takeUnsharedBuffer(image);
    QPainter painter(&image.pixels);
    for (size_t i = first; i < image.steps.size(); ++i) {
        if (image.steps[i].source.isNull())
            drawText(painter, image.steps[i]);
        else
            drawCopy(painter, image.steps[i]);
    }
    painter.end();
    image.drawnSteps = image.steps;
    image.drawnName = image.name;
}

void addStep(DirectDrawSurface7::Image& image, DrawStep step) {
    if (step.whole) {
        image.steps.clear();
    } else if (image.steps.size() >= MaxKeptSteps) {
        drawPending(image);
        image.steps.clear();
        image.drawnSteps.clear();
    }
    image.steps.push_back(std::move(step));
    image.name = newPictureName();
}

// The most pixel data one bitmap may decode to, as 4 bytes a pixel: 4 million pixels (2048 x 2048).
// The game's own bitmaps need about 1 MB; the limit keeps a small file claiming a huge picture
// (a run-length bitmap of a few bytes can claim any size) from taking the machine's memory.
constexpr int64_t MaxBitmapBytes = 16 * 1024 * 1024;

uint32_t readLittleEndian(const QByteArray& bytes, int offset, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

// What a bitmap's headers say of its pixels; the height counts rows whichever way up they lie.
struct BitmapHeader {
    int64_t width = 0, height = 0;
    uint32_t bitsPerPixel = 0, compression = 0, pixelsAt = 0;
};

constexpr uint32_t RunLength8 = 1;
constexpr uint32_t RunLength4 = 2;

// What a bitmap's headers say, or nothing when they are not a bitmap's (the reader then refuses
// the file). The old 12-byte header holds 16-bit sizes and no compression.
std::optional<BitmapHeader> readBitmapHeader(QFile& file) {
    const QByteArray header = file.peek(34);
    if (header.size() < 26 || !header.startsWith("BM"))
        return std::nullopt;
    BitmapHeader bitmap;
    bitmap.pixelsAt = readLittleEndian(header, 10, 4);
    if (readLittleEndian(header, 14, 4) == 12) {
        bitmap.width = readLittleEndian(header, 18, 2);
        bitmap.height = readLittleEndian(header, 20, 2);
        bitmap.bitsPerPixel = readLittleEndian(header, 24, 2);
        return bitmap;
    }
    if (header.size() < 34)
        return std::nullopt;
    bitmap.width = static_cast<int32_t>(readLittleEndian(header, 18, 4));
    bitmap.height =
        std::abs(static_cast<int64_t>(static_cast<int32_t>(readLittleEndian(header, 22, 4))));
    bitmap.bitsPerPixel = readLittleEndian(header, 28, 2);
    bitmap.compression = readLittleEndian(header, 30, 4);
    return bitmap;
}

// Whether a run-length stream ends before it has given every row: the file ends before the
// end-of-bitmap mark and before the last row's end. The reader leaves the rows it never reaches
// at colour 0 and calls the picture good. Each code is two bytes: a count above 0 is a run of
// one colour; after a 0, 0 ends a row, 1 ends the bitmap, 2 moves right and down by the next two
// bytes, and any other number n lists n pixels, padded to a whole number of byte pairs.
bool isRunLengthCutShort(const uchar* stream, qint64 size, int64_t rows, bool fourBit) {
    int64_t row = 0;
    qint64 at = 0;
    while (row < rows && size - at >= 2) {
        const uchar count = stream[at];
        const uchar code = stream[at + 1];
        at += 2;
        if (count > 0)
            continue;
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            return false;
        } else if (code == 2) {
            if (size - at < 2)
                return true;
            row += stream[at + 1];
            at += 2;
        } else {
            const qint64 listed = fourBit ? (code + 1) / 2 : code;
            at += (listed + 1) / 2 * 2;
        }
    }
    return row < rows;
}

// The bitmap reader takes a file cut short as whole and leaves the missing rows unset, so a
// bitmap must hold every row its header announces.
bool isCutShort(QFile& file, const BitmapHeader& bitmap) {
    if (bitmap.width <= 0 || bitmap.height == 0)
        return false;
    if (bitmap.compression == RunLength8 || bitmap.compression == RunLength4) {
        if (file.size() <= bitmap.pixelsAt)
            return true;
        const qint64 size = file.size() - bitmap.pixelsAt;
        const uchar* stream = file.map(bitmap.pixelsAt, size);
        if (!stream)
            return true;
        const bool cut =
            isRunLengthCutShort(stream, size, bitmap.height, bitmap.compression == RunLength4);
        file.unmap(const_cast<uchar*>(stream));
        return cut;
    }
    const bool uncompressed = bitmap.compression == 0 || bitmap.compression == 3;
    if (!uncompressed)
        return false;
    const int64_t rowBytes = (bitmap.width * bitmap.bitsPerPixel + 31) / 32 * 4;
    return file.size() < bitmap.pixelsAt + rowBytes * bitmap.height;
}

bool isTooLarge(const BitmapHeader& bitmap) {
    return bitmap.width > 0 && bitmap.height > MaxBitmapBytes / 4 / bitmap.width;
}

std::unique_ptr<DirectDrawSurface7::Image> makeImage(QImage pixels, bool primary = false) {
    auto image = std::make_unique<DirectDrawSurface7::Image>();
    image->pixels = std::move(pixels);
    image->primary = primary;
    return image;
}

} // namespace

DirectDrawClipper::DirectDrawClipper() : presenter_(std::make_unique<Presenter>()) {}
DirectDrawClipper::~DirectDrawClipper() = default;

void DirectDrawClipper::SetHWnd(HWND window) {
    if (presenter_->window)
        presenter_->window->removeEventFilter(presenter_.get());
    presenter_->window = widgetOf(window);
    if (presenter_->window)
        presenter_->window->installEventFilter(presenter_.get());
}

DirectDrawSurface7::DirectDrawSurface7(std::unique_ptr<Image> image) : image_(std::move(image)) {}
DirectDrawSurface7::~DirectDrawSurface7() = default;

int32_t DirectDrawSurface7::Blt(const RECT& target, DirectDrawSurface7& source,
                                const RECT& sourceRect, int32_t flags) {
    if (image_->primary)
        return presentOnScreen(target, source, sourceRect);
    Image& from = *source.image_;
    if (!isUsableIn(target, image_->pixels) || !isUsableIn(sourceRect, from.pixels))
        return DDERR_INVALIDRECT;
    drawPending(from);
    DrawStep step;
    step.keyed = (flags & DDBLT_KEYSRC) && !from.keyed.isNull();
    step.source = step.keyed ? from.keyed : from.pixels;
    step.sourceName = from.name;
    step.target = toQRect(target);
    step.from = toQRect(sourceRect);
    step.whole = !step.keyed && step.target.size() == step.from.size() &&
                 step.target == image_->pixels.rect();
    addStep(*image_, std::move(step));
    return DD_OK;
}

int32_t DirectDrawSurface7::BltFast(int32_t x, int32_t y, DirectDrawSurface7& source,
                                    const RECT& sourceRect, int32_t flags) {
    const RECT target{x, y, x + sourceRect.Right - sourceRect.Left,
                      y + sourceRect.Bottom - sourceRect.Top};
    return Blt(target, source, sourceRect,
               (flags & DDBLTFAST_SRCCOLORKEY) ? DDBLT_KEYSRC | DDBLT_WAIT : DDBLT_WAIT);
}

int32_t DirectDrawSurface7::presentOnScreen(const RECT& target, DirectDrawSurface7& source,
                                            const RECT& sourceRect) {
    DirectDrawClipper::Presenter* presenter = clipper_ ? clipper_->presenter() : nullptr;
    if (!presenter || !presenter->window)
        return DDERR_NOCLIPPER;
    if (!isUsableIn(sourceRect, source.image_->pixels) || target.Right <= target.Left ||
        target.Bottom <= target.Top)
        return DDERR_INVALIDRECT;
    Image& image = *source.image_;
    drawPending(image);
    const QRect onScreen = toQRect(target);
    const QRect shown = toQRect(sourceRect);
    if (!presentEveryFrame && image.name == presenter->frameName &&
        shown == presenter->frameSource && onScreen == presenter->frameOnScreen)
        return DD_OK;
    // The whole picture is shared, not copied; the next frame draws into the surface's other
    // buffer.
    QImage frame = shown == image.pixels.rect() ? image.pixels : image.pixels.copy(shown);
    if (frame.size() != onScreen.size())
        frame = frame.scaled(onScreen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    presenter->frame = std::move(frame);
    presenter->frameName = image.name;
    presenter->frameSource = shown;
    presenter->frameOnScreen = onScreen;
    presenter->offset = onScreen.topLeft() - presenter->window->mapToGlobal(QPoint(0, 0));
    // While a repaint waits (the window hidden, minimised or not yet painted) it will show this
    // frame; asking again would only queue more work.
    if (presentEveryFrame || !presenter->repaintAsked) {
        presenter->repaintAsked = true;
        presenter->window->update();
    }
    return DD_OK;
}

void DirectDrawSurface7::SetColorKey(int32_t, const DDCOLORKEY& key) {
    QImage keyed = image_->pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            const QRgb pixel = line[x];
            const int32_t colour = RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
            if (colour >= key.low && colour <= key.high)
                line[x] = 0;
        }
    }
    image_->keyed = std::move(keyed);
    image_->name = newPictureName();
    image_->drawnName = image_->name;
}

void DirectDrawSurface7::GetSurfaceDesc(DDSURFACEDESC2& desc) const {
    desc.lFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.lCaps = image_->primary ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    desc.lWidth = image_->pixels.width();
    desc.lHeight = image_->pixels.height();
}

void DirectDrawSurface7::SetClipper(const ObjectRef<DirectDrawClipper>& clipper) {
    clipper_ = clipper;
}

void DirectDrawSurface7::SetForeColor(int32_t colour) {
    foreColor_ = colour;
}

void DirectDrawSurface7::SetFont(const StdFont& font) {
    font_ = font;
}

void DirectDrawSurface7::DrawText(int32_t x, int32_t y, const std::string& text, bool) {
    if (image_->primary)
        return;
    DrawStep step;
    step.target = QRect(x, y, 0, 0);
    step.text = text;
    step.font = font_;
    step.colour = foreColor_;
    addStep(*image_, std::move(step));
}

int32_t DirectDrawSurface7::GetPixel(int32_t x, int32_t y) const {
    drawPending(*image_);
    if (!image_->pixels.valid(x, y))
        return 0;
    const QRgb pixel = image_->pixels.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void DirectDraw7::SetCooperativeLevel(HWND, int32_t) {}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurface(DDSURFACEDESC2& desc) {
    if (desc.ddsCaps.lCaps & DDSCAPS_PRIMARYSURFACE)
        return ObjectRef<DirectDrawSurface7>::Make(makeImage(QImage(), true));
    if (!(desc.lFlags & DDSD_WIDTH) || !(desc.lFlags & DDSD_HEIGHT) || desc.lWidth <= 0 ||
        desc.lHeight <= 0)
        throw RuntimeError("Invalid surface description");
    QImage pixels(desc.lWidth, desc.lHeight, QImage::Format_RGB32);
    if (pixels.isNull())
        throw RuntimeError("Out of memory");
    pixels.fill(Qt::black);
    return ObjectRef<DirectDrawSurface7>::Make(makeImage(std::move(pixels)));
}

ObjectRef<DirectDrawSurface7> DirectDraw7::CreateSurfaceFromFile(const std::string& path,
                                                                 DDSURFACEDESC2& desc) {
    // Opened by the path's own bytes: a folder name need not be valid text.
    const int descriptor = OpenRegularFile(path);
    QFile bitmap;
    if (!bitmap.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw RuntimeError("Permission denied: " + path);
    }
    const std::optional<BitmapHeader> header = readBitmapHeader(bitmap);
    if (header && isTooLarge(*header))
        throw RuntimeError("Bitmap too large (" + std::to_string(header->width) + " x " +
                           std::to_string(header->height) + " pixels, more than " +
                           std::to_string(MaxBitmapBytes / 4) + " pixels): " + path);
    if (header && isCutShort(bitmap, *header))
        throw RuntimeError("Invalid bitmap file (cut short): " + path);
    QImageReader reader(&bitmap, "BMP");
    // Whatever the headers above failed to describe, the reader itself allocates no more.
    reader.setAllocationLimit(static_cast<int>(MaxBitmapBytes / (1024 * 1024)));
    QImage pixels = reader.read();
    if (pixels.isNull())
        throw RuntimeError("Invalid bitmap file (" + reader.errorString().toStdString() +
                           "): " + path);
    auto surface = ObjectRef<DirectDrawSurface7>::Make(
        makeImage(pixels.convertToFormat(QImage::Format_RGB32)));
    surface->GetSurfaceDesc(desc);
    return surface;
}

ObjectRef<DirectDrawClipper> DirectDraw7::CreateClipper(int32_t) {
    return ObjectRef<DirectDrawClipper>::Make();
}

ObjectRef<DirectDraw7> DirectX7::DirectDrawCreate(const std::string&) {
    return ObjectRef<DirectDraw7>::Make();
}

int32_t DirectX7::TickCount() {
    return glintrow::TickCount();
}

void DirectX7::GetWindowRect(HWND window, RECT& rect) {
    QWidget* widget = widgetOf(window);
    if (!widget) {
        rect = RECT{};
        return;
    }
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(),
                topLeft.y() + widget->height()};
}

double TextWidth(const StdFont& font, const std::string& text) {
    return QFontMetricsF(toQFont(font)).horizontalAdvance(QString::fromStdString(text)) *
           TwipsPerPixel;
}

double TextHeight(const StdFont& font, const std::string&) {
    return QFontMetricsF(toQFont(font)).height() * TwipsPerPixel;
}

} // namespace glintrow
