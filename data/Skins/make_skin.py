#!/usr/bin/python3
"""Draws one shipped skin: its INI file and every picture, into the program's Skins folder.

    make_skin.py --skin Default --icons data/icons --out build/programdata/Skins

The three skins share one look and differ in size: "Default" for screens of 1024 pixels and
more, "Small" for 800 x 600, "Tiny" smaller still. The icons come from the SVG family in
data/icons (listed in its INDEX.md); everything else is drawn here.
"""

import argparse
import os
import sys

import numpy as np
from PIL import Image

# The build runs this from the source tree: leave no compiled files there.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from skin_paint import (Canvas, IconSource, ellipse_mask, line_mask, polygon_mask,  # noqa
                        rgb, rrect_mask, rrect_ring, save_jpeg, save_png, unkey_colours, KEY)

# --- the look shared by all skins ---------------------------------------------------------------

SLATE = rgb('#2B3A4A')
BLUE = rgb('#1E88E5')
NAVY = rgb('#0D2B45')
WINDOW = rgb('#F3F6F9')          # dialog background ("WindowBackColor")
PANEL = rgb('#FFFFFF')           # button bar surface
PANEL_BORDER = rgb('#BFCAD6')
SEPARATOR = rgb('#DDE3EA')
HOVER_FILL = rgb('#E5F0FC')
HOVER_BORDER = rgb('#A3CBF2')
PRESS_FILL = rgb('#CDE2F8')
PRESS_BORDER = BLUE
DESKTOP_GUESS = rgb('#D5DBE1')   # what is behind the soft edge of a bar on the desktop

COLOURS = {
    'WindowBackColor': WINDOW,
    'MainEditTextColor': rgb('#1F2A36'),
    'MainStaticTextColor': SLATE,
    'ButtonTextColorDefault': rgb('#1F2A36'),
    'ButtonTextColorHilight': rgb('#1565C0'),
    'ButtonTextColorDisabled': rgb('#98A4B0'),
    'ButtonBarHiddenColor': BLUE,
    'ButtonBarToolTipBackColor': NAVY,
    'ButtonBarToolTipTextColor': rgb('#FFFFFF'),
    'MenuBorderColor': rgb('#A9C4DE'),
    'MenuGradientLeftColor': rgb('#EEF2F6'),
    'MenuGradientRightColor': rgb('#FFFFFF'),
    'MenuSelectedColor': rgb('#D8E9F9'),
    'MenuTextColor': rgb('#1F2A36'),
    'MenuTextGrayedColor': rgb('#98A4B0'),
    'MenuTextSelectedColor': NAVY,
    'IntroWindowTextColor': SLATE,
    'IntroWindowTextH1Color': NAVY,
    'IntroWindowTextH2Color': rgb('#1565C0'),
    'IntroWindowTextH3Color': rgb('#546E7A'),
    'CurrentCaptureDisplayTextColor': NAVY,
    # The capture overlay: window frame, caption bands, handles and cross-hair; caption text.
    'CaptureBorderColor': BLUE,
    'CaptureTextColor': rgb('#FFFFFF'),
}

# Sizes per skin. cell: one bar button (square); icon: the icon inside it; radius: outer
# corners of a bar; inset/hradius: the hover plate inside a cell; accent: the blue line on the
# screen-edge side of a bar; scroll: one ScrollButton frame; prevnext: one PrevNextButton frame;
# arrow: one PointingArrow frame; colours: the colour palette bar; intro: IntroWndBack with the
# logo size and the text origin and line height; background: the Edit Mode background.
SKINS = {
    'Default': dict(name='Clarivue Default', cell=42, icon=24, radius=10, inset=4, hradius=7,
                    accent=3, scroll=84, prevnext=(116, 50), arrow=96, colours=(512, 44),
                    intro=(620, 400), logo=96, text=(28, 28, 18), background=(1280, 960)),
    'Small': dict(name='Clarivue Small (800 x 600)', cell=34, icon=20, radius=8, inset=3,
                  hradius=6, accent=2, scroll=68, prevnext=(92, 40), arrow=80,
                  colours=(400, 36), intro=(560, 360), logo=64, text=(20, 22, 17),
                  background=(1024, 768)),
    'Tiny': dict(name='Clarivue Tiny', cell=26, icon=16, radius=6, inset=3, hradius=5, accent=2,
                 scroll=56, prevnext=(76, 34), arrow=64, colours=(320, 28), intro=(520, 330),
                 logo=48, text=(16, 18, 16), background=(800, 600)),
}
AUTHOR = 'Zentrova Design'

BUTTON_ICON_SIZE = 16   # "ButtonIcons": dialog buttons keep their size in every skin
MENU_ICON_SIZE = 16     # "MenuHot", "MenuCold": fixed by the menu painter
CONFIGURE_SIZE = (480, 360)
PREVIEW_SIZE = (320, 224)
PREVIEW_MARGIN = 16

# Bars: strip in INDEX.md, button count, where a new group of buttons starts.
CAPTURE_BAR = ('CaptureBar', 9, (2, 6, 7))
MOUSE_TOOLS_BAR = ('MouseTools', 15, (2, 13))
IMAGE_BAR = ('Image', 16, (2, 5, 9, 12, 15))
ACTIONS_BAR = ('Actions', 8, (1, 7))

# Edge: outer corners that are rounded (top-left, top-right, bottom-right, bottom-left) and sides
# with a border (top, right, bottom, left); the screen-edge side has the accent line instead.
EDGES = {
    'top': ((False, False, True, True), (False, True, True, True)),
    'bottom': ((True, True, False, False), (True, True, False, True)),
    'left': ((False, True, True, False), (True, True, True, False)),
    'right': ((True, False, False, True), (True, False, True, True)),
}


# --- button bars ------------------------------------------------------------------------------

def bar_canvas(sk, icons, edge, count, group_starts, state):
    """The whole bar as it looks on screen with every button in one state (0 normal, 1 under the
    mouse, 2 pressed)."""
    cw = ch = sk['cell']
    horizontal = edge in ('top', 'bottom')
    w, h = (count * cw, ch) if horizontal else (cw, count * ch)
    corners, sides = EDGES[edge]
    c = Canvas(w, h)
    c.paint(rrect_mask(w, h, (0, 0, w, h), sk['radius'], corners), PANEL)
    c.paint(rrect_ring(w, h, (0, 0, w, h), sk['radius'], 1, corners, sides), PANEL_BORDER)
    a = sk['accent']
    accent_box = {'top': (0, 0, w, a), 'bottom': (0, h - a, w, h), 'left': (0, 0, a, h),
                  'right': (w - a, 0, w, h)}[edge]
    c.paint(rrect_mask(w, h, accent_box, 0), BLUE)

    # Thin separators between groups, across the middle half of the bar's thickness.
    for g in group_starts:
        if horizontal:
            box = (g * cw, ch // 4, g * cw + 1, ch - ch // 4)
        else:
            box = (cw // 4, g * ch, cw - cw // 4, g * ch + 1)
        c.paint(rrect_mask(w, h, box, 0), SEPARATOR)

    for i in range(count):
        x, y = (i * cw, 0) if horizontal else (0, i * ch)
        # Keep the hover plate off the accent line and the outer border.
        inset = sk['inset']
        lo = {'top': (inset, inset + a - 1), 'bottom': (inset, inset), 'left': (inset + a - 1,
                                                                                   inset),
              'right': (inset, inset)}[edge]
        hi = {'top': (inset, inset), 'bottom': (inset, inset + a - 1), 'left': (inset, inset),
              'right': (inset + a - 1, inset)}[edge]
        plate = (x + lo[0], y + lo[1], x + cw - hi[0], y + ch - hi[1])
        if state == 1:
            c.paint(rrect_mask(w, h, plate, sk['hradius']), HOVER_FILL)
            c.paint(rrect_ring(w, h, plate, sk['hradius'], 1), HOVER_BORDER)
        elif state == 2:
            c.paint(rrect_mask(w, h, plate, sk['hradius']), PRESS_FILL)
            c.paint(rrect_ring(w, h, plate, sk['hradius'], 1), PRESS_BORDER)
        icon = icons[i]
        if icon is not None:
            s = icon.size[0]
            px = (plate[0] + plate[2] - s) // 2 + (1 if state == 2 else 0)
            py = (plate[1] + plate[3] - s) // 2 + (1 if state == 2 else 0)
            c.paste(icon, px, py)
    return c


def bar_picture(sk, icons, edge, count, group_starts, states_in_columns):
    """The skin picture of a bar: a grid of cells, one per button and state, in the layout the
    bar reads (states in rows: buttons left to right; states in columns: buttons top to
    bottom)."""
    cw = ch = sk['cell']
    horizontal = edge in ('top', 'bottom')
    size = (3 * cw, count * ch) if states_in_columns else (count * cw, 3 * ch)
    out = Image.new('RGB', size)
    for state in range(3):
        bar = bar_canvas(sk, icons, edge, count, group_starts, state)
        flat = bar.keyed(DESKTOP_GUESS)
        for i in range(count):
            src = (i * cw, 0) if horizontal else (0, i * ch)
            cell = flat.crop((src[0], src[1], src[0] + cw, src[1] + ch))
            dst = (state * cw, i * ch) if states_in_columns else (i * cw, state * ch)
            out.paste(cell, dst)
    return out


def bar_icons(source, strip, count, size):
    entries = source.strip(strip, count)
    source.prepare(entries, size)
    return [source.render(e, size) for e in entries]


# --- colour palette bar -----------------------------------------------------------------------

def hue_rgb(h):
    """Fully saturated colour of hue h (0..1), values 0..1."""
    h6 = (h % 1.0) * 6.0
    i = int(h6)
    f = h6 - i
    return [(1, f, 0), (1 - f, 1, 0), (0, 1, f), (0, 1 - f, 1), (f, 0, 1), (1, 0, 1 - f)][i]


GREYS = ((255, 200, 150), (100, 50, 0))   # two rows of grey swatches, light to dark


def palette(w, h):
    """Colour field of the colour bar (h x w x 3, 0..255): a block of grey swatches (white to
    black), then every hue from left to right, light at the top, pure in the middle row, dark at
    the bottom."""
    out = np.zeros((h, w, 3), dtype=np.float32)
    gcols = len(GREYS[0])
    sw = max(6, round(w * 0.035))
    gw = gcols * sw
    rows = len(GREYS)
    for r, row in enumerate(GREYS):
        y0, y1 = r * h // rows, (r + 1) * h // rows
        for k, v in enumerate(row):
            out[y0:y1, k * sw:(k + 1) * sw] = v
    gap = 2
    out[:, gw:gw + gap] = PANEL
    hw = w - gw - gap
    mid = (h - 1) / 2.0
    for x in range(hw):
        pure = np.array(hue_rgb(x / hw), dtype=np.float32) * 255.0
        for y in range(h):
            if y <= mid:
                t = (mid - y) / mid * 0.82          # towards white
                c = pure + (255.0 - pure) * t
            else:
                t = (y - mid) / (h - 1 - mid) * 0.78  # towards black
                c = pure * (1.0 - t)
            out[y, gw + gap + x] = c
    return np.round(out)


def colour_bar_picture(sk):
    cw, ch = sk['colours']
    field_cache = {}

    def cell(c, plate, state):
        x0, y0, x1, y1 = plate
        key = (x1 - x0, y1 - y0)
        if key not in field_cache:
            field_cache[key] = palette(*key)
        field = np.zeros((c.h, c.w, 3), dtype=np.float32)
        field[y0:y1, x0:x1] = field_cache[key]
        m = np.zeros((c.h, c.w), dtype=np.float32)
        m[y0:y1, x0:x1] = 1.0
        c.paint_field(m, field)
        # The frame around the field marks hover and press; the colours themselves never change,
        # because the bar reads the pixel under the mouse.
        ring = {0: PANEL_BORDER, 1: HOVER_BORDER, 2: PRESS_BORDER}[state]
        c.paint(rrect_ring(c.w, c.h, (x0 - 1, y0 - 1, x1 + 1, y1 + 1), 0, 1), ring)

    inset = max(3, sk['inset'])

    # One button wider than high: draw with a non-square cell.
    def bar_canvas_wide(state):
        w, h = cw, ch
        corners, sides = EDGES['bottom']
        c = Canvas(w, h)
        c.paint(rrect_mask(w, h, (0, 0, w, h), sk['radius'], corners), PANEL)
        c.paint(rrect_ring(w, h, (0, 0, w, h), sk['radius'], 1, corners, sides), PANEL_BORDER)
        a = sk['accent']
        c.paint(rrect_mask(w, h, (0, h - a, w, h), 0), BLUE)
        ins = inset + 1
        cell(c, (ins, ins, w - ins, h - a - ins + 1), state)
        return c

    out = Image.new('RGB', (cw, 3 * ch))
    for state in range(3):
        out.paste(bar_canvas_wide(state).keyed(DESKTOP_GUESS), (0, state * ch))
    return out


# --- Edit Mode corner buttons -----------------------------------------------------------------

def scroll_button_picture(sk, under):
    s = sk['scroll']
    frames = []
    c = Canvas(s, s)
    pad = (1, 1, s - 1, s - 1)
    c.paint(ellipse_mask(s, s, pad), PANEL)
    ring = np.clip(ellipse_mask(s, s, pad) - ellipse_mask(s, s, (2, 2, s - 2, s - 2)), 0, 1)
    c.paint(ring, PANEL_BORDER)
    m = s / 2.0
    tip, base, half = 0.13 * s, 0.27 * s, 0.12 * s

    def arrow(direction):
        # Triangle pointing up, then turned.
        pts = [(m, tip), (m - half, base), (m + half, base)]
        turn = {'up': lambda p: p, 'down': lambda p: (p[0], s - p[1]),
                'left': lambda p: (p[1], p[0]), 'right': lambda p: (s - p[1], p[0])}[direction]
        return [turn(p) for p in pts]

    for d in ('up', 'down', 'left', 'right'):
        c.paint(polygon_mask(s, s, arrow(d)), SLATE)
    c.paint(ellipse_mask(s, s, (m - 0.09 * s, m - 0.09 * s, m + 0.09 * s, m + 0.09 * s)), BLUE)
    frames.append(c.keyed(under))

    # Hot areas: the quarter of the pad around each arrow, without the centre. Every pixel
    # belongs to at most one quarter (by the angle of its centre), so the areas never overlap.
    yy, xx = np.mgrid[0:s, 0:s].astype(np.float32) + 0.5
    dx, dy = xx - m, yy - m
    dist = np.sqrt(dx * dx + dy * dy)
    on_pad = (dist <= m - 1.5) & (dist >= 0.12 * s)
    sector = np.floor((np.degrees(np.arctan2(-dy, dx)) + 45.0) % 360.0 / 90.0).astype(int)
    for d in (1, 3, 2, 0):   # up, down, left, right by angle: 90, 270, 180, 0 degrees
        hot = Canvas(s, s)
        hot.paint((on_pad & (sector == d)).astype(np.float32), SLATE)
        frames.append(hot.keyed(SLATE))
    out = Image.new('RGB', (5 * s, s))
    for k, f in enumerate(frames):
        out.paste(f, (k * s, 0))
    return out


def prev_next_picture(sk, under):
    w, h = sk['prevnext']
    c = Canvas(w, h)
    pill = (1, 1, w - 1, h - 1)
    r = (h - 2) // 2
    c.paint(rrect_mask(w, h, pill, r), PANEL)
    c.paint(rrect_ring(w, h, pill, r, 1), PANEL_BORDER)
    c.paint(rrect_mask(w, h, (w // 2, h // 4, w // 2 + 1, h - h // 4), 0), SEPARATOR)
    stroke = max(2.0, h * 0.075)
    arm = h * 0.17
    for cx, sign in ((w * 0.27, -1), (w * 0.73, 1)):
        tip = (cx + sign * arm * 0.55, h / 2.0)
        back = cx - sign * arm * 0.55
        c.paint(line_mask(w, h, tip, (back, h / 2.0 - arm), stroke), SLATE)
        c.paint(line_mask(w, h, tip, (back, h / 2.0 + arm), stroke), SLATE)
    frames = [c.keyed(under)]
    half_boxes = ((1, 1, w // 2, h - 1), (w // 2 + 1, 1, w - 1, h - 1))
    shape = rrect_mask(w, h, pill, r)
    for box in half_boxes:
        hot = Canvas(w, h)
        hot.paint(shape * rrect_mask(w, h, box, 0), SLATE)
        frames.append(hot.keyed(SLATE))
    out = Image.new('RGB', (3 * w, h))
    for k, f in enumerate(frames):
        out.paste(f, (k * w, 0))
    return out


# --- pointing arrow ---------------------------------------------------------------------------

def pointing_arrow_picture(sk):
    a = sk['arrow']
    outline = max(2, round(a / 28))

    def frame(fill_top, fill_bottom):
        # An arrow pointing left, tip on the left edge, filling the frame.
        m = a / 2.0
        tip_x = outline + 0.5
        head = 0.46 * a
        half = 0.40 * a - outline
        shaft = 0.15 * a
        end = a - outline - 1.0
        pts = [(tip_x, m), (tip_x + head, m - half), (tip_x + head, m - shaft), (end, m - shaft),
               (end, m + shaft), (tip_x + head, m + shaft), (tip_x + head, m + half)]
        c = Canvas(a, a)
        ss = 4
        from PIL import ImageDraw
        big = Image.new('L', (a * ss, a * ss), 0)
        d = ImageDraw.Draw(big)
        path = [(x * ss, y * ss) for x, y in pts + pts[:1]]
        d.polygon(path[:-1], fill=255)
        d.line(path, fill=255, width=2 * outline * ss, joint='curve')
        for x, y in path:
            rr = outline * ss
            d.ellipse((x - rr, y - rr, x + rr, y + rr), fill=255)
        outer = np.asarray(big.reduce(ss), dtype=np.float32) / 255.0
        c.paint(outer, (255, 255, 255))
        inner = polygon_mask(a, a, pts)
        ys = np.linspace(0.0, 1.0, a, dtype=np.float32)[:, None, None]
        field = np.array(fill_top, np.float32) * (1 - ys) + np.array(fill_bottom, np.float32) * ys
        c.paint_field(inner, np.broadcast_to(field, (a, a, 3)))
        return c.to_rgba()

    phases = [frame(rgb('#42A5F5'), rgb('#1565C0')), frame(rgb('#FFCA28'), rgb('#F57C00'))]
    out = Image.new('RGB', (4 * a, 2 * a))
    for row, left in enumerate(phases):
        turned = [left, left.transpose(Image.Transpose.ROTATE_180),
                  left.transpose(Image.Transpose.ROTATE_270),
                  left.transpose(Image.Transpose.ROTATE_90)]
        for k, img in enumerate(turned):
            c = Canvas(a, a)
            c.paste(img, 0, 0)
            out.paste(c.keyed((255, 255, 255)), (k * a, row * a))
    return out


# --- strips with alpha ------------------------------------------------------------------------

def icon_strip(icons, size, hot=False):
    c = Canvas(size * len(icons), size)
    for k, icon in enumerate(icons):
        if icon is None:
            continue
        if hot:
            # The selected item's icon is drawn one pixel up and left of the normal one; a soft
            # shadow under it makes it look lifted.
            alpha = np.asarray(icon, dtype=np.float32)[..., 3] / 255.0
            shadow = np.zeros((size, size), dtype=np.float32)
            shadow[1:, 1:] = alpha[:-1, :-1]
            m = np.zeros((c.h, c.w), dtype=np.float32)
            m[:, k * size:(k + 1) * size] = shadow
            c.paint(m, NAVY, 0.28)
        c.paste(icon, k * size, 0)
    return c.to_rgba()


def button_frames():
    """"Button": five 24 x 24 frames in rows (normal, under the mouse, disabled, focused or
    default, pressed), drawn on the dialog colour; the painter cuts them into nine 8 x 8
    pieces, so corners are 8 pixels and edges run straight."""
    rows = [
        (rgb('#FDFDFE'), rgb('#C4CDD6'), 1),
        (rgb('#EEF5FD'), rgb('#7DB4EA'), 1),
        (rgb('#F4F6F8'), rgb('#DFE4E9'), 1),
        (rgb('#FDFDFE'), BLUE, 2),
        (rgb('#D6E8F9'), BLUE, 1),
    ]
    out = Image.new('RGB', (24, 120))
    for r, (fill, border, width) in enumerate(rows):
        c = Canvas(24, 24, WINDOW)
        c.paint(rrect_mask(24, 24, (0, 0, 24, 24), 4), fill)
        c.paint(rrect_ring(24, 24, (0, 0, 24, 24), 4, width), border)
        out.paste(c.flatten(WINDOW), (0, 24 * r))
    return out


# --- large pictures ---------------------------------------------------------------------------

def vertical_gradient(w, h, stops):
    """Field h x w x 3 from (position 0..1, colour) stops."""
    ys = np.linspace(0.0, 1.0, h, dtype=np.float32)
    pos = [p for p, _ in stops]
    chans = [np.interp(ys, pos, [c[i] for _, c in stops]) for i in range(3)]
    col = np.stack(chans, axis=1)[:, None, :]
    return np.broadcast_to(col, (h, w, 3)).astype(np.float32)


def radial_glow(w, h, cx, cy, radius):
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    d = np.sqrt((xx - cx) ** 2 + (yy - cy) ** 2) / radius
    return np.clip(1.0 - d, 0.0, 1.0) ** 2


def dither(img):
    """Breaks gradient banding with a fixed, tiny noise before 8-bit rounding."""
    rng = np.random.default_rng(7)
    return img + rng.uniform(-0.5, 0.5, img.shape[:2])[..., None]


def to_image(field):
    return Image.fromarray(np.clip(np.round(field), 0, 255).astype(np.uint8), 'RGB')


def background_picture(sk):
    w, h = sk['background']
    f = vertical_gradient(w, h, [(0.0, rgb('#EEF2F6')), (1.0, rgb('#DDE4EB'))])
    f = f + (np.array(rgb('#FFFFFF'), np.float32) - f) * (0.55 * radial_glow(w, h, w * 0.3,
                                                                             h * 0.25,
                                                                             w * 0.7))[..., None]
    f = f + (np.array(rgb('#C9DBEE'), np.float32) - f) * (0.35 * radial_glow(w, h, w * 0.9,
                                                                             h * 1.0,
                                                                             w * 0.55))[..., None]
    return to_image(dither(f))


def lens_ring(c, cx, cy, r, width, alpha):
    """The program logo's lens as a faint ring, a quiet mark of the brand on large pictures."""
    ring = np.clip(ellipse_mask(c.w, c.h, (cx - r, cy - r, cx + r, cy + r)) -
                   ellipse_mask(c.w, c.h, (cx - r + width, cy - r + width, cx + r - width,
                                           cy + r - width)), 0, 1)
    c.paint(ring, BLUE, alpha)


def intro_back_picture(sk):
    w, h = sk['intro']
    logo = sk['logo']
    f = vertical_gradient(w, h, [(0.0, rgb('#E6F0FB')), (min(0.9, 1.3 * logo / h),
                                                        rgb('#F9FBFD')), (1.0, rgb('#FBFCFD'))])
    f = f + (np.array(rgb('#DCEBFA'), np.float32) - f) * (0.6 * radial_glow(w, h, w * 1.02,
                                                                            h * 1.05,
                                                                            h * 0.75))[..., None]
    c = Canvas(w, h)
    c.paint_field(np.ones((h, w), np.float32), dither(f))
    bar = max(3, logo // 24)
    xs = np.linspace(0.0, 1.0, w, dtype=np.float32)[None, :, None]
    accent = np.array(BLUE, np.float32) * (1 - xs) + np.array(NAVY, np.float32) * xs
    m = np.zeros((h, w), np.float32)
    m[:bar] = 1.0
    c.paint_field(m, np.broadcast_to(accent, (h, w, 3)))
    lens_ring(c, w + 0.02 * h, h + 0.12 * h, 0.42 * h, max(6, h // 40), 0.06)
    m = np.zeros((h, w), np.float32)
    m[h - 1] = 1.0
    c.paint(m, rgb('#D3DCE5'))
    return c.flatten(WINDOW)


def intro_logo_picture(sk, source, logo_svg, back):
    """The program logo for the top-right corner of the intro window: 32 bits with alpha, its
    colours already laid over that corner of the background, so that it looks the same whether
    it is blended or copied."""
    s = sk['logo']
    margin = max(6, s // 8)
    mark = source.render_file(logo_svg, s - 2 * margin)
    w = back.size[0]
    corner = back.crop((w - s, 0, w, s))
    c = Canvas(s, s)
    c.paste(mark, margin, margin)
    alpha = c.px[..., 3].copy()
    under = Canvas(s, s)
    under.paste(corner.convert('RGBA'), 0, 0)
    under.paste(mark, margin, margin)
    rgb_ = np.asarray(under.flatten((255, 255, 255)), dtype=np.uint8)
    a = np.clip(np.round(alpha * 255), 0, 255).astype(np.uint8)
    return Image.fromarray(np.dstack([rgb_, a]), 'RGBA')


def configure_picture(source, logo_svg):
    w, h = CONFIGURE_SIZE
    f = vertical_gradient(w, h, [(0.0, rgb('#F8FAFD')), (1.0, rgb('#EEF3F8'))])
    f = f + (np.array(rgb('#D9E9F9'), np.float32) - f) * (0.7 * radial_glow(w, h, w * 0.98,
                                                                            h * 0.98,
                                                                            h * 0.7))[..., None]
    c = Canvas(w, h)
    c.paint_field(np.ones((h, w), np.float32), dither(f))
    xs = np.linspace(0.0, 1.0, w, dtype=np.float32)[None, :, None]
    accent = np.array(BLUE, np.float32) * (1 - xs) + np.array(NAVY, np.float32) * xs
    m = np.zeros((h, w), np.float32)
    m[:4] = 1.0
    c.paint_field(m, np.broadcast_to(accent, (h, w, 3)))
    # A faint lens ring in the lower right corner, away from the controls' text.
    lens_ring(c, w - 0.3 * h * 0.3, h - 0.3 * h * 0.3, 0.30 * h, 10, 0.07)
    return c.flatten(WINDOW)


def preview_picture(pictures, sk):
    """A small view of the Edit Mode in this skin, framed by magenta that the skin page turns
    into the window colour."""
    pw, ph = PREVIEW_SIZE
    mg = PREVIEW_MARGIN
    sw, sh = 1152, 768           # the screen the view shows, scaled down to the preview
    screen = pictures['Background'].resize((sw, sh), Image.Resampling.BICUBIC).convert('RGBA')
    c = Canvas(sw, sh)
    c.paste(screen, 0, 0)

    # A sample capture in the middle: a light window with a title bar and a few lines of text.
    cx0, cy0, cx1, cy1 = 300, 170, 852, 560
    c.paint(rrect_mask(sw, sh, (cx0 + 8, cy0 + 10, cx1 + 8, cy1 + 10), 10), (0, 0, 0), 0.10)
    c.paint(rrect_mask(sw, sh, (cx0, cy0, cx1, cy1), 8), (255, 255, 255))
    c.paint(rrect_mask(sw, sh, (cx0, cy0, cx1, cy0 + 56), 8, (True, True, False, False)), NAVY)
    for k, width in enumerate((420, 360, 470, 300, 390)):
        c.paint(rrect_mask(sw, sh, (cx0 + 40, cy0 + 100 + 50 * k, cx0 + 40 + width,
                                    cy0 + 118 + 50 * k), 9), rgb('#C9D3DD'))
    c.paint(rrect_ring(sw, sh, (cx0 + 200, cy0 + 150, cx0 + 500, cy0 + 260), 30, 6),
            rgb('#E53935'))

    def keyed_paste(img, x, y):
        a = np.asarray(img.convert('RGB'))
        alpha = ~((a[..., 0] == 255) & (a[..., 1] == 0) & (a[..., 2] == 255))
        rgba = np.dstack([a, (alpha * 255).astype(np.uint8)])
        c.paste(Image.fromarray(rgba, 'RGBA'), x, y)

    cell = sk['cell']
    tools = pictures['ButtonBarMouseTools'].crop((0, 0, cell, 15 * cell))
    keyed_paste(tools, 0, (sh - 15 * cell) // 2)
    image_bar = pictures['ButtonBarImage'].crop((0, 0, 16 * cell, cell))
    keyed_paste(image_bar, (sw - 16 * cell) // 2, 0)
    actions = pictures['ButtonBarActions'].crop((0, 0, cell, 8 * cell))
    keyed_paste(actions, sw - cell, (sh - 8 * cell) // 2)
    s = sk['scroll']
    keyed_paste(pictures['ScrollButton'].crop((0, 0, s, s)), sw - s, sh - s)
    pw_, ph_ = sk['prevnext']
    keyed_paste(pictures['PrevNextButton'].crop((0, 0, pw_, ph_)), 0, sh - ph_)

    view = c.flatten(WINDOW).resize((pw - 2 * mg, ph - 2 * mg), Image.Resampling.LANCZOS)
    vc = Canvas(view.size[0], view.size[1])
    vc.paste(view.convert('RGBA'), 0, 0)
    vc.paint(rrect_ring(view.size[0], view.size[1], (0, 0) + view.size, 0, 1), PANEL_BORDER)
    out = Image.new('RGB', PREVIEW_SIZE, KEY)
    out.paste(vc.flatten(WINDOW), (mg, mg))
    key = np.ones((ph, pw), dtype=bool)
    key[mg:ph - mg, mg:pw - mg] = False
    arr = np.asarray(out).copy()
    unkey_colours(arr, ~key)
    return Image.fromarray(arr, 'RGB'), key


def corner_colour(img, corner, size):
    w, h = img.size
    box = {'bottom-left': (0, h - size, size, h), 'bottom-right': (w - size, h - size, w, h)}
    a = np.asarray(img.crop(box[corner]), dtype=np.float32)
    return tuple(int(round(v)) for v in a.reshape(-1, 3).mean(axis=0))


# --- INI --------------------------------------------------------------------------------------

def ini_text(skin_name, sk):
    x, y, lh = sk['text']
    lines = ['; Skin "%s" of Zentrova Clarivue 2.' % skin_name, '[Skin]',
             'Name=%s' % sk['name'], 'Author=%s' % AUTHOR]
    for key, value in COLOURS.items():
        lines.append('%s=%02X%02X%02X' % ((key,) + tuple(value)))
    numbers = [
        ('cxPlayerButton', sk['cell']), ('cyPlayerButton', sk['cell']),
        ('cxPlayerImage', sk['icon']), ('cyPlayerImage', sk['icon']),
        ('IntroWindowTextPosX', x), ('IntroWindowTextPosY', y),
        ('IntroWindowTextLineHeight', lh),
        ('IntroWindowTextH1Weight', 700), ('IntroWindowTextH2Weight', 700),
        ('IntroWindowTextH3Weight', 600),
        ('IntroWindowTextH1Italic', 0), ('IntroWindowTextH2Italic', 0),
        ('IntroWindowTextH3Italic', 1),
        ('IntroWindowTextH1Underline', 0), ('IntroWindowTextH2Underline', 0),
        ('IntroWindowTextH3Underline', 0),
    ]
    for key, value in numbers:
        lines.append('%s=%d' % (key, value))
    return '\r\n'.join(lines) + '\r\n'


# --- main -------------------------------------------------------------------------------------

def make_skin(skin_name, icon_dir, out_dir, rsvg):
    sk = SKINS[skin_name]
    source = IconSource(icon_dir, rsvg)
    logo_svg = os.path.join(icon_dir, 'app-logo.svg')
    p = {}
    p['Button'] = button_frames()
    p['ButtonIcons'] = icon_strip(bar_icons(source, 'ButtonIcons', 19, BUTTON_ICON_SIZE),
                                  BUTTON_ICON_SIZE)
    cap = bar_icons(source, CAPTURE_BAR[0], CAPTURE_BAR[1], sk['icon'])
    for edge in ('top', 'left', 'right', 'bottom'):
        p['ButtonBarCapture' + edge.capitalize()] = bar_picture(
            sk, cap, edge, CAPTURE_BAR[1], CAPTURE_BAR[2], False)
    for name, bar, edge, columns in (('ButtonBarMouseTools', MOUSE_TOOLS_BAR, 'left', True),
                                     ('ButtonBarImage', IMAGE_BAR, 'top', False),
                                     ('ButtonBarActions', ACTIONS_BAR, 'right', True)):
        p[name] = bar_picture(sk, bar_icons(source, bar[0], bar[1], sk['icon']), edge, bar[1],
                              bar[2], columns)
    p['ButtonBarChooseColor'] = colour_bar_picture(sk)
    p['Background'] = background_picture(sk)
    p['ScrollButton'] = scroll_button_picture(
        sk, corner_colour(p['Background'], 'bottom-right', sk['scroll']))
    p['PrevNextButton'] = prev_next_picture(
        sk, corner_colour(p['Background'], 'bottom-left', sk['prevnext'][1]))
    menu = bar_icons(source, 'Menu', 37, MENU_ICON_SIZE)
    p['MenuCold'] = icon_strip(menu, MENU_ICON_SIZE)
    p['MenuHot'] = icon_strip(menu, MENU_ICON_SIZE, hot=True)
    p['PointingArrow'] = pointing_arrow_picture(sk)
    p['IntroWndBack'] = intro_back_picture(sk)
    p['IntroWndLogo'] = intro_logo_picture(sk, source, logo_svg, p['IntroWndBack'])
    p['Configure'] = configure_picture(source, logo_svg)
    preview, preview_key = preview_picture(p, sk)

    os.makedirs(out_dir, exist_ok=True)
    for name, img in p.items():
        path = os.path.join(out_dir, skin_name + name)
        if name in ('IntroWndBack', 'Background', 'Configure'):
            save_jpeg(img, path + '.jpg')
        else:
            save_png(img, path + '.png')
    save_jpeg(preview, os.path.join(out_dir, skin_name + 'Preview.jpg'), preview_key, 95)
    with open(os.path.join(out_dir, skin_name + '.ini'), 'w', newline='', encoding='ascii') as f:
        f.write(ini_text(skin_name, sk))
    if source.missing:
        print('make_skin.py: %s: placeholder for %d icon(s) not drawn yet: %s'
              % (skin_name, len(source.missing), ', '.join(sorted(source.missing))))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--skin', required=True, choices=sorted(SKINS))
    ap.add_argument('--icons', required=True, help='folder with INDEX.md and the SVG icons')
    ap.add_argument('--out', required=True, help='the Skins folder beside the program')
    ap.add_argument('--rsvg', default='rsvg-convert')
    args = ap.parse_args()
    make_skin(args.skin, args.icons, args.out, args.rsvg)


if __name__ == '__main__':
    main()
