"""The private X server of an end-to-end test, with the X tools that look at it and drive it."""

import os
import re
import select
import subprocess
import time

from .checks import START_TIMEOUT, TestFailure, check
from .pictures import parse_ppm

SCREEN = (1024, 768)


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

    def set_mapped(self, window, mapped):
        """Maps or unmaps a window, once the X server has done so."""
        self.run_tool("xdotool", "windowmap" if mapped else "windowunmap", "--sync", str(window))

    def focus(self, window):
        self.run_tool("xdotool", "windowfocus", "--sync", str(window))

    def find_focus(self):
        """The window that has the keyboard."""
        return int(self.run_tool("xdotool", "getwindowfocus", "-f").stdout)

    def type_keys(self, keys):
        """Types keys, separated by spaces (such as "Right space"), to whichever window has the
        keyboard, as a player would."""
        self.run_tool("xdotool", "key", *keys.split())

    def press_keys(self, window, keys):
        """Types keys to the window, giving it the keyboard first."""
        self.focus(window)
        self.type_keys(keys)

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
