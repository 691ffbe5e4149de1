#!/bin/sh
# Makes a JPEG corpus for the JPEG fuzz driver's regression run: PngSuite pictures written as
# JPEG by clarivue-img (baseline, progressive, low quality), plus cut and damaged copies.
# Usage: make_jpg_corpus.sh PNGSUITE_DIR OUT_DIR COMMAND...   (COMMAND runs clarivue-img)
set -u
suite=$1
out=$2
shift 2
rm -rf "$out"
mkdir -p "$out" || exit 1
made=0
for name in basn0g08 basn2c08 basn3p04 basn6a16 basi0g01 s09n3p02 tbbn3p08 f02n2c08; do
    "$@" convert "$suite/$name.png" "$out/$name.jpg" >/dev/null 2>&1 || continue
    "$@" convert --progressive "$suite/$name.png" "$out/$name-p.jpg" >/dev/null 2>&1
    "$@" convert --quality 5 "$suite/$name.png" "$out/$name-q5.jpg" >/dev/null 2>&1
    made=$((made + 1))
done
[ "$made" -gt 0 ] || { echo "no JPEG made"; exit 1; }
for f in "$out"/*.jpg; do
    size=$(wc -c <"$f")
    for keep in 2 100 $((size / 2)) $((size - 2)); do
        head -c "$keep" "$f" >"${f%.jpg}-cut$keep.jpg"
    done
    # Damage: bytes overwritten at a few places of the header and the data.
    for at in 3 20 $((size / 3)) $((size * 2 / 3)); do
        cp "$f" "${f%.jpg}-bad$at.jpg"
        printf '\377\300\377' | dd of="${f%.jpg}-bad$at.jpg" bs=1 seek="$at" conv=notrunc 2>/dev/null
    done
done
echo "$(ls "$out" | wc -l) JPEG inputs in $out"
