"""What the benchmark watches in running programs, and the figures each phase of watching gives.

CPU, wake-ups and memory come from /proc, the game's frame waits from the frame probe's record."""

import os
import statistics
import struct
import time

from harness.checks import TestFailure, check
from harness.pictures import BOARD

# SDL names its mixing thread so; it mixes silence while no sound plays.
SOUND_THREAD = "SDLAudio"
PROBE_HEADER = struct.Struct("<qq")
# A wait's begin and end, then what happened since the wait before: pixels sent to the X server as
# images, and nanoseconds in painters on images (composition) and on widgets (the window's paint).
PROBE_WAIT = struct.Struct("<qqqqq")
# After the waits in the probe's record: how many answers follow, then each press and the first
# pixels sent after it, in ns, and the press's kind.
PROBE_MAX_WAITS = 1 << 16
PROBE_ANSWERED_AT = PROBE_HEADER.size + PROBE_WAIT.size * PROBE_MAX_WAITS
PROBE_COUNT = struct.Struct("<q")
PROBE_ANSWER = struct.Struct("<qqq")
# Intervals longer than this lie between a still board and the frame a key woke.
LONGEST_PLAYED_INTERVAL_MS = 50
# The frame's tick: frames come this far apart at least while anything moves.
FRAME_TICK_MS = 21
# A phase with something moving saw frames at this share of the tick's rate at least, and no gap
# between them (nor at its ends) longer than this.
LEAST_FRAME_SHARE = 0.9
LONGEST_FRAME_GAP_MS = 250


def measure_cpu_seconds(pid):
    """Time on a processor of every thread of the process so far, to the nanosecond: the
    scheduler's own count, where user and system time from /proc/<pid>/stat come in 10 ms ticks."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
                total += int(stat.read().split()[0])
        except OSError:
            pass
    return total / 1e9


def count_thread_switches(pid):
    """Each thread's name and how often it has left the processor so far, voluntarily or not: every
    wake-up of a thread ends in one such switch."""
    threads = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/comm") as name, \
                    open(f"/proc/{pid}/task/{task}/status") as status:
                switches = sum(int(line.split()[1]) for line in status if "ctxt_switches:" in line)
                threads[task] = (name.read().strip(), switches)
        except OSError:
            pass
    return threads


def read_peak_resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def read_memory_rollup(pid):
    """The process's memory summed over its mappings, in megabytes by kind (Pss, Private_Dirty)."""
    rollup = {}
    with open(f"/proc/{pid}/smaps_rollup") as source:
        for line in source:
            fields = line.split()
            if len(fields) == 3 and fields[2] == "kB":
                rollup[fields[0].rstrip(":")] = int(fields[1]) / 1024
    return rollup


def read_waits(path):
    """The probe's record: the moment it was loaded and every wait: its begin and end in ns, and
    the pixels sent, composition and paint nanoseconds since the wait before."""
    with open(path, "rb") as probe:
        data = probe.read()
    loaded, count = PROBE_HEADER.unpack_from(data, 0)
    waits = [PROBE_WAIT.unpack_from(data, PROBE_HEADER.size + PROBE_WAIT.size * i)
             for i in range(count)]
    return loaded, waits


def read_answers(path):
    """Every press the probe saw answered by pixels: when it was read and when the first pixels
    after it were sent, in ns."""
    with open(path, "rb") as probe:
        data = probe.read()
    count = PROBE_COUNT.unpack_from(data, PROBE_ANSWERED_AT)[0]
    first = PROBE_ANSWERED_AT + PROBE_COUNT.size
    return [PROBE_ANSWER.unpack_from(data, first + PROBE_ANSWER.size * i)[:2]
            for i in range(count)]


def count_waits(path):
    try:
        with open(path, "rb") as probe:
            return PROBE_HEADER.unpack(probe.read(PROBE_HEADER.size))[1]
    except (OSError, struct.error):
        return 0


class Watched:
    """What processes did while an action ran: each one's CPU in seconds and the wake-ups of each
    of its threads by name, in the order the processes were given, and when the action began and
    ended on the monotonic clock, in nanoseconds."""

    def __init__(self, cpu, wakeups, begin, end):
        self.cpu = cpu
        self.wakeups = wakeups
        self.begin = begin
        self.end = end

    def seconds(self):
        return (self.end - self.begin) / 1e9


def watch_phase(pids, action):
    """Watches the processes while an action runs."""
    cpu_before = [measure_cpu_seconds(pid) for pid in pids]
    threads_before = [count_thread_switches(pid) for pid in pids]
    begin = time.monotonic_ns()
    action()
    end = time.monotonic_ns()
    cpu_after = [measure_cpu_seconds(pid) for pid in pids]
    threads_after = [count_thread_switches(pid) for pid in pids]
    wakeups = []
    for before, after in zip(threads_before, threads_after):
        each = {}
        for task, (name, switches) in after.items():
            each[name] = each.get(name, 0) + switches - before.get(task, (name, 0))[1]
        wakeups.append(each)
    return Watched([b - a for a, b in zip(cpu_before, cpu_after)], wakeups, begin, end)


def list_phase_frames(waits, watched):
    """The ends of the frame waits that ended while a phase was watched."""
    return [wait[1] for wait in waits if watched.begin <= wait[1] <= watched.end]


def judge_still(waits, watched):
    """Why a phase of a still board did not watch one (a frame ran in it), or None."""
    frames = len(list_phase_frames(waits, watched))
    return f"{frames} frames ran on a board meant to be still" if frames else None


def judge_moving(waits, watched):
    """Why a phase of a spinning gem did not watch one all through, or None: the frames must come
    at nearly the tick's rate from its beginning to its end."""
    ends = [watched.begin] + list_phase_frames(waits, watched) + [watched.end]
    frames = len(ends) - 2
    rate = frames / watched.seconds()
    least = LEAST_FRAME_SHARE * 1000 / FRAME_TICK_MS
    gap = max(b - a for a, b in zip(ends, ends[1:])) / 1e6
    if rate < least:
        return f"{frames} frames in {watched.seconds():.1f} s: {rate:.1f} /s, below {least:.1f} /s"
    if gap > LONGEST_FRAME_GAP_MS:
        return f"no frame for {gap:.0f} ms"
    return None


def compute_phase_figures(name, watched, process):
    """CPU of one watched process in a phase as a share of one core, wake-ups a second of the
    whole process, and whether the sound mixer's thread ran in it."""
    wakeups = watched.wakeups[process]
    return {
        f"{name}_cpu_percent": 100 * watched.cpu[process] / watched.seconds(),
        f"{name}_wakeups_per_s": sum(wakeups.values()) / watched.seconds(),
        f"{name}_sound_threads": sum(1 for thread in wakeups if thread.startswith(SOUND_THREAD)),
    }


def compute_interval_figures(waits, since, frames):
    """Figures of the intervals between the ends of successive frame waits after a moment."""
    ends = [wait[1] for wait in waits if wait[1] >= since]
    intervals = [(b - a) / 1e6 for a, b in zip(ends, ends[1:])][:frames]
    check(intervals, "the probe saw no frame after the board settled")
    return {
        "interval_frames": len(intervals),
        "interval_min_ms": min(intervals),
        "interval_median_ms": statistics.median(intervals),
        "interval_p99_ms": sorted(intervals)[int(0.99 * (len(intervals) - 1) + 0.5)],
        "interval_max_ms": max(intervals),
        "wait_median_ms": statistics.median((w[1] - w[0]) / 1e6 for w in waits if w[1] >= since),
    }


def compute_start_figures(waits, spawned):
    """From spawning to the first wait's start (the first frame handed to the window) and end."""
    if not waits:
        raise TestFailure("the probe saw no frame wait")
    return {"startup_ms": (waits[0][0] - spawned) / 1e6,
            "first_shown_ms": (waits[0][1] - spawned) / 1e6}


def compute_frame_figures(name, waits, watched, scale, played):
    """Figures of the frames whose wait ended while a phase was watched, the game first and its X
    server second: pixels sent, CPU shares over the time frames ran, frame intervals, and the
    game's composition and paint per frame."""
    frames = [wait for wait in waits if watched.begin <= wait[1] <= watched.end]
    check(len(frames) >= 2, f"no frames while {name} was watched")
    intervals = [(b[1] - a[1]) / 1e6 for a, b in zip(frames, frames[1:])]
    if played:
        intervals = [i for i in intervals if i <= LONGEST_PLAYED_INTERVAL_MS]
    running = sum(intervals) / 1e3 if played else watched.seconds()
    pixels = sum(wait[2] for wait in frames[1:])
    board = (BOARD * scale) ** 2
    return {
        f"{name}_frames": len(intervals),
        f"{name}_frames_per_s": len(intervals) / running,
        f"{name}_pixels_per_s": pixels / running,
        f"{name}_board_share": 100 * pixels / len(intervals) / board,
        f"{name}_cpu_percent": 100 * watched.cpu[0] / running,
        f"{name}_x_cpu_percent": 100 * watched.cpu[1] / running,
        f"{name}_interval_min_ms": min(intervals),
        f"{name}_interval_median_ms": statistics.median(intervals),
        f"{name}_interval_max_ms": max(intervals),
        f"{name}_compose_median_ms": statistics.median(w[3] for w in frames) / 1e6,
        f"{name}_paint_median_ms": statistics.median(w[4] for w in frames) / 1e6,
    }


def compute_sound_figures(heard):
    """From presses to their sound, by the mixer's state at the press: the median and most of
    all, the median of each state, and what waking the mixer adds to the median."""
    every = heard["sound_asleep"] + heard["sound_awake"]
    figures = {}
    if every:
        figures.update(sound_median_ms=statistics.median(every), sound_max_ms=max(every))
    for state, times in heard.items():
        if times:
            figures[f"{state}_median_ms"] = statistics.median(times)
    if all(heard.values()):
        figures["sound_waking_ms"] = (figures["sound_asleep_median_ms"]
                                      - figures["sound_awake_median_ms"])
    return figures


def measure_decoded_mb(path):
    """What a bitmap decodes to at 4 bytes a pixel, from the size in its header."""
    with open(path, "rb") as bitmap:
        width, height = struct.unpack_from("<ii", bitmap.read(26), 18)
    return abs(width * height) * 4 / 2**20
