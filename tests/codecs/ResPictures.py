#!/usr/bin/env python3
"""Writes the pictures of the resource picture test (ResPictures.py OUT_DIR).

res_drawing.bmp  24-bit BMP, 12 x 8: four quadrants (top left red, top right green, bottom left
                 blue, bottom right white) with a black pixel in the top left corner.
res_photo.jpg    baseline JPEG, 16 x 16, 4:4:4 colour, every 8 x 8 block one flat colour in the
                 same quadrant layout (quantisation 1, so the flat blocks decode exactly up to the
                 colour conversion).
res_empty.bin    no bytes.
res_junk.bin     text, no picture.
Made here so that the repository holds no binary picture.
"""
import os
import struct
import sys

QUADRANTS = {  # (top, left) -> (r, g, b)
    (True, True): (255, 0, 0),
    (True, False): (0, 255, 0),
    (False, True): (0, 0, 255),
    (False, False): (255, 255, 255),
}


def colour_at(x, y, w, h):
    return QUADRANTS[(y < h // 2, x < w // 2)]


def bmp(w, h):
    stride = (w * 3 + 3) // 4 * 4
    rows = []
    for y in range(h - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(w):
            r, g, b = (0, 0, 0) if (x, y) == (0, 0) else colour_at(x, y, w, h)
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    return header + info + pixels


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.bits = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.bits += 1
            if self.bits == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = 0
                self.bits = 0

    def flush(self):
        while self.bits:
            self.put(1, 1)
        return bytes(self.out)


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def ycbcr(r, g, b):
    y = 0.299 * r + 0.587 * g + 0.114 * b
    cb = 128 - 0.168736 * r - 0.331264 * g + 0.5 * b
    cr = 128 + 0.5 * r - 0.418688 * g - 0.081312 * b
    return [min(255, max(0, int(round(v)))) for v in (y, cb, cr)]


def jpeg(w, h):
    # DC table: categories 0-11, each a 4-bit code 0000..1011. AC table: end of block only, "0".
    dc_bits = [0, 0, 0, 12] + [0] * 12
    ac_bits = [1] + [0] * 15
    out = b"\xFF\xD8"
    out += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    out += segment(0xDB, bytes([0]) + bytes([1] * 64))
    out += segment(0xC0, struct.pack(">BHHB", 8, h, w, 3) + bytes([1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0]))
    out += segment(0xC4, bytes([0x00]) + bytes(dc_bits) + bytes(range(12)))
    out += segment(0xC4, bytes([0x10]) + bytes(ac_bits) + bytes([0x00]))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    bits = BitWriter()
    previous = [0, 0, 0]
    for by in range(h // 8):
        for bx in range(w // 8):
            samples = ycbcr(*colour_at(bx * 8, by * 8, w, h))
            for c in range(3):
                dc = 8 * (samples[c] - 128)  # flat block: DC = 8 x (sample - 128)
                diff = dc - previous[c]
                previous[c] = dc
                size = abs(diff).bit_length()
                bits.put(size, 4)
                if size:
                    bits.put(diff if diff > 0 else diff + (1 << size) - 1, size)
                bits.put(0, 1)  # end of block
    out += bits.flush()
    return out + b"\xFF\xD9"


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    files = {
        "res_drawing.bmp": bmp(12, 8),
        "res_photo.jpg": jpeg(16, 16),
        "res_empty.bin": b"",
        "res_junk.bin": b"This resource holds text, not a picture.\n" * 4,
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
