// The game's clocks: the tick, the frame's wait for a tick, and the time of day.
#include "Runtime.h"

#include <cerrno>
#include <chrono>
#include <ctime>

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

} // namespace

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

} // namespace glintrow
