"""Plays the real game in a private X server: drop-in, selection, hint, help, sound mark, quit."""

import os
import re
import time

from harness.checks import TestFailure, check, wait_until
from harness.pictures import CELLS, GemReader
from harness.runner import run_test

PRESSED_CELL = (3, 4)
# The Motif hints' flags that say functions and decorations are given, and in each the bit for all
# and the bit for maximise.
MOTIF_GIVEN = 0x3
MOTIF_FUNCTIONS_MAXIMISE = 0x11
MOTIF_DECORATIONS_MAXIMISE = 0x41


def find_line(kinds):
    """The first cell of a run of three equal kinds in a row or a column, or None."""
    for r in range(CELLS):
        for c in range(CELLS):
            if c + 2 < CELLS and kinds[r][c] == kinds[r][c + 1] == kinds[r][c + 2]:
                return (c, r), "row"
            if r + 2 < CELLS and kinds[r][c] == kinds[r + 1][c] == kinds[r + 2][c]:
                return (c, r), "column"
    return None


def wait_for_one_animated_cell(session, view, idle, what):
    """Waits until exactly one cell moves while every other cell stands as on the idle board."""
    x = session.x
    found = {}

    def find_moving_cell():
        first = x.capture_screen()
        second = x.capture_screen()
        changed = view.find_changed_cells(idle, first) | view.find_changed_cells(idle, second)
        moving = view.find_changed_cells(first, second)
        if len(changed) > 1:
            session.run.record("several-cells-changed", second)
            raise TestFailure(f"{what}: cells {sorted(changed)} changed, expected one")
        if len(moving) == 1 and moving == changed:
            found["cell"] = moving.pop()
            found["shot"] = second
            return True
        return False

    wait_until(find_moving_cell, 10, what, game=session.game)
    session.run.record(what.replace(" ", "-"), found["shot"])
    return found["cell"]


def wait_for_idle_board(session, view, idle, what):
    wait_until(lambda: view.crop_board(session.x.capture_screen()) == view.crop_board(idle), 10,
               what, game=session.game)


def check_board_after_mapping_again(session, view, main, idle):
    """A still board waits for the player without drawing; mapped again, it shows every gem."""
    session.x.set_mapped(main, False)
    time.sleep(0.3)
    session.x.set_mapped(main, True)
    wait_for_idle_board(session, view, idle, "every gem shown again after mapping the window")


def check_no_maximise_asked(session, main):
    """A window that cannot grow asks the window manager for no maximise: its Motif hints leave out
    the maximise function and button, and its least and largest sizes are its size."""
    hints = session.x.run_tool("xprop", "-id", str(main), "_MOTIF_WM_HINTS",
                               "WM_NORMAL_HINTS").stdout.decode()
    motif = re.search(r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = (.*)", hints)
    check(motif, f"the window gives no Motif hints: {hints}")
    flags, functions, decorations = (int(word, 16) for word in motif.group(1).split(", ")[:3])
    check(flags & MOTIF_GIVEN == MOTIF_GIVEN and not functions & MOTIF_FUNCTIONS_MAXIMISE
          and not decorations & MOTIF_DECORATIONS_MAXIMISE,
          f"the window's Motif hints allow a maximise: {motif.group(1)}")
    sizes = re.findall(r"program specified (?:minimum|maximum) size: (\d+ by \d+)", hints)
    check(len(sizes) == 2 and sizes[0] == sizes[1], f"the window may change its size: {hints}")


def check_pressing_selects(session, view, idle):
    x = session.x
    x.click(*view.locate_cell_centre(*PRESSED_CELL))
    moving = wait_for_one_animated_cell(session, view, idle, "the pressed gem spinning")
    check(moving == PRESSED_CELL, f"cell {moving} moves after pressing cell {PRESSED_CELL}")
    x.click(*view.locate_cell_centre(*PRESSED_CELL))
    wait_for_idle_board(session, view, idle, "the selection to be cancelled")


def check_hint_selects_one_gem(session, view, main, idle):
    x = session.x
    x.press_keys(main, "F3")
    hinted = wait_for_one_animated_cell(session, view, idle, "the hinted gem spinning")
    x.click(*view.locate_cell_centre(*hinted))
    wait_for_idle_board(session, view, idle, "the hint's selection to be cancelled")


def check_instructions_box(session, main):
    session.x.press_keys(main, "F1")
    session.close_box(session.wait_for_box("Instructions."), "instructions-box")


def capture_game_menu(session, main, label):
    """Opens the Game menu with Alt+G; returns its picture once it has settled, and closes it."""
    x = session.x
    x.park_pointer()
    x.press_keys(main, "alt+g")
    menu = wait_until(lambda: (x.find_popup_menus() or [None])[0], 10, "the Game menu",
                      game=session.game)
    pictures = []

    def settle():
        pictures.append(x.capture_window(menu))
        return len(pictures) > 1 and pictures[-1] == pictures[-2]

    wait_until(settle, 10, "the Game menu to settle", interval=0.1)
    session.run.record(label, pictures[-1])
    x.press_keys(menu, "Escape")
    wait_until(lambda: not x.find_popup_menus(), 10, "the Game menu to close")
    # A second Escape leaves the menu bar's keyboard mode, so the next Alt+G opens the menu again.
    x.press_keys(main, "Escape")
    return pictures[-1]


def check_play_sound_mark(session, main):
    x = session.x
    unchecked = capture_game_menu(session, main, "menu-before-ctrl-p")
    x.press_keys(main, "ctrl+p")
    checked = capture_game_menu(session, main, "menu-after-ctrl-p")
    check((checked.width, checked.height) == (unchecked.width, unchecked.height),
          "the Game menu changed its size after Ctrl+P")
    ys, xs = checked.find_differing_pixels(unchecked)
    check(len(xs), "Ctrl+P showed no check mark in the Game menu")
    # "Play Sound" is the second of four items; its check mark lies at the item's left end.
    check(max(xs) < checked.width // 3, f"Ctrl+P changed the menu right of its check column {xs}")
    check(checked.height // 6 <= min(ys) and max(ys) < checked.height // 2,
          f"Ctrl+P changed the menu outside its Play Sound item (rows {min(ys)} to {max(ys)})")
    x.press_keys(main, "ctrl+p")
    again = capture_game_menu(session, main, "menu-after-second-ctrl-p")
    check(again == unchecked, "a second Ctrl+P did not take the check mark away")


def check_quit(session, main):
    session.x.press_keys(main, "ctrl+q")
    asked = time.monotonic()
    status = session.game.wait_for_exit(1.0)
    check(status == 0, f"Ctrl+Q ended the game with status {status}, not 0")
    print(f"Ctrl+Q ended the game in {time.monotonic() - asked:.2f} s")


def play(session, executable, _case):
    reader = GemReader(os.path.dirname(executable))
    session.step("start the game")
    session.start_game(executable)
    main = session.wait_for_main_window()
    view = session.locate_board(main)
    check_no_maximise_asked(session, main)
    session.step("wait for the drop-in to end")
    idle = session.wait_for_still_board(view, reader.read_kinds, "all 64 gems at rest")
    session.run.record("idle-board", idle)
    line = find_line(reader.read_kinds(view.crop_board(idle)))
    check(line is None, f"the new board already holds a line of three at {line}")

    session.step("unmap the window and map it again")
    check_board_after_mapping_again(session, view, main, idle)
    session.step("press a gem and press it again")
    check_pressing_selects(session, view, idle)
    session.step("ask for a hint")
    check_hint_selects_one_gem(session, view, main, idle)
    session.step("open the instructions")
    check_instructions_box(session, main)
    session.step("switch the sound on and off")
    check_play_sound_mark(session, main)
    session.game.check_running("before Ctrl+Q")
    session.step("quit")
    check_quit(session, main)


if __name__ == "__main__":
    run_test(play)
