#!/bin/sh
# Drives the picture commands of clarivue-img (resampling, compositing, gradients, effects) from
# outside, on small pictures whose results follow from the rules by hand.
# Usage: clarivue_img_ops_test.sh TESTDATA_DIR COMMAND...   (COMMAND runs the tool, maybe through Wine)
set -u
data=$1
shift
. "$(dirname "$0")/img_test_lib.sh"

# --help names every picture command.
run $TOOL --help
for word in "resize IN OUT W H FILTER" "display-resize IN OUT W H" "effect IN OUT NAME" \
    "dropshadow SHADOW BACKGROUND DIRECTION DITHER INTENSITY OFFSET PLAIN" "blend DEST SRC MASK X Y OUT" \
    "premultiply IN OUT" "replace IN OUT K N" "replace-all-but IN OUT K N" "gradient OUT W H FROM TO MODE" \
    "canvas W H ANCHOR FILL" "buttonize WIDTH STRENGTH" "offset DR DG DB"; do
    grep -q -F -e "$word" out.txt || fail "--help text lacks '$word'"
done

# Gradients: column i of a horizontal one gets from + (to - from) * i / w, truncated.
ok "$@" gradient h.bmp 4 1 000000 FF0000 0
expect_info h.bmp "4 1 24"
expect_pixels h.bmp "0 0 000000" "1 0 3F0000" "2 0 7F0000" "3 0 BF0000"
# Vertical from blue to black: row 1 gets 255 + trunc(-255 / 4) = 192.
ok "$@" gradient v.bmp 3 4 0000FF 000000 1
expect_pixels v.bmp "0 0 0000FF" "2 1 0000C0" "1 3 000040"
ok "$@" gradient u.bmp 8 8 336699 336699 3
expect_pixels u.bmp "0 0 336699" "4 4 336699" "7 7 336699"
expect_error 0 "$@" gradient bad.bmp 4 4 000000 FFFFFF 4
expect_error 0 "$@" gradient bad.bmp 0 4 000000 FFFFFF 0
expect_error 0 "$@" gradient bad.bmp 4 4 GG0000 FFFFFF 0
expect_error 0 "$@" gradient bad.bmp 4 4 FFF FFFFFF 0

# Colour keys (lower-case hex reads the same as upper case).
ok "$@" replace h.bmp r.bmp 7f0000 00FF00
expect_pixels r.bmp "0 0 000000" "1 0 3F0000" "2 0 00FF00" "3 0 BF0000"
ok "$@" replace-all-but h.bmp rab.bmp 000000 123456
expect_pixels rab.bmp "0 0 000000" "1 0 123456" "3 0 123456"

# Resampling a uniform picture keeps its colour with the box filters and nearest neighbour; the
# bicubic and Gaussian sums are truncated single-precision sums of weights that add up to about 1,
# which may give one less.
for filter in 0 1 2 3 4; do
    ok "$@" resize u.bmp rs$filter.bmp 3 5 $filter
    expect_info rs$filter.bmp "3 5 24"
    case $filter in
        2 | 3) expect_pixels_below rs$filter.bmp 1 "0 0 336699" "2 4 336699" "1 2 336699" ;;
        *) expect_pixels rs$filter.bmp "0 0 336699" "2 4 336699" "1 2 336699" ;;
    esac
done
ok "$@" resize u.bmp big.png 20 11 2
expect_info big.png "20 11 24"
ok "$@" display-resize u.bmp ds.bmp 5 3
expect_info ds.bmp "5 3 24"
expect_pixels ds.bmp "0 0 336699" "4 2 336699"
expect_error 0 "$@" resize u.bmp x.bmp 3 5 5
expect_error 0 "$@" resize u.bmp x.bmp 3 -5 1
expect_error 2 "$@" resize absent.bmp x.bmp 3 5 1

# Masked blend: a full-weight 2 x 2 mask at (2, 2) puts the source on the bottom-right quarter;
# a half mask (blue byte 128) mixes d + trunc((s - d) * 128 / 255): red 255 - 128, blue 128.
ok "$@" gradient red.bmp 4 4 FF0000 FF0000 0
ok "$@" gradient blue.bmp 4 4 0000FF 0000FF 0
ok "$@" gradient full.bmp 2 2 0000FF 0000FF 0
ok "$@" gradient half.bmp 4 4 000080 000080 0
ok "$@" blend red.bmp blue.bmp full.bmp 2 2 b1.bmp
expect_pixels b1.bmp "1 1 FF0000" "2 2 0000FF" "3 3 0000FF" "3 1 FF0000"
ok "$@" blend red.bmp blue.bmp half.bmp 0 0 b2.bmp
expect_pixels b2.bmp "0 0 7F0080" "3 3 7F0080"
ok "$@" blend red.bmp blue.bmp full.bmp -1 -1 b3.bmp
expect_pixels b3.bmp "0 0 0000FF" "1 1 FF0000"

# Premultiply: every colour byte of the 32-bit picture becomes trunc(c * a / 255), alpha kept.
ok "$@" convert "$data/pngsuite/basn6a08.png" straight.bmp
ok "$@" premultiply "$data/pngsuite/basn6a08.png" pre.bmp
if [ "$(field pre.bmp 28 2)" = 32 ] && [ "$(field straight.bmp 28 2)" = 32 ]; then
    a_off=$(field straight.bmp 10 4); b_off=$(field pre.bmp 10 4)
    tail -c +"$((a_off + 1))" straight.bmp | od -An -tu1 -v -w4 >a.txt
    tail -c +"$((b_off + 1))" pre.bmp | od -An -tu1 -v -w4 >b.txt
    bad=$(paste a.txt b.txt | awk 'NF == 8 {
        for (i = 1; i <= 3; i++) if ($(i + 4) != int($i * $4 / 255)) n++
        if ($8 != $4) n++ } END { print n + 0 }')
    [ "$bad" = 0 ] || fail "premultiply: $bad bytes differ from trunc(c * a / 255)"
    [ "$(wc -l <a.txt)" = 1024 ] || fail "premultiply: expected 1024 pixels, read $(wc -l <a.txt)"
else
    fail "premultiply did not keep 32 bits"
fi
expect_error 0 "$@" premultiply u.bmp x.bmp

# Effects.
ok "$@" gradient c.bmp 2 2 102030 102030 0
ok "$@" effect c.bmp inv.bmp invert
expect_pixels inv.bmp "0 0 EFDFCF" "1 1 EFDFCF"
ok "$@" gradient gray-src.bmp 3 3 808080 808080 0
ok "$@" effect gray-src.bmp off.bmp offset 10 -20 255
expect_pixels off.bmp "1 1 8A6CFF"
ok "$@" effect red.bmp g1.bmp grayscale
expect_info g1.bmp "4 4 24"
expect_pixels g1.bmp "0 0 000000"
ok "$@" effect blue.bmp g2.bmp grayscale
expect_pixels g2.bmp "2 2 FFFFFF"
# Geometry: rotate right moves (x, y) to (h - 1 - y, x); mirror swaps columns; flip rows.
ok "$@" gradient h2.bmp 4 2 000000 FF0000 0
ok "$@" effect h2.bmp rr.bmp rotate-right
expect_info rr.bmp "2 4 24"
expect_pixels rr.bmp "1 3 BF0000" "0 0 000000" "1 1 3F0000"
ok "$@" effect h2.bmp rl.bmp rotate-left
expect_pixels rl.bmp "0 0 BF0000" "1 3 000000"
ok "$@" effect h.bmp m.bmp mirror
expect_pixels m.bmp "0 0 BF0000" "3 0 000000"
ok "$@" effect v.bmp f.bmp flip
expect_pixels f.bmp "0 3 0000FF" "0 0 000040"
# Canvas: a 2 x 2 picture centred (anchor 4) on 4 x 4 lies at (1, 1).
ok "$@" effect c.bmp cv.bmp canvas 4 4 4 FFFFFF
expect_info cv.bmp "4 4 24"
expect_pixels cv.bmp "0 0 FFFFFF" "1 1 102030" "2 2 102030" "3 3 FFFFFF" "3 0 FFFFFF"
expect_error 0 "$@" effect c.bmp x.bmp canvas 4 4 9 FFFFFF
# Neighbourhood filters: the mean keeps a uniform picture; edges give 128 inside the border.
ok "$@" effect u.bmp f1.bmp filter 1
expect_pixels f1.bmp "0 0 336699" "3 3 336699"
ok "$@" effect u.bmp f6.bmp filter 6
expect_pixels f6.bmp "0 0 336699" "1 1 808080" "6 6 808080" "7 7 336699"
expect_error 0 "$@" effect u.bmp x.bmp filter 13
# Pixelize 2 on the 4-pixel horizontal gradient: means (0 + 63) / 2 and (127 + 191) / 2.
ok "$@" effect h.bmp px.bmp pixelize 2
expect_pixels px.bmp "0 0 1F0000" "1 0 1F0000" "2 0 9F0000" "3 0 9F0000"
ok "$@" effect u.bmp bb.bmp boxblur 2 3
expect_pixels bb.bmp "0 0 336699" "4 4 336699"
expect_error 0 "$@" effect u.bmp x.bmp boxblur 0 3
ok "$@" effect u.bmp sb.bmp spinblur 3.0
expect_pixels sb.bmp "0 0 336699" "5 2 336699"
# Buttonize: the top row (columns 1 .. w - 2) lightens with f = 0.5: trunc(128 * 0.5 + 127.5).
ok "$@" gradient gray10.bmp 10 10 808080 808080 0
ok "$@" effect gray10.bmp bt.bmp buttonize 2 0.5
expect_pixels bt.bmp "1 0 BFBFBF" "5 5 808080"
expect_error 0 "$@" effect gray10.bmp x.bmp buttonize 2 1.5
# Pencil on a uniform picture: inside max - c = 0, inverted to white; the border keeps c, inverted
# 336699 is CC9966, whose blue byte 66 makes the grey.
ok "$@" effect u.bmp pen.bmp pencil
expect_pixels pen.bmp "3 3 FFFFFF" "0 0 666666"
# Drop shadow: the margin is 2 * offset + trunc(2.5 * dither) on every side (5 and 4 give 20);
# with intensity 0 the picture lies unchanged on the background.
ok "$@" gradient p300.bmp 300 200 336699 336699 0
for plain in 0 1; do
    ok "$@" effect p300.bmp ds$plain.bmp dropshadow 000000 FFFFFF 315 4 0 5 $plain
    expect_info ds$plain.bmp "340 240 24"
    expect_pixels ds$plain.bmp "0 0 FFFFFF" "20 20 336699" "319 219 336699" "339 239 FFFFFF" "320 220 FFFFFF"
done
expect_error 0 "$@" effect p300.bmp x.bmp dropshadow 000000 FFFFFF 315 4 101 5 0
expect_error 0 "$@" effect u.bmp x.bmp sparkle
expect_error 0 "$@" effect u.bmp x.bmp invert now
expect_error 0 "$@" effect u.bmp

finish "clarivue-img picture command"
