"""The benchmark's tables: each figure with its label, unit and goal, printed as Markdown."""

import statistics

# (figure, label, unit, decimals, goal text, test of the goal or None)
ROWS = [
    ("compose_board_median_ms", "Compose board + 64 gems + 2 cursors, median", "ms", 3,
     "< 0.3 ms", lambda v: v < 0.3),
    ("compose_board_p99_ms", "Compose board + 64 gems + 2 cursors, 99th percentile", "ms", 3,
     "", None),
    ("compose_board_worst_ms", "Compose board + 64 gems + 2 cursors, worst", "ms", 3, "", None),
    ("compose_alike_median_ms", "The same board frame again, not drawn again, median", "ms", 4,
     "", None),
    ("compose_every_cell_median_ms", "Every gem turning, every cell drawn again, median", "ms", 3,
     "", None),
    ("compose_shrinking_median_ms", "Compose shrinking gems, median", "ms", 3,
     "< 0.3 ms", lambda v: v < 0.3),
    ("compose_shrinking_p99_ms", "Compose shrinking gems, 99th percentile", "ms", 3, "", None),
    ("compose_shrinking_worst_ms", "Compose shrinking gems, worst", "ms", 3, "", None),
    ("logic_frames_per_s", "Game logic alone, frames per second", "/s", 0, "", None),
    ("logic_games_per_s", "Game logic alone, whole games per second", "/s", 0, "", None),
    ("logic_frames_per_game", "Game logic alone, frames per game", "", 0, "", None),
]

PHASE_NAMES = {"still": "still board, sound off", "unmapped": "window unmapped, sound off",
               "sound_on": "still board, sound on after the quiet spell",
               "spinning": "a gem spinning, sound off"}
PRESS_NAMES = {"arrow": "Arrow key on a still board → first pixels sent",
               "click": "Press on a gem of a still board → first pixels sent",
               "sound_asleep": "Press → its sound at the null sink, the mixer asleep",
               "sound_awake": "Press → its sound at the null sink, the mixer awake"}

# What each phase of a board waiting for the player shows: (figure, label, unit, decimals).
WAITING_FIGURES = (("wakeups_per_s", "wake-ups a second", "/s", 1),
                   ("cpu_percent", "CPU, share of one core", "%", 3),
                   ("sound_threads", "sound threads", "", 0))
# Their goals where nothing should run: (goal text, test of the goal).
QUIET_GOALS = (("<= 2 /s", lambda v: v <= 2), ("<= 0.05 %", lambda v: v <= 0.05),
               ("none", lambda v: v == 0))
NO_GOALS = (("", None),) * len(WAITING_FIGURES)
# Sound on and nothing sounding: the mixer sleeps once its quiet spell is over.
ASLEEP_GOALS = (("<= 1 /s", lambda v: v <= 1), ("", None), ("none", lambda v: v == 0))


def list_waiting_rows(phase, label, goals):
    """The rows of a phase in which the board waits for the player."""
    return [(f"{phase}_{figure}", f"{label}: {what}", unit, decimals, *goal)
            for (figure, what, unit, decimals), goal in zip(WAITING_FIGURES, goals)]


# The real program beside the window that only waits; the goals are the game's.
GAME_ROWS = [
    *list_waiting_rows("still", "Still board, sound off", QUIET_GOALS),
    *list_waiting_rows("unmapped", "Window unmapped, sound off", QUIET_GOALS),
    *list_waiting_rows("sound_on", "Sound on and silent, after the quiet spell", ASLEEP_GOALS),
    ("arrow_median_ms", f"{PRESS_NAMES['arrow']}, median", "ms", 2,
     "<= 5.25 ms (a quarter frame)", lambda v: v <= 5.25),
    ("arrow_max_ms", f"{PRESS_NAMES['arrow']}, maximum", "ms", 2, "", None),
    ("click_median_ms", f"{PRESS_NAMES['click']}, median", "ms", 2, "", None),
    ("click_max_ms", f"{PRESS_NAMES['click']}, maximum", "ms", 2, "", None),
    ("sound_median_ms", "Press → its sound at a PulseAudio null sink, median", "ms", 2,
     "<= 12 ms", lambda v: v <= 12),
    ("sound_max_ms", "Press → its sound at a PulseAudio null sink, maximum", "ms", 2,
     "<= 25 ms", lambda v: v <= 25),
    ("sound_awake_median_ms", f"{PRESS_NAMES['sound_awake']}, median", "ms", 2, "", None),
    ("sound_asleep_median_ms", f"{PRESS_NAMES['sound_asleep']}, median", "ms", 2, "", None),
    ("sound_waking_ms", "What waking the mixer adds to a sound (asleep less awake medians)",
     "ms", 2, "< 21 ms (a frame)", lambda v: v < 21),
    ("spinning_wakeups_per_s", "A gem spinning: wake-ups a second", "/s", 1, "", None),
    ("spinning_cpu_percent", "A gem spinning: CPU, share of one core", "%", 2, "", None),
    ("interval_min_ms", "A gem spinning: frame interval, minimum", "ms", 3, ">= 21 ms",
     lambda v: v >= 21),
    ("interval_median_ms", "A gem spinning: frame interval, median", "ms", 3, "<= 21.5 ms",
     lambda v: v <= 21.5),
    ("interval_p99_ms", "A gem spinning: frame interval, 99th percentile", "ms", 3, "", None),
    ("interval_max_ms", "A gem spinning: frame interval, maximum", "ms", 3, "", None),
    ("startup_ms", "Start-up to the first frame handed to the window", "ms", 1, "< 300 ms",
     lambda v: v < 300),
    ("first_shown_ms", "Start-up to the first frame painted (its wait over)", "ms", 1, "", None),
    ("peak_resident_mb", "Peak resident memory (VmHWM)", "MB", 1, "< 60 MB", lambda v: v < 60),
]

# The game's memory on each display server, once its board has dropped in: (goal, test).
MEMORY_GOALS = {"X11": ("no graphics stack", lambda m: not m["graphics"]),
                "weston": ("the game's own frame: no frame plugin, no graphics stack",
                           lambda m: not m["frame"] and not m["graphics"]),
                "sway": ("sway's frame: no frame plugin, no graphics stack",
                         lambda m: not m["frame"] and not m["graphics"])}

# Figures of the game at each screen scale: (figure, label, unit, decimals, goal text, test of the
# goal over the figures by scale and the private memory allowed at 3, or None). That allowance is
# today's private memory at 3 less what the pictures at 2 decode to, or None without today's game.
SCALE_ROWS = [
    ("spinning_board_share", "A gem spinning: pixels sent, share of a whole board each frame", "%",
     2, "<= 10 % at 1 and 3", lambda v, _: v[1] <= 10 and v[3] <= 10),
    ("spinning_pixels_per_s", "A gem spinning: pixels sent to the X server a second", "", 0, "",
     None),
    ("spinning_cpu_percent", "A gem spinning: CPU of the game, share of one core", "%", 2,
     "at 3 <= 1.5 x at 1", lambda v, _: v[3] <= 1.5 * v[1]),
    ("spinning_x_cpu_percent", "A gem spinning: CPU of the X server, share of one core", "%", 2,
     "", None),
    ("spinning_frames_per_s", "A gem spinning: frames a second", "/s", 2, "at 3 >= 97 % of at 1",
     lambda v, _: v[3] >= 0.97 * v[1]),
    ("spinning_interval_min_ms", "A gem spinning: frame interval, minimum", "ms", 3, ">= 21 ms",
     lambda v, _: min(v.values()) >= 21),
    ("spinning_interval_median_ms", "A gem spinning: frame interval, median", "ms", 3, "", None),
    ("spinning_interval_max_ms", "A gem spinning: frame interval, maximum", "ms", 3, "", None),
    ("spinning_compose_median_ms", "A gem spinning: composition in the game, median a frame", "ms",
     3, "", None),
    ("compose_board_median_ms", "A gem spinning: composition in a hot loop, median a frame", "ms",
     3, "", None),
    ("spinning_paint_median_ms", "A gem spinning: the window's paint in the game, median a frame",
     "ms", 3, "", None),
    ("played_board_share", "Game played out: pixels sent, share of a whole board each frame", "%",
     1, "", None),
    ("played_pixels_per_s", "Game played out: pixels sent to the X server a second", "", 0, "",
     None),
    ("played_cpu_percent", "Game played out: CPU of the game, share of one core", "%", 2, "", None),
    ("played_x_cpu_percent", "Game played out: CPU of the X server, share of one core", "%", 2, "",
     None),
    ("played_frames", "Game played out: frames", "", 0, "", None),
    ("played_interval_min_ms", "Game played out: frame interval, minimum", "ms", 3, ">= 21 ms",
     lambda v, _: min(v.values()) >= 21),
    ("played_interval_median_ms", "Game played out: frame interval, median", "ms", 3, "", None),
    ("played_compose_median_ms", "Game played out: composition in the game, median a frame", "ms",
     3, "", None),
    ("compose_shrinking_median_ms", "Shrinking gems: composition in a hot loop, median a frame",
     "ms", 3, "", None),
    ("played_paint_median_ms", "Game played out: the window's paint in the game, median a frame",
     "ms", 3, "", None),
    ("present_ns_per_pixel", "Every cell changed: copied and painted, hot loop, a device pixel",
     "ns", 2, "", None),
    ("private_mb", "Private dirty memory once the board has dropped in", "MB", 1,
     "at 3 <= today's - the pictures at 2",
     lambda v, allowance: None if allowance is None else v[3] <= allowance),
]


def combine_runs(runs):
    """The figures of the whole runs of one program at one scale: the least of the minima, the
    most of the maxima and the median of the rest, with each run's figure under "runs"; none when
    no run was whole."""
    def combine(key, values):
        if key.endswith("_min_ms"):
            return min(values)
        if key.endswith("_max_ms"):
            return max(values)
        return statistics.median(values)
    if not runs:
        return {}
    combined = {key: combine(key, [run[key] for run in runs]) for key in runs[0]}
    combined["runs"] = {key: [run[key] for run in runs] for key in runs[0]}
    return combined


def describe_presses(presses):
    """Notes on the presses timed: each one's milliseconds, in the order they were made."""
    return [f"{PRESS_NAMES[name]}, each press: {', '.join(f'{each:.2f}' for each in times)} ms."
            for name, times in presses.items()]


def describe_cpu_ratio(at_1, at_3):
    """The game's CPU with a gem spinning at 3 against at 1, for each pair of runs made side by
    side, and their median; None when a scale lost a run and the pairs no longer match."""
    if not at_1 or len(at_1) != len(at_3):
        return None
    ratios = [b["spinning_cpu_percent"] / a["spinning_cpu_percent"] for a, b in zip(at_1, at_3)]
    median = statistics.median(ratios)
    return (f"A gem spinning: CPU of the game at 3 against at 1, runs side by side: {median:.2f} x "
            f"({', '.join(f'{ratio:.2f}' for ratio in ratios)}); goal <= 1.3 x: "
            f"{'yes' if median <= 1.3 else 'NO'}.")


def describe_threads(phases):
    """Notes on each thread's wake-ups: the game's in every phase, then the window's that only
    waits on the still board."""
    def describe(program, name, process):
        watched = phases[name]
        each = ", ".join(f"{thread} {count / watched.seconds():.1f}/s"
                         for thread, count in sorted(watched.wakeups[process].items()))
        return f"{program}, {PHASE_NAMES[name]}: wake-ups by thread: {each}."
    return ([describe("The game", name, 0) for name in phases]
            + [describe("The window that only waits", "still", 1)])


def format_figure(value, unit, decimals):
    return f"{value:,.{decimals}f} {unit}"


def format_scale_cell(figures, key, unit, decimals):
    """A figure at one scale, each run's beside it when there were more; failed when no run was
    whole."""
    if key not in figures:
        return "failed"
    runs = figures.get("runs", {}).get(key, [])
    each = f" ({', '.join(f'{run:,.{decimals}f}' for run in runs)})" if len(runs) > 1 else ""
    return format_figure(figures[key], unit, decimals) + each


def judge(meets, value):
    if meets is None:
        return ""
    if value is None:
        return "failed"
    return "yes" if meets(value) else "NO"


def print_figure_table(headers, rows, *columns):
    """A table of figures: a row each, a column for each set of figures (a cell stays empty where
    a set lacks the figure, and says failed where the first one does: its phase never happened),
    then the goal and whether the first set meets it."""
    print("| " + " | ".join(headers) + " | Goal | Met |")
    print("|---|" + "---:|" * len(columns) + "---|---|")
    for key, label, unit, decimals, goal, meets in rows:
        cells = [format_figure(figures[key], unit, decimals) if key in figures else ""
                 for figures in columns]
        cells[0] = cells[0] or "failed"
        print(f"| {label} | {' | '.join(cells)} | {goal} | {judge(meets, columns[0].get(key))} |")
    print()


def print_tables(figures, game, waiter, memory, notes):
    """The hot loops' figures, the game's beside the window that only waits, and its memory on
    each display server; then the notes."""
    print_figure_table(("Figure", "Measured"), ROWS, figures)
    print_figure_table(("The game on its window", "The game", "A window that only waits"),
                       GAME_ROWS, game, waiter)
    print("| Memory once the board has dropped in | Peak RSS | PSS | Private "
          "| Window frame mapped | Graphics stack mapped | Goal | Met |")
    print("|---|---:|---:|---:|---|---|---|---|")
    for name, (goal, meets) in MEMORY_GOALS.items():
        m = memory[name]
        print(f"| {name} | {m['peak']:.1f} MB | {m['pss']:.1f} MB | {m['private']:.1f} MB "
              f"| {'yes' if m['frame'] else 'no'} | {'yes' if m['graphics'] else 'no'} | {goal} "
              f"| {'yes' if meets(m) else 'NO'} |")
    print()
    for note in notes:
        print(note)


def print_scale_table(name, figures, allowance=None, goals=True):
    """A program's figures by screen scale (the columns, in the order figures holds them), with
    the goals when asked; allowance is the private memory allowed at 3."""
    scales = list(figures)
    columns = " | ".join(f"{scale:g}" for scale in scales)
    print(f"| {name}, at the screen scale | {columns} |" + (" Goal | Met |" if goals else ""))
    print("|---|" + "---:|" * len(scales) + ("---|---|" if goals else ""))
    for key, label, unit, decimals, goal, meets in SCALE_ROWS:
        if not any(key in each for each in figures.values()):
            continue
        values = {scale: figures[scale].get(key) for scale in scales}
        cells = " | ".join(format_scale_cell(figures[scale], key, unit, decimals)
                           for scale in scales)
        met = ""
        if goals and meets and None in values.values():
            met = "failed"
        elif goals and meets:
            met = {True: "yes", False: "NO", None: "not compared: no --today"}[
                meets(values, allowance)]
        print(f"| {label} | {cells} |" + (f" {goal} | {met} |" if goals else ""))
    print()
