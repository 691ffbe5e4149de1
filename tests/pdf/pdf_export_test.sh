#!/bin/sh
# pdf_export_test.sh COMMAND...: clarivue-img pdf checked with qpdf, pdfinfo and pdfimages (page
# pictures = the filter-4 resize in page slices, white beyond); names, failed writes, giants.
set -u
. "$(dirname "$0")/../tools/img_test_lib.sh"
case "$*" in *wine*) wine=1 ;; *) wine=0 ;; esac

doc_name() {  # the document's name as the program sees it (drive Z: under Wine)
    if [ "$wine" = 1 ]; then printf 'Z:%s' "$1" | tr / '\\'; else printf '%s' "$1"; fi; }

pages_match() {  # pages_match PDF SCALED PAGE_W PAGE_H PAGES
    rm -f page-*.png
    pdfimages -png "$1" page || return 1
    /usr/bin/python3 - "$2" "$3" "$4" "$5" <<'PY'
import sys
from PIL import Image, ImageChops
scaled = Image.open(sys.argv[1]).convert('RGB')
pw, ph, n = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
for k in range(n):
    page = Image.open('page-%03d.png' % k).convert('RGB')
    expected = Image.new('RGB', (pw, ph), (255, 255, 255))
    expected.paste(scaled.crop((0, k * ph, scaled.width, min(scaled.height, (k + 1) * ph))), (0, 0))
    if page.size != (pw, ph) or ImageChops.difference(page, expected).getbbox() is not None:
        print('page %d differs' % (k + 1))
        sys.exit(1)
PY
}

info_is() {  # info_is PDF FIELD VALUE
    got=$(pdfinfo "$1" | sed -n "s/^$2: *//p")
    [ "$got" = "$3" ] || fail "$1: $2 is '$got', expected '$3'"
}

# W H PAGE_W PAGE_H SCALED_W SCALED_H PAGES (the geometry itself is unit-tested).
while read -r w h pw ph sw sh n; do
    name="p${w}x$h"
    ok $TOOL gradient "$work/$name.bmp" "$w" "$h" 2080F0 F0C010 2
    ok $TOOL pdf "$work/$name.bmp" "$work/$name.pdf"
    qpdf --check "$name.pdf" >/dev/null 2>&1 || fail "$name.pdf: qpdf --check"
    info_is "$name.pdf" Pages "$n"
    info_is "$name.pdf" Title "$(doc_name "$work/$name.pdf")"
    [ "$(pdfinfo -f 1 -l "$n" "$name.pdf" | grep -c "size: *$pw x $ph pts")" = "$n" ] ||
        fail "$name.pdf: not every page is $pw x $ph"
    ok $TOOL resize "$work/$name.bmp" "$work/$name-scaled.png" "$sw" "$sh" 4
    pages_match "$name.pdf" "$name-scaled.png" "$pw" "$ph" "$n" || fail "$name.pdf: pictures"
done <<'CASES'
1000 3000 1190 1684 1190 3570 3
500 400 842 595 500 400 1
595 842 595 842 595 842 1
3840 2160 3368 2380 3368 1894 1
CASES

# A non-ASCII name; the neighbour .bmp stays; nothing else appears.
mkdir "$work/n"
name='Bild äöü € Ωλ'  # Greek: outside the ANSI code page
cp p500x400.bmp "$work/n/$name.bmp"
ok $TOOL pdf "$work/p500x400.bmp" "$work/n/$name.pdf"
info_is "n/$name.pdf" Title "$(doc_name "$work/n/$name.pdf")"
cmp -s p500x400.bmp "n/$name.bmp" || fail "the neighbour $name.bmp changed"
[ "$(ls -A n | tr '\n' '|')" = "$name.bmp|$name.pdf|" ] || fail "folder holds: $(ls -A n)"

# A failed write keeps the earlier document, leaves no temporary file; a giant is refused.
cp p500x400.pdf kept.pdf
mkdir kept.pdf~tmp
expect_error 0 $TOOL pdf "$work/p1000x3000.bmp" "$work/kept.pdf"
cmp -s p500x400.pdf kept.pdf || fail "a failed write changed the earlier document"
rmdir kept.pdf~tmp
ok $TOOL gradient "$work/line.bmp" 1 60000 000000 FFFFFF 1
expect_error 0 $TOOL pdf "$work/line.bmp" "$work/line.pdf"
grep -q "too large" err.txt || fail "giant: '$(head -1 err.txt)'"
[ ! -e line.pdf ] && [ ! -e line.pdf~tmp ] || fail "giant: a file was left"

finish "pdf export"
