// Run-time services that need no window: conversions, clocks, the random source and the
// program's folder.
#include "Runtime.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>

#include <sys/auxv.h>
#include <time.h>

namespace glintrow {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Tick 0 began here; the end of every wait moves it on by less than a millisecond (WaitForTick).
SteadyClock::time_point& tickEpoch() {
    static SteadyClock::time_point epoch = SteadyClock::now();
    return epoch;
}

int64_t millisecondsAt(SteadyClock::time_point time) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(time - tickEpoch()).count();
}

int64_t millisecondsSinceEpoch() {
    return millisecondsAt(SteadyClock::now());
}

// Sleeps to an absolute moment on the clock behind the steady clock, so the sleep never ends
// early and wakes no later than the system makes it.
void sleepUntil(SteadyClock::time_point wake) {
    const auto sinceClockStart = wake.time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceClockStart);
    timespec moment{};
    moment.tv_sec = static_cast<time_t>(seconds.count());
    moment.tv_nsec = static_cast<long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceClockStart - seconds).count());
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &moment, nullptr) == EINTR) {
    }
}

// Makes this moment the very start of the tick it falls in; the tick's value does not change and
// the tick never runs backwards.
void startTickHere(SteadyClock::time_point now) {
    tickEpoch() = now - std::chrono::milliseconds(millisecondsAt(now));
}

uint64_t randomState = 0x853c49e6748fea9bULL;

uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The dynamic loader, whichever C library it belongs to: ld-linux-x86-64.so.2, ld-musl-x86_64.so.1.
bool isDynamicLoader(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    return name.starts_with("ld-") && name.find(".so") != std::string::npos;
}

} // namespace

RuntimeError::RuntimeError(Reason reason)
    : std::runtime_error(reason.SayInEnglish()), reason_(std::move(reason)) {}

RuntimeError::RuntimeError(const ReasonText& text, std::vector<Reason> details)
    : RuntimeError(Reason(text, std::move(details))) {}

Reason ReasonOf(const std::exception& failure) {
    if (const auto* error = dynamic_cast<const RuntimeError*>(&failure))
        return error->reason();
    return std::string(failure.what());
}

RuntimeHooks& Hooks() {
    static RuntimeHooks hooks;
    return hooks;
}

int16_t CInt(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max()))
        throw RuntimeError(reasons::Overflow);
    return static_cast<int16_t>(rounded);
}

int32_t TickCount() {
    if (Hooks().tickCount)
        return Hooks().tickCount();
    return static_cast<int32_t>(static_cast<uint32_t>(millisecondsSinceEpoch()));
}

int32_t TicksBetween(int32_t earlier, int32_t later) {
    return static_cast<int32_t>(static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier));
}

int32_t TickAfter(int32_t tick, int32_t milliseconds) {
    return static_cast<int32_t>(static_cast<uint32_t>(tick) + static_cast<uint32_t>(milliseconds));
}

void WaitForTick(int32_t tick) {
    if (Hooks().waitForTick) {
        Hooks().waitForTick(tick);
        return;
    }
    const int64_t now = millisecondsSinceEpoch();
    const int32_t remaining = TicksBetween(static_cast<int32_t>(static_cast<uint32_t>(now)), tick);
    if (remaining <= 0)
        return;
    sleepUntil(tickEpoch() + std::chrono::milliseconds(now + remaining));
    // Count the ticks from the moment the sleep really ended. A frame that reads its tick soon
    // after then begins at the start of that tick, and its wait for the tick 21 on ends 21 whole
    // milliseconds after this one did; counted from the wanted moment instead, a late wake-up
    // would shorten the next frame by the time it was late.
    startTickHere(SteadyClock::now());
}

float Timer() {
    if (Hooks().timeOfDay)
        return Hooks().timeOfDay();
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const double fraction =
        std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(seconds))
            .count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

void Randomize(double seed) {
    const float clock = static_cast<float>(seed);
    uint32_t bits = 0;
    std::memcpy(&bits, &clock, sizeof bits);
    randomState = mix(randomState ^ (0x9e3779b97f4a7c15ULL * (uint64_t{bits} + 1)));
}

float Rnd() {
    randomState += 0x9e3779b97f4a7c15ULL;
    // 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(mix(randomState) >> 40) * (1.0f / 16777216.0f);
}

void SetRandomState(uint64_t state) {
    randomState = state;
}

std::string AppPath() {
    if (Hooks().appPath)
        return Hooks().appPath();
    namespace fs = std::filesystem;
    // The system's own record of the running program, with every link on the way resolved, as
    // bytes: any folder name the file system allows will do, valid text or not.
    const std::string record = "/proc/self/exe";
    std::error_code startedError;
    const fs::path started = fs::read_symlink(record, startedError);
    if (!startedError && !isDynamicLoader(started))
        return started.parent_path().string();
    // Started as the dynamic loader's argument, the program's path is the name the loader puts
    // where the system keeps the name it started, relative to the folder it started in.
    const char* name = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    std::error_code nameError;
    const fs::path program = name ? fs::canonical(name, nameError) : fs::path();
    if (name && !nameError && !isDynamicLoader(program))
        return program.parent_path().string();
    const Reason recorded =
        startedError ? Reason(reasons::ProgramRecordUnreadable, {record, startedError.message()})
                     : Reason(reasons::ProgramRecordIsLoader, {record, started.string()});
    const Reason named = !name       ? Reason(reasons::StartingNameUnknown)
                         : nameError ? Reason(reasons::StartingNameUnfollowed,
                                              {std::string(name), nameError.message()})
                                     : Reason(reasons::StartingNameIsLoader);
    throw RuntimeError(reasons::FolderNotFound, {recorded, named});
}

} // namespace glintrow
