# shellcheck shell=bash
# Shell library for window tests of Windows programs under Wine (sourced by a test script).
#   harness_init BUILD WINTOOL        BUILD's prefix and fixture display; logs and pictures go to
#                                     HARNESS_OUT (BUILD/wine-env/out/<script name>, emptied)
#   harness_start VAR PROGRAM ARGS... start a program in the virtual desktop, its process id into
#                                     VAR, the file with its output into HARNESS_LAST_LOG
#   harness_alive PID / harness_wait_exit VAR PID SECONDS (exit code into VAR, 124 and killed
#                                     when it takes longer) / harness_run VAR SECONDS PROGRAM ARGS...
#   harness_tool ARGS...              wintool.exe; harness_x_window NAME SECONDS: an X window id
#   harness_mouse X Y / harness_click X Y [BUTTON] / harness_key KEYS... / harness_type TEXT
#   harness_screenshot FILE           PNG of the whole display
#   check NAME EXPECTED ACTUAL / check_true NAME COMMAND... / harness_finish (totals, non-zero
#                                     when a check failed)
# Programs run in a 1024x768 virtual desktop; exit codes come modulo 256 (-1 reads 255).

. "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

HARNESS_PASSED=0
HARNESS_FAILED=0
HARNESS_PIDS=()
HARNESS_STARTED=0

harness_init() {
  local build
  build=$(cd "$1" && pwd)
  HARNESS_WINTOOL=$2
  HARNESS_BUILD=$build
  HARNESS_OUT="$build/wine-env/out/$(basename "$0" .sh)"
  rm -rf "$HARNESS_OUT"
  mkdir -p "$HARNESS_OUT"
  wine_use_build "$build" || {
    echo "harness: no Wine prefix for $build" >&2
    exit 1
  }
  if ! HARNESS_DISPLAY=$(wine_xvfb_display "$build"); then
    echo "harness: the fixture's Xvfb is not running (run the test through ctest)" >&2
    exit 1
  fi
  export DISPLAY=":$HARNESS_DISPLAY"
  trap harness_cleanup EXIT
}

# Ends the programs this test started and that are still running.
harness_cleanup() {
  local pid
  for pid in "${HARNESS_PIDS[@]}"; do
    kill -9 "$pid" 2>/dev/null
  done
  HARNESS_PIDS=()
HARNESS_STARTED=0
}

# The helpers that hand back values through a variable name keep their own names apart.
harness_start() {
  local _hs_var=$1 _hs_log
  shift
  HARNESS_STARTED=$((HARNESS_STARTED + 1))
  _hs_log="$HARNESS_OUT/$HARNESS_STARTED-$(basename "$1" .exe).log"
  "$WINE_LOADER" "$@" </dev/null >"$_hs_log" 2>&1 &
  HARNESS_LAST_LOG=$_hs_log
  HARNESS_PIDS+=("$!")
  printf -v "$_hs_var" '%s' "$!"
}

# True while PID runs (an ended child that was not waited for yet counts as ended).
harness_alive() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

harness_wait_exit() {
  local _hw_var=$1 _hw_pid=$2 _hw_seconds=$3 _hw_i _hw_rc
  for ((_hw_i = 0; _hw_i < _hw_seconds * 10; _hw_i++)); do
    harness_alive "$_hw_pid" || break
    sleep 0.1
  done
  if harness_alive "$_hw_pid"; then
    kill -9 "$_hw_pid" 2>/dev/null
    wait "$_hw_pid" 2>/dev/null
    _hw_rc=124
  else
    wait "$_hw_pid"
    _hw_rc=$?
  fi
  printf -v "$_hw_var" '%s' "$_hw_rc"
}

harness_run() {
  local _hr_var=$1 _hr_seconds=$2 _hr_pid
  shift 2
  harness_start _hr_pid "$@"
  harness_wait_exit "$_hr_var" "$_hr_pid" "$_hr_seconds"
}

harness_tool() {
  "$WINE_LOADER" "$HARNESS_WINTOOL" "$@" </dev/null 2>/dev/null
}

harness_x_window() {
  local name=$1 seconds=$2 i id
  for ((i = 0; i < seconds * 10; i++)); do
    id=$(xdotool search --name "^${name}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# No --sync here: xdotool waits forever when the pointer already is at the place.
harness_mouse() { xdotool mousemove "$1" "$2"; }
harness_click() {
  xdotool mousemove "$1" "$2" click "${3:-1}"
}
harness_key() { xdotool key --delay 50 "$@"; }
harness_type() { xdotool type --delay 50 "$1"; }

harness_screenshot() {
  import -display ":$HARNESS_DISPLAY" -window root "$1"
}

check() {
  local name=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    HARNESS_PASSED=$((HARNESS_PASSED + 1))
    echo "ok   - $name"
  else
    HARNESS_FAILED=$((HARNESS_FAILED + 1))
    echo "FAIL - $name: expected '$expected', got '$actual'"
  fi
}

check_true() {
  local name=$1
  shift
  if "$@"; then
    check "$name" yes yes
  else
    check "$name" yes no
  fi
}

harness_finish() {
  harness_cleanup
  echo "$HARNESS_PASSED passed, $HARNESS_FAILED failed"
  [ "$HARNESS_FAILED" -eq 0 ]
}

# look FILE: a picture of the screen for a person to judge (nothing compares it), taken only when
# CLARIVUE_LOOK=1 is in the environment; the pictures the checks read are taken in any case.
look() {
  [ "${CLARIVUE_LOOK:-0}" = 1 ] || return 0
  sleep 0.7
  harness_screenshot "$1"
}
