#!/usr/bin/env python3
"""Draws the pieces of the skinned window frame: the title band with its
rounded corners and the application icon, the minimise, maximise, restore and
close buttons, the bevelled side strips and the bottom band with its corners.
Writes them to resources/frame/ as JPEG files and, for the two bands that
stretch along the whole width, as 24-bit BMP files. Run it again after
changing the drawing."""
import pathlib
import runpy
import struct

from PIL import Image, ImageDraw

TOOLS = pathlib.Path(__file__).resolve().parent
TARGET = TOOLS.parent / "resources" / "frame"


def colours(text):
    """RRGGBB hex words as RGB tuples."""
    return [tuple(bytes.fromhex(word)) for word in text.split()]


# One colour per row of the title band, top row first: a light bevel, the dark
# striped bar, a bright line, the light striped lower part, three blue lines
# and a grey fade down to the window colour.
TITLE_ROWS = (colours("FFFFFF EFEFEF DFDFDF D0D7D0 D0D7D0 9FA0A0 606860")
              + colours("0F508F 2F70AF") * 8 + colours("0F508F")
              + colours("4F98DF")
              + colours("90B8E0 BFD7E0") * 8
              + colours("3F80BF 6FA8DF AFC7DF")
              + colours("DFDFDF DBDBDB D7D7D7 D3D3D3 CFCFCF"))
# One colour per row of the bottom band, top row first, from the window colour
# down to the dark outer edge.
BOTTOM_ROWS = colours("CFC8CF CFCFCF B0B0B0 9F989F 707870 4F504F 2F2F2F"
                      " 002F50 1F5070 0F3750 002740 0F1F30")
# One colour per column of the side strips, left column first; both repeat the
# bottom band's bevel with the dark outer edge at the window's border.
LEFT_COLUMNS = colours("0F1F30 002740 0F3750 1F5070 002F50 2F2F2F 4F504F"
                       " 707870 B0B0B0 CFCFCF")
RIGHT_COLUMNS = colours("CFCFCF") + BOTTOM_ROWS
WINDOW = (0xCF, 0xCF, 0xCF)
BAND_WIDTH, STRIP_LENGTH = 1280, 800
TOP_LEFT_WIDTH, TOP_RIGHT_WIDTH = 81, 94
CORNER_RADIUS, RIM_WIDTH, RIM = 8, 1.25, LEFT_COLUMNS[0]
# The side strips' outer lines run up the title band's corner pieces from the
# dark bar down; the whole strip starts where the window lays it over the band.
OUTER_LINES, BAR_TOP, SIDE_STRIP_TOP = 4, 7, 40
ICON_SIZE, ICON_POSITION = 16, (8, 8)
BUTTON_WIDTH, BUTTON_TOP, BUTTON_HEIGHT = 17, 4, 19
BUTTON_EDGE = (0x0F, 0x37, 0x50)
SYMBOL = (255, 255, 255)


def icon_picture(size):
    """The glider icon as make-icon.py draws it, at size x size pixels."""
    return runpy.run_path(str(TOOLS / "make-icon.py"))["picture"](size)


def rows_image(width, rows):
    """An image whose every row is one colour, top row first."""
    image = Image.new("RGB", (width, len(rows)))
    image.putdata([colour for colour in rows for _ in range(width)])
    return image


def columns_image(columns, height):
    """An image whose every column is one colour, left column first."""
    image = Image.new("RGB", (len(columns), height))
    image.putdata(columns * height)
    return image


def blend(outside, inside, share):
    """inside mixed into outside by share, 0 to 1."""
    return tuple(round(o + (i - o) * share) for o, i in zip(outside, inside))


def coverage(x, y, radius):
    """How much of pixel (x, y) of a corner square lies inside the circle of
    that radius around the square's inner corner, sampled on a 4 x 4 grid."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            dx = CORNER_RADIUS - (x + (sx + 0.5) / 4)
            dy = CORNER_RADIUS - (y + (sy + 0.5) / 4)
            inside += dx * dx + dy * dy <= radius * radius
    return inside / 16


def round_top_corner(image, right):
    """Rounds the top-left corner, or the top-right one, into the window
    colour along a thin rim of the frame's outer line colour."""
    for y in range(CORNER_RADIUS):
        for x in range(CORNER_RADIUS):
            column = image.width - 1 - x if right else x
            rim = blend(WINDOW, RIM, coverage(x, y, CORNER_RADIUS))
            share = coverage(x, y, CORNER_RADIUS - RIM_WIDTH)
            image.putpixel((column, y), blend(rim, image.getpixel((column, y)), share))


def mitred_corner(columns, rows, right):
    """A bottom corner where each line of a side strip turns into the line of
    the bottom band at the same distance from the window's edge."""
    width, height = len(columns), len(rows)
    image = Image.new("RGB", (width, height))
    for y in range(height):
        for x in range(width):
            across = width - 1 - x if right else x
            image.putpixel((x, y), columns[x] if across <= height - 1 - y else rows[y])
    return image


def side_edge(image, columns, right):
    """Paints the side strip's columns down the outer edge of a title piece."""
    for depth in range(len(columns)):
        x = image.width - 1 - depth if right else depth
        colour = columns[-1 - depth] if right else columns[depth]
        top = BAR_TOP if depth < OUTER_LINES else SIDE_STRIP_TOP
        for y in range(top, image.height):
            image.putpixel((x, y), colour)


def top_left():
    image = rows_image(TOP_LEFT_WIDTH, TITLE_ROWS)
    side_edge(image, LEFT_COLUMNS, right=False)
    round_top_corner(image, right=False)
    image.paste(icon_picture(ICON_SIZE).convert("RGB"), ICON_POSITION)
    return image


def top_right():
    image = rows_image(TOP_RIGHT_WIDTH, TITLE_ROWS)
    side_edge(image, RIGHT_COLUMNS, right=True)
    round_top_corner(image, right=True)
    return image


def button(symbol):
    """A title-band button: the band behind it, a dark edge and a white symbol
    drawn by symbol(draw)."""
    image = rows_image(BUTTON_WIDTH, TITLE_ROWS[BUTTON_TOP:BUTTON_TOP + BUTTON_HEIGHT])
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle((0, 0, BUTTON_WIDTH - 1, BUTTON_HEIGHT - 1), 2, outline=BUTTON_EDGE)
    symbol(draw)
    return image


def window_outline(draw, left, top, size):
    """A window drawn as a square outline with a thicker top edge."""
    right, bottom = left + size - 1, top + size - 1
    for y in range(top + 2, bottom):
        draw.line((left + 1, y, right - 1, y), fill=TITLE_ROWS[BUTTON_TOP + y])
    draw.rectangle((left, top, right, bottom), outline=SYMBOL)
    draw.line((left, top + 1, right, top + 1), fill=SYMBOL)


def minimise_symbol(draw):
    draw.rectangle((4, 13, 12, 14), fill=SYMBOL)


def maximise_symbol(draw):
    window_outline(draw, 4, 5, 9)


def restore_symbol(draw):
    window_outline(draw, 6, 4, 7)
    window_outline(draw, 4, 7, 7)


def close_symbol(draw):
    for step in range(8):
        for x in (4 + step, 5 + step):
            draw.point((x, 5 + step), fill=SYMBOL)
            draw.point((16 - x, 5 + step), fill=SYMBOL)


def write_jpeg(name, image):
    image.save(TARGET / name, "JPEG", quality=95, subsampling=0, progressive=False)


def write_bmp(name, width, rows):
    """A bottom-up, uncompressed 24-bit BMP whose every row is one colour."""
    row_size = (width * 3 + 3) // 4 * 4
    pixels = b"".join((bytes((b, g, r)) * width).ljust(row_size, b"\0")
                      for r, g, b in reversed(rows))
    file_header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, len(rows), 1, 24, 0,
                              len(pixels), 2835, 2835, 0, 0)
    (TARGET / name).write_bytes(file_header + info_header + pixels)


def main():
    TARGET.mkdir(exist_ok=True)
    write_jpeg("GetFTopLeftImage.jpg", top_left())
    write_bmp("GetFTopCenterImage.bmp", BAND_WIDTH, TITLE_ROWS)
    write_jpeg("GetFTopRightImage.jpg", top_right())
    write_jpeg("MinImage.jpg", button(minimise_symbol))
    write_jpeg("MaxImage.jpg", button(maximise_symbol))
    write_jpeg("RestoreImage.jpg", button(restore_symbol))
    write_jpeg("CloseImage.jpg", button(close_symbol))
    write_jpeg("LeftImage.jpg", columns_image(LEFT_COLUMNS, STRIP_LENGTH))
    write_jpeg("RightImage.jpg", columns_image(RIGHT_COLUMNS, STRIP_LENGTH))
    write_jpeg("BottomLeftImage.jpg", mitred_corner(LEFT_COLUMNS, BOTTOM_ROWS, right=False))
    write_bmp("BottomCenterImage.bmp", BAND_WIDTH, BOTTOM_ROWS)
    write_jpeg("BottomRightImage.jpg", mitred_corner(RIGHT_COLUMNS, BOTTOM_ROWS, right=True))


if __name__ == "__main__":
    main()
