// A probe preloaded into the real program by bench/run: it timestamps every sleep of the main
// thread (the frame's wait) on the monotonic clock, and with each wait what happened since the
// last one: the pixels sent to the X server as images and the time spent in painters on images
// (the frame's composition) and on widgets (the window's paint); and for each key or button the
// player presses, when the program read it from the X server and when it next sent pixels. The
// records go straight into a file mapped in memory, so the figures survive the program being
// killed. The file is named by GLINTROW_PROBE_FILE, a variable only the probe reads; without it
// the probe does nothing.
#include <QPaintDevice>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int64_t MaxWaits = 1 << 16;
constexpr int64_t MaxAnswers = 1 << 12;

struct Wait {
    int64_t begin;
    int64_t end;
    // Since the end of the wait before: pixels sent as images, nanoseconds in painters on
    // images and on widgets.
    int64_t pixels;
    int64_t composing;
    int64_t painting;
};

// A press of a key or button, and the first pixels sent after it.
struct Answer {
    int64_t pressed;
    int64_t shown;
    // XCB's event type: a key press or a button press.
    int64_t kind;
};

// The file's layout, read back by bench/run: when the probe was loaded, how many waits follow,
// then the waits; how many answers follow, then the answers.
struct Record {
    int64_t loaded;
    std::atomic<int64_t> count;
    Wait waits[MaxWaits];
    std::atomic<int64_t> answered;
    Answer answers[MaxAnswers];
};

Record* record = nullptr;
std::atomic<int64_t> pixelsSent{0};
// The latest press not yet answered by pixels, read on Qt's event thread: when and of what kind.
std::atomic<int64_t> pressedAt{0};
std::atomic<int64_t> pressedKind{0};
// Painters open on the main thread: what each paints on and when it opened.
struct OpenPainter {
    const void* painter;
    bool onImage;
    int64_t opened;
};
OpenPainter openPainters[16];
int openCount = 0;
int64_t composing = 0;
int64_t painting = 0;

int64_t Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

// Asked once a thread, not once a frame: gettid and getpid are system calls.
bool OnMainThread() {
    thread_local const bool onMain = gettid() == getpid();
    return onMain;
}

__attribute__((constructor)) void OpenRecord() {
    const char* path = std::getenv("GLINTROW_PROBE_FILE");
    if (!path)
        return;
    const int file = open(path, O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (file < 0)
        return;
    if (ftruncate(file, sizeof(Record)) == 0) {
        void* mapped = mmap(nullptr, sizeof(Record), PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
        if (mapped != MAP_FAILED) {
            record = static_cast<Record*>(mapped);
            record->loaded = Now();
        }
    }
    close(file);
}

template <class Sleep> int TimeSleep(Sleep sleep) {
    if (!record || !OnMainThread())
        return sleep();
    const int64_t begin = Now();
    const int result = sleep();
    const int64_t end = Now();
    const int64_t index = record->count.load(std::memory_order_relaxed);
    if (index < MaxWaits) {
        record->waits[index] = Wait{begin, end, pixelsSent.exchange(0), composing, painting};
        record->count.store(index + 1, std::memory_order_release);
    }
    composing = painting = 0;
    return result;
}

template <class Function> Function* Next(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

// A function of a library that the program loaded by itself, later than the probe: Qt's X11
// plugin brings the X client libraries.
template <class Function> Function* LoadedIn(const char* library, const char* name) {
    void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    return loaded ? reinterpret_cast<Function*>(dlsym(loaded, name)) : nullptr;
}

// xcb_void_cookie_t
struct Cookie {
    unsigned int sequence;
};

// The event types of XCB and of the X input extension that a player's press arrives as.
constexpr uint8_t KeyPress = 2;
constexpr uint8_t ButtonPress = 4;
constexpr uint8_t GenericEvent = 35;
constexpr uint16_t InputButtonPress = 4;

// The first bytes of xcb_generic_event_t and of xcb_ge_generic_event_t.
struct Event {
    uint8_t responseType;
    uint8_t extension;
    uint16_t sequence;
    uint32_t length;
    uint16_t eventType;
};

// Notes a press as the program reads it: the pixels it changes come after.
void* NotePress(void* read) {
    const auto* event = static_cast<const Event*>(read);
    if (!record || !event)
        return read;
    const uint8_t type = event->responseType & 0x7f;
    const bool inputPress = type == GenericEvent && event->eventType == InputButtonPress;
    if (type == KeyPress || type == ButtonPress || inputPress) {
        pressedKind.store(inputPress ? ButtonPress : type, std::memory_order_relaxed);
        pressedAt.store(Now(), std::memory_order_release);
    }
    return read;
}

// Pairs the press waiting for an answer with these pixels.
void AnswerPress() {
    const int64_t pressed = pressedAt.exchange(0, std::memory_order_acquire);
    if (!record || pressed == 0)
        return;
    const int64_t index = record->answered.load(std::memory_order_relaxed);
    if (index < MaxAnswers) {
        record->answers[index] =
            Answer{pressed, Now(), pressedKind.load(std::memory_order_relaxed)};
        record->answered.store(index + 1, std::memory_order_release);
    }
}

} // namespace

extern "C" int clock_nanosleep(clockid_t clock, int flags, const timespec* request,
                               timespec* remain) {
    static auto* next = Next<int(clockid_t, int, const timespec*, timespec*)>("clock_nanosleep");
    return TimeSleep([&] { return next(clock, flags, request, remain); });
}

extern "C" int nanosleep(const timespec* request, timespec* remain) {
    static auto* next = Next<int(const timespec*, timespec*)>("nanosleep");
    return TimeSleep([&] { return next(request, remain); });
}

// The X server's image requests, from shared memory and in the request itself.
#define SHM_PUT_IMAGE(name)                                                                        \
    extern "C" Cookie name(void* c, uint32_t drawable, uint32_t gc, uint16_t totalWidth,           \
                           uint16_t totalHeight, uint16_t srcX, uint16_t srcY, uint16_t width,     \
                           uint16_t height, int16_t dstX, int16_t dstY, uint8_t depth,             \
                           uint8_t format, uint8_t sendEvent, uint32_t segment, uint32_t offset) { \
        static auto* next = LoadedIn<decltype(name)>("libxcb-shm.so.0", #name);                    \
        pixelsSent += int64_t{width} * height;                                                     \
        AnswerPress();                                                                             \
        return next(c, drawable, gc, totalWidth, totalHeight, srcX, srcY, width, height, dstX,     \
                    dstY, depth, format, sendEvent, segment, offset);                              \
    }
SHM_PUT_IMAGE(xcb_shm_put_image)
SHM_PUT_IMAGE(xcb_shm_put_image_checked)

#define PUT_IMAGE(name)                                                                            \
    extern "C" Cookie name(void* c, uint8_t format, uint32_t drawable, uint32_t gc,                \
                           uint16_t width, uint16_t height, int16_t dstX, int16_t dstY,            \
                           uint8_t leftPad, uint8_t depth, uint32_t length, const uint8_t* data) { \
        static auto* next = LoadedIn<decltype(name)>("libxcb.so.1", #name);                        \
        pixelsSent += int64_t{width} * height;                                                     \
        AnswerPress();                                                                             \
        return next(c, format, drawable, gc, width, height, dstX, dstY, leftPad, depth, length,    \
                    data);                                                                         \
    }
PUT_IMAGE(xcb_put_image)
PUT_IMAGE(xcb_put_image_checked)

// The X server's events as Qt's event thread reads them.
#define READ_EVENT(name)                                                                           \
    extern "C" void* name(void* c) {                                                               \
        static auto* next = LoadedIn<decltype(name)>("libxcb.so.1", #name);                        \
        return NotePress(next(c));                                                                 \
    }
READ_EVENT(xcb_wait_for_event)
READ_EVENT(xcb_poll_for_event)
READ_EVENT(xcb_poll_for_queued_event)

// QPainter::QPainter(QPaintDevice*) and QPainter::~QPainter(), as the game calls them.
extern "C" void _ZN8QPainterC1EP12QPaintDevice(void* painter, QPaintDevice* device) {
    static auto* next = Next<void(void*, QPaintDevice*)>("_ZN8QPainterC1EP12QPaintDevice");
    if (record && OnMainThread() && openCount < 16)
        openPainters[openCount++] = {painter, device->devType() == QInternal::Image, Now()};
    next(painter, device);
}

extern "C" void _ZN8QPainterD1Ev(void* painter) {
    static auto* next = Next<void(void*)>("_ZN8QPainterD1Ev");
    next(painter);
    if (!record || !OnMainThread())
        return;
    for (int i = openCount - 1; i >= 0; --i) {
        if (openPainters[i].painter != painter)
            continue;
        (openPainters[i].onImage ? composing : painting) += Now() - openPainters[i].opened;
        openPainters[i] = openPainters[--openCount];
        break;
    }
}
