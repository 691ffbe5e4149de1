#!/usr/bin/python3
"""Draws the language flags of the "Flags" folder (make_flags.py OUT_DIR).

One 16 x 16, 24-bit BMP per shipped language, named after the language's tag ("en-us.bmp"), and
"unknown.bmp" for a language without a flag. The settings dialog shows them as the small icons of
its language list. Each flag is 16 x 12 pixels with a one-pixel dark frame, on white rows above and
below (the list's background), drawn pixel by pixel so that it stays crisp at its only size.
"""
import os
import sys

from PIL import Image

SIZE = 16
TOP = 2  # first row of the flag; rows 0-1 and 14-15 stay white
HEIGHT = 12
WHITE = (255, 255, 255)
FRAME = (74, 85, 97)


def blank():
    image = Image.new("RGB", (SIZE, SIZE), WHITE)
    for x in range(SIZE):
        image.putpixel((x, TOP), FRAME)
        image.putpixel((x, TOP + HEIGHT - 1), FRAME)
    for y in range(TOP, TOP + HEIGHT):
        image.putpixel((0, y), FRAME)
        image.putpixel((SIZE - 1, y), FRAME)
    return image


def fill(image, x0, y0, x1, y1, colour):
    """Fills the inner flag area (inside the frame) from (x0, y0) to (x1, y1) inclusive."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            image.putpixel((x, y), colour)


INNER_TOP = TOP + 1  # rows 3..12, columns 1..14
INNER_BOTTOM = TOP + HEIGHT - 2


def flag_de():
    # Black, red, gold: 3, 4 and 3 of the ten inner rows.
    image = blank()
    fill(image, 1, INNER_TOP, 14, INNER_TOP + 2, (0, 0, 0))
    fill(image, 1, INNER_TOP + 3, 14, INNER_TOP + 6, (221, 0, 0))
    fill(image, 1, INNER_TOP + 7, 14, INNER_BOTTOM, (255, 206, 0))
    return image


def flag_us():
    # Red and white stripes, a blue canton with white stars.
    image = blank()
    for i, y in enumerate(range(INNER_TOP, INNER_BOTTOM + 1)):
        fill(image, 1, y, 14, y, (178, 34, 52) if i % 2 == 0 else WHITE)
    fill(image, 1, INNER_TOP, 7, INNER_TOP + 4, (60, 59, 110))
    for x, y in ((2, 1), (4, 1), (6, 1), (3, 3), (5, 3)):
        image.putpixel((x, INNER_TOP + y), WHITE)
    return image


QUESTION = [
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    ".....",
    "..#..",
]


def flag_unknown():
    # A plain grey flag with a question mark.
    image = blank()
    fill(image, 1, INNER_TOP, 14, INNER_BOTTOM, (226, 231, 236))
    left = (SIZE - len(QUESTION[0])) // 2
    top = INNER_TOP + (INNER_BOTTOM - INNER_TOP + 1 - len(QUESTION)) // 2 + 1
    for dy, row in enumerate(QUESTION):
        for dx, c in enumerate(row):
            if c == "#":
                image.putpixel((left + dx, top + dy), (84, 110, 122))
    return image


FLAGS = {
    "en-us.bmp": flag_us,
    "de-de.bmp": flag_de,
    "unknown.bmp": flag_unknown,
}


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_flags.py OUT_DIR")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, draw in FLAGS.items():
        draw().save(os.path.join(sys.argv[1], name), "BMP")


if __name__ == "__main__":
    main()
