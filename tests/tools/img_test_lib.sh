# Shared by the clarivue-img scripts: a scratch folder as working folder, the failure count, and
# helpers to run the tool and read picture files. Sourced; "$@" of the caller runs the tool.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
# The tool's command line (the emulator, if any, first): the caller's arguments after TESTDATA_DIR.
TOOL="$*"

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

# ok COMMAND...: the command succeeds.
ok() {
    run "$@"
    [ "$(cat rc)" = 0 ] || fail "'$*' exit status $(cat rc): $(head -1 err.txt)"
}

# expect_pixels FILE "X Y RRGGBB" ...: the named pixels have those colours.
expect_pixels() {
    file=$1; shift
    for spec_line in "$@"; do
        set -- $spec_line
        got=$(pixel "$file" "$1" "$2")
        [ "$got" = "$3" ] || fail "$file pixel ($1, $2) is $got, expected $3"
    done
}

# expect_pixels_below FILE TOLERANCE "X Y RRGGBB" ...: each channel of the named pixels lies from
# TOLERANCE below the expected value up to it (truncated float sums of the smooth filters).
expect_pixels_below() {
    file=$1; tolerance=$2; shift 2
    for spec_line in "$@"; do
        set -- $spec_line
        got=$(pixel "$file" "$1" "$2")
        printf '%s %s %s\n' "$got" "$3" "$tolerance" | awk '
            function digit(c) { return index("0123456789ABCDEF", c) - 1 }
            function byte(text, i) { return 16 * digit(substr(text, 2 * i + 1, 1)) + digit(substr(text, 2 * i + 2, 1)) }
            {
            for (i = 0; i < 3; i++) {
                g = byte($1, i); e = byte($2, i)
                if (g > e || g < e - $3) bad = 1
            }
            exit bad }' || fail "$file pixel ($1, $2) is $got, expected $3 or at most $tolerance below"
    done
}

# expect_info FILE "W H BITS": the picture's size and depth.
expect_info() {
    run $TOOL info "$1"
    [ "$(cut -d' ' -f1-3 out.txt)" = "$2" ] || fail "info $1 gave '$(cat out.txt)', expected '$2'"
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
