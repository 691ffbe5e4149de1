#!/bin/sh
# clarivue_img_test.sh TESTDATA_DIR COMMAND...: clarivue-img's command line, writer choice and
# options, exit status and error line, as a batch script sees them (the codecs are unit-tested).
set -u
data=$1
shift
. "$(dirname "$0")/img_test_lib.sh"

ok "$@" --help
grep -q -F -e "convert [OPTIONS] IN OUT" out.txt || fail "--help text lacks convert"

# info: size (top-down too), depth, dpi, transparent index.
for case in "g/pal8.bmp:127 64 8 72 72 -1" "g/pal8topdown.bmp:127 64 8 72 72 -1" \
    "g/pal8nonsquare.bmp:127 32 8 72 36 -1" "g/rgb16.bmp:127 64 16 72 72 -1"; do
    name=${case%%:*}
    ok "$@" info "$data/bmpsuite/$name"
    [ "$(cat out.txt)" = "${case#*:}" ] || fail "info $name gave '$(cat out.txt)', expected '${case#*:}'"
done

# convert by extension: BMP -> PNG -> BMP gives the same file; PNG interlaced on request only.
f="$data/bmpsuite/g/pal8.bmp"
ok "$@" convert "$f" "$work/copy.bmp"
[ "$(field copy.bmp 28 2)" = 8 ] || fail "convert to BMP changed the depth"
ok "$@" convert "$f" "$work/copy.png"
[ "$(field copy.png 28 1)" = 0 ] || fail "PNG interlaced by default"
ok "$@" convert "$work/copy.png" "$work/back.bmp"
cmp -s copy.bmp back.bmp || fail "BMP -> PNG -> BMP differs from BMP -> BMP"
ok "$@" convert --interlace "$f" "$work/inter.png"
[ "$(field inter.png 28 1)" = 1 ] || fail "convert --interlace: PNG not interlaced"

has_marker() {  # has_marker FILE CODE: the bytes 0xFF CODE (lowercase hex) are in FILE
    od -An -tx1 -v -w1 "$1" | awk -v code="$2" '{ gsub(/ /, "") } prev == "ff" && $0 == code { found = 1 } { prev = $0 } END { exit !found }'
}
# JPEG: baseline quality 90 by default, --progressive, --quality; grey becomes colour.
f="$data/bmpsuite/g/rgb24.bmp"
ok "$@" convert "$f" "$work/photo.jpg"
has_marker photo.jpg c0 || fail "default JPEG is not baseline"
run "$@" convert --progressive "$f" "$work/prog.jpg"
has_marker prog.jpg c2 || fail "--progressive JPEG has no progressive frame"
run "$@" convert --quality 30 "$f" "$work/q30.jpg"
[ "$(wc -c <q30.jpg)" -lt "$(wc -c <photo.jpg)" ] || fail "--quality 30 not smaller than quality 90"
run "$@" convert "$data/pngsuite/basn0g08.png" "$work/grey.jpg"
run "$@" info "$work/grey.jpg"
[ "$(cut -d' ' -f1-3 out.txt)" = "32 32 24" ] || fail "info of grey JPEG gave '$(cat out.txt)'"

# Failures: status 1, "error CODE: TEXT" first on stderr.
for name in text.bmp picture.jpeg text.png; do printf 'plain text' >"$work/$name"; done
expect_error 2 "$@" info "$work/absent.bmp"
expect_error 7 "$@" info "$work/text.bmp"
expect_error 8 "$@" info "$work/picture.jpeg"
expect_error 7 "$@" convert "$work/text.png" "$work/out.bmp"
expect_error 0 "$@" convert --quality 0 "$f" "$work/q.jpg"
expect_error 0 "$@" convert --quality "$f" "$work/q.jpg"
expect_error 0 "$@" convert --sharpen "$f" "$work/q.jpg"
expect_error 0 "$@" convert "$f" "$work/out.xyz"
expect_error 0 "$@" convert "$f" "$work/no/such/folder/out.bmp"
head -1 err.txt | grep -q "Couldn't open BMP File for writing!" || fail "write failure text '$(head -1 err.txt)'"
expect_error 0 "$@" frobnicate
expect_error 0 "$@" info

finish "clarivue-img"
