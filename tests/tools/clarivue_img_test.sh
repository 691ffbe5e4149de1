#!/bin/sh
# Drives clarivue-img from outside, as a user's batch script would.
# Usage: clarivue_img_test.sh TESTDATA_DIR COMMAND...   (COMMAND runs the tool, maybe through Wine)
set -u
data=$1
shift
. "$(dirname "$0")/img_test_lib.sh"

# The dpi a BMP header's pixels-per-metre value gives: trunc(ppm / 100 * 2.54 + 0.5), 96 below 2.
dpi_of() {
    if [ "$1" -ge 2 ] && [ "$2" -ge 2 ]; then
        awk -v p="$3" 'BEGIN { printf "%d", p / 100 * 2.54 + 0.5 }'
    else
        echo 96
    fi
}

# --help explains every subcommand.
run "$@" --help
[ "$(cat rc)" = 0 ] || fail "--help exit status $(cat rc)"
for word in "info FILE" "convert [OPTIONS] IN OUT" "--quality N" "--progressive" "--interlace"; do
    grep -q -F -e "$word" out.txt || fail "--help text lacks '$word'"
done

# info prints the header's own values.
for name in g/pal8.bmp g/rgb24.bmp g/pal4.bmp g/rgb16.bmp g/pal8topdown.bmp; do
    f="$data/bmpsuite/$name"
    w=$(field "$f" 18 4); h=$(field "$f" 22 4); bits=$(field "$f" 28 2)
    [ "$h" -lt 0 ] && h=$((-h))
    px=$(field "$f" 38 4); py=$(field "$f" 42 4)
    dx=$(dpi_of "$px" "$py" "$px"); dy=$(dpi_of "$px" "$py" "$py")
    run "$@" info "$f"
    expected="$w $h $bits $dx $dy -1"
    [ "$(cat rc)" = 0 ] || fail "info $name exit status $(cat rc)"
    [ "$(cat out.txt)" = "$expected" ] || fail "info $name gave '$(cat out.txt)', expected '$expected'"
done

# convert BMP -> BMP keeps the pixel bytes of a 24-bit and an 8-bit picture.
for name in g/rgb24.bmp g/pal8.bmp; do
    f="$data/bmpsuite/$name"
    run "$@" convert "$f" "$work/copy.bmp"
    [ "$(cat rc)" = 0 ] || { fail "convert $name exit status $(cat rc): $(head -1 err.txt)"; continue; }
    in_off=$(field "$f" 10 4); out_off=$(field copy.bmp 10 4)
    in_size=$(( $(wc -c <"$f") - in_off ))
    tail -c +"$((in_off + 1))" "$f" | head -c "$in_size" >in.pixels
    tail -c +"$((out_off + 1))" copy.bmp | head -c "$in_size" >out.pixels
    cmp -s in.pixels out.pixels || fail "convert $name changed the pixels"
    [ "$(field copy.bmp 28 2)" = "$(field "$f" 28 2)" ] || fail "convert $name changed the depth"
    run "$@" info "$work/copy.bmp"
    [ "$(cat rc)" = 0 ] || fail "info of converted $name failed"
done

# True when FILE holds the marker bytes 0xFF CODE (CODE in lowercase hex) one after the other.
has_marker() {
    od -An -tx1 -v -w1 "$1" | awk -v code="$2" '{ gsub(/ /, "") } prev == "ff" && $0 == code { found = 1 } { prev = $0 } END { exit !found }'
}

# convert BMP -> PNG -> BMP gives what BMP -> BMP gives: pixels (of 8 bits and more; at 1 and
# 4 bits the bits past the width of a row's last byte are not stored in a PNG), depth, palette,
# resolution.
for name in g/rgb24.bmp g/pal8.bmp g/pal4.bmp g/pal1.bmp; do
    f="$data/bmpsuite/$name"
    run "$@" convert "$f" "$work/direct.bmp"
    run "$@" convert "$f" "$work/copy.png"
    [ "$(cat rc)" = 0 ] || { fail "convert $name to PNG exit status $(cat rc): $(head -1 err.txt)"; continue; }
    [ "$(head -c 8 copy.png | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "convert $name: no PNG signature"
    [ "$(field copy.png 28 1)" = 0 ] || fail "convert $name: PNG interlaced by default"
    run "$@" convert "$work/copy.png" "$work/back.bmp"
    [ "$(cat rc)" = 0 ] || { fail "convert $name back to BMP exit status $(cat rc)"; continue; }
    off=$(field direct.bmp 10 4)
    [ "$(field back.bmp 10 4)" = "$off" ] || { fail "convert $name through PNG changed the header"; continue; }
    head -c "$off" direct.bmp >a.head; head -c "$off" back.bmp >b.head
    cmp -s a.head b.head || fail "convert $name through PNG changed header, resolution or palette"
    if [ "$(field "$f" 28 2)" -ge 8 ]; then
        cmp -s direct.bmp back.bmp || fail "convert $name through PNG changed the pixels"
    fi
done

# --interlace writes an Adam7 PNG that reads the same.
f="$data/bmpsuite/g/rgb24.bmp"
run "$@" convert --interlace "$f" "$work/inter.png"
[ "$(cat rc)" = 0 ] || fail "convert --interlace exit status $(cat rc)"
[ "$(field inter.png 28 1)" = 1 ] || fail "convert --interlace: PNG not interlaced"
run "$@" convert "$work/inter.png" "$work/inter.bmp"
tail -c +55 inter.bmp >a.pixels; tail -c +"$(( $(field "$f" 10 4) + 1 ))" "$f" >b.pixels
cmp -s a.pixels b.pixels || fail "interlaced PNG read back differently"

# JPEG: default baseline with the program's comment and the BMP's resolution as densities.
w=$(field "$f" 18 4); h=$(field "$f" 22 4)
px=$(field "$f" 38 4); py=$(field "$f" 42 4)
dx=$(dpi_of "$px" "$py" "$px"); dy=$(dpi_of "$px" "$py" "$py")
run "$@" convert "$f" "$work/photo.jpg"
[ "$(cat rc)" = 0 ] || fail "convert to JPEG exit status $(cat rc): $(head -1 err.txt)"
has_marker photo.jpg c0 || fail "default JPEG is not baseline"
has_marker photo.jpg c2 && fail "default JPEG is progressive"
grep -q "Zentrova Clarivue 2.1" photo.jpg || fail "default JPEG lacks the comment"
run "$@" info "$work/photo.jpg"
[ "$(cat out.txt)" = "$w $h 24 $dx $dy -1" ] || fail "info of the JPEG gave '$(cat out.txt)'"
run "$@" convert --progressive "$f" "$work/prog.jpg"
has_marker prog.jpg c2 || fail "--progressive JPEG has no progressive frame"
run "$@" convert --quality 30 "$f" "$work/q30.jpg"
[ "$(cat rc)" = 0 ] || fail "--quality 30 exit status $(cat rc)"
[ "$(wc -c <q30.jpg)" -lt "$(wc -c <photo.jpg)" ] || fail "--quality 30 not smaller than quality 90"
run "$@" convert "$work/photo.jpg" "$work/photo.png"
[ "$(cat rc)" = 0 ] || fail "convert JPEG to PNG exit status $(cat rc)"
# A grey picture stays 8 bits through PNG; JPEG makes colour of it.
run "$@" convert "$data/pngsuite/basn0g08.png" "$work/grey.jpg"
run "$@" info "$work/grey.jpg"
[ "$(cut -d' ' -f1-3 out.txt)" = "32 32 24" ] || fail "info of grey JPEG gave '$(cat out.txt)'"

# Failures: exit status 1 and "error CODE: TEXT" as the first line on stderr.
printf 'plain text' >"$work/text.bmp"
printf 'plain text' >"$work/picture.jpeg"
printf 'plain text' >"$work/text.jpg"
printf 'plain text' >"$work/text.png"
expect_error 2 "$@" info "$work/absent.bmp"
expect_error 7 "$@" info "$work/text.bmp"
expect_error 8 "$@" info "$work/picture.jpeg"
expect_error 7 "$@" info "$work/text.jpg"
expect_error 7 "$@" info "$work/text.png"
expect_error 7 "$@" convert "$work/text.jpg" "$work/out.png"
expect_error 0 "$@" convert --quality 0 "$f" "$work/q.jpg"
expect_error 0 "$@" convert --quality "$f" "$work/q.jpg"
expect_error 0 "$@" convert --sharpen "$f" "$work/q.jpg"
expect_error 0 "$@" convert "$f" "$work/no/such/folder/out.jpg"
head -1 err.txt | grep -q "Failed to open file!" || fail "JPEG write failure text '$(head -1 err.txt)'"
expect_error 0 "$@" convert "$f" "$work/no/such/folder/out.png"
head -1 err.txt | grep -q "Couldn't open file for saving!" || fail "PNG write failure text '$(head -1 err.txt)'"
expect_error 0 "$@" convert "$data/bmpsuite/g/rgb24.bmp" "$work/out.xyz"
expect_error 0 "$@" convert "$data/bmpsuite/g/rgb24.bmp" "$work/no/such/folder/out.bmp"
head -1 err.txt | grep -q "Couldn't open BMP File for writing!" || fail "write failure text '$(head -1 err.txt)'"
# A full disk (a link to the full device): the file opens, the writes fail; the BMP writer's error.
if [ -c /dev/full ] && ln -s /dev/full "$work/full.bmp"; then
    expect_error 0 "$@" convert "$data/bmpsuite/g/rgb24.bmp" "$work/full.bmp"
    head -1 err.txt | grep -q "Couldn't write BMP File!" || fail "full device: text '$(head -1 err.txt)'"
fi
expect_error 0 "$@" frobnicate
expect_error 0 "$@" info

finish "clarivue-img"
