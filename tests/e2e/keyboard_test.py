"""Plays a whole game to Game Over with the keyboard alone, in a private X server: the focus
frame and its keys, the board taking keys again after a box, and every move chosen by the hint."""

import os
import time

from checks import TestFailure, check, wait_until
from pictures import CELL, CELLS, GemReader, find_cells_showing_gems
from play_test import wait_for_one_animated_cell
from runner import run_test

# The focus frame lies on the outermost pixels of its cell; the gems are read inside them.
FRAME_RING = 4
# A whole game runs to a few minutes at most (hundreds of moves are unheard of); CTest allows more.
GAME_LIMIT = 420
BANNER_YELLOW = (200, 200, 0)
ARROWS = {(1, 0): "Right", (-1, 0): "Left", (0, 1): "Down", (0, -1): "Up"}


def count_white_ring_pixels(board, column, row):
    """Pure white pixels in the outer ring of a cell: the focus frame's dashes."""
    cell = board.crop(CELL * column, CELL * row, CELL, CELL)
    return sum(1 for y in range(CELL) for x in range(CELL)
               if min(x, y, CELL - 1 - x, CELL - 1 - y) < FRAME_RING
               and cell.pixel(x, y) == (255, 255, 255))


def find_frame(board):
    """The cell the focus frame marks, or None where no cell shows it."""
    counts = {(c, r): count_white_ring_pixels(board, c, r) for r in range(CELLS) for c in range(CELLS)}
    cell = max(counts, key=counts.get)
    return cell if counts[cell] >= 100 else None


def makes_line(kinds, first, second):
    """Whether swapping two cells (column, row) lines up three equal kinds."""
    swapped = [row[:] for row in kinds]
    (c1, r1), (c2, r2) = first, second
    swapped[r1][c1], swapped[r2][c2] = swapped[r2][c2], swapped[r1][c1]
    for r in range(CELLS):
        for c in range(CELLS):
            if c + 2 < CELLS and swapped[r][c] == swapped[r][c + 1] == swapped[r][c + 2]:
                return True
            if r + 2 < CELLS and swapped[r][c] == swapped[r + 1][c] == swapped[r + 2][c]:
                return True
    return False


class Player:
    """The keyboard player: watches the board and types to the game's window."""

    def __init__(self, session, executable):
        self.session = session
        self.x = session.x
        self.reader = GemReader(os.path.dirname(executable), margin=FRAME_RING)
        session.start_game(executable)
        self.main = session.wait_for_main_window()
        self.view = session.locate_board(self.main)

    def type(self, keys):
        self.x.press_keys(self.main, keys)

    def shot(self):
        return self.x.capture_screen()

    def board(self, shot):
        return self.view.crop_board(shot)

    def wait_for_kinds(self, what):
        """The kinds of a still board whose gems all rest."""
        shot = self.session.wait_for_still_board(self.view, self.reader.read_kinds, what)
        return self.reader.read_kinds(self.board(shot)), shot

    def wait_for_rest_or_game_over(self, what):
        """The kinds of the next still board, or None once it shows the Game Over banner."""
        def settled(board):
            return (self.reader.read_kinds(board) is not None
                    or not find_cells_showing_gems(board, self.reader.background))

        shot = self.session.wait_for_still_board(self.view, settled, what)
        return self.reader.read_kinds(self.board(shot)), shot

    def wait_for_frame_on_spinning_gem(self):
        """After the hint: the cell under the frame, once its gem spins there."""
        found = {}

        def probe():
            first = self.board(self.shot())
            time.sleep(0.06)
            second = self.board(self.shot())
            cell = find_frame(second)
            if cell is None or cell != find_frame(first):
                return False
            column, row = cell
            spinning = (first.crop(CELL * column, CELL * row, CELL, CELL)
                        != second.crop(CELL * column, CELL * row, CELL, CELL))
            found["cell"] = cell
            return spinning

        wait_until(probe, 10, "the frame on the hinted gem, spinning", game=self.session.game)
        return found["cell"]


def check_first_keys(player, idle):
    """Right Right Down Down puts the frame on column 2, row 2; Space selects that gem, Escape
    cancels it, and the board shows the frame alone again."""
    session, view = player.session, player.view
    player.type("Right Right Down Down")
    framed = wait_until(
        lambda: (lambda shot: shot if view.find_changed_cells(idle, shot) == {(2, 2)} else None)(
            player.shot()), 10, "the frame on column 2, row 2", game=session.game)
    session.run.record("frame-on-column-2-row-2", framed, keep=True)
    check(find_frame(player.board(framed)) == (2, 2), "the frame is not drawn on column 2, row 2")
    player.type("space")
    moving = wait_for_one_animated_cell(session, view, idle, "the gem under the frame spinning")
    check(moving == (2, 2), f"cell {moving} spins after Space, not column 2, row 2")
    player.type("Escape")
    wait_until(lambda: view.crop_board(player.shot()) == view.crop_board(framed), 10,
               "Escape to cancel the selection", game=session.game)


def check_keys_after_box(player, idle):
    """A box answered with Return gives the keyboard back to the board, with no click."""
    session, x = player.session, player.x
    player.type("F1")
    box = session.wait_for_box("Instructions.")
    x.press_keys(box, "Return")
    wait_until(lambda: box not in x.find_windows(".*"), 10, "the box to close")
    # Typed to whichever window has the keyboard now, as a player would.
    x.run_tool("xdotool", "key", "Right")
    wait_until(lambda: player.view.find_changed_cells(idle, player.shot()) == {(3, 2)}, 10,
               "the frame to move on after the box closed", game=session.game)


def play_to_game_over(player):
    """Each move: F3 selects the hinted gem and brings the frame to it; the arrow towards the
    neighbour that makes a line and Space swap the two. Returns the moves made."""
    session = player.session
    kinds, _ = player.wait_for_kinds("the board at rest")
    moves = 0
    while kinds is not None:
        player.type("F3")
        hinted = player.wait_for_frame_on_spinning_gem()
        steps = [step for step in ARROWS
                 if 0 <= hinted[0] + step[0] < CELLS and 0 <= hinted[1] + step[1] < CELLS
                 and makes_line(kinds, hinted, (hinted[0] + step[0], hinted[1] + step[1]))]
        check(steps, f"no neighbour of the hinted gem at {hinted} makes a line")
        player.type(f"{ARROWS[steps[0]]} space")
        moves += 1
        before = kinds
        kinds, shot = player.wait_for_rest_or_game_over(f"the board to settle after move {moves}")
        check(kinds != before, f"move {moves} left the board as it was")
        if moves % 10 == 0:
            session.step(f"{moves} moves made")
    return moves, shot


def play(session, executable, _case):
    session.step("start the game")
    player = Player(session, executable)
    kinds, idle = player.wait_for_kinds("all 64 gems at rest")
    session.run.record("idle-board", idle)
    check(find_frame(player.board(idle)) is None, "the frame shows before any arrow key")

    session.step("Right Right Down Down Space, then Escape")
    check_first_keys(player, idle)
    session.step("keys after a box")
    check_keys_after_box(player, idle)

    session.step("play to Game Over with the hint and the keys")
    started = time.monotonic()
    moves, shot = play_to_game_over(player)
    elapsed = time.monotonic() - started
    board = player.board(shot)
    session.run.record("game-over", board, keep=True)
    yellow = sum(1 for y in range(board.height) for x in range(board.width)
                 if board.pixel(x, y) == BANNER_YELLOW)
    check(yellow > 200, "the board without gems shows no Game Over banner")
    print(f"whole game: {moves} moves in {elapsed:.1f} s")
    session.game.check_running("at Game Over")
    player.type("ctrl+q")
    status = session.game.wait_for_exit(5.0)
    check(status == 0, f"Ctrl+Q ended the game with status {status}, not 0")


if __name__ == "__main__":
    run_test(play, limit=GAME_LIMIT)
