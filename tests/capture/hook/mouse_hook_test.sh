#!/usr/bin/env bash
# mouse_hook_test.sh BUILD HOOK_PROBE_EXE WINTOOL_EXE: real clicks anywhere reach the probe's
# window as MouseHook.dll's message (button, position), moves and clicks after the uninstall not.
# shellcheck disable=SC2154 # pid and rc are set by the harness (printf -v)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
probe=$2
log="$HARNESS_OUT/hook.log"
rm -f "$log"

wait_for_line() {  # wait_for_line PATTERN SECONDS
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    grep -q "$1" "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

harness_start pid "$probe" "Z:$log"
check_true "hook installed" wait_for_line '^install 1' 30
sleep 0.5
harness_mouse 90 110
sleep 0.2
xdotool mousemove 100 120 mousedown 1
sleep 0.2
xdotool mouseup 1
sleep 0.2
harness_mouse 300 200
sleep 0.3
xdotool mousedown 3
sleep 0.2
xdotool mouseup 3
check_true "uninstalled after the right button" wait_for_line '^uninstalled' 10
sleep 0.5
harness_click 150 160 1
harness_wait_exit rc "$pid" 20
check "probe exit code" 0 "$rc"

lines=$(tr -d '\r' <"$log")
expected="install-mode2 0
install-null 0
uninstall-idle 1
install 1
513 100 120
514 100 120
516 300 200
517 300 200
uninstalled 1"
check "posted messages: button events only, with their positions" "$expected" "$lines"
harness_finish
