#!/usr/bin/python3
"""Pillow's times on the benchmarks' test picture, for the ratios in bench/report.py.

Prints NAME <tab> median ms per operation (one warm-up, then RUNS timed runs of the operation
alone), then png_bytes and jpeg_bytes. Names containing any given SUBSTRING only.

Usage: /usr/bin/python3 bench/pillow_times.py [--runs N] [SUBSTRING ...]
Needs Debian's python3-numpy and python3-pil.
"""
import io
import os
import statistics
import sys
import time

import numpy as np
from PIL import Image, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_picture import HEIGHT, WIDTH, make_picture  # noqa: E402


def encode(im, fmt, **options):
    out = io.BytesIO()
    im.save(out, fmt, **options)
    return out.getvalue()


def decode(data):
    im = Image.open(io.BytesIO(data))
    im.load()
    return im


def operations(pixels):
    im = Image.fromarray(pixels, "RGB")
    other = Image.fromarray(pixels[::-1].copy(), "RGB")
    mask = Image.fromarray(np.add.outer(np.arange(HEIGHT) // 3, np.arange(WIDTH) // 9)
                           .astype(np.uint8), "L")
    half = (WIDTH // 2, HEIGHT // 2)
    png, jpg, bmp = encode(im, "PNG", compress_level=6), encode(im, "JPEG", quality=90), \
        encode(im, "BMP")
    ops = {
        "composite": lambda: Image.composite(im, other, mask),
        "box_blur_8_3": lambda: im._new(im.im.box_blur(8.0, 3)),
        "smooth_3x3": lambda: im.filter(ImageFilter.SMOOTH),
        "blur_5x5": lambda: im.filter(ImageFilter.BLUR),
        "max_3x3": lambda: im.filter(ImageFilter.MaxFilter(3)),
        "resize_box_1080p": lambda: im.resize(half, Image.BOX),
        "resize_bicubic_1080p": lambda: im.resize(half, Image.BICUBIC),
        "resize_lanczos_1080p": lambda: im.resize(half, Image.LANCZOS),
        "reduce_2": lambda: im.reduce(2),
        "rotate_90": lambda: im.transpose(Image.ROTATE_90),
        "mirror": lambda: im.transpose(Image.FLIP_LEFT_RIGHT),
        "grayscale": lambda: im.convert("L"),
        "png_save_l6": lambda: encode(im, "PNG", compress_level=6),
        "png_load": lambda: decode(png),
        "jpeg_save_q90": lambda: encode(im, "JPEG", quality=90),
        "jpeg_load": lambda: decode(jpg),
        "bmp_save": lambda: encode(im, "BMP"),
        "bmp_load": lambda: decode(bmp),
    }
    return ops, {"png_bytes": len(png), "jpeg_bytes": len(jpg)}


def median_ms(fn, runs):
    fn()
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        fn()
        times.append((time.perf_counter() - start) * 1000.0)
    return statistics.median(times)


def main(args):
    runs = 7
    if args[:1] == ["--runs"]:
        runs, args = int(args[1]), args[2:]
    ops, sizes = operations(make_picture())
    for name, fn in ops.items():
        if not args or any(part in name for part in args):
            print(f"{name}\t{median_ms(fn, runs):.2f}", flush=True)
    for name, value in sizes.items():
        print(f"{name}\t{value}")


if __name__ == "__main__":
    main(sys.argv[1:])
