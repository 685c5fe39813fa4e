// A probe preloaded into the real program by bench/run: it timestamps every sleep of the main
// thread (the frame's wait) on the monotonic clock, straight into a file mapped in memory, so the
// figures survive the program being killed. The file is named by GLINTROW_PROBE_FILE, a variable
// only the probe reads; without it the probe does nothing.
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

struct Wait {
    int64_t begin;
    int64_t end;
};

// The file's layout, read back by bench/run: when the probe was loaded, how many waits follow,
// then each wait's begin and end in nanoseconds.
struct Record {
    int64_t loaded;
    std::atomic<int64_t> count;
    Wait waits[MaxWaits];
};

Record* record = nullptr;

int64_t Now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
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
    if (!record || gettid() != getpid())
        return sleep();
    const int64_t begin = Now();
    const int result = sleep();
    const int64_t end = Now();
    const int64_t index = record->count.load(std::memory_order_relaxed);
    if (index < MaxWaits) {
        record->waits[index] = Wait{begin, end};
        record->count.store(index + 1, std::memory_order_release);
    }
    return result;
}

template <class Function> Function* Next(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
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
