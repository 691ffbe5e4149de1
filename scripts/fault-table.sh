#!/usr/bin/env bash
# The fault table: does the test suite catch known faults? Each tests/faults/NN-name.patch is a
# one-line fault in portable code. For each: apply it, build the native test tree, run its tests,
# report "caught" (a test failed), "missed" (all passed) or "no-build", and revert it.
#
# Usage: scripts/fault-table.sh [PATCH...]     (default: all of tests/faults/*.patch)
# Build tree: build/faults (native, -O1, no benchmarks; CLARIVUE_FAULT_TREE sets another).
# The working tree's sources must be clean where the patches apply. Prints one line per fault
# and a count; the table also goes to build/logs/fault-table.txt.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TREE=${CLARIVUE_FAULT_TREE:-$ROOT/build/faults}
JOBS=${CLARIVUE_JOBS:-2}
LOGS=$ROOT/build/logs
TABLE=$LOGS/fault-table.txt
mkdir -p "$LOGS"
cd "$ROOT" || exit 1

if [ $# -eq 0 ]; then
  set -- tests/faults/*.patch
fi

APPLIED=""
revert() {
  if [ -n "$APPLIED" ]; then
    git apply -R "$APPLIED"
    APPLIED=""
  fi
}
trap 'revert; exit 130' INT TERM

# failures LOG: the number of failed tests and the first three of them.
failures() {
  local names
  names=$(sed -n '/tests failed out of/,$p' "$1" | grep -E '^\s+[0-9]+ - ' |
    sed -E 's/^\s+[0-9]+ - //; s/ \(.*//')
  printf '%3d: %s' "$(printf '%s\n' "$names" | grep -c .)" "$(printf '%s\n' "$names" | head -n 3 | tr '\n' ' ')"
}

build() { cmake --build "$TREE" -j "$JOBS" >"$LOGS/fault-build.log" 2>&1; }

cmake -S "$ROOT" -B "$TREE" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLARIVUE_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DCMAKE_C_FLAGS_RELEASE=-O1 >"$LOGS/fault-configure.log" 2>&1 || {
  echo "configure failed (see $LOGS/fault-configure.log)"
  exit 1
}
if ! build || ! ctest --test-dir "$TREE" -j "$JOBS" >"$LOGS/fault-baseline.log" 2>&1; then
  echo "the unpatched tree does not build or pass (see $LOGS/fault-build.log, fault-baseline.log)"
  exit 1
fi

caught=0
total=0
: >"$TABLE"
for patch in "$@"; do
  total=$((total + 1))
  name=$(basename "$patch" .patch)
  if ! git apply "$patch"; then
    result="does-not-apply"
  else
    APPLIED=$patch
    if ! build; then
      result="no-build"
    elif ctest --test-dir "$TREE" -j "$JOBS" >"$LOGS/fault-$name.log" 2>&1; then
      result="missed"
    else
      result="caught  $(failures "$LOGS/fault-$name.log")"
      caught=$((caught + 1))
    fi
    revert
  fi
  printf '%-32s %s\n' "$name" "$result" | tee -a "$TABLE"
done
build # back to the unpatched objects
echo "caught $caught of $total" | tee -a "$TABLE"
