// Figures shared by the benchmark programs: a stopwatch and order statistics over samples, printed
// one "name value" pair a line for bench/run to gather into its table.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace glintrow::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The sample at the given fraction of the sorted samples (0.5 the median, 1 the largest).
inline double Quantile(std::vector<double> samples, double fraction) {
    if (samples.empty())
        return 0.0;
    const auto at = static_cast<size_t>(fraction * static_cast<double>(samples.size() - 1) + 0.5);
    std::nth_element(samples.begin(), samples.begin() + at, samples.end());
    return samples[at];
}

inline void PrintFigure(const char* name, double value) {
    std::printf("%s %.6g\n", name, value);
}

} // namespace glintrow::bench
