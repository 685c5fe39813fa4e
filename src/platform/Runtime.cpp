// Run-time services that need no window: conversions, clocks and the random source.
#include "Runtime.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <thread>

namespace glintrow {
namespace {

using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point& tickEpoch() {
    static const SteadyClock::time_point epoch = SteadyClock::now();
    return epoch;
}

int64_t millisecondsSinceEpoch() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - tickEpoch())
        .count();
}

uint64_t randomState = 0x853c49e6748fea9bULL;

uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

RuntimeHooks& Hooks() {
    static RuntimeHooks hooks;
    return hooks;
}

int16_t CInt(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() &&
          rounded <= std::numeric_limits<int16_t>::max()))
        throw RuntimeError("Overflow");
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

void WaitForTick(int32_t tick) {
    if (Hooks().waitForTick) {
        Hooks().waitForTick(tick);
        return;
    }
    // Sleep to the very moment the tick changes to the one wanted, so frames paced on whole
    // ticks are also whole milliseconds apart in real time.
    const int64_t now = millisecondsSinceEpoch();
    const int32_t remaining = TicksBetween(static_cast<int32_t>(static_cast<uint32_t>(now)), tick);
    if (remaining <= 0)
        return;
    std::this_thread::sleep_until(tickEpoch() + std::chrono::milliseconds(now + remaining));
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

} // namespace glintrow
