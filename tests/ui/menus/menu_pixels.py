#!/usr/bin/env python3
"""Reads back the pixels of an open skinned menu from a screenshot.

menu_pixels.py SHOT LOG SKINS SKIN HOVERED GRAYED CHECKED RTL SHORTCUTS

LOG holds the demo's "item POS ID LEFT TOP RIGHT BOTTOM" lines (screen rectangles). HOVERED is
the command under the mouse, GRAYED whether "Start Edit Mode" (40151) is grayed, CHECKED whether
"Show CaptureBar" (40152) carries its check mark, RTL whether the language is right to left,
SHORTCUTS whether the capture items carry a tab and a shortcut.
Expected colours come from the skin's INI file and its "MenuHot"/"MenuCold" PNG strips (straight
alpha, premultiplied here as the skin does). Prints one line per check: NAME|EXPECTED|ACTUAL.
"""
import subprocess
import sys


def raw(path, fmt):
    w, h = map(int, subprocess.check_output(
        ['identify', '-format', '%w %h', path]).split())
    data = subprocess.check_output(['convert', path, '-depth', '8', fmt + ':-'])
    return w, h, data


class Picture:
    def __init__(self, path, fmt='rgb'):
        self.n = len(fmt)
        self.w, self.h, self.data = raw(path, fmt)

    def at(self, x, y):
        i = (y * self.w + x) * self.n
        return tuple(self.data[i:i + self.n])


def ini_colours(path):
    colours = {}
    for line in open(path, encoding='utf-8', errors='replace'):
        if '=' in line:
            key, value = (s.strip() for s in line.split('=', 1))
            if key.startswith('Menu') and key.endswith('Color') and len(value) == 6:
                colours[key] = tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))
    return colours


def hexc(c):
    return '%02X%02X%02X' % tuple(c[:3])


def rnd(v):
    return (v + 127) // 255


def blend(src, dst, constant):
    """A premultiplied-by-truncation strip pixel (straight RGBA in) over dst."""
    r, g, b, a = src
    pre = [c * a // 255 for c in (r, g, b)]
    a2 = rnd(a * constant)
    return tuple(rnd(c * constant) + rnd(d * (255 - a2)) for c, d in zip(pre, dst))


def main():
    shot, log, skins, skin = sys.argv[1:5]
    hovered, grayed, checked, rtl, shortcuts = (int(v) for v in sys.argv[5:10])
    screen = Picture(shot)
    colours = ini_colours('%s/%s.ini' % (skins, skin))
    hot = Picture('%s/%sMenuHot.png' % (skins, skin), 'rgba')
    cold = Picture('%s/%sMenuCold.png' % (skins, skin), 'rgba')
    border = colours['MenuBorderColor']
    left = colours['MenuGradientLeftColor']
    right = colours['MenuGradientRightColor']
    selected = colours['MenuSelectedColor']
    items = {}
    for line in open(log):
        f = line.split()
        if len(f) == 7 and f[0] == 'item':
            items.setdefault(int(f[2]), []).append(tuple(map(int, f[3:7])))

    def out(name, expected, actual):
        print('%s|%s|%s' % (name, expected, actual))

    def gradient(rect, x):
        width = rect[2] - rect[0] - 26
        i = x - rect[0] - 26
        return tuple(l + (r - l) * i // width if r >= l else l - ((l - r) * i // width)
                     for l, r in zip(left, right))

    def icon_mismatches(strip, index, x0, y0, constant):
        return sum(screen.at(x0 + px, y0 + py) != blend(strip.at(index * 16 + px, py), left, constant)
                   for py in range(16) for px in range(16))

    def text_span(command):
        """Leftmost and rightmost columns right of the icon column that differ from the item's
        gradient in its middle rows."""
        L, T, R, B = rect = items[command][0]
        xs = [x for x in range(L + 27, R - 1) for y in range(T + 3, B - 3)
              if screen.at(x, y) != gradient(rect, x)]
        return (min(xs) - L, R - max(xs)) if xs else (-1, -1)

    icons = {40128: 25, 40127: 26, 40107: 24, 40108: 27, 40155: 36, 40109: 28, 40006: 16,
             40151: 29, 40118: 12, 40106: 17}
    # The hovered item.
    L, T, R, B = rect = items[hovered][0]
    h = B - T
    is_grayed = grayed and hovered == 40151
    out('hovered: frame top left', hexc(border), hexc(screen.at(L + 28, T + 1)))
    out('hovered: frame bottom right', hexc(border), hexc(screen.at(R - 2, B - 2)))
    out('hovered: frame bottom left', hexc(border), hexc(screen.at(L + 28, B - 2)))
    out('hovered: gradient right of frame', hexc(gradient(rect, R - 1)),
        hexc(screen.at(R - 1, T + h // 2)))
    out('hovered: fill' if not is_grayed else 'hovered grayed: no fill',
        hexc(selected if not is_grayed else gradient(rect, L + 29)), hexc(screen.at(L + 29, T + 2)))
    out('hovered: icon column line', hexc(border), hexc(screen.at(L + 25, T + 1)))
    out('hovered: icon column', hexc(left), hexc(screen.at(L + 1, B - 1)))
    if hovered in icons:
        if is_grayed:
            out('hovered grayed: cold icon at half alpha, pixels off', 0,
                icon_mismatches(cold, icons[hovered], L + 4, T + h // 2 - 7, 127))
        else:
            out('hovered: hot icon, pixels off', 0,
                icon_mismatches(hot, icons[hovered], L + 3, T + h // 2 - 8, 255))

    # Items at rest: the gradient and their cold icons.
    for command, icon in icons.items():
        if command == hovered or command not in items:
            continue
        L, T, R, B = rect = items[command][0]
        h = B - T
        constant = 127 if (grayed and command == 40151) else 255
        out('%d: gradient' % command, hexc(gradient(rect, L + 29)), hexc(screen.at(L + 29, T + 2)))
        out('%d: cold icon, pixels off' % command, 0,
            icon_mismatches(cold, icon, L + 4, T + h // 2 - 7, constant))
    L, T, R, B = rect = items[40152][0]
    h = B - T
    out('40152: icon %d for the check mark, pixels off' % (23 if checked else 22), 0,
        icon_mismatches(cold, 23 if checked else 22, L + 4, T + h // 2 - 7, 255))
    out('40152: the other icon differs', 'yes',
        'yes' if icon_mismatches(cold, 22 if checked else 23, L + 4, T + h // 2 - 7, 255) else 'no')

    # Separators: one line at top + 4.
    L, T, R, B = rect = items[0][0]
    out('separator: line', hexc(border), hexc(screen.at(L + 28, T + 4)))
    out('separator: below the line', hexc(gradient(rect, L + 28)), hexc(screen.at(L + 28, T + 5)))

    # Text sides: an item with a shortcut and one without.
    if shortcuts:
        first, last = text_span(40107 if hovered != 40107 else 40109)
        out('shortcut item: text starts at the indent', 'yes',
            'yes' if 32 <= first <= 34 else 'no (%d)' % first)
        out('shortcut item: text ends 4 pixels in (the shortcut right-aligned)' if not rtl else
            'shortcut item: text ends 8 pixels in (the label right-aligned)', 'yes',
            'yes' if (4 if not rtl else 8) <= last <= (7 if not rtl else 11) else 'no (%d)' % last)
    first, last = text_span(40006 if hovered != 40006 else 40151)
    if rtl:
        out('rtl: label without shortcut ends 14 pixels in', 'yes',
            'yes' if 14 <= last <= 17 else 'no (%d)' % last)
        out('rtl: label without shortcut does not start at the indent', 'yes',
            'yes' if first > 40 else 'no (%d)' % first)
    else:
        out('ltr: label starts at the indent', 'yes',
            'yes' if 32 <= first <= 34 else 'no (%d)' % first)


main()
