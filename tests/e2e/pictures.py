"""Pictures of the end-to-end tests: screenshots, bitmaps, PNG artefacts and the board in them."""

import os
import re
import struct
import zlib

import game_facts
from checks import check

CELL = game_facts.CELL_SIZE
CELLS = game_facts.BOARD_SIZE
BOARD = CELL * CELLS


class Picture:
    """An RGB picture, 3 bytes a pixel, rows top to bottom."""

    def __init__(self, width, height, rgb):
        check(len(rgb) == width * height * 3, "picture data does not match its size")
        self.width = width
        self.height = height
        self.rgb = bytes(rgb)

    def __eq__(self, other):
        return (self.width, self.height, self.rgb) == (other.width, other.height, other.rgb)

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        start = (y * self.width + x) * 3
        return self.rgb[start : start + width * 3]

    def pixel(self, x, y):
        return tuple(self.row(y, x, 1))

    def crop(self, x, y, width, height):
        check(
            0 <= x and 0 <= y and x + width <= self.width and y + height <= self.height,
            f"crop {width}x{height}+{x}+{y} lies outside the {self.width}x{self.height} picture",
        )
        return Picture(width, height, b"".join(self.row(y + i, x, width) for i in range(height)))

    def find_differing_pixels(self, other):
        """Positions where two pictures of one size differ."""
        found = []
        for y in range(self.height):
            mine, theirs = self.row(y), other.row(y)
            if mine == theirs:
                continue
            for x in range(self.width):
                if mine[3 * x : 3 * x + 3] != theirs[3 * x : 3 * x + 3]:
                    found.append((x, y))
        return found

    def save_png(self, path):
        raw = b"".join(b"\0" + self.row(y) for y in range(self.height))

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
    start = position + 1
    return Picture(width, height, data[start : start + width * height * 3])


def read_bmp(path):
    """Reads an uncompressed 24- or 32-bit Windows bitmap."""
    with open(path, "rb") as source:
        data = source.read()
    check(data[:2] == b"BM", f"{path} is not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    check(bits in (24, 32) and compression in (0, 3), f"{path}: only plain 24/32-bit bitmaps")
    top_down = height < 0
    height = abs(height)
    stride = (width * bits // 8 + 3) & ~3
    step = bits // 8
    rows = []
    for y in range(height):
        start = offset + (y if top_down else height - 1 - y) * stride
        line = data[start : start + width * step]
        row = bytearray(width * 3)
        row[0::3] = line[2::step]
        row[1::3] = line[1::step]
        row[2::3] = line[0::step]
        rows.append(bytes(row))
    return Picture(width, height, b"".join(rows))


def encode_bmp_header(width, height, pixel_bytes):
    """File and info headers of a 24-bit bitmap whose pixels follow them."""
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0)
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + pixel_bytes, 0, 0, offset) + info


def encode_bmp(picture):
    """A 24-bit bottom-up Windows bitmap of the picture."""
    padding = b"\0" * ((-picture.width * 3) % 4)
    rows = []
    for y in reversed(range(picture.height)):
        row = bytearray(picture.row(y))
        row[0::3], row[2::3] = row[2::3], row[0::3]
        rows.append(bytes(row) + padding)
    pixels = b"".join(rows)
    return encode_bmp_header(picture.width, picture.height, len(pixels)) + pixels


class BoardView:
    """Where the board lies on the screen, and its cells in a screenshot."""

    def __init__(self, left, top):
        self.left = left
        self.top = top

    def crop_board(self, shot):
        return shot.crop(self.left, self.top, BOARD, BOARD)

    def crop_cell(self, shot, column, row):
        return shot.crop(self.left + CELL * column, self.top + CELL * row, CELL, CELL)

    def locate_cell_centre(self, column, row):
        return self.left + CELL * column + CELL // 2, self.top + CELL * row + CELL // 2

    def find_changed_cells(self, before, after):
        return {
            (column, row)
            for row in range(CELLS)
            for column in range(CELLS)
            if self.crop_cell(before, column, row) != self.crop_cell(after, column, row)
        }


def find_cells_showing_gems(board, background, scale=1):
    """Cells whose central square differs from the background in most of its pixels; the pictures
    may hold scale device pixels a pixel."""
    cell = CELL * scale
    margin = 14 * scale
    size = cell - 2 * margin
    shown = set()
    for row in range(CELLS):
        for column in range(CELLS):
            x, y = cell * column + margin, cell * row + margin
            seen = board.crop(x, y, size, size).rgb
            bare = background.crop(x, y, size, size).rgb
            differing = sum(
                1
                for i in range(0, len(seen), 3)
                if sum(abs(seen[i + k] - bare[i + k]) for k in range(3)) > 24
            )
            if differing * 2 > size * size:
                shown.add((column, row))
    return shown


def overlay_gem(sprite, background):
    """A gem sprite laid over the background: its black pixels let the background show."""
    out = bytearray(background.rgb)
    for i in range(0, len(out), 3):
        if sprite.rgb[i : i + 3] != b"\0\0\0":
            out[i : i + 3] = sprite.rgb[i : i + 3]
    return bytes(out)


class GemReader:
    """Tells which kind of gem at rest each cell of a board picture shows, exactly to the pixel.

    A margin leaves that many pixels along each side of a cell unread, where the keyboard's focus
    frame may lie."""

    def __init__(self, folder, margin=0):
        self.background = read_bmp(os.path.join(folder, "images", game_facts.BOARD_BITMAP))
        check((self.background.width, self.background.height) == (BOARD, BOARD),
              "the play test needs the build's own 416 x 416 board picture")
        sheet = read_bmp(os.path.join(folder, "images", game_facts.GEM_SHEET))
        self.margin = margin
        inner = CELL - 2 * margin
        self.sprites = [sheet.crop(margin, CELL * kind + margin, inner, inner)
                        for kind in range(game_facts.GEM_KINDS)]
        self.looks = {}

    def crop_inside(self, picture, column, row):
        inner = CELL - 2 * self.margin
        return picture.crop(CELL * column + self.margin, CELL * row + self.margin, inner, inner)

    def read_kind(self, board, column, row):
        cell = self.crop_inside(board, column, row).rgb
        if (column, row) not in self.looks:
            bare = self.crop_inside(self.background, column, row)
            self.looks[column, row] = [overlay_gem(sprite, bare) for sprite in self.sprites]
        for kind, look in enumerate(self.looks[column, row]):
            if cell == look:
                return kind
        return None

    def read_kinds(self, board):
        """Kinds by [row][column], or None while some cell shows no gem at rest."""
        kinds = [[self.read_kind(board, c, r) for c in range(CELLS)] for r in range(CELLS)]
        return None if any(kind is None for row in kinds for kind in row) else kinds
