# Sourced by the clarivue-img scripts: a scratch working folder, the failure count, helpers.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
TOOL="$*"  # the tool's command line (the emulator, if any, first)

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

field() {  # field FILE OFFSET SIZE: little-endian integer (signed for 4-byte fields)
    v=$(od -An -t"u$3" -j "$2" -N "$3" "$1" | tr -d ' ')
    if [ "$3" = 4 ] && [ "$v" -gt 2147483647 ]; then v=$((v - 4294967296)); fi
    echo "$v"
}

run() { "$@" >"$work/out" 2>"$work/err"; echo $? >"$work/rc"; tr -d '\r' <"$work/out" >"$work/out.txt"; tr -d '\r' <"$work/err" >"$work/err.txt"; }

expect_error() {  # expect_error CODE COMMAND...: status 1, "error CODE: TEXT" first on stderr
    code=$1; shift
    run "$@"
    [ "$(cat rc)" = 1 ] || fail "'$*' exit status $(cat rc), expected 1"
    head -1 err.txt | grep -q "^error $code: ." || fail "'$*' first stderr line '$(head -1 err.txt)', expected code $code"
}

ok() {  # ok COMMAND...: the command succeeds
    run "$@"
    [ "$(cat rc)" = 0 ] || fail "'$*' exit status $(cat rc): $(head -1 err.txt)"
}

finish() {  # finish NAME: reports the result and exits
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
    echo "all $1 checks passed"
    exit 0
}
