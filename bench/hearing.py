"""The benchmark's ears: a PulseAudio server of its own with a null sink, and when sound reached it.

The game plays into the null sink; parec records the sink's monitor and each chunk it hands over
is stamped on the monotonic clock as it arrives, so the first chunk that is not silent tells when
a sound reached the sink."""

import os
import subprocess
import threading
import time

import numpy

from harness.checks import START_TIMEOUT, wait_until
from harness.xserver import stop_process

SINK = "bench"
RATE = 44100
CHANNELS = 2
# The mixer writes exact zeros while nothing sounds; a sound's first samples rise above this.
SILENCE_LEVEL = 4
# parec's fragment: the most a chunk waits at the monitor before it is handed over.
RECORD_LATENCY_MS = 1


def start_pulseaudio(stage):
    """A PulseAudio server of the stage's own, in its runtime folder where the game looks for it,
    with a null sink as its only sink; returns the game's settings as its client."""
    runtime = stage.runtime_dir()
    server = subprocess.Popen(
        ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-n",
         "--log-target=stderr", "-L", "module-native-protocol-unix",
         "-L", f"module-null-sink sink_name={SINK} rate={RATE} channels={CHANNELS}"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=runtime),
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    stage.on_exit(lambda: stop_process(server))
    socket = os.path.join(runtime, "pulse", "native")
    wait_until(lambda: os.path.exists(socket), START_TIMEOUT, "PulseAudio's socket")
    return {"SDL_AUDIODRIVER": "pulseaudio", "PULSE_SERVER": f"unix:{socket}"}


class Monitor:
    """The null sink's monitor, recorded from now on: each chunk's arrival and its samples."""

    def __init__(self, stage, settings):
        self.chunks = []
        self.lock = threading.Lock()
        self.recorder = subprocess.Popen(
            ["parec", f"--device={SINK}.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
             f"--channels={CHANNELS}", f"--latency-msec={RECORD_LATENCY_MS}"],
            env=dict(os.environ, **settings), stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL, start_new_session=True)
        stage.on_exit(lambda: stop_process(self.recorder))
        threading.Thread(target=self.record, daemon=True).start()
        wait_until(lambda: self.chunks, START_TIMEOUT, "the null sink's monitor")

    def record(self):
        source = self.recorder.stdout.fileno()
        while chunk := os.read(source, 1 << 16):
            arrived = time.monotonic_ns()
            with self.lock:
                self.chunks.append((arrived, chunk))

    def find_sound(self, since):
        """When the first chunk handed over after a moment that holds sound arrived, or None."""
        with self.lock:
            chunks = [each for each in self.chunks if each[0] >= since]
        for arrived, chunk in chunks:
            samples = numpy.frombuffer(chunk[:len(chunk) // 2 * 2], dtype="<i2")
            if numpy.any(numpy.abs(samples.astype(numpy.int32)) >= SILENCE_LEVEL):
                return arrived
        return None

    def wait_for_sound(self, since, seconds):
        """When the first sound after a moment reached the sink, waiting for it this long at
        most; None when none came."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            heard = self.find_sound(since)
            if heard is not None:
                return heard
            time.sleep(0.01)
        return None

    def wait_for_silence(self, seconds):
        """Waits until no sound has reached the sink for this long."""
        def silent():
            since = time.monotonic_ns() - int(seconds * 1e9)
            return self.find_sound(since) is None
        wait_until(silent, START_TIMEOUT, "silence at the null sink")
