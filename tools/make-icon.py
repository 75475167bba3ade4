#!/usr/bin/env python3
"""Draws the application icon, a glider of blue cells on the white board with
its grey grid. Writes resources/MAINICON.ico (32 x 32 and 16 x 16 pixels, a
256-colour palette) and resources/icons/talvoreth-<size>.png at 16 to 256
pixels. Run it again after changing the drawing."""
import pathlib
import struct

from PIL import Image

WHITE, GREY, BLUE = 0, 1, 2
PALETTE = [(255, 255, 255), (188, 188, 188), (0, 0, 255)] + [(0, 0, 0)] * 253
GLIDER = [(0, 1), (1, 2), (2, 0), (2, 1), (2, 2)]
# Cell pitch per icon size: from 32 pixels up the board is five cells wide, so
# the glider sits in its middle; 16 pixels only have room for four.
CELL_PITCH = {16: 4, 32: 6, 48: 9, 64: 12, 128: 25, 256: 51}
ICO_SIZES = [32, 16]
RESOURCES = pathlib.Path(__file__).resolve().parent.parent / "resources"


def draw(size, cell):
    """Rows of palette indices, top row first."""
    pixels = [[WHITE] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if x % cell == 0 or y % cell == 0 or x == size - 1 or y == size - 1:
                pixels[y][x] = GREY
    offset = (size // cell - 3) // 2
    for row, col in GLIDER:
        top, left = (row + offset) * cell + 1, (col + offset) * cell + 1
        for y in range(top, top + cell - 1):
            for x in range(left, left + cell - 1):
                pixels[y][x] = BLUE
    return pixels


def dib(pixels):
    """An 8-bit icon image: header, palette, colour rows and mask, bottom-up."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colours = b"".join(bytes(row) for row in reversed(pixels))
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    return header + palette + colours + mask


def picture(size):
    """The icon at size x size pixels as a three-colour Pillow image."""
    image = Image.new("P", (size, size))
    image.putpalette([level for colour in PALETTE[:3] for level in colour])
    image.putdata([index for row in draw(size, CELL_PITCH[size]) for index in row])
    return image


def write_ico():
    images = [dib(draw(size, CELL_PITCH[size])) for size in ICO_SIZES]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, image in zip(ICO_SIZES, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    data = struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images)
    (RESOURCES / "MAINICON.ico").write_bytes(data)


def write_pngs():
    directory = RESOURCES / "icons"
    directory.mkdir(exist_ok=True)
    for size in CELL_PITCH:
        picture(size).save(directory / f"talvoreth-{size}.png", optimize=True)


def main():
    write_ico()
    write_pngs()


if __name__ == "__main__":
    main()
