#!/usr/bin/python3
"""Makes the resource files of corvix.exe from the sources in this folder.

  make_win_art.py icon OUT.ico RSVG SMALL.svg LARGE.svg
      The program icon: 16, 20, 24, 32, 40, 48, 64 and 256 pixels, 32-bit with alpha; 16 and 20
      from the pixel-grid drawing SMALL.svg, the others from LARGE.svg.
  make_win_art.py cursor OUT.cur RSVG DRAWING.svg HOTX HOTY
      A cursor at 32, 48 and 64 pixels, 32-bit with alpha; the hot spot (HOTX, HOTY) is given in
      the drawing's 32-unit grid and scaled to each size.
  make_win_art.py sound OUT.wav
      The capture sound: a soft two-stage shutter click, 44.1 kHz, 16-bit mono.
  make_win_art.py splash OUT.bmp RSVG SPLASH.svg LOGO.svg
      The splash picture: SPLASH.svg with the logo drawn onto it, as a 24-bit BMP.

Every picture is rendered by rsvg-convert at its final size (never scaled from another raster).
Icons and cursors store their pictures as 32-bit DIBs (with an AND mask for old readers), which
every Windows version and Wine read alike. The sound is computed from fixed seeds: the same
script gives the same bytes.
"""
import io
import math
import random
import struct
import subprocess
import sys
import wave

from PIL import Image

ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SMALL_ICON_SIZES = (16, 20)
CURSOR_SIZES = (32, 48, 64)


def render(rsvg, svg, width, height=None):
    """Renders svg at width x height with rsvg-convert; returns an RGBA PIL image."""
    height = height or width
    png = subprocess.run([rsvg, "-w", str(width), "-h", str(height), "-f", "png", svg],
                         check=True, stdout=subprocess.PIPE).stdout
    image = Image.open(io.BytesIO(png)).convert("RGBA")
    if image.size != (width, height):
        sys.exit(f"{svg}: rendered {image.size}, wanted {width}x{height}")
    return image


def dib(image):
    """A 32-bit DIB as stored in icon and cursor files: header (height doubled), bottom-up BGRA
    rows and the AND mask (1 = transparent pixel)."""
    w, h = image.size
    pixels = image.load()
    colour = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            colour += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if pixels[x, y][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0,
                         0)
    return header + bytes(colour) + bytes(mask)


def directory_file(kind, entries):
    """An icon (kind 1) or cursor (kind 2) file. entries: (size, field1, field2, data), where the
    fields are planes and bit count for icons, the hot spot for cursors."""
    out = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for size, f1, f2, data in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, f1, f2, len(data), offset)
        offset += len(data)
    for entry in entries:
        out += entry[3]
    return out


def make_icon(out, rsvg, small_svg, large_svg):
    entries = []
    for size in ICON_SIZES:
        svg = small_svg if size in SMALL_ICON_SIZES else large_svg
        entries.append((size, 1, 32, dib(render(rsvg, svg, size))))
    with open(out, "wb") as f:
        f.write(directory_file(1, entries))


def make_cursor(out, rsvg, svg, hot_x, hot_y):
    entries = []
    for size in CURSOR_SIZES:
        hx = min(size - 1, int(hot_x * size / 32 + 0.5))
        hy = min(size - 1, int(hot_y * size / 32 + 0.5))
        entries.append((size, hx, hy, dib(render(rsvg, svg, size))))
    with open(out, "wb") as f:
        f.write(directory_file(2, entries))


# The capture sound ------------------------------------------------------------------------------

RATE = 44100


def one_pole_lowpass(samples, cutoff):
    k = 1 - math.exp(-2 * math.pi * cutoff / RATE)
    out, y = [], 0.0
    for s in samples:
        y += k * (s - y)
        out.append(y)
    return out


def click(length, noise_seed, bright, body_hz, body_level):
    """One mechanical click: a short filtered noise burst over a quickly dying low knock."""
    rng = random.Random(noise_seed)
    noise = [rng.uniform(-1, 1) for _ in range(length)]
    low = one_pole_lowpass(noise, 7000 if bright else 4500)
    lower = one_pole_lowpass(low, 900)
    band = [a - b for a, b in zip(low, lower)]  # roughly 0.9-6 kHz: the "tick"
    out = []
    for i in range(length):
        t = i / RATE
        attack = min(1.0, t / 0.0004)
        tick = band[i] * attack * math.exp(-t / 0.0045)
        knock = body_level * math.sin(2 * math.pi * body_hz * t) * attack * math.exp(-t / 0.012)
        out.append(tick + knock)
    return out


def make_sound(out):
    total = int(RATE * 0.17)
    mix = [0.0] * total
    for start, level, seed, bright, body_hz in ((0.0, 0.75, 11, False, 420),
                                                 (0.068, 1.0, 23, True, 560)):
        first = int(start * RATE)
        part = click(total - first, seed, bright, body_hz, 0.35)
        for i, s in enumerate(part):
            mix[first + i] += level * s
    peak = max(abs(s) for s in mix)
    fade = int(0.006 * RATE)
    frames = bytearray()
    for i, s in enumerate(mix):
        gain = 0.6 / peak  # peak at 60 % of full scale: clear but never harsh
        if i >= total - fade:
            gain *= (total - 1 - i) / fade
        frames += struct.pack("<h", int(round(s * gain * 32767)))
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


# The splash picture -----------------------------------------------------------------------------

SPLASH_W, SPLASH_H = 520, 320
LOGO_SIZE, LOGO_X, LOGO_Y = 136, 40, 86


def make_splash(out, rsvg, splash_svg, logo_svg):
    picture = render(rsvg, splash_svg, SPLASH_W, SPLASH_H)
    picture.alpha_composite(render(rsvg, logo_svg, LOGO_SIZE), (LOGO_X, LOGO_Y))
    picture.convert("RGB").save(out, "BMP")


def main():
    args = sys.argv[1:]
    if len(args) == 5 and args[0] == "icon":
        make_icon(*args[1:])
    elif len(args) == 6 and args[0] == "cursor":
        make_cursor(args[1], args[2], args[3], float(args[4]), float(args[5]))
    elif len(args) == 2 and args[0] == "sound":
        make_sound(args[1])
    elif len(args) == 5 and args[0] == "splash":
        make_splash(*args[1:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
