// The floor for the idle game's CPU: a program that only wakes every 21 ms and looks once, without
// waiting, for input, as the frame loop does, and draws nothing. bench/run measures it beside the
// game, under the same load.
#include <poll.h>
#include <time.h>

int main() {
    constexpr long FrameNanoseconds = 21000000;
    timespec wake{};
    clock_gettime(CLOCK_MONOTONIC, &wake);
    for (;;) {
        wake.tv_nsec += FrameNanoseconds;
        if (wake.tv_nsec >= 1000000000) {
            wake.tv_nsec -= 1000000000;
            ++wake.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr);
        pollfd input{0, POLLIN, 0};
        poll(&input, 1, 0);
    }
}
