"""Pictures of the end-to-end tests: screenshots, bitmaps, PNG artefacts and the board in them."""

import os
import re
import struct
import zlib

import numpy

import game_facts
from .checks import check

CELL = game_facts.CELL_SIZE
CELLS = game_facts.BOARD_SIZE
BOARD = CELL * CELLS
BITMAPS = (game_facts.BOARD_BITMAP, game_facts.GEM_SHEET, game_facts.TARGET_BITMAP)


class Picture:
    """An RGB picture: an array of height x width x 3 bytes, rows top to bottom."""

    def __init__(self, pixels):
        check(pixels.ndim == 3 and pixels.shape[2] == 3 and pixels.dtype == numpy.uint8,
              f"a picture of shape {pixels.shape} and type {pixels.dtype}, not rows of RGB bytes")
        self.pixels = pixels
        self.height, self.width = pixels.shape[:2]

    def __eq__(self, other):
        return numpy.array_equal(self.pixels, other.pixels)

    def crop(self, x, y, width, height):
        check(
            0 <= x and 0 <= y and x + width <= self.width and y + height <= self.height,
            f"crop {width}x{height}+{x}+{y} lies outside the {self.width}x{self.height} picture",
        )
        return Picture(self.pixels[y : y + height, x : x + width])

    def find_differing_pixels(self, other):
        """Rows and columns, as two arrays, of the pixels where two pictures of one size differ."""
        return numpy.nonzero((self.pixels != other.pixels).any(axis=2))

    def save_png(self, path):
        rows = self.pixels.reshape(self.height, self.width * 3)
        raw = numpy.hstack((numpy.zeros((self.height, 1), numpy.uint8), rows)).tobytes()

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n")
            out.write(chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6)))
            out.write(chunk(b"IEND", b""))


def parse_ppm(data):
    """Reads the binary PPM (P6, 8 bits) that ImageMagick writes."""
    fields = []
    position = 0
    field = re.compile(rb"\s*(#[^\n]*\n\s*)*(\S+)")
    while len(fields) < 4:
        match = field.match(data, position)
        check(match is not None, "screenshot is not a PPM picture")
        fields.append(match.group(2))
        position = match.end()
    check(fields[0] == b"P6" and fields[3] == b"255", "screenshot is not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    check(len(data) >= position + 1 + width * height * 3, "the PPM picture is cut short")
    pixels = numpy.frombuffer(data, numpy.uint8, width * height * 3, position + 1)
    return Picture(pixels.reshape(height, width, 3))


def read_bmp(path):
    """Reads an uncompressed 24- or 32-bit Windows bitmap."""
    with open(path, "rb") as source:
        data = source.read()
    check(data[:2] == b"BM", f"{path} is not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    check(bits in (24, 32) and compression in (0, 3), f"{path}: only plain 24/32-bit bitmaps")
    rows, step = abs(height), bits // 8
    stride = (width * step + 3) & ~3
    data = numpy.frombuffer(data, numpy.uint8, stride * rows, offset).reshape(rows, stride)
    # Blue, green and red, bottom row first unless the height is negative.
    pixels = data[:, : width * step].reshape(rows, width, step)[:, :, 2::-1]
    return Picture(numpy.ascontiguousarray(pixels if height < 0 else pixels[::-1]))


def locate_picture(folder, name, scale=1):
    """The path of one of the pictures of the game in a folder, at one of the build's scales: the
    board at 2 is images/Board@2x.bmp."""
    if scale != 1:
        check(scale in game_facts.PICTURE_SCALES, f"the build draws no pictures at {scale}")
        stem, extension = os.path.splitext(name)
        name = game_facts.SCALED_PICTURE_NAME.format(stem=stem, scale=scale, extension=extension)
    return os.path.join(folder, game_facts.IMAGES_FOLDER, name)


def read_board_picture(folder, scale=1):
    """The board picture of the game in a folder, at one of its scales."""
    return read_bmp(locate_picture(folder, game_facts.BOARD_BITMAP, scale))


def encode_bmp_header(width, height, pixel_bytes):
    """File and info headers of a 24-bit bitmap whose pixels follow them."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset) + info


def encode_bmp(picture):
    """A 24-bit bottom-up Windows bitmap of the picture."""
    rows = picture.pixels[::-1, :, ::-1].reshape(picture.height, picture.width * 3)
    pixels = numpy.pad(rows, ((0, 0), (0, (-picture.width * 3) % 4))).tobytes()
    return encode_bmp_header(picture.width, picture.height, len(pixels)) + pixels


def split_cells(board, scale=1):
    """A board's pixels, or one value a pixel, by row of cells, row in the cell, column of cells
    and column in the cell; the board may hold scale device pixels a pixel."""
    cell = round(CELL * scale)
    return board.reshape((CELLS, cell, CELLS, cell) + board.shape[2:])


def list_cells(marked):
    """The (column, row) of each cell a board-sized array of cells marks."""
    return {(int(column), int(row)) for row, column in zip(*numpy.nonzero(marked))}


class BoardView:
    """Where the board lies on the screen, and its cells in a screenshot; the screen may hold
    scale device pixels a pixel."""

    def __init__(self, left, top, scale=1):
        self.left = left
        self.top = top
        self.scale = scale

    def crop_board(self, shot):
        side = round(BOARD * self.scale)
        return shot.crop(self.left, self.top, side, side)

    def locate_cell_centre(self, column, row):
        return (self.left + round(self.scale * (CELL * column + CELL // 2)),
                self.top + round(self.scale * (CELL * row + CELL // 2)))

    def find_changed_cells(self, before, after):
        changed = self.crop_board(before).pixels != self.crop_board(after).pixels
        return list_cells(split_cells(changed.any(axis=2), self.scale).any(axis=(1, 3)))


def find_cells_showing_gems(board, background, scale=1):
    """Cells whose central square differs from the background in most of its pixels; the pictures
    may hold scale device pixels a pixel."""
    cell = CELL * scale
    margin = 14 * scale
    size = cell - 2 * margin
    distance = numpy.abs(board.pixels.astype(numpy.int16) - background.pixels).sum(axis=2)
    inner = slice(margin, cell - margin)
    central = split_cells(distance > 24, scale)[:, inner, :, inner]
    return list_cells(central.sum(axis=(1, 3)) * 2 > size * size)


class GemReader:
    """Tells which kind of gem at rest each cell of a board picture shows, exactly to the pixel.

    A margin leaves that many pixels along each side of a cell unread, where the keyboard's focus
    frame may lie."""

    def __init__(self, folder, margin=0):
        self.background = read_board_picture(folder)
        check((self.background.width, self.background.height) == (BOARD, BOARD),
              "the play test needs the build's own 416 x 416 board picture")
        sheet = read_bmp(locate_picture(folder, game_facts.GEM_SHEET)).pixels
        self.margin = margin
        inner = slice(margin, CELL - margin)
        kinds = game_facts.GEM_KINDS
        sprites = sheet[: CELL * kinds, :CELL].reshape(kinds, CELL, CELL, 3)[:, inner, inner]
        # Each kind's sprite laid over the background of every cell: its black pixels let the
        # background show. By row, column, kind and the cell's inner pixels.
        bare = self.split_inside(self.background)[:, :, None]
        self.looks = numpy.where((sprites == 0).all(axis=3, keepdims=True), bare, sprites)

    def split_inside(self, board):
        """A board's cells without their margins, by row, column and pixels."""
        inner = slice(self.margin, CELL - self.margin)
        return split_cells(board.pixels).transpose(0, 2, 1, 3, 4)[:, :, inner, inner]

    def read_kinds(self, board):
        """Kinds by [row][column], or None while some cell shows no gem at rest."""
        matches = (self.split_inside(board)[:, :, None] == self.looks).all(axis=(3, 4, 5))
        return matches.argmax(axis=2).tolist() if matches.any(axis=2).all() else None
