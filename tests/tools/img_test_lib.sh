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

# ok COMMAND...: the command succeeds.
ok() {
    run "$@"
    [ "$(cat rc)" = 0 ] || fail "'$*' exit status $(cat rc): $(head -1 err.txt)"
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
