# Shell library for window tests under Wine (sourced): harness_init BUILD WINTOOL (logs and
# pictures into HARNESS_OUT), programs started into a variable (harness_start, harness_run;
# harness_wait_exit gives 124 after the time), wintool (harness_tool), X input, screenshots and
# checks. The virtual desktop is 1024x768; exit codes come modulo 256 (-1 reads 255).

. "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

HARNESS_PASSED=0 HARNESS_FAILED=0 HARNESS_STARTED=0
HARNESS_PIDS=()

harness_init() {
  local build
  build=$(cd "$1" && pwd)
  HARNESS_WINTOOL=$2
  HARNESS_BUILD=$build
  HARNESS_OUT="$build/wine-env/out/$(basename "$0" .sh)"
  rm -rf "$HARNESS_OUT"
  mkdir -p "$HARNESS_OUT"
  wine_use_build "$build" || { echo "harness: no Wine prefix for $build" >&2 && exit 1; }
  HARNESS_DISPLAY=$(wine_xvfb_display "$build") ||
    { echo "harness: the fixture's Xvfb is not running (run the test through ctest)" >&2 && exit 1; }
  export DISPLAY=":$HARNESS_DISPLAY"
  trap harness_cleanup EXIT
}

# Ends the programs this test started and that are still running.
harness_cleanup() {
  local pid
  for pid in "${HARNESS_PIDS[@]}"; do
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  HARNESS_PIDS=()
}

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

harness_tool() { "$WINE_LOADER" "$HARNESS_WINTOOL" "$@" </dev/null 2>/dev/null; }

harness_x_window() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    xdotool search --name "^$1\$" 2>/dev/null | head -n 1 | grep . && return 0
    sleep 0.1
  done
  return 1
}

# No --sync here: xdotool waits forever when the pointer already is at the place.
harness_mouse() { xdotool mousemove "$1" "$2"; }
harness_click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
harness_key() { xdotool key --delay 50 "$@"; }
harness_type() { xdotool type --delay 50 "$1"; }

harness_screenshot() { import -display ":$HARNESS_DISPLAY" -window root "$1"; }

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
  local name=$1 ok=yes
  shift
  "$@" || ok=no
  check "$name" yes "$ok"
}

harness_finish() {
  harness_cleanup
  echo "$HARNESS_PASSED passed, $HARNESS_FAILED failed"
  [ "$HARNESS_FAILED" -eq 0 ]
}

