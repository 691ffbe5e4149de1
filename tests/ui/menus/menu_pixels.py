#!/usr/bin/env python3
# menu_pixels.py SHOT LOG SKINS SKIN HOVERED GRAYED CHECKED RTL: an open skinned menu read back
# against the skin's INI colours and MenuHot/MenuCold strips; prints NAME|EXPECTED|ACTUAL lines.
import subprocess
import sys


class Picture:
    def __init__(self, path, fmt='rgb'):
        self.n = len(fmt)
        self.w = int(subprocess.check_output(['identify', '-format', '%w', path]))
        self.data = subprocess.check_output(['convert', path, '-depth', '8', fmt + ':-'])

    def at(self, x, y):
        i = (y * self.w + x) * self.n
        return tuple(self.data[i:i + self.n])


shot, log, skins, skin = sys.argv[1:5]
hovered, grayed, checked, rtl = (int(v) for v in sys.argv[5:9])
screen = Picture(shot)
hot = Picture('%s/%sMenuHot.png' % (skins, skin), 'rgba')
cold = Picture('%s/%sMenuCold.png' % (skins, skin), 'rgba')
ini = dict((s.strip() for s in line.split('=', 1)) for line in open(
    '%s/%s.ini' % (skins, skin), encoding='utf-8', errors='replace') if '=' in line)
border, left, right, selected = (tuple(int(ini[k][i:i + 2], 16) for i in (0, 2, 4)) for k in (
    'MenuBorderColor', 'MenuGradientLeftColor', 'MenuGradientRightColor', 'MenuSelectedColor'))
items = {}
for f in (line.split() for line in open(log)):
    if len(f) == 7 and f[0] == 'item':
        items.setdefault(int(f[2]), tuple(map(int, f[3:7])))


def out(name, expected, actual):
    print('%s|%s|%s' % (name, expected, actual))


def hexc(c):
    return '%02X%02X%02X' % tuple(c[:3])


def gradient(rect, x):
    width, i = rect[2] - rect[0] - 26, x - rect[0] - 26
    return tuple(a + (b - a) * i // width if b >= a else a - (a - b) * i // width
                 for a, b in zip(left, right))


def icon_off(strip, index, rect, constant):
    """Pixels of the item's icon unlike the strip's icon (premultiplied by truncation) blended over
    the icon column at a constant alpha, with rounding."""
    x0, y0 = rect[0] + 4 - (strip is hot), (rect[1] + rect[3]) // 2 - 7 - (strip is hot)
    off = 0
    for px, py in ((px, py) for py in range(16) for px in range(16)):
        *rgb, a = strip.at(index * 16 + px, py)
        a2 = (a * constant + 127) // 255
        want = tuple((c * a // 255 * constant + 127) // 255 + (d * (255 - a2) + 127) // 255
                     for c, d in zip(rgb, left))
        off += screen.at(x0 + px, y0 + py) != want
    return off


icons = {40128: 25, 40127: 26, 40107: 24, 40108: 27, 40155: 36, 40109: 28, 40006: 16,
         40151: 29, 40118: 12, 40106: 17}
L, T, R, B = rect = items[hovered]
is_grayed = grayed and hovered == 40151
out('hovered: frame', hexc(border), hexc(screen.at(R - 2, B - 2)))
out('hovered: fill' if not is_grayed else 'hovered grayed: no fill',
    hexc(selected if not is_grayed else gradient(rect, L + 29)), hexc(screen.at(L + 29, T + 2)))
out('hovered: %s icon, pixels off' % ('cold half alpha' if is_grayed else 'hot'), 0,
    icon_off(cold if is_grayed else hot, icons[hovered], rect, 127 if is_grayed else 255))
for command, icon in icons.items():
    if command != hovered:
        out('%d: cold icon, pixels off' % command, 0,
            icon_off(cold, icon, items[command], 127 if grayed and command == 40151 else 255))
out('40152: check mark icon, pixels off', 0, icon_off(cold, 23 if checked else 22, items[40152], 255))
L, T, R, B = rect = items[0]
out('separator: line', hexc(border), hexc(screen.at(L + 28, T + 4)))

# The side of a label without shortcut: from the indent, or right-aligned 14 pixels in.
L, T, R, B = rect = items[40006 if hovered != 40006 else 40151]
xs = [x for x in range(L + 27, R - 1) for y in range(T + 3, B - 3)
      if screen.at(x, y) != gradient(rect, x)]
if rtl:
    out('rtl: label ends 14 pixels in', 'yes', 'yes' if xs and 14 <= R - max(xs) <= 17 else 'no')
else:
    out('ltr: label starts at the indent', 'yes', 'yes' if xs and 32 <= min(xs) - L <= 34 else 'no')
