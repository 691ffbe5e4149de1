#!/bin/sh
# Drives clarivue-img from outside, as a user's batch script would.
# Usage: clarivue_img_test.sh TESTDATA_DIR COMMAND...   (COMMAND runs the tool, maybe through Wine)
set -u
data=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Little-endian integer of SIZE bytes at OFFSET of FILE (signed for 4-byte fields).
field() {
    v=$(od -An -t"u$3" -j "$2" -N "$3" "$1" | tr -d ' ')
    if [ "$3" = 4 ] && [ "$v" -gt 2147483647 ]; then v=$((v - 4294967296)); fi
    echo "$v"
}

# The dpi a BMP header's pixels-per-metre value gives: trunc(ppm / 100 * 2.54 + 0.5), 96 below 2.
dpi_of() {
    if [ "$1" -ge 2 ] && [ "$2" -ge 2 ]; then
        awk -v p="$3" 'BEGIN { printf "%d", p / 100 * 2.54 + 0.5 }'
    else
        echo 96
    fi
}

run() { "$@" >"$work/out" 2>"$work/err"; echo $? >"$work/rc"; tr -d '\r' <"$work/out" >"$work/out.txt"; tr -d '\r' <"$work/err" >"$work/err.txt"; }

# --help explains every subcommand.
run "$@" --help
[ "$(cat rc)" = 0 ] || fail "--help exit status $(cat rc)"
grep -q "info FILE" out.txt && grep -q "convert IN OUT" out.txt || fail "--help text incomplete"

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

# Failures: exit status 1 and "error CODE: TEXT" as the first line on stderr.
expect_error() {
    code=$1; shift
    run "$@"
    [ "$(cat rc)" = 1 ] || fail "'$*' exit status $(cat rc), expected 1"
    head -1 err.txt | grep -q "^error $code: ." || fail "'$*' first stderr line '$(head -1 err.txt)', expected code $code"
}
printf 'plain text' >"$work/text.bmp"
printf 'plain text' >"$work/picture.jpeg"
expect_error 2 "$@" info "$work/absent.bmp"
expect_error 7 "$@" info "$work/text.bmp"
expect_error 8 "$@" info "$work/picture.jpeg"
expect_error 0 "$@" convert "$data/bmpsuite/g/rgb24.bmp" "$work/out.xyz"
expect_error 0 "$@" convert "$data/bmpsuite/g/rgb24.bmp" "$work/no/such/folder/out.bmp"
head -1 err.txt | grep -q "Couldn't open BMP File for writing!" || fail "write failure text '$(head -1 err.txt)'"
expect_error 0 "$@" frobnicate
expect_error 0 "$@" info

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all clarivue-img checks passed"
