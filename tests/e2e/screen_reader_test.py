"""Plays the short known game with Orca, the desktop's screen reader, listening on a private
accessibility bus under Xvfb: what a blind player hears on each key, and silence on a still
board."""

import os
import re
import subprocess
import threading
import time

import game_facts
from checks import START_TIMEOUT, check, wait_until
from keyboard_test import Player, play_to_game_over
from runner import run_test
from xserver import stop_process

# Orca speaks seconds late on a busy machine: its events pass through two buses and Python.
SPEECH_TIMEOUT = 30
# How long a still board is listened to for any word or event of the game.
STILL_SECONDS = 2.0
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")


class ScreenReader:
    """Orca with a session bus and an accessibility bus of its own; each utterance is a line of its
    debug output.

    Orca writes that output to a file in blocks, which would hold back its last words; to a
    terminal it writes each line as it comes. So it runs in a terminal of script's, and a thread
    reads each line."""

    def __init__(self, session):
        run = session.run
        self.session = session
        self.output = []
        env = dict(session.x.env, XDG_RUNTIME_DIR=run.runtime_dir(), HOME=run.temp,
                   XDG_CONFIG_HOME=os.path.join(run.temp, "config"))
        bus = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, capture_output=True,
                             text=True, timeout=30, check=True).stdout
        address = re.search(r"DBUS_SESSION_BUS_ADDRESS='([^']*)'", bus).group(1)
        bus_pid = int(re.search(r"DBUS_SESSION_BUS_PID=(\d+)", bus).group(1))
        run.on_exit(lambda: os.kill(bus_pid, 15))
        self.bus = address
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        orca = ["orca", "--replace", "-u", os.path.join(run.temp, "orca"), "--debug-file",
                "/dev/stdout"]
        for command in (["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                        ["/usr/libexec/at-spi2-registryd", "--use-gnome-session=false"],
                        ["script", "--quiet", "--flush", "--command", " ".join(orca), "/dev/null"]):
            process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                       start_new_session=True)
            run.on_exit(lambda process=process: stop_process(process))
            threading.Thread(target=self._read, args=(process.stdout,), daemon=True).start()
        wait_until(lambda: "Screen reader on." in self.said(), START_TIMEOUT, "Orca to start",
                   interval=0.1)

    def _read(self, output):
        for line in output:
            self.output.append(line)

    def lines(self):
        return [line.decode(errors="replace").rstrip("\r\n") for line in list(self.output)]

    def said(self, since=0):
        """What Orca has said, one utterance a line, after the first since of them."""
        return [match.group(1) for match in map(SPOKEN.search, self.lines()) if match][since:]

    def hear(self, words, since):
        """Waits until Orca says words after the first since utterances; returns the count then,
        and prints how long the words took from the call."""
        asked = time.monotonic()
        wait_until(lambda: any(words in said for said in self.said(since)), SPEECH_TIMEOUT,
                   f'Orca to say "{words}" (it said {self.said(since)!r})', interval=0.1,
                   game=self.session.game)
        print(f'Orca said "{words}" {time.monotonic() - asked:.2f} s later')
        return len(self.said())

    def events_from(self, application):
        return sum(1 for line in self.lines()
                   if "EVENT MANAGER:" in line and f"[application | {application}]" in line)


def kind_at(kinds, cell):
    column, row = cell
    return game_facts.GEM_KIND_NAMES[kinds[row][column]]


def play(session, executable, _case):
    session.step("start Orca and the game of the stopped clock")
    orca = ScreenReader(session)
    player = Player(session, executable, {"DBUS_SESSION_BUS_ADDRESS": orca.bus})
    game = session.game
    kinds, _ = player.wait_for_settled_board("the board at rest")
    heard = orca.hear("table with 8 rows 8 columns", 0)

    session.step("arrows: the gem under the frame")
    for key, cell in (("Right", (1, 0)), ("Down", (1, 1)), ("Left", (0, 1))):
        player.x.type_keys(key)
        heard = orca.hear(kind_at(kinds, cell), heard)
    session.step("Space selects, Escape cancels")
    player.x.type_keys("space")
    heard = orca.hear("selected", heard)
    player.x.type_keys("Escape")
    heard = orca.hear("not selected", heard)
    session.step("F3: the hinted gem")
    hinted = player.select_hinted_gem()
    heard = orca.hear(kind_at(kinds, hinted), heard)
    player.x.type_keys("Escape")
    heard = orca.hear("not selected", heard)

    session.step("play to Game Over")
    play_to_game_over(player)
    heard = orca.hear("Game Over", heard)
    session.step("a still board: no word and no event")
    time.sleep(STILL_SECONDS)
    said, events = len(orca.said()), orca.events_from(game_facts.APP_TITLE)
    time.sleep(STILL_SECONDS)
    check(orca.said(said) == [], f"Orca spoke on a still board: {orca.said(said)!r}")
    check(orca.events_from(game_facts.APP_TITLE) == events,
          "the still board sent accessibility events")
    check(sum("Game Over" in said for said in orca.said()) == 1,
          f"Game Over was said more than once: {orca.said(heard - 1)!r}")
    player.x.type_keys("ctrl+q")
    check(game.wait_for_exit(10) == 0, "Ctrl+Q did not end the game with status 0")


if __name__ == "__main__":
    run_test(play)
