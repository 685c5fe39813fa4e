"""Harness of the end-to-end tests: a private X server, the real game in it, pictures, artefacts."""

import argparse
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import traceback
import zlib

CELL = 52
BOARD = 416
CELLS = 8
SCREEN = (1024, 768)
MAIN_CAPTION = "Ombra Glintrow "
MEMORY_LIMIT_KB = 300 * 1024
# Generous limits: the tests share two cores with the build and with each other.
START_TIMEOUT = 30.0
BOX_TIMEOUT = 15.0
EXIT_TIMEOUT = 10.0
# Below CTest's own limit, so a stuck run still stops its X server and game itself.
RUN_LIMIT = 100


class TestFailure(Exception):
    """A check of the game's behaviour that did not hold."""


def check(condition, message):
    if not condition:
        raise TestFailure(message)


def wait_until(probe, timeout, what, interval=0.05, game=None):
    """Polls probe until it returns something true; a game that ends meanwhile fails at once."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if game is not None:
            game.check_running(f"while waiting for {what}")
        if time.monotonic() > deadline:
            raise TestFailure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Picture:
    """An RGB picture, 3 bytes a pixel, rows top to bottom."""

    def __init__(self, width, height, rgb):
        check(len(rgb) == width * height * 3, "picture data does not match its size")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def __eq__(self, other):
        return (self.width, self.height, self.rgb) == (other.width, other.height, other.rgb)

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        start = (y * self.width + x) * 3
        return self.rgb[start : start + width * 3]

    def pixel(self, x, y):
        return tuple(self.row(y, x, 1))

    def crop(self, x, y, width, height):
        check(
            0 <= x and 0 <= y and x + width <= self.width and y + height <= self.height,
            f"crop {width}x{height}+{x}+{y} lies outside the {self.width}x{self.height} picture",
        )
        return Picture(width, height, b"".join(self.row(y + i, x, width) for i in range(height)))

    def find_differing_pixels(self, other):
        """Positions where two pictures of one size differ."""
        found = []
        for y in range(self.height):
            mine, theirs = self.row(y), other.row(y)
            if mine == theirs:
                continue
            for x in range(self.width):
                if mine[3 * x : 3 * x + 3] != theirs[3 * x : 3 * x + 3]:
                    found.append((x, y))
        return found

    def save_png(self, path):
        raw = b"".join(b"\0" + self.row(y) for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6)))
            out.write(chunk(b"IEND", b""))


def parse_ppm(data):
    """Reads the binary PPM (P6, 8 bits) that ImageMagick writes."""
    fields = []
    position = 0
    field = re.compile(rb"\s*(#[^\n]*\n\s*)*(\S+)")
    while len(fields) < 4:
        match = field.match(data, position)
        check(match is not None, "screenshot is not a PPM picture")
        fields.append(match.group(2))
        position = match.end()
    check(fields[0] == b"P6" and fields[3] == b"255", "screenshot is not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    start = position + 1
    return Picture(width, height, data[start : start + width * height * 3])


def read_bmp(path):
    """Reads an uncompressed 24- or 32-bit Windows bitmap."""
    with open(path, "rb") as source:
        data = source.read()
    check(data[:2] == b"BM", f"{path} is not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    check(bits in (24, 32) and compression in (0, 3), f"{path}: only plain 24/32-bit bitmaps")
    top_down = height < 0
    height = abs(height)
    stride = (width * bits // 8 + 3) & ~3
    step = bits // 8
    rows = []
    for y in range(height):
        start = offset + (y if top_down else height - 1 - y) * stride
        line = data[start : start + width * step]
        row = bytearray(width * 3)
        row[0::3] = line[2::step]
        row[1::3] = line[1::step]
        row[2::3] = line[0::step]
        rows.append(bytes(row))
    return Picture(width, height, b"".join(rows))


def encode_bmp_header(width, height, pixel_bytes):
    """File and info headers of a 24-bit bitmap whose pixels follow them."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset) + info


def encode_bmp(picture):
    """A 24-bit bottom-up Windows bitmap of the picture."""
    padding = b"\0" * ((-picture.width * 3) % 4)
    rows = []
    for y in reversed(range(picture.height)):
        row = bytearray(picture.row(y))
        row[0::3], row[2::3] = row[2::3], row[0::3]
        rows.append(bytes(row) + padding)
    pixels = b"".join(rows)
    return encode_bmp_header(picture.width, picture.height, len(pixels)) + pixels


class BoardView:
    """Where the board lies on the screen, and its cells in a screenshot."""

    def __init__(self, left, top):
        self.left = left
        self.top = top

    def crop_board(self, shot):
        return shot.crop(self.left, self.top, BOARD, BOARD)

    def crop_cell(self, shot, column, row):
        return shot.crop(self.left + CELL * column, self.top + CELL * row, CELL, CELL)

    def locate_cell_centre(self, column, row):
        return self.left + CELL * column + CELL // 2, self.top + CELL * row + CELL // 2

    def find_changed_cells(self, before, after):
        return {
            (column, row)
            for row in range(CELLS)
            for column in range(CELLS)
            if self.crop_cell(before, column, row) != self.crop_cell(after, column, row)
        }


def find_cells_showing_gems(board, background):
    """Cells whose central square differs from the background in most of its pixels."""
    margin = 14
    size = CELL - 2 * margin
    shown = set()
    for row in range(CELLS):
        for column in range(CELLS):
            x, y = CELL * column + margin, CELL * row + margin
            seen = board.crop(x, y, size, size).rgb
            bare = background.crop(x, y, size, size).rgb
            differing = sum(
                1
                for i in range(0, len(seen), 3)
                if sum(abs(seen[i + k] - bare[i + k]) for k in range(3)) > 24
            )
            if differing * 2 > size * size:
                shown.add((column, row))
    return shown


class Run:
    """One test run: its temporary folder, the processes it starts and the screenshots it keeps."""

    def __init__(self, artifacts):
        self.artifacts = artifacts
        name = os.path.basename(os.path.normpath(artifacts))
        self.temp = tempfile.mkdtemp(prefix=f"glintrow-{name}-")
        self.shots = []
        self.cleanups = []
        self.log_path = os.path.join(self.temp, "game.log")

    def record(self, label, picture, keep=False):
        """Keeps a picture for the artefacts: always when keep is set, else if the run fails."""
        self.shots.append((label, picture, keep))

    def on_exit(self, cleanup):
        self.cleanups.append(cleanup)

    def runtime_dir(self):
        """The run's private XDG_RUNTIME_DIR, shared by the game and any compositor it runs on."""
        runtime = os.path.join(self.temp, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        return runtime

    def close(self, failed):
        for cleanup in reversed(self.cleanups):
            try:
                cleanup()
            except Exception:  # noqa: BLE001 - every process must still be stopped
                traceback.print_exc()
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
        shutil.rmtree(self.temp, ignore_errors=True)


def stop_process(process, grace=3.0):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def start_xvfb(run):
    """Starts Xvfb on a display it picks free itself; returns the process and the display."""
    reader, writer = os.pipe()
    with open(os.path.join(run.temp, "xvfb.log"), "wb") as log:
        process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=log, start_new_session=True)
    run.on_exit(lambda: stop_process(process))
    os.close(writer)
    number = b""
    deadline = time.monotonic() + START_TIMEOUT
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([reader], [], [], max(0.0, deadline - time.monotonic()))
        check(ready, "Xvfb did not report its display number")
        piece = os.read(reader, 16)
        check(piece, "Xvfb ended without reporting its display number")
        number += piece
    os.close(reader)
    return process, ":" + number.decode().strip()


class XServer:
    """A private Xvfb, with the X tools that look at it and drive it."""

    def __init__(self, run):
        self.process, self.display = start_xvfb(run)
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)

    def run_tool(self, *command, allow_failure=False):
        result = subprocess.run(command, env=self.env, capture_output=True, timeout=30)
        if result.returncode != 0 and not allow_failure:
            raise TestFailure(f"{' '.join(command)} failed: {result.stderr.decode().strip()}")
        return result

    def capture_screen(self):
        data = self.run_tool("import", "-silent", "-window", "root", "-depth", "8", "ppm:-").stdout
        shot = parse_ppm(data)
        check((shot.width, shot.height) == SCREEN, "screenshot is not of the whole screen")
        return shot

    def find_windows(self, name_pattern):
        """Visible windows whose name matches the pattern; ".*" also finds those without a name."""
        found = self.run_tool("xdotool", "search", "--onlyvisible", "--name", name_pattern,
                              allow_failure=True)
        return [int(word) for word in found.stdout.split()]

    def read_geometry(self, window):
        """Left, top, width, height and override-redirect of a window, or None once it is gone."""
        info = self.run_tool("xwininfo", "-id", str(window), allow_failure=True)
        if info.returncode != 0:
            return None
        text = info.stdout.decode()

        def field(name):
            return re.search(rf"{name}:\s+(\S+)", text).group(1)

        return (int(field("Absolute upper-left X")), int(field("Absolute upper-left Y")),
                int(field("Width")), int(field("Height")),
                field("Override Redirect State") == "yes")

    def is_override_redirect(self, window):
        geometry = self.read_geometry(window)
        return geometry is not None and geometry[4]

    def find_message_boxes(self, caption):
        """Visible windows with exactly this caption that are not menus."""
        pattern = "^" + re.escape(caption) + "$"
        return [w for w in self.find_windows(pattern) if not self.is_override_redirect(w)]

    def find_popup_menus(self):
        # Qt's menus are the only unmanaged windows here, and they carry no WM_NAME.
        return [w for w in self.find_windows(".*") if self.is_override_redirect(w)]

    def focus(self, window):
        self.run_tool("xdotool", "windowfocus", "--sync", str(window))

    def press_keys(self, window, keys):
        self.focus(window)
        self.run_tool("xdotool", "key", keys)

    def click(self, x, y):
        self.run_tool("xdotool", "mousemove", str(x), str(y), "click", "1")

    def park_pointer(self):
        """Moves the pointer to the screen's far corner, where it hovers over nothing."""
        self.run_tool("xdotool", "mousemove", str(SCREEN[0] - 1), str(SCREEN[1] - 1))

    def capture_window(self, window):
        geometry = self.read_geometry(window)
        check(geometry is not None, f"window {window} vanished before its screenshot")
        left, top, width, height, _ = geometry
        return self.capture_screen().crop(left, top, width, height)


class Game:
    """The game's process under the X server, watched for its memory."""

    def __init__(self, run, xserver, executable, settings=None):
        self.run = run
        env = dict(xserver.env, SDL_AUDIODRIVER="dummy", XDG_RUNTIME_DIR=run.runtime_dir(),
                   QT_QPA_PLATFORM="xcb")
        # A setting of None takes the variable away.
        for name, value in (settings or {}).items():
            env.pop(name, None)
            if value is not None:
                env[name] = value
        # The pictures are compared pixel for pixel, so the desktop's scaling and style stay out.
        for setting in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                        "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME"):
            env.pop(setting, None)
        self.log = open(run.log_path, "wb")
        self.process = subprocess.Popen([executable], cwd=run.temp, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, start_new_session=True)
        self.peak_rss_kb = 0
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
            if self.peak_rss_kb > MEMORY_LIMIT_KB:
                # Runaway memory would take the machine down before the test could say so.
                self.process.kill()
                break
            time.sleep(0.05)

    def _stop(self):
        stop_process(self.process)
        self.log.close()

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
    """What a test body gets: the run, the X server and helpers to start and watch the game."""

    def __init__(self, run, xserver):
        self.run = run
        self.x = xserver
        self.game = None
        self.started = time.monotonic()

    def step(self, what):
        """Says in the output what comes next and when, to read a failure or a slow run by."""
        print(f"{time.monotonic() - self.started:6.2f} s  {what}", flush=True)

    def start_game(self, executable, settings=None):
        self.game = Game(self.run, self.x, executable, settings)
        return self.game

    def wait_for_main_window(self):
        def find():
            windows = self.x.find_windows("^" + re.escape(MAIN_CAPTION) + "$")
            return windows[0] if windows else None

        return wait_until(find, START_TIMEOUT, "the game's window", game=self.game)

    def locate_board(self, window):
        """The board: the bottom 416 x 416 pixels of the window, whose client is 416 wide."""
        left, top, width, height, _ = self.x.read_geometry(window)
        check(width == BOARD, f"the window is {width} pixels wide, not {BOARD}")
        check(height > BOARD, f"the window is {height} pixels high, leaving no room for a menu bar")
        return BoardView(left, top + height - BOARD)

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


def run_test(body):
    """Runs a test body with its own X server; prints why it failed and keeps its artefacts."""
    parser = argparse.ArgumentParser()
    parser.add_argument("executable")
    parser.add_argument("artifacts")
    parser.add_argument("case", nargs="?")
    args = parser.parse_args()
    signal.signal(signal.SIGALRM, stop_on_signal)
    signal.signal(signal.SIGTERM, stop_on_signal)
    signal.alarm(RUN_LIMIT)
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
