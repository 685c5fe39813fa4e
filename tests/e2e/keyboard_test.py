"""Plays a whole game to Game Over with the keyboard alone, in a private X server: the focus
frame and its keys, the board taking keys again after a box, and every move chosen by the hint,
in the short game of a stopped clock."""

import os
import time

import numpy

from harness.checks import EXIT_TIMEOUT, check, wait_until
from harness.game_process import SHORT_GAME_MOVES, freeze_clock
from harness.pictures import CELL, CELLS, GemReader, find_cells_showing_gems, split_cells
from harness.runner import run_test
from play_test import find_line, wait_for_idle_board, wait_for_one_animated_cell

# The focus frame lies on the outermost pixels of its cell; the gems are read inside them.
FRAME_RING = 4
BANNER_YELLOW = (200, 200, 0)
ARROWS = {(1, 0): "Right", (-1, 0): "Left", (0, 1): "Down", (0, -1): "Up"}
# The focus frame's place: the outer ring of a cell.
RING = numpy.pad(numpy.zeros((CELL - 2 * FRAME_RING,) * 2, bool), FRAME_RING, constant_values=True)


def find_frame(board):
    """The cell the focus frame marks, by the pure white of its dashes, or None."""
    white = split_cells((board.pixels == 255).all(axis=2))
    counts = (white & RING[None, :, None, :]).sum(axis=(1, 3))
    row, column = numpy.unravel_index(counts.argmax(), counts.shape)
    return (int(column), int(row)) if counts[row, column] >= 100 else None


def makes_line(kinds, first, second):
    """Whether swapping two cells (column, row) lines up three equal kinds."""
    swapped = [row[:] for row in kinds]
    (c1, r1), (c2, r2) = first, second
    swapped[r1][c1], swapped[r2][c2] = swapped[r2][c2], swapped[r1][c1]
    return find_line(swapped) is not None


def has_move(kinds):
    """Whether some swap of two cells side by side lines up three equal kinds."""
    return any(makes_line(kinds, (c, r), (c + dc, r + dr))
               for r in range(CELLS) for c in range(CELLS) for dc, dr in ((1, 0), (0, 1))
               if c + dc < CELLS and r + dr < CELLS)


class Player:
    """The keyboard player: watches the board and types to the game's window."""

    def __init__(self, session, executable, settings=None):
        self.session = session
        self.x = session.x
        self.reader = GemReader(os.path.dirname(executable), margin=FRAME_RING)
        session.start_game(executable, dict(freeze_clock(), **(settings or {})))
        self.main = session.wait_for_main_window()
        self.view = session.locate_board(self.main)
        # The keyboard goes to the game's window once, as a player would click its frame; from
        # then on keys go wherever the game puts the keyboard.
        self.x.focus(self.main)

    def shot(self):
        return self.x.capture_screen()

    def board(self, shot):
        return self.view.crop_board(shot)

    def wait_for_settled_board(self, what):
        """The kinds of the next board that waits for a move, or None once it shows the Game Over
        banner.

        Waiting: two pictures in a row alike, every gem at rest in its cell, no line of three
        among them and a move left. A board at rest with no move left is about to tremble."""
        seen = {}

        def probe():
            board = self.board(self.shot())
            alike = "board" in seen and board == seen["board"]
            seen["board"] = board
            if not alike:
                return None
            kinds = self.reader.read_kinds(board)
            if kinds is not None:
                waits = find_line(kinds) is None and has_move(kinds)
                return (kinds, board) if waits else None
            return (None, board) if count_banner_pixels(board) > 200 else None

        return wait_until(probe, 30, what, interval=0.02, game=self.session.game)

    def select_hinted_gem(self):
        """Types F3 until the frame stands on a spinning gem; returns its cell. A board that looked
        settled may still be a frame from waiting for a move on a busy machine, and takes no hint
        then; F3 again only selects the same gem again."""
        def probe():
            first = self.board(self.shot())
            second = self.board(self.shot())
            cell = find_frame(second)
            if cell is None or cell != find_frame(first):
                return None
            column, row = cell
            spinning = (first.crop(CELL * column, CELL * row, CELL, CELL)
                        != second.crop(CELL * column, CELL * row, CELL, CELL))
            return [cell] if spinning else None

        def typed_and_spinning():
            self.x.type_keys("F3")
            typed = time.monotonic()
            while time.monotonic() < typed + 1.0:
                if found := probe():
                    return found
            return None

        return wait_until(typed_and_spinning, 10, "the frame on the hinted gem, spinning",
                          interval=0, game=self.session.game)[0]


def count_banner_pixels(board):
    """Pixels in the Game Over banner's own yellow."""
    return int((board.pixels == BANNER_YELLOW).all(axis=2).sum())


def check_first_keys(player, idle):
    """Right Right Down Down puts the frame on column 2, row 2; Space selects that gem, Escape
    cancels it, and the board shows the frame alone again."""
    session, view = player.session, player.view
    player.x.type_keys("Right Right Down Down")
    framed = wait_until(
        lambda: (lambda shot: shot if view.find_changed_cells(idle, shot) == {(2, 2)} else None)(
            player.shot()), 10, "the frame on column 2, row 2", game=session.game)
    session.run.record("frame-on-column-2-row-2", framed, keep=True)
    check(find_frame(player.board(framed)) == (2, 2), "the frame is not drawn on column 2, row 2")
    player.x.type_keys("space")
    moving = wait_for_one_animated_cell(session, view, idle, "the gem under the frame spinning")
    check(moving == (2, 2), f"cell {moving} spins after Space, not column 2, row 2")
    player.x.type_keys("Escape")
    wait_for_idle_board(session, view, framed, "Escape to cancel the selection")


def check_keys_after_box(player, idle):
    """A box answered with Return gives the keyboard back to the board, with no click."""
    session, x = player.session, player.x
    player.x.type_keys("F1")
    box = session.wait_for_box("Instructions.")
    x.press_keys(box, "Return")
    wait_until(lambda: box not in x.find_windows(".*") and x.find_focus() == player.main, 10,
               "the box to close and the game's window to take the keyboard back")
    x.type_keys("Right")
    wait_until(lambda: player.view.find_changed_cells(idle, player.shot()) == {(3, 2)}, 10,
               "the frame to move on after the box closed", game=session.game)


def play_to_game_over(player):
    """Each move: F3 selects the hinted gem and brings the frame to it; the arrow towards the
    neighbour that makes a line and Space swap the two. Returns the arrow key of each move and the
    board with the Game Over banner."""
    session = player.session
    kinds, board = player.wait_for_settled_board("the board at rest")
    arrows = ()
    while kinds is not None:
        hinted = player.select_hinted_gem()
        steps = [step for step in ARROWS
                 if 0 <= hinted[0] + step[0] < CELLS and 0 <= hinted[1] + step[1] < CELLS
                 and makes_line(kinds, hinted, (hinted[0] + step[0], hinted[1] + step[1]))]
        check(steps, f"no neighbour of the hinted gem at {hinted} makes a line")
        arrows += (ARROWS[steps[0]],)
        session.step(f"move {len(arrows)}: the gem at {hinted} {arrows[-1]}")
        player.x.type_keys(f"{arrows[-1]} space")
        before = kinds
        moves = len(arrows)
        kinds, board = player.wait_for_settled_board(f"the board to settle after move {moves}")
        check(kinds != before, f"move {moves} left the board as it was")
    return arrows, board


def play(session, executable, _case):
    session.step("start the game")
    player = Player(session, executable)
    idle = session.wait_for_still_board(player.view, player.reader.read_kinds,
                                        "all 64 gems at rest")
    session.run.record("idle-board", idle)
    check(find_frame(player.board(idle)) is None, "the frame shows before any arrow key")

    session.step("Right Right Down Down Space, then Escape")
    check_first_keys(player, idle)
    session.step("keys after a box")
    check_keys_after_box(player, idle)

    session.step("play to Game Over with the hint and the keys")
    started = time.monotonic()
    arrows, board = play_to_game_over(player)
    elapsed = time.monotonic() - started
    session.run.record("game-over", board, keep=True)
    check(not find_cells_showing_gems(board, player.reader.background),
          "gems still show beside the Game Over banner")
    moves = len(arrows)
    print(f"whole game: {moves} moves in {elapsed:.1f} s, {elapsed / moves:.2f} s a move")
    check(arrows == SHORT_GAME_MOVES, f"the game of the stopped clock took the moves {arrows}, not "
                                      f"{SHORT_GAME_MOVES}: it dealt other boards")
    session.game.check_running("at Game Over")
    player.x.type_keys("ctrl+q")
    status = session.game.wait_for_exit(EXIT_TIMEOUT)
    check(status == 0, f"Ctrl+Q ended the game with status {status}, not 0")


if __name__ == "__main__":
    run_test(play)
