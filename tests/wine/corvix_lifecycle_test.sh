#!/usr/bin/env bash
# corvix_lifecycle_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The resident program's life: its file's resources, "-exit", the hidden main window, a second
# start handing over, the message box when only the instance mutex exists.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

harness_init "$1" "$3"
corvix=$2
class=ZentrovaClarivue2Class
mutex=ZentrovaClarivue2Mutex
caption="Zentrova Clarivue 2.1"

# The program file: manifest and icon as Windows reads them.
manifest=$(harness_tool resource "$corvix" 24 1 | tr -d '\r')
check_true "manifest: common controls 6" grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
check_true "manifest: per-monitor DPI awareness" grep -q '>PerMonitorV2, PerMonitor</dpiAwareness>' <<<"$manifest"
check "icon 102: 16 to 256 pixels" "widths=16 20 24 32 40 48 64 256" \
  "$(harness_tool resource "$corvix" 14 102 | tr -d '\r' | grep widths)"
# The 32-pixel picture drawn on black: a transparent corner, a drawn centre.
check "icon 102: transparent corner" 000000 "$(harness_tool iconpixel "$corvix" 102 32 0 0 | tr -d '\r')"
centre=$(harness_tool iconpixel "$corvix" 102 32 16 16 | tr -d '\r')
check_true "icon 102: drawn centre ($centre)" test "$centre" != 000000
# The cursors: the overlay's pen, the Edit Mode's hands, pencil, marker and rubber.
cursors=$(for id in 111 112 113 114 115 142; do
  harness_tool resource "$corvix" 12 "$id" >/dev/null && printf '%s ' "$id"
done)
check "cursor groups in the program" "111 112 113 114 115 142 " "$cursors"

reg delete 'HKCU\Software\Zentrova\Zentrova Clarivue 2' /f # no record of an earlier test
online_off

harness_run rc 30 "$corvix" -exit
check "-exit with nothing running: exit code 1" 1 "$rc"

# First instance: its main window appears, hidden, with the program's class data.
harness_start first "$corvix"
check "first start: main window found by class" 0 "$(harness_tool find "$class" 15000; echo $?)"
info=$(harness_tool info "$class" | tr -d '\r')
field() { printf '%s\n' "$info" | sed -n "s/^$1=//p"; }
check "main window title" "Zentrova Clarivue 2" "$(field title)"
check "main window hidden" 0 "$(field visible)"
check "main window is topmost" 1 "$((($(field exstyle) & 0x8) != 0))"

# Second plain start: finds the first instance, brings it to the front, ends with -1 (255).
harness_run rc 30 "$corvix"
check "second start: exit code -1" 255 "$rc"
check_true "second start: first instance still runs" harness_alive "$first"
check "second start: still one main window" 0 "$(harness_tool find "$class" 0; echo $?)"
# Arguments other than "-exit" change nothing; "-exit" is found anywhere, case-sensitively.
harness_run rc 30 "$corvix" -EXIT
check "-EXIT is not -exit: second start, exit code -1" 255 "$rc"
check_true "-EXIT: first instance still runs" harness_alive "$first"

harness_run rc 30 "$corvix" /quiet x-exitx
check "-exit inside another argument: exit code 1" 1 "$rc"
harness_wait_exit rc "$first" 30
check "first instance ends after -exit with exit code 0" 0 "$rc"
check "main window gone" 0 "$(harness_tool gone "$class" 5000; echo $?)"

# The mutex without a main window: a message box, closed with Enter, then the exit code -1.
harness_start holder "$HARNESS_WINTOOL" mutex "$mutex"
holder_log=$HARNESS_LAST_LOG
wait_for 150 0.1 grep -q created "$holder_log"
check "test mutex created" created "$(tr -d '\r' <"$holder_log")"
harness_run rc 30 "$corvix" -exit
check "-exit while only the mutex exists: exit code 1" 1 "$rc"

harness_start lonely "$corvix"
check "message box text" 'Failed to find Zentrova Clarivue Instance!\nPlease restart.' \
  "$(harness_tool dialogtext "$caption" 65535 15000 | tr -d '\r' | sed -n 's/^text=//p')"
check_true "program waits while the message box is open" harness_alive "$lonely"

harness_x_window "Zentrova Clarivue 2.1" 5 >/dev/null || true
harness_key Return
harness_wait_exit rc "$lonely" 15
check "message box closed with Enter: exit code -1" 255 "$rc"
stop "$holder"

harness_finish
