#!/usr/bin/python3
"""The benchmarks' test picture: a synthetic 3840 x 2160 desktop screenshot.

Deterministic (fixed seed). A wallpaper gradient, window frames with flat title bars and
client areas, rows of small anti-aliased glyph-like marks (text), a diagonal colour ramp and a
photo-like block of smooth noise. All benchmarks and the Pillow timings use this picture.

Usage: /usr/bin/python3 bench/desktop_picture.py OUT.bmp [OUT.png ...]
Needs Debian's python3-numpy and python3-pil.
"""
import sys

import numpy as np
from PIL import Image

WIDTH, HEIGHT = 3840, 2160
SEED = 7311


def glyphs(rng, count=64, w=8, h=14):
    """count glyph coverages (h x w, 0..1): strokes drawn at twice the size, then averaged."""
    out = np.zeros((count, h, w), np.float32)
    for g in range(1, count):  # glyph 0 is a space
        big = np.zeros((2 * h, 2 * w), np.float32)
        for _ in range(rng.integers(2, 4)):
            x, y = rng.integers(1, 2 * w - 4), rng.integers(4, 2 * h - 8)
            if rng.integers(0, 2):
                big[4:2 * h - 6, x:x + 3] = 1  # stem
            else:
                big[y:y + 3, 2:2 * w - 2] = 1  # bar
        out[g] = big.reshape(h, 2, w, 2).mean(axis=(1, 3))
    return out


def text_block(img, x, y, cols, rows, atlas, rng, ink):
    """Lines of random glyphs (with word gaps) blended in ink over img at (x, y)."""
    n, h, w = atlas.shape
    for r in range(rows):
        codes = rng.integers(0, n, cols)
        codes[rng.random(cols) < 0.15] = 0
        line = atlas[codes].transpose(1, 0, 2).reshape(h, cols * w)[..., None]
        top = y + r * (h + 4)
        area = img[top:top + h, x:x + cols * w].astype(np.float32)
        img[top:top + h, x:x + cols * w] = (area * (1 - line) + ink * line).astype(np.uint8)


def window(img, x0, y0, x1, y1, rng, atlas):
    img[y0:y1, x0:x1] = (96, 96, 104)  # frame
    img[y0 + 1:y0 + 31, x0 + 1:x1 - 1] = rng.integers(40, 200, 3)  # title bar
    img[y0 + 31:y1 - 1, x0 + 1:x1 - 1] = (250, 250, 247)  # client
    text_block(img, x0 + 12, y0 + 8, (x1 - x0 - 24) // 8 // 2, 1, atlas, rng, 255.0)
    rows = (y1 - y0 - 60) // 18
    text_block(img, x0 + 16, y0 + 44, (x1 - x0 - 32) // 8, rows, atlas, rng, 20.0)


def photo(rng, h, w):
    """Smooth noise: coarse random colours upscaled bilinearly, plus fine grain."""
    coarse = Image.fromarray(rng.integers(0, 256, (h // 24, w // 24, 3), dtype=np.uint8))
    base = np.asarray(coarse.resize((w, h), Image.BILINEAR), np.int16)
    grain = rng.integers(-12, 13, (h, w, 1), dtype=np.int16)
    return np.clip(base + grain, 0, 255).astype(np.uint8)


def make_picture():
    rng = np.random.default_rng(SEED)
    ys = np.linspace(0, 1, HEIGHT, dtype=np.float32)[:, None]
    xs = np.linspace(0, 1, WIDTH, dtype=np.float32)[None, :]
    img = np.empty((HEIGHT, WIDTH, 3), np.uint8)
    img[..., 0] = 30 + 60 * ys + 0 * xs  # wallpaper: vertical and horizontal gradients
    img[..., 1] = 70 + 90 * xs * (1 - ys)
    img[..., 2] = 140 + 100 * ys * xs
    atlas = glyphs(rng)
    window(img, 120, 100, 1900, 1300, rng, atlas)
    window(img, 2000, 80, 3700, 900, rng, atlas)
    window(img, 2100, 1000, 3600, 2000, rng, atlas)
    img[1400:2000, 200:1800] = photo(rng, 600, 1600)
    ramp = ((np.arange(1800)[None, :] + np.arange(200)[:, None]) * 255 // 2000).astype(np.uint8)
    img[920:980, 2000:3800] = ramp[:60, :, None]  # a diagonal grey ramp
    img[HEIGHT - 48:] = (32, 36, 44)  # task bar
    text_block(img, 60, HEIGHT - 34, 60, 1, atlas, rng, 230.0)
    return img


def main(paths):
    if not paths:
        sys.exit(__doc__)
    picture = Image.fromarray(make_picture(), "RGB")
    for path in paths:
        picture.save(path)


if __name__ == "__main__":
    main(sys.argv[1:])
