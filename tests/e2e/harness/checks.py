"""Checks of the end-to-end tests: failures, conditions and waiting with a time limit."""

import time

# Generous limits: the tests share two cores with the build and with each other.
START_TIMEOUT = 30.0
BOX_TIMEOUT = 15.0
EXIT_TIMEOUT = 10.0


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
