"""Drawing helpers for the skin pictures: anti-aliased shapes, SVG icons, colour keying, writers.

Every picture is composed on a Canvas (premultiplied RGBA in floats 0..1) and then either kept
with its alpha channel, flattened onto a known background colour, or keyed: pixels that are mostly
transparent become the key colour magenta 0xFF00FF and all others become fully opaque, composited
over the colour they will really be shown on, so that no soft edge mixes with the key.
"""

import os
import re
import subprocess
import io

import numpy as np
from PIL import Image, ImageDraw

KEY = (255, 0, 255)
SUPERSAMPLE = 4


def rgb(hex_text):
    """'#1E88E5' or '1E88E5' -> (30, 136, 229)."""
    h = hex_text.lstrip('#')
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


# --- coverage masks (float arrays h x w, 0..1) ---------------------------------------------------

def _mask_from_drawing(w, h, draw_fn):
    ss = SUPERSAMPLE
    big = Image.new('L', (w * ss, h * ss), 0)
    draw_fn(ImageDraw.Draw(big), ss)
    small = big.reduce(ss)
    return np.asarray(small, dtype=np.float32) / 255.0


def rrect_mask(w, h, box, radius, corners=(True, True, True, True)):
    """Rounded rectangle covering box = (x0, y0, x1, y1) in pixel edges (x1, y1 exclusive).
    corners = (top-left, top-right, bottom-right, bottom-left): False gives a square corner."""
    x0, y0, x1, y1 = box

    def fn(d, ss):
        bx = (x0 * ss, y0 * ss, x1 * ss - 1, y1 * ss - 1)
        r = radius * ss
        if r <= 0:
            d.rectangle(bx, fill=255)
            return
        d.rounded_rectangle(bx, r, fill=255)
        sq = [(bx[0], bx[1], bx[0] + r, bx[1] + r), (bx[2] - r, bx[1], bx[2], bx[1] + r),
              (bx[2] - r, bx[3] - r, bx[2], bx[3]), (bx[0], bx[3] - r, bx[0] + r, bx[3])]
        for keep_round, s in zip(corners, sq):
            if not keep_round:
                d.rectangle(s, fill=255)

    return _mask_from_drawing(w, h, fn)


def rrect_ring(w, h, box, radius, width, corners=(True, True, True, True), sides=None):
    """Outline of a rounded rectangle, width pixels thick, inside box. sides = (top, right,
    bottom, left) limits the outline to those sides (the others run out of the box)."""
    outer = rrect_mask(w, h, box, radius, corners)
    x0, y0, x1, y1 = box
    t, r, b, l = sides if sides else (True, True, True, True)
    inner_box = (x0 + (width if l else -width - radius), y0 + (width if t else -width - radius),
                 x1 - (width if r else -width - radius), y1 - (width if b else -width - radius))
    inner = rrect_mask(w, h, inner_box, max(0, radius - width), corners)
    return np.clip(outer - inner, 0.0, 1.0)


def ellipse_mask(w, h, box):
    x0, y0, x1, y1 = box
    return _mask_from_drawing(
        w, h, lambda d, ss: d.ellipse((x0 * ss, y0 * ss, x1 * ss - 1, y1 * ss - 1), fill=255))


def polygon_mask(w, h, points):
    return _mask_from_drawing(
        w, h, lambda d, ss: d.polygon([(x * ss, y * ss) for x, y in points], fill=255))


def line_mask(w, h, p0, p1, width):
    """A straight stroke with round caps."""
    def fn(d, ss):
        a = (p0[0] * ss, p0[1] * ss)
        b = (p1[0] * ss, p1[1] * ss)
        d.line([a, b], fill=255, width=int(round(width * ss)))
        r = width * ss / 2.0
        for c in (a, b):
            d.ellipse((c[0] - r, c[1] - r, c[0] + r, c[1] + r), fill=255)
    return _mask_from_drawing(w, h, fn)


def _bounds(mask):
    """(y0, y1, x0, x1) of the non-zero part of a mask, or None."""
    rows = np.flatnonzero(mask.any(axis=1))
    if rows.size == 0:
        return None
    cols = np.flatnonzero(mask.any(axis=0))
    return rows[0], rows[-1] + 1, cols[0], cols[-1] + 1


# --- canvas -----------------------------------------------------------------------------------

class Canvas:
    """Premultiplied RGBA picture in floats."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.px = np.zeros((h, w, 4), dtype=np.float32)
        if fill is not None:
            self.px[..., :3] = np.array(fill, dtype=np.float32) / 255.0
            self.px[..., 3] = 1.0

    def paint(self, mask, colour, alpha=1.0):
        """Lays colour over the canvas through a coverage mask (array h x w or scalar)."""
        a = np.broadcast_to(np.asarray(mask, dtype=np.float32) * alpha, (self.h, self.w))
        box = _bounds(a)
        if box is None:
            return
        y0, y1, x0, x1 = box
        a = a[y0:y1, x0:x1]
        d = self.px[y0:y1, x0:x1]
        c = np.array(colour, dtype=np.float32) / 255.0
        d[..., :3] = c * a[..., None] + d[..., :3] * (1.0 - a[..., None])
        d[..., 3] = a + d[..., 3] * (1.0 - a)

    def paint_field(self, mask, colours):
        """Like paint, with a colour per pixel (array h x w x 3 in 0..255)."""
        a = np.asarray(mask, dtype=np.float32)
        a = np.broadcast_to(a, (self.h, self.w))
        c = np.asarray(colours, dtype=np.float32) / 255.0
        self.px[..., :3] = c * a[..., None] + self.px[..., :3] * (1.0 - a[..., None])
        self.px[..., 3] = a + self.px[..., 3] * (1.0 - a)

    def paste(self, image, x, y, opacity=1.0):
        """Lays a PIL RGBA picture (straight alpha) over the canvas at (x, y), clipped."""
        src = np.asarray(image.convert('RGBA'), dtype=np.float32) / 255.0
        sh, sw = src.shape[:2]
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.w, x + sw), min(self.h, y + sh)
        if x0 >= x1 or y0 >= y1:
            return
        s = src[y0 - y:y1 - y, x0 - x:x1 - x]
        a = s[..., 3:4] * opacity
        d = self.px[y0:y1, x0:x1]
        d[..., :3] = s[..., :3] * a + d[..., :3] * (1.0 - a)
        d[..., 3:4] = a + d[..., 3:4] * (1.0 - a)

    def paste_canvas(self, other, x, y):
        img = other.to_rgba()
        self.paste(img, x, y)

    def crop(self, box):
        x0, y0, x1, y1 = box
        c = Canvas(x1 - x0, y1 - y0)
        c.px = self.px[y0:y1, x0:x1].copy()
        return c

    def to_rgba(self):
        """Straight-alpha PIL RGBA; fully transparent pixels are black."""
        a = self.px[..., 3:4]
        safe = np.where(a > 0, a, 1.0)
        rgb_ = np.where(a > 0, self.px[..., :3] / safe, 0.0)
        out = np.concatenate([rgb_, a], axis=2)
        return Image.fromarray(np.clip(np.round(out * 255.0), 0, 255).astype(np.uint8), 'RGBA')

    def flatten(self, under):
        """Opaque RGB picture: the canvas over a solid colour."""
        u = np.array(under, dtype=np.float32) / 255.0
        out = self.px[..., :3] + u * (1.0 - self.px[..., 3:4])
        return Image.fromarray(np.clip(np.round(out * 255.0), 0, 255).astype(np.uint8), 'RGB')

    def keyed(self, under, threshold=0.5):
        """Opaque RGB picture with magenta where the canvas is mostly transparent; the other
        pixels are composited over `under` (the colour really behind them on screen)."""
        img = np.asarray(self.flatten(under)).copy()
        transparent = self.px[..., 3] < threshold
        unkey_colours(img, ~transparent)
        img[transparent] = KEY
        return Image.fromarray(img, 'RGB')


def unkey_colours(img, where):
    """Moves pixels that happen to be exactly magenta (inside `where`) one step off the key."""
    is_key = (img[..., 0] == 255) & (img[..., 1] == 0) & (img[..., 2] == 255) & where
    img[is_key, 2] = 254


# --- icons ------------------------------------------------------------------------------------

class IconSource:
    """Reads data/icons/INDEX.md and renders the SVG files named there with rsvg-convert.
    Files that are not there yet are replaced by a neutral placeholder drawn here."""

    ACCENTS = {
        'capture': '#1E88E5', 'draw': '#00897B', 'image': '#7E57C2', 'output': '#F57C00',
        'stop': '#E53935', 'info': '#546E7A',
    }

    def __init__(self, icon_dir, rsvg='rsvg-convert'):
        self.dir = icon_dir
        self.rsvg = rsvg
        self.cache = {}
        self.strips = self._read_index(os.path.join(icon_dir, 'INDEX.md'))
        self.missing = set()

    @staticmethod
    def _read_index(path):
        strips = {}
        if not os.path.exists(path):
            return strips
        current = None
        with open(path, encoding='utf-8') as f:
            for line in f:
                m = re.match(r'^#+\s*Strip\s+"([^"]+)"', line)
                if m:
                    current = strips.setdefault(m.group(1), [])
                    continue
                if line.startswith('#'):
                    current = None
                    continue
                if current is None:
                    continue
                cells = [c.strip() for c in line.strip().strip('|').split('|')]
                if len(cells) < 2 or not cells[0].isdigit():
                    continue
                f_m = re.search(r'`([^`]+\.svg)`', cells[1])
                accent = cells[3].split()[0].lower() if len(cells) > 3 and cells[3] else 'info'
                entry = (f_m.group(1) if f_m else None, accent)
                index = int(cells[0])
                while len(current) <= index:
                    current.append((None, 'info'))
                current[index] = entry
        return strips

    def strip(self, name, count):
        """The (file, accent) entries of a strip, padded with placeholders to count."""
        entries = list(self.strips.get(name, []))[:count]
        while len(entries) < count:
            entries.append(('', 'info'))
        return entries

    def render(self, entry, size):
        """PIL RGBA size x size picture of the icon; None for an intentionally empty slot."""
        name, accent = entry
        if name is None:
            return None
        key = (name, size)
        if key not in self.cache:
            self.prepare([entry], size)
        return self.cache[key]

    def prepare(self, entries, size):
        """Renders every entry not rendered yet at one size with a single call of rsvg-convert:
        the icons are laid side by side into one SVG at whole-pixel offsets, so each comes out
        exactly as it would alone."""
        todo = []
        for name, accent in entries:
            if name is None or (name, size) in self.cache or name in [t[0] for t in todo]:
                continue
            path = os.path.join(self.dir, name) if name else ''
            if name and os.path.exists(path):
                todo.append((name, path))
            else:
                self.missing.add(name or '(unnamed)')
                self.cache[(name, size)] = self._placeholder(
                    size, self.ACCENTS.get(accent, '#546E7A'))
        if not todo:
            return
        parts = []
        for k, (name, path) in enumerate(todo):
            parts.append(_nested_svg(path, 'i%d-' % k, k * size, 0, size))
        sheet = ('<svg xmlns="http://www.w3.org/2000/svg" '
                 'xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d">%s</svg>'
                 % (size * len(todo), size, ''.join(parts)))
        png = subprocess.run([self.rsvg], input=sheet.encode('utf-8'), check=True,
                             stdout=subprocess.PIPE).stdout
        img = Image.open(io.BytesIO(png)).convert('RGBA')
        if img.size != (size * len(todo), size):
            raise RuntimeError('icon sheet rendered at %s' % (img.size,))
        for k, (name, _) in enumerate(todo):
            self.cache[(name, size)] = img.crop((k * size, 0, (k + 1) * size, size))

    def render_file(self, path, size):
        key = (path, size)
        if key not in self.cache:
            if os.path.exists(path):
                png = subprocess.run([self.rsvg, '-w', str(size), '-h', str(size), path],
                                     check=True, stdout=subprocess.PIPE).stdout
                self.cache[key] = Image.open(io.BytesIO(png)).convert('RGBA')
            else:
                self.missing.add(os.path.basename(path))
                self.cache[key] = self._placeholder(size, '#1E88E5')
        return self.cache[key]

    @staticmethod
    def _placeholder(size, accent):
        c = Canvas(size, size)
        u = size / 24.0
        c.paint(rrect_ring(size, size, (round(3 * u), round(3 * u), size - round(3 * u),
                                        size - round(3 * u)), 3 * u, max(1, round(2 * u))),
                rgb('#2B3A4A'))
        c.paint(ellipse_mask(size, size, (8 * u, 8 * u, 16 * u, 16 * u)), rgb(accent))
        return c.to_rgba()


def _nested_svg(path, prefix, x, y, size):
    """The SVG file as an element placed at (x, y) with size x size pixels; its ids get a prefix
    so that several files can share one document."""
    with open(path, encoding='utf-8') as f:
        text = f.read()
    text = re.sub(r'<\?xml[^>]*\?>', '', text)
    text = re.sub(r'<!--.*?-->', '', text, flags=re.S)
    m = re.search(r'<svg\b([^>]*)>', text)
    if not m:
        raise RuntimeError('%s: no svg element' % path)
    attrs = dict(re.findall(r'([\w:-]+)="([^"]*)"', m.group(1)))
    view_box = attrs.get('viewBox', '0 0 24 24')
    # Presentation attributes of the root (fill, stroke width...) are inherited by the content.
    kept = ''.join(' %s="%s"' % (k, v) for k, v in attrs.items()
                   if k not in ('xmlns', 'xmlns:xlink', 'width', 'height', 'x', 'y', 'viewBox',
                                'id', 'version'))
    body = text[m.end():text.rindex('</svg>')]
    body = re.sub(r'\bid="([^"]+)"', lambda g: 'id="%s%s"' % (prefix, g.group(1)), body)
    body = re.sub(r'url\(#([^)]+)\)', lambda g: 'url(#%s%s)' % (prefix, g.group(1)), body)
    body = re.sub(r'href="#([^"]+)"', lambda g: 'href="#%s%s"' % (prefix, g.group(1)), body)
    return ('<svg x="%d" y="%d" width="%d" height="%d" viewBox="%s"%s>%s</svg>'
            % (x, y, size, size, view_box, kept, body))


# --- writers ----------------------------------------------------------------------------------

def save_png(image, path):
    image.save(path, 'PNG', optimize=True)


def save_jpeg(image, path, key_mask=None, quality=92):
    """Writes a colour JPEG without chroma subsampling. Pixels in key_mask are stored with a
    YCbCr value that every decoder brings back as exactly magenta: its red and blue lie above 255
    and its green below 0 before clamping, so rounding and small coding errors cannot move it."""
    ycc = np.asarray(image.convert('RGB').convert('YCbCr')).copy()
    if key_mask is not None:
        ycc[key_mask] = (110, 222, 242)
    Image.fromarray(ycc, 'YCbCr').save(path, 'JPEG', quality=quality, subsampling=0,
                                       optimize=True)
