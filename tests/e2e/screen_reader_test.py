"""Plays the short known game with Orca, the desktop's screen reader, listening on a private
accessibility bus under Xvfb: what a blind player hears on each key, what each move did, the
rules, the menus and silence on a still board; and, in German, the same words in the player's
language. Orca runs in a PID namespace of its own, so it can end no screen reader but itself."""

import os
import re
import shutil
import subprocess
import threading
import time

import game_facts
from harness.checks import BOX_TIMEOUT, START_TIMEOUT, check, wait_until
from harness.pictures import CELLS
from harness.runner import run_test
from harness.xserver import stop_process
from keyboard_test import ARROWS, Player, makes_line

# Orca speaks seconds late on a busy machine: its events pass through two buses and Python.
SPEECH_TIMEOUT = 30
# How long a still board is listened to for any word or event of the game.
STILL_SECONDS = 2.0
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{", re.S)
# A move chosen by the hint, F3 then an arrow then Space, told in at most so many words.
MOVE_WORDS = 20
# Words of the German game, as its translation gives them.
GERMAN = {"Red square": "Rotes Quadrat", "Green hexagon": "Grünes Sechseck",
          "Blue diamond": "Blaue Raute", "Yellow rectangle": "Gelbes Rechteck",
          "White circle": "Weißer Kreis", "Purple triangle": "Lila Dreieck",
          "Orange oval": "Oranges Oval"}


def own_pid_namespace():
    """The command that runs a program in a PID namespace of its own: there, Orca's own search for
    other Orcas to replace finds none. Root makes one directly; another user in a user namespace
    of their own."""
    unshare = shutil.which("unshare", path="/usr/bin:/bin")
    base = [unshare, "--pid", "--fork", "--kill-child", "--mount-proc"]
    return base if os.getuid() == 0 else [unshare, "--user", "--map-root-user"] + base[1:]


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
        orca = own_pid_namespace() + ["orca", "-u", os.path.join(run.temp, "orca"),
                                      "--debug-file", "/dev/stdout"]
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
        """What Orca has said, one utterance each, after the first since of them; an utterance
        may run over several lines."""
        return [match.group(1) for match in SPOKEN.finditer("\n".join(self.lines()))][since:]

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


def place_of(cell):
    """A cell's place as the game says it: its column's letter and its row's number."""
    column, row = cell
    return f"{chr(ord('A') + column)}{row + 1}"


def words_of(utterances):
    return sum(len(utterance.split()) for utterance in utterances)


def check_arrows(orca, player, kinds, heard):
    """Each arrow says the one gem under the frame and its place; an edge says so."""
    last = (0, 0)
    for key, cell in (("Right", (1, 0)), ("Down", (1, 1)), ("Up", (1, 0)), ("Left", (0, 0))):
        before = heard
        player.x.type_keys(key)
        heard = orca.hear(f"{kind_at(kinds, cell)}, {place_of(cell)}", heard)
        # The cell the frame left may still be told late, as the board took the keyboard.
        names = [said for said in orca.said(before) if place_of(last) not in said
                 and any(name in said for name in game_facts.GEM_KIND_NAMES)]
        check(len(names) == 1, f"{key} said more than the gem under the frame: {names!r}")
        last = cell
    player.x.type_keys("Left")
    return orca.hear("Edge", heard)


def check_selection(orca, player, kinds, heard):
    """Space selects and Escape cancels; a neighbour that makes no line is refused."""
    player.x.type_keys("space")
    heard = orca.hear("selected", heard)
    player.x.type_keys("Escape")
    heard = orca.hear("not selected", heard)
    for step, arrow in ARROWS.items():
        target = (step[0], step[1])
        if 0 <= target[0] < CELLS and 0 <= target[1] < CELLS and \
                not makes_line(kinds, (0, 0), target):
            player.x.type_keys(f"space {arrow} space")
            heard = orca.hear("No line", heard)
            player.x.type_keys(ARROWS[(-step[0], -step[1])])
            return orca.hear(f"{kind_at(kinds, (0, 0))}, A1", heard)
    check(False, "every neighbour of the top-left gem makes a line")
    return heard


def play_moves(session, orca, player, kinds, heard):
    """Each move from the hint: F3 says the hinted gem and its place, the arrow the neighbour, the
    swap what it cleared; the gem it leaves under the frame once the board rests, and at the end
    Game Over. Each move takes at most MOVE_WORDS words."""
    moves = 0
    while kinds is not None:
        start = heard
        player.x.type_keys("F3")

        def hinted_said():
            for cell in ((c, r) for r in range(CELLS) for c in range(CELLS)):
                if any(f"{kind_at(kinds, cell)}, {place_of(cell)}, selected" in said
                       for said in orca.said(start)):
                    return cell
            return None
        hinted = wait_until(hinted_said, SPEECH_TIMEOUT, "Orca to say the hinted gem",
                            interval=0.1, game=session.game)
        heard = len(orca.said())
        step = next(step for step in ARROWS
                    if 0 <= hinted[0] + step[0] < CELLS and 0 <= hinted[1] + step[1] < CELLS
                    and makes_line(kinds, hinted, (hinted[0] + step[0], hinted[1] + step[1])))
        partner = (hinted[0] + step[0], hinted[1] + step[1])
        moves += 1
        session.step(f"move {moves}: the gem at {place_of(hinted)} {ARROWS[step]}")
        player.x.type_keys(ARROWS[step])
        heard = orca.hear(f"{kind_at(kinds, partner)}, {place_of(partner)}", heard)
        player.x.type_keys("space")
        heard = orca.hear("Cleared ", heard)
        before = kinds
        kinds, _ = player.wait_for_settled_board(f"the board to settle after move {moves}")
        if kinds is None:
            heard = orca.hear("Game Over", heard)
        elif kind_at(kinds, partner) != kind_at(before, partner):
            heard = orca.hear(f"{kind_at(kinds, partner)}, {place_of(partner)}", heard)
        told = orca.said(start)
        print(f"move {moves} told in {words_of(told)} words: {told!r}")
        check(words_of(told) <= MOVE_WORDS, f"move {moves} took more than {MOVE_WORDS} words")
    return heard


def close_rules(session, caption):
    """Answers the rules' box and waits until it has gone, so the next key reaches the board."""
    session.x.type_keys("Return")
    wait_until(lambda: not session.x.find_message_boxes(caption), BOX_TIMEOUT,
               "the rules' box to close", game=session.game)


def quit_game(session):
    """Ctrl+Q, typed until the game ends: the keyboard may still be on its way back to the board
    from a box."""
    check(session.quit_by_keys() == 0, "Ctrl+Q did not end the game with status 0")


def check_commands(session, orca, player, heard):
    """The sound switch, the rules, the menus by F10 and a new game."""
    for key, words in (("ctrl+p", "Sound on"), ("ctrl+p", "Sound off")):
        player.x.type_keys(key)
        heard = orca.hear(words, heard)
    player.x.type_keys("F1")
    heard = orca.hear("Line up three of the same gem", heard)
    close_rules(session, "Instructions.")
    player.x.type_keys("F10")
    heard = orca.hear("Game", heard)
    player.x.type_keys("Escape Escape F2")
    return orca.hear("New game", heard)


def check_still_board(session, orca):
    time.sleep(STILL_SECONDS)
    said, events = len(orca.said()), orca.events_from(game_facts.APP_TITLE)
    time.sleep(STILL_SECONDS)
    check(orca.said(said) == [], f"Orca spoke on a still board: {orca.said(said)!r}")
    check(orca.events_from(game_facts.APP_TITLE) == events,
          "the still board sent accessibility events")


def play(session, executable, case):
    session.step("start Orca and the game of the stopped clock")
    orca = ScreenReader(session)
    german = case == "german"
    settings = {"DBUS_SESSION_BUS_ADDRESS": orca.bus}
    if german:
        settings.update(LANG="de_DE.UTF-8", LANGUAGE="de")
    player = Player(session, executable, settings)
    kinds, _ = player.wait_for_settled_board("the board at rest")
    heard = orca.hear("List with 64 items", 0)
    if german:
        session.step("the gem and its place, the sound switch and the rules, in German")
        player.x.type_keys("Right")
        heard = orca.hear(f"{GERMAN[kind_at(kinds, (1, 0))]}, B1", heard)
        player.x.type_keys("ctrl+p")
        heard = orca.hear("Ton an", heard)
        player.x.type_keys("F1")
        heard = orca.hear("Reihe", heard)
        close_rules(session, "Anleitung")
    else:
        session.step("arrows: the gem under the frame and its place, one cell, the edge")
        heard = check_arrows(orca, player, kinds, heard)
        session.step("Space selects, Escape cancels, a swap without a line is refused")
        heard = check_selection(orca, player, kinds, heard)
        session.step("play to Game Over from the hint")
        heard = play_moves(session, orca, player, kinds, heard)
        check(sum("Game Over" in said for said in orca.said()) == 1,
              f"Game Over was said more than once: {orca.said()!r}")
        session.step("a still board: no word and no event")
        check_still_board(session, orca)
        session.step("the sound switch, the rules, F10 and New Game")
        heard = check_commands(session, orca, player, heard)
    quit_game(session)


if __name__ == "__main__":
    run_test(play)
