#!/usr/bin/env python3
"""Writes the program icon of corvix.exe (make_icon.py OUT.ico).

Three 32-bit pictures (16, 32 and 48 pixels): a blue rounded tile with a white camera lens and a
red capture dot. Drawn here so that the repository holds no binary picture.
"""
import struct
import sys


def pixel(x, y, size):
    """Colour (b, g, r, a) at the pixel centre (x, y) of a size x size picture."""
    u = (x + 0.5) / size
    v = (y + 0.5) / size
    # Rounded tile: inside the square shrunk by the corner radius, or within a corner circle.
    radius = 0.18
    cx = min(max(u, radius), 1 - radius)
    cy = min(max(v, radius), 1 - radius)
    if (u - cx) ** 2 + (v - cy) ** 2 > radius**2:
        return (0, 0, 0, 0)
    d2 = (u - 0.5) ** 2 + (v - 0.52) ** 2
    if (u - 0.76) ** 2 + (v - 0.24) ** 2 < 0.08**2:
        return (40, 40, 220, 255)  # capture dot
    if d2 < 0.13**2:
        return (120, 60, 20, 255)  # lens centre
    if d2 < 0.27**2:
        return (255, 255, 255, 255)  # lens ring
    return (160, 90, 30, 255)  # tile


def icon_image(size):
    rows = []
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        rows.append(b"".join(struct.pack("4B", *pixel(x, y, size)) for x in range(size)))
    colour = b"".join(rows)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytes(mask_stride * size)  # all zero: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0,
                         0, 0)
    return header + colour + mask


def main():
    sizes = (16, 32, 48)
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
