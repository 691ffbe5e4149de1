#!/usr/bin/python3
"""Lays every picture of the program's data folders out on one sheet, at 1:1 and at 2x (tiny
ones also at 4x), each with its file name, size and depth, so that the artwork can be checked
by eye.

    contact_sheet.py --program-dir build/programdata --out build/contact-sheet.png

Skins come first (one section per skin, in the order Default, Small, Tiny, then any other),
then the Masks, Mouse and Flags folders when they exist. Pictures with alpha are shown over a
checkerboard; magenta key pixels are shown as they are. Pictures wider than --max-2x pixels are
shown at 1:1 only. Besides the whole sheet, one sheet per section is written next to it
(contact-sheet-Default.png, ...), which is easier to look at.
"""

import argparse
import os

from PIL import Image, ImageDraw, ImageFont

SHEET_WIDTH = 1800
PAD = 12
BACK = (236, 239, 243)
INK = (31, 42, 54)
MUTED = (96, 110, 124)
SKIN_ORDER = ('Default', 'Small', 'Tiny')


def font(size, bold=False):
    name = 'DejaVuSans-Bold.ttf' if bold else 'DejaVuSans.ttf'
    for folder in ('/usr/share/fonts/truetype/dejavu',):
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def checker(size, cell=8):
    w, h = size
    img = Image.new('RGB', size, (255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(214, 218, 224))
    return img


def shown(img):
    """RGB picture as it should be looked at: alpha over a checkerboard."""
    if img.mode in ('RGBA', 'LA', 'PA') or (img.mode == 'P' and 'transparency' in img.info):
        rgba = img.convert('RGBA')
        base = checker(rgba.size)
        base.paste(rgba, (0, 0), rgba)
        return base
    return img.convert('RGB')


def describe(path, img):
    depth = {'RGBA': '32-bit', 'RGB': '24-bit', 'L': '8-bit grey', 'P': '8-bit palette',
             '1': '1-bit'}.get(img.mode, img.mode)
    return '%s  %d x %d  %s' % (os.path.basename(path), img.size[0], img.size[1], depth)


def tile(path, max_2x, label_font):
    img = Image.open(path)
    img.load()
    view = shown(img)
    w, h = view.size
    pics = [view]
    if w <= max_2x and h <= max_2x:
        pics.append(view.resize((2 * w, 2 * h), Image.Resampling.NEAREST))
    if w <= 32 and h <= 32:
        # Flags and single icons: also at 4x, to see every pixel.
        pics.append(view.resize((4 * w, 4 * h), Image.Resampling.NEAREST))
    text = describe(path, img)
    tw = int(label_font.getlength(text)) + 4
    width = max(tw, sum(p.size[0] for p in pics) + PAD * (len(pics) - 1))
    height = 18 + max(p.size[1] for p in pics)
    t = Image.new('RGB', (width, height), BACK)
    d = ImageDraw.Draw(t)
    d.text((0, 0), text, fill=INK, font=label_font)
    x = 0
    for p in pics:
        t.paste(p, (x, 18))
        d.rectangle((x - 1, 17, x + p.size[0], 18 + p.size[1]), outline=(170, 180, 190))
        t.paste(p, (x, 18))
        x += p.size[0] + PAD
    return t


def section(title, paths, max_2x):
    label_font = font(12)
    tiles = [tile(p, max_2x, label_font) for p in paths]
    rows, row, row_w = [], [], 0
    for t in tiles:
        if row and row_w + t.size[0] > SHEET_WIDTH - 2 * PAD:
            rows.append(row)
            row, row_w = [], 0
        row.append(t)
        row_w += t.size[0] + 2 * PAD
    if row:
        rows.append(row)
    height = 40 + sum(max(t.size[1] for t in r) + 2 * PAD for r in rows)
    out = Image.new('RGB', (SHEET_WIDTH, height), BACK)
    d = ImageDraw.Draw(out)
    d.text((PAD, 8), title, fill=INK, font=font(20, bold=True))
    y = 40
    for r in rows:
        x = PAD
        for t in r:
            out.paste(t, (x, y))
            x += t.size[0] + 2 * PAD
        y += max(t.size[1] for t in r) + 2 * PAD
    d.line((0, height - 1, SHEET_WIDTH, height - 1), fill=MUTED)
    return out


PICTURE_ORDER = ('Button', 'ButtonIcons', 'MenuCold', 'MenuHot', 'ButtonBarCaptureTop',
                 'ButtonBarCaptureBottom', 'ButtonBarCaptureLeft', 'ButtonBarCaptureRight',
                 'ButtonBarImage', 'ButtonBarMouseTools', 'ButtonBarActions',
                 'ButtonBarChooseColor', 'ScrollButton', 'PrevNextButton', 'PointingArrow',
                 'IntroWndLogo', 'Preview', 'IntroWndBack', 'Configure', 'Background')


def skin_sections(skins_dir):
    if not os.path.isdir(skins_dir):
        return []
    names = sorted(f[:-4] for f in os.listdir(skins_dir) if f.endswith('.ini'))
    names = [n for n in SKIN_ORDER if n in names] + [n for n in names if n not in SKIN_ORDER]
    found = []
    for n in names:
        files = [f for f in os.listdir(skins_dir) if f.startswith(n) and
                 f.lower().endswith(('.png', '.jpg'))]
        # Another skin's name may start with this one's: keep files whose rest is a picture name.
        rank = {}
        for f in files:
            rest = os.path.splitext(f[len(n):])[0]
            if rest in PICTURE_ORDER:
                rank[f] = PICTURE_ORDER.index(rest)
            elif not any(f.startswith(o) and len(o) > len(n) for o in names):
                rank[f] = len(PICTURE_ORDER)
        paths = [os.path.join(skins_dir, f) for f in sorted(rank, key=lambda f: (rank[f], f))]
        found.append(('Skin "%s"' % n, n, paths))
    return found


def folder_section(folder, title):
    if not os.path.isdir(folder):
        return None
    paths = [os.path.join(folder, f) for f in sorted(os.listdir(folder))
             if f.lower().endswith(('.png', '.jpg', '.bmp'))]
    return (title, title, paths) if paths else None


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--program-dir', required=True)
    ap.add_argument('--out', required=True)
    ap.add_argument('--max-2x', type=int, default=400)
    args = ap.parse_args()

    parts = skin_sections(os.path.join(args.program_dir, 'Skins'))
    for sub in ('Masks', 'Mouse', 'Flags'):
        s = folder_section(os.path.join(args.program_dir, sub), sub)
        if s:
            parts.append(s)
    if not parts:
        raise SystemExit('contact_sheet.py: no pictures under %s' % args.program_dir)

    sheets = []
    stem, ext = os.path.splitext(args.out)
    for title, short, paths in parts:
        sheet = section(title, paths, args.max_2x)
        sheet.save('%s-%s%s' % (stem, short, ext))
        sheets.append(sheet)
    total = Image.new('RGB', (SHEET_WIDTH, sum(s.size[1] for s in sheets)), BACK)
    y = 0
    for s in sheets:
        total.paste(s, (0, y))
        y += s.size[1]
    total.save(args.out)
    print('contact sheet: %s (%d x %d), one per section beside it' % (args.out, total.size[0],
                                                                      total.size[1]))


if __name__ == '__main__':
    main()
