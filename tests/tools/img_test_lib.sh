# Shared by the clarivue-img scripts: a scratch folder as working folder, the failure count, and
# helpers to run the tool and read picture files. Sourced; "$@" of the caller runs the tool.
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

run() { "$@" >"$work/out" 2>"$work/err"; echo $? >"$work/rc"; tr -d '\r' <"$work/out" >"$work/out.txt"; tr -d '\r' <"$work/err" >"$work/err.txt"; }

# expect_error CODE COMMAND...: the command fails with status 1 and "error CODE: TEXT" first on stderr.
expect_error() {
    code=$1; shift
    run "$@"
    [ "$(cat rc)" = 1 ] || fail "'$*' exit status $(cat rc), expected 1"
    head -1 err.txt | grep -q "^error $code: ." || fail "'$*' first stderr line '$(head -1 err.txt)', expected code $code"
}

# pixel FILE X Y: the colour RRGGBB of picture pixel (X, Y) of a bottom-up 24-bit BMP.
pixel() {
    w=$(field "$1" 18 4); h=$(field "$1" 22 4); off=$(field "$1" 10 4)
    stride=$(( (w * 3 + 3) / 4 * 4 ))
    at=$(( off + (h - 1 - $3) * stride + 3 * $2 ))
    od -An -tx1 -j "$at" -N 3 "$1" | awk '{ printf "%s%s%s", toupper($3), toupper($2), toupper($1) }'
}

# finish NAME: reports the result and exits.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all $1 checks passed"
    exit 0
}
