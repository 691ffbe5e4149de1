#!/usr/bin/python3
"""Draws the mask pictures of the "Masks" folder (make_masks.py OUT_DIR [NAME.png ...]).

Capture shape masks (CaptureShapeEffect_*.png, 1024 x 768, 24-bit): white inside the shape, black
outside, nothing in between. The finishing step stretches a mask to the capture's size without
smoothing and softens the edge itself, so these pictures are strictly two-coloured. Every black
pixel lies within 90 pixels of the border: the shape directions paint everything further than 100
pixels from the shaped edges white, which must leave the inner picture untouched. The size keeps
the outline's steps small when a mask is stretched onto a large capture, while the 100-pixel band
stays about a tenth of the picture.

Spotlight pictures (512 x 512, 24-bit grey): the shapes (SpotlightShape_*.png) are white where
the selection stays bright and are stretched smoothly, so their edges are anti-aliased; the
darkening mask (SpotlightMask.png) is black in the middle, where the spot sits, and turns white
towards the border, where the picture is darkened.

Everything is computed from fixed numbers and seeds: the same script gives the same bytes.
"""
import os
import random
import sys

import numpy as np
from PIL import Image

CAPTURE_W = 1024
CAPTURE_H = 768
SPOT = 512
SUPERSAMPLE = 4  # spotlight shapes are drawn at 4x and averaged down


# Helpers -----------------------------------------------------------------------------------------


def save_grey(values, path):
    """values: 2-D array of 0..255 (or bool); written as a 24-bit RGB PNG."""
    if values.dtype == bool:
        values = np.where(values, 255, 0)
    grey = np.clip(np.rint(values), 0, 255).astype(np.uint8)
    Image.fromarray(np.dstack([grey, grey, grey]), "RGB").save(path, optimize=True)


def edge_coordinates(w, h):
    """Pixel-centre coordinate grids (x, y) of a w x h picture."""
    y, x = np.mgrid[0:h, 0:w]
    return x + 0.5, y + 0.5


def inside_of_profiles(w, h, top, right, bottom, left):
    """A pixel is inside when it is deeper than each edge's profile.

    Each profile maps a position along its edge (running clockwise: top left to right, right top to
    bottom, bottom right to left, left bottom to top) to the inset of the outline at that position.
    """
    x, y = edge_coordinates(w, h)
    return ((y >= top(x)) & (w - x >= right(y)) & (h - y >= bottom(w - x)) & (x >= left(h - y)))


def smoothstep(e0, e1, v):
    t = np.clip((v - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def value_noise(length, step, rng):
    """Smooth random curve in -1..1 over 0..length, one random knot every `step` units."""
    knots = [rng.uniform(-1.0, 1.0) for _ in range(int(length / step) + 3)]

    def curve(u):
        f = np.asarray(u, dtype=float) / step
        i = np.floor(f).astype(int)
        t = f - i
        t = t * t * (3 - 2 * t)
        a = np.take(knots, np.clip(i, 0, len(knots) - 1))
        b = np.take(knots, np.clip(i + 1, 0, len(knots) - 1))
        return a + (b - a) * t

    return curve


def whole_periods(length, wanted):
    """Period close to `wanted` that fits a whole number of times into `length`."""
    return length / max(1, round(length / wanted))


# Capture shape masks -----------------------------------------------------------------------------


def mask_concave(w, h):
    """Each edge curves inwards on a circular arc: corners on the border, middles 70 px deep."""
    depth = 70.0

    def arc(length):
        radius = (length * length / 4 + depth * depth) / (2 * depth)
        return lambda u: depth - (radius - np.sqrt(radius**2 - (u - length / 2) ** 2))

    return inside_of_profiles(w, h, arc(w), arc(h), arc(w), arc(h))


def mask_convex(w, h):
    """Each edge bulges outwards: middles 3 px from the border, corners pulled in by 80 px."""
    depth = 80.0
    margin = 3.0

    def bulge(length):
        radius = (length * length / 4 + depth * depth) / (2 * depth)
        return lambda u: margin + radius - np.sqrt(radius**2 - (u - length / 2) ** 2)

    return inside_of_profiles(w, h, bulge(w), bulge(h), bulge(w), bulge(h))


def mask_zigzag(w, h):
    """Symmetric triangular teeth, a tip in every corner."""
    tip, depth = 6.0, 34.0

    def teeth(length):
        period = whole_periods(length, 56)
        return lambda u: tip + depth * (1 - np.abs(2 * np.mod(u / period + 0.5, 1.0) - 1))

    return inside_of_profiles(w, h, teeth(w), teeth(h), teeth(w), teeth(h))


def mask_saw(w, h):
    """Saw-blade teeth: a long slope and a steep flank, all running clockwise round the picture."""
    tip, depth = 6.0, 40.0

    def blade(length):
        period = whole_periods(length, 52)
        return lambda u: tip + depth * np.mod(u / period, 1.0)

    return inside_of_profiles(w, h, blade(w), blade(h), blade(w), blade(h))


def mask_torn(w, h):
    """A torn paper edge: a slow wander, ragged fibres on top of it."""
    rng = random.Random(20240611)

    def tear(length):
        slow = value_noise(length, 170, rng)
        mid = value_noise(length, 23, rng)
        fine = value_noise(length, 5, rng)
        return lambda u: np.clip(40 + 22 * slow(u) + 10 * mid(u) + 5 * fine(u), 5, 88)

    return inside_of_profiles(w, h, tear(w), tear(h), tear(w), tear(h))


def mask_cloudy(w, h):
    """Round puffs along the border over an inner rectangle, a big puff in every corner."""
    rng = random.Random(7)
    x, y = edge_coordinates(w, h)
    base = 64
    inside = (x >= base) & (x <= w - base) & (y >= base) & (y <= h - base)
    line = 60.0  # the puffs' centres lie this far inside the border

    def puff(cx, cy, r):
        nonlocal inside
        x0, x1 = int(max(0, cx - r - 1)), int(min(w, cx + r + 2))
        y0, y1 = int(max(0, cy - r - 1)), int(min(h, cy + r + 2))
        px, py = x[y0:y1, x0:x1], y[y0:y1, x0:x1]
        inside[y0:y1, x0:x1] |= (px - cx) ** 2 + (py - cy) ** 2 <= r * r

    corner_r = 58.0
    for cx, cy in ((line, line), (w - line, line), (line, h - line), (w - line, h - line)):
        puff(cx, cy, corner_r)

    def along(length, place):
        # Puffs from corner to corner, their radii varied, spaced so that neighbours overlap
        # by about a sixth of their size: clear dents between them.
        radii = []
        total = 0.0
        while True:
            r = rng.uniform(36, 52)
            radii.append(r)
            total += 1.75 * r
            if total > length - 2 * line:
                break
        scale = (length - 2 * line) / (1.75 * sum(radii[:-1]) + 0.875 * (radii[-1] + radii[0]))
        pos = line
        for i, r in enumerate(radii):
            if i > 0:
                pos += 0.875 * (radii[i - 1] + r) * scale
            if line + 20 < pos < length - line - 20:
                place(pos, r)

    along(w, lambda p, r: puff(p, line, r))
    along(w, lambda p, r: puff(p, h - line, r))
    along(h, lambda p, r: puff(line, p, r))
    along(h, lambda p, r: puff(w - line, p, r))
    return inside


CAPTURE_MASKS = {
    "CaptureShapeEffect_cloudy.png": mask_cloudy,
    "CaptureShapeEffect_concave.png": mask_concave,
    "CaptureShapeEffect_convex.png": mask_convex,
    "CaptureShapeEffect_saw.png": mask_saw,
    "CaptureShapeEffect_torn.png": mask_torn,
    "CaptureShapeEffect_zigzag.png": mask_zigzag,
}


# Spotlight pictures ------------------------------------------------------------------------------


def supersampled(shape_fn):
    """Coverage (0..255) of shape_fn(x, y) -> bool on the unit square, SUPERSAMPLE^2 per pixel."""
    n = SPOT * SUPERSAMPLE
    y, x = np.mgrid[0:n, 0:n]
    inside = shape_fn((x + 0.5) / n, (y + 0.5) / n).astype(float)
    return inside.reshape(SPOT, SUPERSAMPLE, SPOT, SUPERSAMPLE).mean(axis=(1, 3)) * 255


def spot_circle():
    return supersampled(lambda x, y: (x - 0.5) ** 2 + (y - 0.5) ** 2 <= 0.495**2)


def spot_circlesoft():
    y, x = np.mgrid[0:SPOT, 0:SPOT]
    r = np.hypot((x + 0.5) / SPOT - 0.5, (y + 0.5) / SPOT - 0.5) / 0.5
    return (1 - smoothstep(0.55, 0.99, r)) * 255


def spot_crystal():
    # A six-sided crystal lying on its side, points to the left and right.
    corners = [(0.01, 0.5), (0.26, 0.02), (0.74, 0.02), (0.99, 0.5), (0.74, 0.98), (0.26, 0.98)]

    def inside(x, y):
        result = np.ones_like(x, dtype=bool)
        for (ax, ay), (bx, by) in zip(corners, corners[1:] + corners[:1]):
            result &= (bx - ax) * (y - ay) - (by - ay) * (x - ax) >= 0  # clockwise in picture axes
        return result

    return supersampled(inside)


def spot_rectangle():
    # A rectangle with softly rounded corners, one pixel clear of the border.
    m, r = 1.5 / SPOT, 0.07

    def inside(x, y):
        cx = np.clip(x, m + r, 1 - m - r)
        cy = np.clip(y, m + r, 1 - m - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return supersampled(inside)


def spot_zigzag():
    # A rectangle whose four edges are zigzags, tips towards the border.
    tip, depth, teeth = 0.01, 0.06, 12
    period = 1.0 / teeth

    def inset(u):
        return tip + depth * (1 - np.abs(2 * np.mod(u / period + 0.5, 1.0) - 1))

    def inside(x, y):
        return (y >= inset(x)) & (1 - x >= inset(y)) & (1 - y >= inset(1 - x)) & (x >= inset(1 - y))

    return supersampled(inside)


def spot_mask():
    y, x = np.mgrid[0:SPOT, 0:SPOT]
    r = np.hypot((x + 0.5) / SPOT - 0.5, (y + 0.5) / SPOT - 0.5) / 0.5
    return smoothstep(0.04, 0.5, r) * 255


SPOT_PICTURES = {
    "SpotlightShape_circle.png": spot_circle,
    "SpotlightShape_circlesoft.png": spot_circlesoft,
    "SpotlightShape_crystal.png": spot_crystal,
    "SpotlightShape_rectangle.png": spot_rectangle,
    "SpotlightShape_zigzag.png": spot_zigzag,
    "SpotlightMask.png": spot_mask,
}


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: make_masks.py OUT_DIR [NAME.png ...]")
    out = sys.argv[1]
    wanted = set(sys.argv[2:])
    os.makedirs(out, exist_ok=True)
    for name, fn in CAPTURE_MASKS.items():
        if not wanted or name in wanted:
            save_grey(fn(CAPTURE_W, CAPTURE_H), os.path.join(out, name))
    for name, fn in SPOT_PICTURES.items():
        if not wanted or name in wanted:
            save_grey(fn(), os.path.join(out, name))


if __name__ == "__main__":
    main()
