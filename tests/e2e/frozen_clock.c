// Preloaded into the game by the end-to-end tests and benchmarks: time stops at FROZEN_CLOCK_AT.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <sys/time.h>
#include <time.h>

typedef int ClockReader(clockid_t, struct timespec*);

// The game seeds its random source from the time of day, so a frozen one deals the same boards
// every run. The other clocks run on: the frames keep their pace on the monotonic one.
static time_t read_frozen_moment(void) {
    const char* moment = getenv("FROZEN_CLOCK_AT");
    return moment ? (time_t)strtoll(moment, NULL, 10) : 0;
}

int clock_gettime(clockid_t clock, struct timespec* now) {
    static ClockReader* readRunningClock;
    if (clock != CLOCK_REALTIME) {
        if (!readRunningClock)
            readRunningClock = (ClockReader*)dlsym(RTLD_NEXT, "clock_gettime");
        return readRunningClock(clock, now);
    }
    *now = (struct timespec){read_frozen_moment(), 0};
    return 0;
}

int gettimeofday(struct timeval* now, void* zone) {
    (void)zone;
    *now = (struct timeval){read_frozen_moment(), 0};
    return 0;
}

time_t time(time_t* now) {
    const time_t moment = read_frozen_moment();
    if (now)
        *now = moment;
    return moment;
}
