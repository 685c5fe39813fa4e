"""Wayland compositors that run the game natively, headless: their sockets and their settings."""

import os
import pwd
import shutil
import subprocess
import tempfile

from .checks import START_TIMEOUT, wait_until
from .xserver import stop_process


def find_wayland_socket(runtime):
    """The path of the first Wayland socket a compositor opened in its runtime folder, or None."""
    return next((os.path.join(runtime, name) for name in sorted(os.listdir(runtime))
                 if name.startswith("wayland-") and not name.endswith(".lock")), None)


class Sway:
    """Headless sway, which draws its windows' frames itself. It refuses to run as root, so under
    root it runs as nobody, in a runtime folder of its own."""

    def __init__(self, stage):
        # Beside the stage's own folder, which nobody may not enter.
        self.runtime = tempfile.mkdtemp(prefix="glintrow-sway-")
        stage.on_exit(lambda: shutil.rmtree(self.runtime, ignore_errors=True))
        self.as_nobody = []
        if os.geteuid() == 0:
            user = pwd.getpwnam("nobody")
            os.chown(self.runtime, user.pw_uid, user.pw_gid)
            self.as_nobody = ["setpriv", f"--reuid={user.pw_uid}", f"--regid={user.pw_gid}",
                              "--clear-groups"]
        self.env = {"PATH": os.environ["PATH"], "HOME": self.runtime,
                    "XDG_RUNTIME_DIR": self.runtime, "WLR_BACKENDS": "headless",
                    "WLR_RENDERER": "pixman", "WLR_LIBINPUT_NO_DEVICES": "1"}
        self.process = subprocess.Popen(self.as_nobody + ["sway", "--config", "/dev/null"],
                                        env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, start_new_session=True)
        stage.on_exit(lambda: stop_process(self.process))
        self.socket = wait_until(lambda: find_wayland_socket(self.runtime), START_TIMEOUT,
                                 "sway's socket")
        self.ipc = wait_until(lambda: next(
            (os.path.join(self.runtime, name) for name in os.listdir(self.runtime)
             if name.startswith("sway-ipc.")), None), START_TIMEOUT, "sway's command socket")

    def client_settings(self):
        return {"DISPLAY": None, "WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland"}

    def shows_window(self, title):
        tree = subprocess.run(self.as_nobody + ["swaymsg", "-s", self.ipc, "-t", "get_tree"],
                              env=self.env, capture_output=True, text=True, timeout=30).stdout
        return f'"name": "{title}"' in tree


class Mutter:
    """GNOME's compositor, nested in the run's X server on a D-Bus of its own. Like weston it draws
    no frames for Wayland windows; its output is the X server's screen."""

    def __init__(self, stage, x):
        self.runtime = stage.runtime_dir()
        self.socket = f"glintrow-mutter-{os.getpid()}"
        env = dict(x.env, XDG_RUNTIME_DIR=self.runtime)
        self.process = subprocess.Popen(
            ["dbus-run-session", "--", "mutter", "--nested", "--wayland", "--no-x11",
             f"--wayland-display={self.socket}"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        stage.on_exit(lambda: stop_process(self.process))
        wait_until(lambda: os.path.exists(os.path.join(self.runtime, self.socket)),
                   START_TIMEOUT, "mutter's socket")
        self.screenshot = x.capture_screen

    def client_settings(self):
        return {"DISPLAY": None, "WAYLAND_DISPLAY": self.socket, "QT_QPA_PLATFORM": "wayland",
                "XDG_RUNTIME_DIR": self.runtime}
