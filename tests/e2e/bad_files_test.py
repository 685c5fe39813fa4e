"""Runs a copy of the game with one bad file or an odd folder, one case a run: a missing picture,
a missing sound, a board picture of another size, a pipe in place of a picture, a folder name that
is not text, a sound of a minute, a sound whose header claims 4 GB under a 1.5 GB address space,
and a start through the dynamic loader. The window tests load every other bad file."""

import os
import shutil
import struct
import time

import numpy

import game_facts
from harness.checks import EXIT_TIMEOUT, START_TIMEOUT, TestFailure, check, wait_until
from harness.pictures import (BITMAPS, BOARD, CELLS, Picture, encode_bmp, find_cells_showing_gems,
                              locate_picture, read_board_picture)
from harness.runner import StillBoard, run_test

DRAWING_FAILURE = "This is uncalled-for!"
SOUND_FAILURE = "Ombra Glintrow"

# A board picture of another size, larger than the board area, in six bands that show where each
# part of it is drawn.
ODD_BOARD_SIZE = (2100, 2100)
ODD_BOARD_COLOURS = numpy.array(((90, 20, 20), (20, 90, 20), (20, 20, 90), (90, 90, 20),
                                 (90, 20, 90), (20, 90, 90)), numpy.uint8)


def locate_band(x, y):
    """Bands of pixels of the odd board picture, by their columns and rows: three rows of two
    columns."""
    width, height = ODD_BOARD_SIZE
    return (3 * y // height) * 2 + 2 * x // width


# The band each pixel of the board shows, the odd picture stretched over the whole 416 x 416.
STRETCHED_BANDS = locate_band(numpy.arange(BOARD) * ODD_BOARD_SIZE[0] // BOARD,
                              (numpy.arange(BOARD) * ODD_BOARD_SIZE[1] // BOARD)[:, None])


def paint_odd_board():
    width, height = ODD_BOARD_SIZE
    bands = locate_band(numpy.arange(width), numpy.arange(height)[:, None])
    return Picture(ODD_BOARD_COLOURS[bands])


# The address space the game is held to where a sound's header claims 4 GB: the intact game takes
# about a tenth of it.
ADDRESS_SPACE = 1_500_000_000


def encode_wave(channels, rate, samples, claimed=None):
    """A 16-bit PCM wave file whose data chunk claims the samples' length unless told another."""
    frame = 2 * channels
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * frame, frame, 16)
    data_length = len(samples) if claimed is None else claimed
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" +
            struct.pack("<I", data_length) + samples)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def damage(path, fault):
    """Takes the file away, puts a pipe in its place, gives the board a picture of another size
    or a sound another length."""
    name = os.path.basename(path)
    faults = {"missing", "fifo"} | ({"2100x2100"} if name == game_facts.BOARD_BITMAP else set()) | (
        {"60s", "claims4g"} if name in game_facts.WAVE_FILES else set())
    if fault not in faults:
        raise TestFailure(f"no such fault {fault!r} for {name}")
    os.remove(path)
    if fault == "fifo":
        # Nothing ever writes to it: a program that opens it to read waits for ever.
        os.mkfifo(path)
    elif fault == "2100x2100":
        with open(path, "wb") as out:
            out.write(encode_bmp(paint_odd_board()))
    elif fault == "60s":
        with open(path, "wb") as out:
            out.write(encode_wave(2, 44100, bytes(60 * 44100 * 4)))
    elif fault == "claims4g":
        with open(path, "wb") as out:
            out.write(encode_wave(1, 44100, bytes(14000), claimed=0xFFFFFFFF))


def read_program_interpreter(executable):
    """The dynamic loader the program names in its headers, such as /lib64/ld-linux-x86-64.so.2."""
    with open(executable, "rb") as program:
        elf = program.read()
    check(elf[:5] == b"\x7fELF\x02", f"{executable} is not a 64-bit ELF program")
    headers_at, = struct.unpack_from("<Q", elf, 0x20)
    header_size, count = struct.unpack_from("<HH", elf, 0x36)
    for at in range(headers_at, headers_at + header_size * count, header_size):
        kind, = struct.unpack_from("<I", elf, at)
        if kind == 3:  # PT_INTERP: the loader's path, ended by a zero byte
            offset, = struct.unpack_from("<Q", elf, at + 8)
            size, = struct.unpack_from("<Q", elf, at + 32)
            return os.fsdecode(elf[offset:offset + size].rstrip(b"\0"))
    raise TestFailure(f"{executable} names no dynamic loader")


def copy_game(executable, folder):
    """The program with its pictures and sounds in a folder of its own: it reads them from there."""
    source = os.path.dirname(executable)
    os.makedirs(folder)
    shutil.copy2(executable, folder)
    for part in (game_facts.IMAGES_FOLDER, game_facts.SOUNDS_FOLDER):
        shutil.copytree(os.path.join(source, part), os.path.join(folder, part))
    return os.path.join(folder, os.path.basename(executable))


def check_main_window_visible(session, main, when):
    check(main in session.x.find_windows(".*"), f"the game's window is gone {when}")


def expect_drawing_failure(session, main):
    """Two failure boxes, the set-up's and a frame's, then a window whose menus still work."""
    session.step("wait for the drawing set-up's failure box")
    setup_box = session.wait_for_box(DRAWING_FAILURE)
    check_main_window_visible(session, main, "while the drawing set-up's failure box shows")
    setup_picture = session.x.capture_window(setup_box)
    session.close_box(setup_box, "drawing-setup-failure-box")

    session.step("wait for the first frame's failure box")
    frame_box = session.wait_for_box(DRAWING_FAILURE)
    check(session.x.capture_window(frame_box) != setup_picture,
          "the frame's failure box looks just like the drawing set-up's")
    session.close_box(frame_box, "frame-failure-box")

    session.step("the window stays open and its Help menu works")
    # Long enough for a few frames, had the frame loop wrongly gone on and failed once more.
    time.sleep(0.3)
    check_main_window_visible(session, main, "after the failure boxes")
    check(not session.x.find_message_boxes(DRAWING_FAILURE), "a third failure box showed")
    session.x.press_keys(main, "F1")
    session.close_box(session.wait_for_box("Instructions."), "instructions-box")
    expect_quit(session, main)


def expect_quit(session, main):
    session.step("quit with Ctrl+Q")
    session.x.press_keys(main, "ctrl+q")
    status = session.game.wait_for_exit(EXIT_TIMEOUT)
    check(status == 0, f"Ctrl+Q ended the game with status {status}, not 0")


def expect_sound_failure(session, main, box):
    """The sound box, captioned with the game's title; closing it ends the program at once."""
    check_main_window_visible(session, main, "while the sound failure box shows")
    session.step("close the sound failure box")
    session.close_box(box, "sound-failure-box")
    status = session.game.wait_for_exit(EXIT_TIMEOUT)
    check(status == 1, f"the game ended with status {status} after the sound failure, not 1")


def wait_for_play_or_sound_failure(session, view, background):
    """The sound failure box, or else a board of gems standing still: the game plays."""
    every_cell = CELLS * CELLS
    still = StillBoard(session.x, view,
                       lambda board: len(find_cells_showing_gems(board, background)) == every_cell)

    def find_outcome():
        boxes = session.x.find_message_boxes(SOUND_FAILURE)
        if boxes:
            return "box", boxes[0]
        shot = still()
        return ("plays", view.crop_board(shot)) if shot else None

    return wait_until(find_outcome, START_TIMEOUT, "the sound failure box or a board of gems",
                      interval=0.12, game=session.game)


def check_odd_board_stretched(board):
    """Each band of the odd board lies where stretching puts it, in its own colour only."""
    margin = 3

    def inside(bands):
        # Smoothing blends colours across a band's edge, so only pixels clear of it count.
        clear = numpy.zeros(len(bands), bool)
        clear[margin:-margin] = bands[: -2 * margin] == bands[2 * margin :]
        return clear

    bands = STRETCHED_BANDS
    counted = inside(bands[:, 0])[:, None] & inside(bands[0])
    for band, colour in enumerate(ODD_BOARD_COLOURS):
        shows = (board.pixels == colour).all(axis=2) & counted
        ys, xs = numpy.nonzero(shows & (bands != band))
        check(not len(ys), f"pixels {list(zip(xs[:3].tolist(), ys[:3].tolist()))} of the board "
                           f"show band {band}'s colour")
        own, total = shows[bands == band].sum(), (counted & (bands == band)).sum()
        check(own * 5 >= total, f"band {band} of the odd board shows its colour {colour} in only "
                                f"{own} of {total} pixels")


def expect_stretched_board(session, main):
    view = session.locate_board(main)
    session.step("wait for the gems on the stretched board")
    kind, board = wait_for_play_or_sound_failure(session, view,
                                                 Picture(ODD_BOARD_COLOURS[STRETCHED_BANDS]))
    check(kind == "plays", "the odd board picture stopped the sound set-up")
    session.run.record("stretched-board", board, keep=True)
    check(not session.x.find_message_boxes(DRAWING_FAILURE), "an odd board size failed the game")
    check_odd_board_stretched(board)
    expect_quit(session, main)


def expect_play_from(session, main, folder):
    """The game plays from its folder: the board fills with gems and no box shows."""
    view = session.locate_board(main)
    background = read_board_picture(folder)
    session.step("wait for the sound failure box or the game")
    kind, board = wait_for_play_or_sound_failure(session, view, background)
    check(kind == "plays", "the game refused its own sounds")
    session.run.record("board", board, keep=True)
    check(not session.x.find_message_boxes(DRAWING_FAILURE), "the game refused its own pictures")
    expect_quit(session, main)


def run_case(session, executable, case):
    check(case is not None and "-" in case, f"give a case: <file>-<fault>, e.g. {game_facts.BOARD_BITMAP}-missing")
    name, fault = case.rsplit("-", 1)
    if case == "folder-nonutf8":
        # A byte that is no UTF-8 text in the name of the program's own folder.
        folder = os.path.join(session.run.temp, os.fsdecode(b"game-\xff\xfe"))
        session.step("start the game from a folder whose name is not UTF-8")
        session.start_game(copy_game(executable, folder))
        expect_play_from(session, session.wait_for_main_window(), folder)
        return
    folder = os.path.join(session.run.temp, "game")
    if case == "folder-loader":
        # The usual way to run a program from a folder mounted without the right to execute.
        loader = read_program_interpreter(executable)
        session.step(f"start the game as {loader} game/{os.path.basename(executable)}")
        session.start_game(copy_game(executable, folder), loader=loader)
        expect_play_from(session, session.wait_for_main_window(), folder)
        return
    check(name in BITMAPS or name in game_facts.WAVE_FILES,
          f"no such file of the game: {name}")
    game = copy_game(executable, folder)
    if name in BITMAPS:
        damage(locate_picture(folder, name), fault)
    else:
        damage(os.path.join(folder, game_facts.SOUNDS_FOLDER, name), fault)

    session.step(f"start the game with {name} {fault}")
    session.start_game(game, address_space=ADDRESS_SPACE if fault == "claims4g" else None)
    main = session.wait_for_main_window()
    if fault == "2100x2100":
        expect_stretched_board(session, main)
    elif fault in ("60s", "claims4g"):
        expect_play_from(session, main, folder)
    elif name in BITMAPS:
        expect_drawing_failure(session, main)
    else:
        expect_sound_failure(session, main, session.wait_for_box(SOUND_FAILURE))


if __name__ == "__main__":
    run_test(run_case)
