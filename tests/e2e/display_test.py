"""Starts the real game where there is no display, on a compositor that closes the connection,
and natively on a real Wayland compositor."""

import os
import re
import socket
import subprocess
import threading
import time

import numpy

from harness.checks import BOX_TIMEOUT, EXIT_TIMEOUT, START_TIMEOUT, TestFailure, check, wait_until
from harness.compositors import Mutter, Sway
from harness.game_process import MAIN_CAPTION
from harness.pictures import (BOARD, CELL, CELLS, BoardView, find_cells_showing_gems, parse_ppm,
                              read_board_picture)
from harness.runner import run_test
from harness.xserver import stop_process

# Weston takes its output's size in logical pixels, at any scale.
COMPOSITOR_SIZE = (800, 600)
# The window's title bar on weston lies this far above the board, over the menu bar.
TITLE_ABOVE_BOARD = 35
# How far from the title bar's right end its buttons lie: three fit, where a frame offers them.
BUTTONS_SPAN = 80
# Weston's panel at the top of its output, whose clock may turn while a test looks.
PANEL_HEIGHT = 40
# Weston's pointer pictures fit in a square this wide from the pointer's hot spot.
POINTER_SIDE = 24
# How far the title bar is dragged: up and to the left, so the window stays on the output.
DRAG = (-60, -40)


def run_without_display(session, executable):
    """Start-ups that reach no window system: the game's one line naming what failed, after the one
    line libwayland may say of it, and status 1, not an abort."""
    damaged = os.path.join(session.run.temp, "damaged-libraries")
    os.makedirs(damaged)
    open(os.path.join(damaged, "libxcb-icccm.so.4"), "wb").close()
    on_wayland = {"DISPLAY": None, "QT_QPA_PLATFORM": "wayland"}
    long_name = "w" * 120
    for what, settings, lines in (
            ("with DISPLAY and WAYLAND_DISPLAY unset",
             {"DISPLAY": None, "WAYLAND_DISPLAY": None, "QT_QPA_PLATFORM": None},
             ["glintrow: cannot open a display (DISPLAY and WAYLAND_DISPLAY are unset)"]),
            ("on a working X display with a library of Qt's plugin damaged",
             {"LD_LIBRARY_PATH": damaged, "QT_QPA_PLATFORM": "xcb"},
             ["glintrow: cannot load Qt's window-system plugin \"xcb\""]),
            ("on a Wayland display whose socket's path is too long",
             dict(on_wayland, WAYLAND_DISPLAY=long_name),
             [f'error: socket path "{session.run.runtime_dir()}/{long_name}" plus null '
              f"terminator exceeds 108 bytes",
              f"glintrow: cannot open the Wayland display {long_name}"]),
            ("on Wayland with XDG_RUNTIME_DIR unset",
             dict(on_wayland, WAYLAND_DISPLAY="wayland-0", XDG_RUNTIME_DIR=None),
             ["error: XDG_RUNTIME_DIR is invalid or not set in the environment.",
              "glintrow: cannot open the Wayland display wayland-0"])):
        session.step(f"starting the game {what}")
        check_lines_and_status_1(session, session.start_game(executable, settings), lines)


def check_lines_and_status_1(session, game, lines):
    """The game ends with status 1, having printed exactly the lines, and nothing else."""
    status = game.wait_for_exit(EXIT_TIMEOUT)
    game.log.flush()
    with open(session.run.log_path, encoding="utf-8", errors="replace") as log:
        printed = log.read().splitlines()
    check(status == 1, f"the game ended with status {status}, not 1")
    check(printed == lines, f"the game printed {printed!r} instead of {lines!r}")


def run_on_closing_compositor(session, executable):
    """A compositor that takes each connection and closes it at once: the game's own line naming
    it, and status 1, however Qt would have ended."""
    runtime = session.run.runtime_dir()
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(os.path.join(runtime, "closing"))
    listener.listen(4)
    session.run.on_exit(listener.close)

    def close_each():
        while True:
            try:
                listener.accept()[0].close()
            except OSError:
                return

    threading.Thread(target=close_each, daemon=True).start()
    session.step("starting the game on a compositor that closes every connection")
    game = session.start_game(executable, {"DISPLAY": None, "WAYLAND_DISPLAY": "closing",
                                           "QT_QPA_PLATFORM": "wayland"})
    check_lines_and_status_1(session, game,
                             ["glintrow: the Wayland display closing closed the connection"])


class Weston:
    """Weston on its X11 back end inside the run's X server: a real compositor with a real seat.

    Debian's weston has no test plugin, so its headless back end offers no keyboard; nested in
    Xvfb, the keys xdotool types reach the game through weston's own seat."""

    def __init__(self, session, scale=1):
        self.session = session
        self.runtime = session.run.runtime_dir()
        self.socket = f"glintrow-{os.getpid()}"
        self.env = dict(session.x.env, XDG_RUNTIME_DIR=self.runtime)
        log = os.path.join(session.run.temp, "weston.log")
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--no-config", "--debug",
             f"--width={COMPOSITOR_SIZE[0]}", f"--height={COMPOSITOR_SIZE[1]}", f"--scale={scale}",
             f"--socket={self.socket}", f"--log={log}"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        session.run.on_exit(lambda: stop_process(self.process))
        # Weston draws the pointer where Xvfb has it: over its panel, clear of the board.
        session.x.run_tool("xdotool", "mousemove", "--sync", "0", "0")
        wait_until(lambda: os.path.exists(os.path.join(self.runtime, self.socket)),
                   START_TIMEOUT, "weston's socket")
        # Weston places a new window below its panel only once the panel is up; before, a window
        # may land with its title bar under it.
        wait_until(self.shows_panel, START_TIMEOUT, "weston's panel", interval=0.1)

    def shows_panel(self):
        """Whether a row across weston's panel is all of its dark grey: neither the black before
        it nor the lighter desktop behind it."""
        row = self.screenshot().pixels[PANEL_HEIGHT // 8, 100:-100]
        return bool(((row > 16) & (row < 64)).all())

    def client_settings(self):
        """What the game needs to be a Wayland client of this compositor and nothing else."""
        return {"DISPLAY": None, "WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland",
                "XDG_RUNTIME_DIR": self.runtime}

    def screenshot(self):
        """The compositor's output, taken by weston-screenshooter through weston's own protocol."""
        folder = os.path.join(self.session.run.temp, "shots")
        os.makedirs(folder, exist_ok=True)
        for old in os.listdir(folder):
            os.remove(os.path.join(folder, old))
        env = dict(self.env, WAYLAND_DISPLAY=self.socket)
        env.pop("DISPLAY", None)
        taken = subprocess.run(["weston-screenshooter"], cwd=folder, env=env, capture_output=True,
                               timeout=30)
        check(taken.returncode == 0,
              f"weston-screenshooter failed: {taken.stderr.decode().strip()}")
        shots = [name for name in os.listdir(folder) if name.endswith(".png")]
        check(len(shots) == 1, f"weston-screenshooter left {shots!r}")
        ppm = subprocess.run(["convert", os.path.join(folder, shots[0]), "-depth", "8", "ppm:-"],
                             capture_output=True, timeout=30, check=True).stdout
        return parse_ppm(ppm)


def find_board(shot, background, scale=1):
    """The top-left corner of the board in a picture: where every cell's corner shows the board's
    own background (the gems leave their corners free), or None."""
    cell, size = CELL * scale, BOARD * scale
    corners = [(cell * c + 2, cell * r + 2) for r in range(CELLS) for c in range(CELLS)]
    x, y = corners[0]
    places = shot.pixels[y : y + shot.height - size + 1, x : x + shot.width - size + 1]
    tops, lefts = numpy.nonzero((places == background.pixels[y, x]).all(axis=2))
    for x, y in corners[1:]:
        kept = (shot.pixels[tops + y, lefts + x] == background.pixels[y, x]).all(axis=1)
        tops, lefts = tops[kept], lefts[kept]
    return (int(lefts[0]), int(tops[0])) if len(tops) else None


def wait_for_board_with_every_gem(weston, background, what, game, scale=1):
    """The board on weston once every cell shows a gem, and its top-left corner."""
    def find():
        shot = weston.screenshot()
        corner = find_board(shot, background, scale)
        if corner is None:
            return None
        board = shot.crop(corner[0], corner[1], BOARD * scale, BOARD * scale)
        shown = len(find_cells_showing_gems(board, background, scale)) == CELLS * CELLS
        return (board, corner) if shown else None

    return wait_until(find, START_TIMEOUT, what, interval=0.3, game=game)


def crop_title_bar(shot, corner):
    """The band across the window where its title bar lies above the board, and its top-left."""
    left, top = corner[0], corner[1] - TITLE_ABOVE_BOARD - 10
    return shot.pixels[top : top + 20, left : left + BOARD], (left, top)


def find_buttons(bar):
    """Rows and columns of the dark marks at a title bar's right end, where its buttons are."""
    return numpy.nonzero((bar[:, -30:] < 100).all(axis=2))


def check_title_bar(shot, corner):
    """Above the menu bar, across the window, a title bar: the frame's light grey where weston's
    desktop would show, dark marks at its right end where its buttons are, and two buttons there:
    a window that cannot grow offers to minimise and to close, not to maximise."""
    bar, _ = crop_title_bar(shot, corner)
    light = (bar >= 200).all(axis=2).mean()
    dark_right = len(find_buttons(bar)[0])
    check(light > 0.6 and dark_right > 10,
          f"no title bar above the board ({light:.0%} light, {dark_right} dark at its right end)")
    marked = (bar[:, -BUTTONS_SPAN:] < 100).all(axis=2).any(axis=0).astype(int)
    buttons = int((numpy.diff(marked) == 1).sum() + marked[0])
    check(buttons == 2, f"the title bar offers {buttons} buttons at its right end, not 2")


def run_on_wayland(session, executable):
    """The game on weston as a native client, in a window frame of its own since weston draws
    none, with neither Qt's frame plugin nor the graphics stack loaded: the board drops in under a
    title bar and takes its keys also after a box, the title bar moves the window, and the frame's
    close button ends the game with 0."""
    background = read_board_picture(os.path.dirname(executable))
    session.step("starting weston")
    weston = Weston(session)
    session.step("starting the game on weston")
    game = session.start_game(executable, weston.client_settings())
    board, corner = wait_for_board_with_every_gem(weston, background, "the board on weston", game)
    session.run.record("board-on-wayland", board, keep=True)
    check(not session.x.find_windows("^" + re.escape(MAIN_CAPTION) + "$"),
          "the game opened an X window instead of a Wayland one")
    mapped = game.list_mapped_libraries()
    check(not mapped, f"the game loaded Qt's frame plugin or the graphics stack: {mapped}")
    check_title_bar(weston.screenshot(), corner)

    # Xvfb gives the keyboard to the window under the pointer: weston's, holding the game.
    tree = session.x.run_tool("xwininfo", "-root", "-children").stdout.decode()
    output = re.search(r"(0x[0-9a-f]+) \"Weston Compositor", tree)
    check(output, "weston has no window in the X server")
    left, top, width, height, _ = session.x.read_geometry(int(output.group(1), 16))
    session.x.run_tool("xdotool", "mousemove", "--sync", str(left + width // 2),
                       str(top + height - 5))

    session.step("board keys before and after a box, through weston's seat")
    check_keys_after_box(session, weston, BoardView(*corner))

    session.step("dragging the title bar, then pressing the frame's close button")
    corner = drag_title_bar(session, weston, background, corner, (left, top))
    press_close_button(session, weston, corner, (left, top))
    status = game.wait_for_exit(EXIT_TIMEOUT)
    check(status == 0, f"the game ended with status {status} after its close button, not 0")


def pointer_patch(shot, place):
    """The pixels where the pointer's picture shows when the pointer is at a place."""
    x, y = place
    return shot.pixels[y - 2 : y + POINTER_SIDE, x - 2 : x + POINTER_SIDE]


def drag_title_bar(session, weston, background, corner, origin):
    """Drags the title bar with the first button; the board must land where the drag puts it.
    Weston moves the window by the pointer's motion from where its move began, and begins it when
    the game asks, on the press: so the pointer moves only once weston shows its grabbing hand, and
    must have shown its arrow there first. Returns the board's new corner."""
    left, top = corner
    place = (left + BOARD // 3, top - TITLE_ABOVE_BOARD)
    at = (origin[0] + place[0], origin[1] + place[1])
    bare = pointer_patch(weston.screenshot(), place)

    def pointer_showing(unlike, within=0.0):
        shown_by = time.monotonic() + within
        while True:
            patch = pointer_patch(weston.screenshot(), place)
            if not numpy.array_equal(patch, unlike):
                return [patch]
            if time.monotonic() > shown_by:
                return None

    def entered_and_shown():
        # Weston's X11 back end moves its pointer by the X pointer's motion since it last entered
        # weston's window, and may miss that entry while it starts: entering anew sets it right.
        session.x.run_tool("xdotool", "mousemove", "--sync", str(origin[0] + COMPOSITOR_SIZE[0]),
                           str(origin[1] + COMPOSITOR_SIZE[1]))
        session.x.run_tool("xdotool", "mousemove", "--sync", *map(str, at))
        return pointer_showing(bare, within=1.0)

    arrow = wait_until(entered_and_shown, BOX_TIMEOUT, "weston's pointer on the title",
                       interval=0, game=session.game)[0]
    session.x.run_tool("xdotool", "mousedown", "1")
    wait_until(lambda: pointer_showing(arrow), BOX_TIMEOUT, "weston's grab of the window",
               game=session.game)
    for step in range(1, 5):
        session.x.run_tool("xdotool", "mousemove", "--sync", str(at[0] + DRAG[0] * step // 4),
                           str(at[1] + DRAG[1] * step // 4))
    session.x.run_tool("xdotool", "mouseup", "1")
    moved = (left + DRAG[0], top + DRAG[1])
    wait_until(lambda: find_board(weston.screenshot(), background) == moved, BOX_TIMEOUT,
               f"the board dragged from {corner} to {moved}", interval=0.1, game=session.game)
    return moved


def press_close_button(session, weston, corner, origin):
    """Clicks the middle of the dark marks at the title bar's right end: the close button."""
    bar, (left, top) = crop_title_bar(weston.screenshot(), corner)
    rows, columns = find_buttons(bar)
    check(len(rows) > 10, "no close button at the title bar's right end")
    x = origin[0] + left + BOARD - 30 + int(columns.mean())
    y = origin[1] + top + int(rows.mean())
    session.x.run_tool("xdotool", "mousemove", "--sync", str(x), str(y))
    session.x.run_tool("xdotool", "click", "1")


def check_keys_after_box(session, weston, view):
    """An arrow key shows the focus frame; after a box answered with Return, arrow keys move it on
    with no click on the board. Weston hands the keyboard to the game once the pointer has brought
    it to weston, and back after a box once the closed box has faded out; keys typed before reach
    no window. So Right is typed again each second until the frame moves on, and how long that
    took after the box is printed."""
    def desktop(shot):
        return shot.crop(0, PANEL_HEIGHT, shot.width, shot.height - PANEL_HEIGHT)

    def move_frame_on(column, what):
        """Types Right until the frame alone shows, in row 0 right of a column; returns its
        column."""
        def typed_and_moved():
            session.x.type_keys("Right")
            typed = time.monotonic()
            while time.monotonic() < typed + 1.0:
                cells = view.find_changed_cells(weston.screenshot(), idle)
                # The closing box may still cover the board while it fades out.
                if len(cells) == 1 and min(cells)[1] == 0 and min(cells)[0] > column:
                    return min(cells)
            return None

        return wait_until(typed_and_moved, BOX_TIMEOUT, what, interval=0, game=session.game)[0]

    idle = weston.screenshot()
    column = move_frame_on(0, "the focus frame in row 0")
    before_box = desktop(weston.screenshot())
    session.x.type_keys("F1")
    shown = wait_until(lambda: (lambda shot: shot if desktop(shot) != before_box else None)(
        weston.screenshot()), BOX_TIMEOUT, "the instructions box on weston", interval=0,
        game=session.game)
    session.run.record("box-on-wayland", shown, keep=True)
    session.x.type_keys("Return")
    closed = time.monotonic()
    move_frame_on(column, "an arrow key to reach the board after the box")
    print(f"the board took keys again {time.monotonic() - closed:.2f} s after the box's Return")


def run_on_wayland_at_scale_2(session, executable):
    """On an output of scale 2 the game draws its board at 832 device pixels from the pictures at
    2: every cell shows a gem, and no row or column of pixels is a copy of the one before; Ctrl+Q
    ends it with 0."""
    background = read_board_picture(os.path.dirname(executable), 2)
    session.step("starting weston with its output at scale 2")
    weston = Weston(session, scale=2)
    session.step("starting the game on weston")
    game = session.start_game(executable, weston.client_settings())
    board, _ = wait_for_board_with_every_gem(weston, background, "the board at scale 2 on weston",
                                             game, scale=2)
    session.run.record("board-on-wayland-at-scale-2", board, keep=True)
    for what, pixels in (("rows", board.pixels), ("columns", board.pixels.transpose(1, 0, 2))):
        repeated = int((pixels[1:] == pixels[:-1]).all(axis=(1, 2)).sum())
        check(repeated * 20 <= len(pixels),
              f"{repeated} {what} of the board repeat their neighbour: enlarged, not drawn at 2")
    game.check_running("on weston at scale 2")

    session.step("pressing Ctrl+Q through weston's seat")
    # Xvfb gives the keyboard to weston's window under the pointer, and weston hands it to the
    # game some time later.
    session.x.run_tool("xdotool", "mousemove", "--sync", "400", "700")
    status = session.quit_by_keys()
    check(status == 0, f"the game ended with status {status} after Ctrl+Q, not 0")


def run_frame_choices(session, executable):
    """Who draws the frame, on each compositor: sway draws its own, so the game loads neither a
    frame plugin nor the graphics stack; mutter draws none, so the game draws its own, with no
    maximise button; a value of QT_WAYLAND_DISABLE_WINDOWDECORATION that the player set wins; and a
    connection the compositor hands over (WAYLAND_SOCKET) is left whole to Qt, which then draws."""
    background = read_board_picture(os.path.dirname(executable))
    weston, sway = Weston(session), Sway(session.run)
    for compositor, setting, handed, qt_frame in (
            (sway, None, False, False), (sway, "0", False, True), (weston, "1", False, False),
            (weston, None, True, True), (Mutter, None, False, False)):
        if compositor is Mutter:
            compositor = Mutter(session.run, session.x)
        name = type(compositor).__name__.lower()
        session.step(f"on {name}, QT_WAYLAND_DISABLE_WINDOWDECORATION={setting}"
                     + (", the connection handed over" if handed else ""))
        settings = dict(compositor.client_settings(), QT_WAYLAND_DISABLE_WINDOWDECORATION=setting)
        descriptors = ()
        if handed:
            connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
            connection.connect(os.path.join(compositor.runtime, compositor.socket))
            descriptors = (connection.fileno(),)
            settings.update(WAYLAND_DISPLAY=None, WAYLAND_SOCKET=str(connection.fileno()))
        game = session.start_game(executable, settings, handed=descriptors)
        if handed:
            connection.close()
        if compositor is sway:
            wait_until(lambda: sway.shows_window(MAIN_CAPTION), START_TIMEOUT,
                       "the game's window on sway", interval=0.2, game=game)
        else:
            def board_shown():
                shot = compositor.screenshot()
                corner = find_board(shot, background)
                return (shot, corner) if corner else None

            shown = wait_until(board_shown, START_TIMEOUT, f"the board on {name}", interval=0.3,
                               game=game)
            # Where the compositor draws no frame, the game draws its own unless told otherwise.
            if setting is None and not handed:
                check_title_bar(*shown)
        mapped = game.list_mapped_libraries()
        if qt_frame:
            check(any("libEGL_mesa" in name for name in mapped),
                  f"the game kept from Qt's frame on {name}: {mapped}")
        else:
            check(not mapped, f"the game loaded a frame plugin or the graphics stack on {name}: "
                              f"{mapped}")
        stop_process(game.process)


def run_case(session, executable, case):
    if case == "no-display":
        run_without_display(session, executable)
    elif case == "wayland-closing":
        run_on_closing_compositor(session, executable)
    elif case == "wayland":
        run_on_wayland(session, executable)
    elif case == "wayland-scale-2":
        run_on_wayland_at_scale_2(session, executable)
    elif case == "wayland-frames":
        run_frame_choices(session, executable)
    else:
        raise TestFailure(f"unknown case {case!r}")


if __name__ == "__main__":
    run_test(run_case)
