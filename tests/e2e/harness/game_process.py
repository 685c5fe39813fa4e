"""The game's process in an end-to-end test: its settings, its memory and how it ends."""

import os
import re
import resource
import subprocess
import threading
import time

import game_facts
from .checks import TestFailure, check
from .xserver import stop_process

MAIN_CAPTION = game_facts.WINDOW_TITLE
MEMORY_LIMIT_KB = 300 * 1024
# The game seeds its random source from the seconds since midnight, so a clock stopped at one
# moment deals the same boards every run. At this one, 04:31:10 on 1 January 2024 in UTC, a game
# ends in Game Over after these moves, each the hinted gem swapped with the first neighbour, to
# the right, left, below or above, that lines up three: the arrow key towards that neighbour.
SHORT_GAME_MOMENT = 1704083470
SHORT_GAME_MOVES = ("Down", "Left", "Up", "Right")
# What the game maps to draw a window frame of its own on Wayland (Qt's frame plugin), and the
# graphics stack it should not need: Mesa's drivers, EGL and the compiler they bring.
FRAME_PLUGIN = "decoration-client"
GRAPHICS_STACK = ("/dri/", "libEGL_mesa", "libLLVM")


def freeze_clock(library=None, moment=SHORT_GAME_MOMENT):
    """Settings of a game whose time of day stands still at a moment (seconds since 1970, UTC);
    its frames keep their pace. The build's frozen_clock library, preloaded, stops the clock: the
    one given, else the one the tests are handed."""
    return {"LD_PRELOAD": library or os.environ["GLINTROW_E2E_FROZEN_CLOCK"],
            "FROZEN_CLOCK_AT": str(moment), "TZ": "UTC0"}


class Game:
    """The game's process under the X server, watched for its memory."""

    def __init__(self, run, xserver, executable, settings=None, loader=None, address_space=None,
                 memory_limit_kb=MEMORY_LIMIT_KB, handed=()):
        """run: the stage it runs on; xserver: the X server it runs under, or None for a game that
        is only a Wayland client; loader: the dynamic loader to start the game through, given the
        game's path relative to the run's folder; address_space: a limit in bytes on the game's
        address space; memory_limit_kb: the resident memory at which it is killed, or None
        to leave it unwatched (a benchmark that counts every wake-up adds no poller); handed: the
        descriptors the game inherits."""
        self.run = run
        env = dict(xserver.env if xserver else os.environ, SDL_AUDIODRIVER="dummy",
                   XDG_RUNTIME_DIR=run.runtime_dir(), QT_QPA_PLATFORM="xcb")
        # The pictures are compared pixel for pixel, so the desktop's scaling and style stay out
        # unless the settings bring them.
        for setting in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                        "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"):
            env.pop(setting, None)
        # A setting of None takes the variable away.
        for name, value in (settings or {}).items():
            env.pop(name, None)
            if value is not None:
                env[name] = value
        self.log = open(run.log_path, "wb")
        command = [loader, os.path.relpath(executable, run.temp)] if loader else [executable]

        def limit_address_space():
            if address_space:
                resource.setrlimit(resource.RLIMIT_AS, (address_space, address_space))

        self.process = subprocess.Popen(command, cwd=run.temp, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, start_new_session=True,
                                        preexec_fn=limit_address_space, pass_fds=handed)
        self.peak_rss_kb = 0
        self.memory_limit_kb = memory_limit_kb
        if memory_limit_kb:
            threading.Thread(target=self._watch_memory, daemon=True).start()
        run.on_exit(self._stop)

    def _watch_memory(self):
        status = f"/proc/{self.process.pid}/status"
        while self.process.poll() is None:
            try:
                with open(status) as source:
                    match = re.search(r"VmRSS:\s+(\d+)", source.read())
            except OSError:
                break
            if match:
                self.peak_rss_kb = max(self.peak_rss_kb, int(match.group(1)))
            if self.peak_rss_kb > self.memory_limit_kb:
                # Runaway memory would take the machine down before the test could say so.
                self.process.kill()
                break
            time.sleep(0.05)

    def _stop(self):
        stop_process(self.process)
        self.log.close()

    def list_mapped_libraries(self):
        """The frame plugin and graphics libraries the game's process has mapped."""
        pattern = re.compile("|".join(map(re.escape, (FRAME_PLUGIN,) + GRAPHICS_STACK)))
        with open(f"/proc/{self.process.pid}/maps") as maps:
            return sorted({line.split()[-1] for line in maps if pattern.search(line)})

    def check_memory(self):
        check(self.peak_rss_kb <= MEMORY_LIMIT_KB,
              f"the game used {self.peak_rss_kb // 1024} MB of memory, more than "
              f"{MEMORY_LIMIT_KB // 1024} MB")

    def check_running(self, when):
        self.check_memory()
        status = self.process.poll()
        check(status is None, f"the game ended {when}: {describe_status(status)}")

    def wait_for_exit(self, timeout):
        """The game's exit status once it ends; a game still running after timeout hangs."""
        try:
            status = self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise TestFailure(f"the game did not end within {timeout:.1f} s") from None
        self.check_memory()
        check(status >= 0, f"the game crashed: {describe_status(status)}")
        check(not any(name.startswith("core") for name in os.listdir(self.run.temp)),
              "the game left a core file")
        return status


def describe_status(status):
    if status is None:
        return "still running"
    if status < 0:
        return f"killed by signal {-status}"
    return f"exit status {status}"
