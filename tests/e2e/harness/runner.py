"""The runner of the game under the harness: its stage, a test's artefacts, session and outcome."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

from .checks import BOX_TIMEOUT, EXIT_TIMEOUT, START_TIMEOUT, TestFailure, check, wait_until
from .game_process import MAIN_CAPTION, Game
from .pictures import BOARD, BoardView
from .xserver import XServer

# Below CTest's own limit, so a stuck run still stops its X server and game itself.
RUN_LIMIT = 100


class Stage:
    """The folder and the processes of one run of the game: its display, compositors, the game
    itself. As a context manager it stops them all and removes the folder at its end."""

    def __init__(self, name):
        self.temp = tempfile.mkdtemp(prefix=f"glintrow-{name}-")
        self.cleanups = []
        self.log_path = os.path.join(self.temp, "game.log")

    def on_exit(self, cleanup):
        self.cleanups.append(cleanup)

    def runtime_dir(self):
        """The private XDG_RUNTIME_DIR, shared by the game and any compositor it runs on."""
        runtime = os.path.join(self.temp, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        return runtime

    def stop_all(self):
        """Runs every cleanup, the last one given first."""
        while self.cleanups:
            try:
                self.cleanups.pop()()
            except Exception:  # noqa: BLE001 - every process must still be stopped
                traceback.print_exc()

    def remove_folder(self):
        shutil.rmtree(self.temp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop_all()
        self.remove_folder()


class Run(Stage):
    """One test run: its stage and the screenshots it keeps."""

    def __init__(self, artifacts):
        super().__init__(os.path.basename(os.path.normpath(artifacts)))
        self.artifacts = artifacts
        self.shots = []

    def record(self, label, picture, keep=False):
        """Keeps a picture for the artefacts: always when keep is set, else if the run fails."""
        self.shots.append((label, picture, keep))

    def close(self, failed):
        self.stop_all()
        shutil.rmtree(self.artifacts, ignore_errors=True)
        kept = [(label, picture) for label, picture, keep in self.shots if keep or failed]
        if kept or failed:
            os.makedirs(self.artifacts, exist_ok=True)
        for number, (label, picture) in enumerate(kept, 1):
            path = os.path.join(self.artifacts, f"{number:02d}-{label}.png")
            picture.save_png(path)
            print(f"artefact: {path}")
        if failed and os.path.exists(self.log_path):
            path = os.path.join(self.artifacts, "game.log")
            shutil.copy(self.log_path, path)
            print(f"artefact: {path}")
        self.remove_folder()


class StillBoard:
    """A probe for wait_until: the screenshot once the board suits accept and has stopped moving."""

    def __init__(self, xserver, view, accept):
        self.x = xserver
        self.view = view
        self.accept = accept
        self.seen = []

    def __call__(self):
        shot = self.x.capture_screen()
        board = self.view.crop_board(shot)
        if not self.accept(board):
            self.seen.clear()
            return None
        if self.seen and self.seen[-1] != board:
            self.seen.clear()
        self.seen.append(board)
        # Three equal pictures, polled a good tenth of a second apart: no frame moved anything.
        return shot if len(self.seen) >= 3 else None


class Session:
    """What a test body or the benchmark gets: the run (a stage), the X server and helpers to start
    and watch the game."""

    def __init__(self, run, xserver):
        self.run = run
        self.x = xserver
        self.game = None
        self.started = time.monotonic()

    def step(self, what):
        """Says in the output what comes next and when, to read a failure or a slow run by."""
        print(f"{time.monotonic() - self.started:6.2f} s  {what}", flush=True)

    def start_game(self, executable, settings=None, **launch):
        self.game = Game(self.run, self.x, executable, settings, **launch)
        return self.game

    def wait_for_main_window(self):
        def find():
            windows = self.x.find_windows("^" + re.escape(MAIN_CAPTION) + "$")
            return windows[0] if windows else None

        return wait_until(find, START_TIMEOUT, "the game's window", game=self.game)

    def locate_board(self, window, scale=1):
        """The board: the bottom 416 x 416 pixels of the window, whose client is 416 wide; scale
        device pixels a pixel on a scaled screen."""
        left, top, width, height, _ = self.x.read_geometry(window)
        side = round(BOARD * scale)
        check(width == side, f"the window is {width} pixels wide, not {side}")
        check(height > side, f"the window is {height} pixels high, leaving no room for a menu bar")
        return BoardView(left, top + height - side, scale)

    def quit_by_keys(self):
        """Types Ctrl+Q until the game ends and returns its status: the keyboard may still be on
        its way to the game's window, and a key typed meanwhile reaches no window."""
        def typed_and_ended():
            self.x.type_keys("ctrl+q")
            try:
                return [self.game.process.wait(1.0)]
            except subprocess.TimeoutExpired:
                return None

        wait_until(typed_and_ended, BOX_TIMEOUT, "Ctrl+Q to end the game", interval=0)
        return self.game.wait_for_exit(EXIT_TIMEOUT)

    def wait_for_box(self, caption):
        def find():
            boxes = self.x.find_message_boxes(caption)
            return boxes[0] if boxes else None

        return wait_until(find, BOX_TIMEOUT, f'the box "{caption}"', game=self.game)

    def close_box(self, box, label):
        """Keeps the box's picture, answers it with Return and waits until it is gone."""
        self.run.record(label, self.x.capture_window(box), keep=True)
        self.x.press_keys(box, "Return")
        wait_until(lambda: box not in self.x.find_windows(".*"), BOX_TIMEOUT, f"{label} to close")

    def wait_for_still_board(self, view, accept, what):
        return wait_until(StillBoard(self.x, view, accept), START_TIMEOUT, what, interval=0.12,
                          game=self.game)


def stop_on_signal(number, _frame):
    raise TestFailure(f"the test was stopped by signal {number} (its time ran out?)")


def run_test(body, limit=RUN_LIMIT):
    """Runs a test body with its own X server; prints why it failed and keeps its artefacts.

    A body that may take longer than RUN_LIMIT seconds gives its own limit, and CTest a longer
    one too."""
    parser = argparse.ArgumentParser()
    parser.add_argument("executable")
    parser.add_argument("artifacts")
    parser.add_argument("case", nargs="?")
    args = parser.parse_args()
    signal.signal(signal.SIGALRM, stop_on_signal)
    signal.signal(signal.SIGTERM, stop_on_signal)
    signal.alarm(limit)
    run = Run(args.artifacts)
    failed = True
    session = None
    try:
        session = Session(run, XServer(run))
        body(session, os.path.abspath(args.executable), args.case)
        failed = False
    except TestFailure as failure:
        print(f"FAILED: {failure}")
    except Exception:  # noqa: BLE001 - a broken harness must still clean up and report
        traceback.print_exc()
    finally:
        signal.alarm(0)
        if failed and session is not None and session.x.process.poll() is None:
            try:
                run.record("screen-at-failure", session.x.capture_screen())
            except Exception:  # noqa: BLE001 - the failure itself has been reported
                pass
        if session is not None and session.game is not None:
            print(f"peak memory of the game: {session.game.peak_rss_kb // 1024} MB")
        run.close(failed)
    elapsed = time.monotonic() - session.started if session else 0.0
    print(f"{'FAILED' if failed else 'passed'} in {elapsed:.1f} s")
    sys.exit(1 if failed else 0)
