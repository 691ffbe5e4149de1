#!/usr/bin/env bash
# The project's test command: prepares the machine (scripts/setup.sh), then builds and tests
#   build/asan     native with AddressSanitizer and UndefinedBehaviorSanitizer, -O1 -g1 (line
#                  tables: enough for the sanitizers' stack traces, and quick to compile); the
#                  benchmarks are built there too, not run (a Release tree for timing them is
#                  made by hand, see the README)
#   build/windows  MinGW-w64 cross build, tests under Wine (fixture "wine_env")
# Build output goes to build/logs; ctest output is shown. Prints a summary with timings and
# exits non-zero when any step failed. CLARIVUE_JOBS sets the parallel jobs (default: 2).
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
LOGS="$BUILD/logs"
JOBS=${CLARIVUE_JOBS:-2}

SUMMARY=()
FAILED=0
TESTS_PASSED=0
TESTS_FAILED=0

now() { date +%s; }

# step NAME LOG COMMAND...: runs a quiet step, its output into LOG (the end of it shown when
# the step fails).
step() {
  local name=$1 log=$2 start rc
  shift 2
  printf '== %s\n' "$name"
  start=$(now)
  "$@" >"$log" 2>&1
  rc=$?
  record "$name" "$rc" "$start"
  if [ "$rc" -ne 0 ]; then
    echo "-- $name failed (exit $rc); end of $log:"
    tail -n 60 "$log"
  fi
  return "$rc"
}

record() {
  local name=$1 rc=$2 start=$3 result=ok
  if [ "$rc" -ne 0 ]; then
    result=FAILED
    FAILED=$((FAILED + 1))
  fi
  SUMMARY+=("$(printf '%-28s %-7s %5d s' "$name" "$result" $(($(now) - start)))")
}

# run_ctest TREE ARGS...: runs ctest on a build tree, output shown and kept; counts its tests.
run_ctest() {
  local tree=$1 name start rc line
  shift
  name="ctest $(basename "$tree")"
  printf '== %s\n' "$name"
  start=$(now)
  ctest --test-dir "$tree" --output-on-failure "$@" 2>&1 | tee "$LOGS/ctest-$(basename "$tree").log"
  rc=${PIPESTATUS[0]}
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' \
    "$LOGS/ctest-$(basename "$tree").log" | tail -n 1)
  if [ -n "$line" ]; then
    local failed total
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
    TESTS_FAILED=$((TESTS_FAILED + failed))
    TESTS_PASSED=$((TESTS_PASSED + total - failed))
  elif [ "$rc" -eq 0 ]; then
    rc=1 # no test ran at all
  fi
  record "$name" "$rc" "$start"
}

# build_tree NAME TEST_JOBS CMAKE_ARGS...: configures and builds build/NAME, then runs its tests
# with TEST_JOBS parallel jobs.
build_tree() {
  local name=$1 dir="$BUILD/$1" test_jobs=$2
  shift 2
  if step "configure $name" "$LOGS/configure-$name.log" \
      cmake -S "$ROOT" -B "$dir" -G Ninja "$@" &&
    step "build $name" "$LOGS/build-$name.log" cmake --build "$dir" -j "$JOBS"; then
    run_ctest "$dir" -j "$test_jobs"
  fi
}

mkdir -p "$LOGS"
total_start=$(now)

if ! step "setup" "$LOGS/setup.log" "$ROOT/scripts/setup.sh"; then
  echo "setup failed: nothing was built"
  exit 1
fi
grep '^\[setup\]' "$LOGS/setup.log"

build_tree asan "$JOBS" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" \
  "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g1" -DCLARIVUE_SANITIZE=ON
# The Windows tests run one at a time: all programs of a Wine prefix live in one Windows session,
# where a file opened without sharing (as the image library opens its files) cannot be opened
# by a second test at the same time.
build_tree windows 1 -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-w64.cmake" \
  -DCLARIVUE_DEPS_PREFIX="$BUILD/deps/mingw"

echo
echo "== summary (logs in $LOGS)"
printf '%s\n' "${SUMMARY[@]}"
printf '%-28s %-7s %5d s\n' "total" "" $(($(now) - total_start))
if [ "$FAILED" -ne 0 ]; then
  echo "$FAILED step(s) failed"
fi
echo "ctest: $TESTS_PASSED passed, $TESTS_FAILED failed"
[ "$FAILED" -eq 0 ]
