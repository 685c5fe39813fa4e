"""The benchmark's measurements: the build's benchmark programs, and the real game on its display.

The game runs through the end-to-end harness: beside a window that only waits, on X11 and Wayland,
and at each screen scale in the short game of a stopped clock."""

import functools
import itertools
import os
import statistics
import subprocess
import time

from harness.checks import START_TIMEOUT, TestFailure, check, wait_until
from harness.compositors import Sway, find_wayland_socket
from harness.game_process import FRAME_PLUGIN, GRAPHICS_STACK, SHORT_GAME_MOVES, Game, freeze_clock
from harness.pictures import BITMAPS, locate_picture
from harness.runner import Session, Stage
from harness.xserver import XServer, stop_process
from hearing import Monitor, start_pulseaudio
from watching import (SOUND_THREAD, compute_frame_figures, compute_interval_figures,
                      compute_phase_figures, compute_start_figures, count_thread_switches,
                      count_waits, judge_moving, judge_still, measure_decoded_mb, read_answers,
                      read_memory_rollup, read_peak_resident_mb, read_waits, watch_phase)

SETTLE_SECONDS = 3.0
SCALES = (1, 1.5, 2, 3)
# The orders the game runs in at each scale: 1 and 3, which the goals compare, side by side, and
# each first in turn, so that a change in the machine's load weighs on every scale alike.
SCALE_ORDERS = ((1, 3, 1.5, 2), (3, 1, 2, 1.5), (1, 3, 1.5, 2))
# A game that runs no frame for this long waits for the player.
STILL_SECONDS = 0.4
# The gem pressed to set one spinning: in the middle of the board.
MIDDLE_CELL = (3, 3)
WAITER_CAPTION = "only waits"
# A phase that did not watch what it was meant to is watched again, this many times in all at most;
# one that never did is reported as failed.
ATTEMPTS = 3
# Presses timed on a still board, each answered before the next, and how many may go unanswered.
ARROW_PRESSES = 15
CLICK_PRESSES = 7
LOST_PRESSES = 5
# A press not answered by pixels in this long was lost.
ANSWER_SECONDS = 2.0
# Presses heard at the null sink, each once the mixer has slept and once soon after a sound; the
# sink is silent this long before each.
SOUND_PRESSES = 8
SILENT_SECONDS = 0.2
# The mixer stays awake this long after sound goes on or a sound ends, before it sleeps; the
# sleeping mixer is counted a second later.
QUIET_SPELL_SECONDS = 1.5
AWAKE_SECONDS = QUIET_SPELL_SECONDS + 1.0


def run_figures(command, **variables):
    """Runs a benchmark program and returns the figures it prints, one "name value" a line."""
    try:
        output = subprocess.run(command, check=True, capture_output=True, text=True,
                                env=dict(os.environ, **variables)).stdout
    except FileNotFoundError:
        raise TestFailure(f"{command[0]} is missing; build the target `benchmarks` first") from None
    except subprocess.CalledProcessError as failure:
        raise TestFailure(f"{command[0]} failed: {failure.stderr.strip()}") from None
    figures = {}
    for line in output.splitlines():
        name, value = line.split()
        figures[name] = float(value)
    return figures


def start_unwatched(stage, xserver, executable, settings=None):
    """Starts a program under the X server with no memory watch: every wake-up counts here."""
    return Game(stage, xserver, executable, settings, memory_limit_kb=None)


class ProbedGame:
    """The game on a stage's own X server with the frame probe preloaded, and what plays it."""

    def __init__(self, stage, build, executable, settings=None):
        self.session = Session(stage, XServer(stage))
        self.x = self.session.x
        self.probe = os.path.join(stage.temp, "waits")
        settings = dict(settings or {}, GLINTROW_PROBE_FILE=self.probe)
        probe = os.path.join(build, "bench", "frame_probe.so")
        settings["LD_PRELOAD"] = " ".join(filter(None, (probe, settings.get("LD_PRELOAD"))))
        self.spawned = time.monotonic_ns()
        self.game = self.session.start_game(executable, settings, memory_limit_kb=None)
        self.pid = self.game.process.pid
        self.window = None

    def find_window(self):
        self.window = self.session.wait_for_main_window()
        return self.window

    def read_waits(self):
        return read_waits(self.probe)[1]

    def read_answers(self):
        return read_answers(self.probe)

    def wait_for_answer(self, since):
        """The first press read after a moment and answered by pixels: when the program read it
        and when the pixels were sent, or None when no press was answered in time."""
        deadline = time.monotonic() + ANSWER_SECONDS
        while time.monotonic() < deadline:
            self.game.check_running("while a press was timed")
            answers = [a for a in self.read_answers() if a[0] >= since]
            if answers:
                return answers[0]
            time.sleep(0.01)
        return None

    def time_press(self, press):
        """Presses once the board is still and returns the milliseconds from the program reading
        the press to its first pixels sent, or None when no pixels answered it."""
        self.wait_until_still()
        pressed = time.monotonic_ns()
        press()
        answer = self.wait_for_answer(pressed)
        return None if answer is None else (answer[1] - answer[0]) / 1e6

    def wait_until_still(self):
        """Waits until the game runs no frame: the board is still and the game waits for the
        player."""
        deadline = time.monotonic() + 60
        count, since = count_waits(self.probe), time.monotonic()
        while time.monotonic() - since < STILL_SECONDS:
            time.sleep(0.05)
            self.game.check_running("before its board came to rest")
            check(time.monotonic() < deadline, "the game did not come to rest")
            if count_waits(self.probe) != count:
                count, since = count_waits(self.probe), time.monotonic()

    def press_middle_gem(self, scale=1):
        """Presses the gem in the middle of the board until frames run: a press on a gem always
        sets it spinning, so a press after which no frame runs came too early for the window or
        was lost, and is made again."""
        place = self.session.locate_board(self.window, scale).locate_cell_centre(*MIDDLE_CELL)
        for _ in range(5):
            count = count_waits(self.probe)
            self.x.click(*place)
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline:
                self.game.check_running("while a gem was pressed")
                if count_waits(self.probe) >= count + 2:
                    time.sleep(0.5)
                    return
                time.sleep(0.05)
        raise TestFailure("no press set a gem spinning")

    def play_short_game(self):
        """Plays the short game out from the keyboard: F3 selects the hinted gem, the arrow and
        Space swap it with the neighbour lining up three."""
        for arrow in SHORT_GAME_MOVES:
            self.wait_until_still()
            self.x.press_keys(self.window, "F3")
            time.sleep(0.2)
            self.x.type_keys(f"{arrow} space")
        self.wait_until_still()


def watch_until_seen(name, watch, judge, notes):
    """Watches a phase until it watched what it was meant to, ATTEMPTS times at most, noting each
    attempt that did not; returns what it watched, or None when no attempt did."""
    for attempt in range(1, ATTEMPTS + 1):
        try:
            watched = watch(attempt)
        except TestFailure as lost:
            failure = str(lost)
        else:
            failure = judge(watched)
        if failure is None:
            return watched
        notes.append(f"{name}, attempt {attempt} of {ATTEMPTS}: {failure}; not counted.")
    notes.append(f"{name}: FAILED, no attempt watched it; its figures are left out.")
    return None


def sample_sound_threads(pid, seconds):
    """Waits, looking every tenth of a second for the sound mixer's thread; returns whether it
    ran at any look. A thread that ends leaves no count behind, so it is looked for while it
    runs."""
    seen = False
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        seen = seen or is_mixer_running(pid)
        time.sleep(0.1)
    return seen


def is_mixer_running(pid):
    return any(name.startswith(SOUND_THREAD) for name, _ in count_thread_switches(pid).values())


def time_presses(probed, count, presses, name, notes):
    """Times count presses answered on a still board, taking each press in turn from presses (a
    press lost, answered by no pixels, is made anew with the next, LOST_PRESSES times at most);
    returns the milliseconds of each."""
    times, lost = [], 0
    for press in presses:
        if len(times) == count or lost > LOST_PRESSES:
            break
        answer = probed.time_press(press)
        if answer is None:
            lost += 1
        else:
            times.append(answer)
    if lost:
        notes.append(f"{name}: {lost} presses answered by no pixels; not counted.")
    return times


def watch_phases(probed, waiter, seconds, notes):
    """Lets the started game settle on its board, then watches it still with sound off, unmapped,
    with sound on once the mixer's quiet spell is over (checking that the mixer ran in it), with a
    gem spinning (sound off again), and times arrow keys and presses on a still board; the window
    that only waits is unmapped and mapped with the game's. Every phase is checked and watched
    again when it did not happen. Returns the phases by name (None for one that failed) and the
    presses timed."""
    time.sleep(SETTLE_SECONDS)
    probed.game.check_running("at start-up")
    waiter.check_running("at start-up (the window that only waits)")
    x = probed.x
    window = probed.find_window()
    floor = x.find_windows(WAITER_CAPTION)[0]
    pids = [probed.pid, waiter.process.pid]
    rest = functools.partial(time.sleep, seconds)

    def watch_resting(_):
        return watch_phase(pids, rest)

    def judge_resting(watched):
        return judge_still(probed.read_waits(), watched)

    phases = {"still": watch_until_seen("Still board", watch_resting, judge_resting, notes)}
    for each in (window, floor):
        x.set_mapped(each, False)
    phases["unmapped"] = watch_until_seen("Unmapped", watch_resting, judge_resting, notes)
    for each in (window, floor):
        x.set_mapped(each, True)

    sound = {}

    def watch_waking(attempt):
        # A press of Play Sound lost before left sound off: this one puts it on.
        x.press_keys(window, "ctrl+p")
        return watch_phase(pids, lambda: sound.update(
            seen=sample_sound_threads(probed.pid, AWAKE_SECONDS)))

    def judge_waking(_):
        return None if sound["seen"] else "the mixer never ran: sound did not go on"

    # Only checked, not shown: the mixer's thread ends with the quiet spell, and its wake-ups with
    # it, so the spell's count would leave them out.
    watch_until_seen("Sound on, its quiet spell", watch_waking, judge_waking, notes)
    phases["sound_on"] = watch_until_seen("Sound on, after its quiet spell", watch_resting,
                                          judge_resting, notes)
    x.press_keys(window, "ctrl+p")
    x.focus(window)
    arrows = (functools.partial(x.type_keys, arrow) for arrow in itertools.cycle(("Right", "Left")))
    presses = {"arrow": time_presses(probed, ARROW_PRESSES, arrows, "Arrow keys", notes)}

    def watch_spinning(attempt):
        if attempt > 1:
            x.press_keys(window, "Escape")
            probed.wait_until_still()
        probed.press_middle_gem()
        return watch_phase(pids, rest)

    phases["spinning"] = watch_until_seen(
        "A gem spinning", watch_spinning, lambda w: judge_moving(probed.read_waits(), w), notes)
    x.press_keys(window, "Escape")
    place = probed.session.locate_board(window).locate_cell_centre(*MIDDLE_CELL)

    def click_and_let_go():
        x.click(*place)
        # The gem spins once pressed; Escape lets it go, so that the next press finds the board
        # still again.
        time.sleep(0.2)
        x.press_keys(window, "Escape")

    presses["click"] = time_presses(probed, CLICK_PRESSES, itertools.repeat(click_and_let_go),
                                    "Presses", notes)
    return phases, presses


def measure_side_by_side(build, seconds, frames, notes):
    """Runs the game under its own X server and the window that only waits beside it, at once so
    that they meet the same load; returns the figures of each, the phases watched (those that
    happened) and the presses timed."""
    with Stage("bench") as stage:
        probed = ProbedGame(stage, build, os.path.join(build, "glintrow"))
        waiter = start_unwatched(stage, probed.x, os.path.join(build, "bench", "only_waits"))
        phases, presses = watch_phases(probed, waiter, seconds, notes)
        game = {"peak_resident_mb": read_peak_resident_mb(probed.pid)}
        floor = {"peak_resident_mb": read_peak_resident_mb(waiter.process.pid)}
        waits = probed.read_waits()
    phases = {name: watched for name, watched in phases.items() if watched is not None}
    for name, watched in phases.items():
        game.update(compute_phase_figures(name, watched, 0))
        floor.update(compute_phase_figures(name, watched, 1))
    if "spinning" in phases:
        spinning = phases["spinning"]
        game.update(compute_interval_figures(
            [wait for wait in waits if wait[1] < spinning.end], spinning.begin, frames))
    game.update(compute_start_figures(waits, probed.spawned))
    for name, times in presses.items():
        if times:
            game[f"{name}_median_ms"] = statistics.median(times)
            game[f"{name}_max_ms"] = max(times)
    return game, floor, phases, presses


def measure_sound(build, notes):
    """Sound on, the game playing into a null sink of the benchmark's own PulseAudio server: from
    the program reading a press on a gem to the first chunk of its selection sound at the sink's
    monitor, each press in milliseconds, by whether the mixer was asleep or awake at the press.
    Every other press comes once the mixer has slept, the rest soon after a sound."""
    heard = {"sound_asleep": [], "sound_awake": []}
    lost = 0
    with Stage("bench-sound") as stage:
        settings = start_pulseaudio(stage)
        probed = ProbedGame(stage, build, os.path.join(build, "glintrow"), settings)
        monitor = Monitor(stage, settings)
        probed.wait_until_still()
        window = probed.find_window()
        place = probed.session.locate_board(window).locate_cell_centre(*MIDDLE_CELL)
        probed.x.press_keys(window, "ctrl+p")
        for turn in range(2 * SOUND_PRESSES):
            if turn % 2 == 0:
                time.sleep(AWAKE_SECONDS)
            probed.wait_until_still()
            monitor.wait_for_silence(SILENT_SECONDS)
            awake = is_mixer_running(probed.pid)
            since = time.monotonic_ns()
            probed.x.click(*place)
            answer = probed.wait_for_answer(since)
            sound = answer and monitor.wait_for_sound(answer[0], ANSWER_SECONDS)
            if not sound:
                lost += 1
            else:
                heard["sound_awake" if awake else "sound_asleep"].append((sound - answer[0]) / 1e6)
            # Let go of the gem, so that the next press selects it again and sounds.
            time.sleep(0.2)
            probed.x.press_keys(window, "Escape")
    if lost:
        notes.append(f"Presses heard at the null sink: {lost} answered by no pixels or no "
                     f"sound; not counted.")
    return heard


def measure_settled_memory(game):
    """Memory of a game left to drop its board in: peak resident, proportional and private
    megabytes, and which of a window frame and a graphics stack it mapped."""
    time.sleep(SETTLE_SECONDS)
    game.check_running("at start-up")
    mapped = game.list_mapped_libraries()
    rollup = read_memory_rollup(game.process.pid)
    return {"peak": read_peak_resident_mb(game.process.pid), "pss": rollup["Pss"],
            "private": rollup["Private_Clean"] + rollup["Private_Dirty"],
            "frame": any(FRAME_PLUGIN in name for name in mapped),
            "graphics": any(part in name for name in mapped for part in GRAPHICS_STACK)}


def start_x11(stage):
    """An X server of the stage's own; returns it and the game's settings as its client."""
    return XServer(stage), {}


def start_headless_weston(stage):
    """Headless weston, which leaves window frames to its clients; returns no X server and the
    game's settings as its Wayland client."""
    runtime = stage.runtime_dir()
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", "--no-config",
         "--socket=wayland-bench"], env=dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    stage.on_exit(lambda: stop_process(weston))
    socket = wait_until(lambda: find_wayland_socket(runtime), START_TIMEOUT, "weston's socket")
    return None, {"DISPLAY": None, "WAYLAND_DISPLAY": socket, "QT_QPA_PLATFORM": "wayland"}


def start_sway(stage):
    """Headless sway, which draws window frames itself; returns no X server and the game's
    settings as its Wayland client."""
    return None, Sway(stage).client_settings()


def measure_memory(build):
    """The game's memory on X11, on weston and on sway, each once the board has dropped in. Each
    display server runs alone: one that maps the same libraries as the game (Xvfb its graphics
    stack) would share their pages and hide them from the game's private memory."""
    memory = {}
    for name, start_display in (("X11", start_x11), ("weston", start_headless_weston),
                                ("sway", start_sway)):
        with Stage(f"bench-{name}") as stage:
            xserver, settings = start_display(stage)
            game = start_unwatched(stage, xserver, os.path.join(build, "glintrow"), settings)
            memory[name] = measure_settled_memory(game)
    return memory


def measure_at_scale(build, executable, scale, seconds):
    """The game at one screen scale on its own X server, the clock stopped for the short game:
    private memory once the board has dropped in, then the figures of a spinning gem and of the
    short game played out. Returns them, or why the gem did not spin all the while."""
    with Stage("bench-scale") as stage:
        settings = dict(freeze_clock(os.path.join(build, "bench", "frozen_clock.so")),
                        QT_SCALE_FACTOR=str(scale))
        probed = ProbedGame(stage, build, executable, settings)
        probed.wait_until_still()
        # Written pages only (heap, pictures): clean pages of the libraries count as private
        # too while no other program of the toolkit happens to map them.
        figures = {"private_mb": read_memory_rollup(probed.pid)["Private_Dirty"]}
        probed.find_window()
        pids = [probed.pid, probed.x.process.pid]
        probed.press_middle_gem(scale)
        spinning = watch_phase(pids, functools.partial(time.sleep, seconds))
        failure = judge_moving(probed.read_waits(), spinning)
        if failure:
            return None, failure
        probed.x.press_keys(probed.window, "Escape")
        played = watch_phase(pids, probed.play_short_game)
        waits = probed.read_waits()
    figures.update(compute_frame_figures("spinning", waits, spinning, scale, False))
    figures.update(compute_frame_figures("played", waits, played, scale, True))
    return figures, None


def measure_checked_at_scale(build, executable, scale, seconds, notes):
    """The game at one scale, run again while its gem did not spin all the while, ATTEMPTS times
    at most; returns its figures, or None when no run was whole."""
    for attempt in range(1, ATTEMPTS + 1):
        figures, failure = measure_at_scale(build, executable, scale, seconds)
        if failure is None:
            return figures
        notes.append(f"{os.path.basename(os.path.dirname(executable))} at {scale:g}, attempt "
                     f"{attempt} of {ATTEMPTS}: {failure}; not counted.")
    notes.append(f"At {scale:g}: FAILED, no run had its gem spinning all the while.")
    return None


def measure_scales(build, today, seconds, notes):
    """The game at every scale, three times, and after it today's game (when given) once: the
    whole runs of each program and scale, and what the pictures at 2 decode to."""
    runs = {}
    game = os.path.join(build, "glintrow")
    for order in SCALE_ORDERS:
        for scale in order:
            runs.setdefault(("game", scale), []).append(
                measure_checked_at_scale(build, game, scale, seconds, notes))
    for scale in SCALES if today else ():
        runs[("today", scale)] = [measure_checked_at_scale(
            build, os.path.join(os.path.abspath(today), "glintrow"), scale, seconds, notes)]
    runs = {key: [run for run in each if run is not None] for key, each in runs.items()}
    pictures_at_2 = sum(measure_decoded_mb(locate_picture(build, name, 2)) for name in BITMAPS)
    return runs, pictures_at_2
