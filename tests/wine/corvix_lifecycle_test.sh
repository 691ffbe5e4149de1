#!/usr/bin/env bash
# corvix_lifecycle_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The resident program's life: the program file's resources, "-exit" with nothing running, the
# hidden main window, a second start handing over, "-exit" closing it, and the message box when
# the instance mutex exists without a main window (BUILD/wine-env/out/corvix_message_box.png).
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
# The 32-pixel picture drawn on black: a transparent corner, a drawn centre (the pictures
# themselves are checked by the data file tests).
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

check "no main window before the test" 0 "$(harness_tool gone "$class" 5000; echo $?)"

harness_run rc 30 "$corvix" -exit
check "-exit with nothing running: exit code 1" 1 "$rc"

# First instance: its main window appears, hidden, with the program's class data.
harness_start first "$corvix"
check "first start: main window found by class" 0 "$(harness_tool find "$class" 15000; echo $?)"
info=$(harness_tool info "$class" | tr -d '\r')
field() { printf '%s\n' "$info" | sed -n "s/^$1=//p"; }
check "main window title" "Zentrova Clarivue 2" "$(field title)"
check "main window hidden" 0 "$(field visible)"
check "main window style: popup, clipping siblings" 0x84000000 "$(field style)"
check "main window is topmost" 1 "$((($(field exstyle) & 0x8) != 0))"
check "class without style" 0x00000000 "$(field classstyle)"

# Second plain start: finds the first instance, brings it to the front, ends with -1 (255).
harness_run rc 30 "$corvix"
check "second start: exit code -1" 255 "$rc"
check_true "second start: first instance still runs" harness_alive "$first"
check "second start: still one main window" 0 "$(harness_tool find "$class" 0; echo $?)"
# A link of the Internet menu reaches the browser (a recorder registered for https) with every
# value encoded: the edition "A&B" cannot add a parameter.
link="$HARNESS_OUT/link.txt"
rm -f "$link"
settings='HKCU\Software\Zentrova\Zentrova Clarivue 2'
"$WINE_LOADER" reg add "$settings" /v Edition /t REG_SZ /d 'A&B' /f >/dev/null 2>&1
"$WINE_LOADER" reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /f /d \
  "C:\\windows\\system32\\cmd.exe /c echo \"%1\">Z:${link//\//\\}" >/dev/null 2>&1
harness_tool post "$class" 0x111 40011 0 >/dev/null
wait_for 50 0.2 test -s "$link"
check_true "homepage link: the query with the edition encoded ($(tr -d '\r' <"$link" 2>/dev/null))" \
  grep -q '^"https://www.zentrova.com/linktarget/?product=4712&version=2.10&edition=A%26B&syslang=[a-z-]*&lang=en-us&target=homepage" *$' < <(tr -d '\r' <"$link")
"$WINE_LOADER" reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /f /d \
  '"C:\windows\system32\winebrowser.exe" "%1"' >/dev/null 2>&1
"$WINE_LOADER" reg delete "$settings" /v Edition /f >/dev/null 2>&1

# Arguments other than "-exit" change nothing; "-exit" is found anywhere, case-sensitively.
harness_run rc 30 "$corvix" -EXIT
check "-EXIT is not -exit: second start, exit code -1" 255 "$rc"
check_true "-EXIT: first instance still runs" harness_alive "$first"

harness_run rc 30 "$corvix" /quiet x-exitx
check "-exit inside another argument: exit code 1" 1 "$rc"
harness_wait_exit rc "$first" 30
check "first instance ends after -exit with exit code 0" 0 "$rc"
check "main window gone" 0 "$(harness_tool gone "$class" 5000; echo $?)"

# The mutex exists but no main window: the second start says so in a message box, then ends with
# -1. The box is closed with the keyboard, as a user would.
harness_start holder "$HARNESS_WINTOOL" mutex "$mutex"
holder_log=$HARNESS_LAST_LOG
wait_for 150 0.1 grep -q created "$holder_log"
check "test mutex created" created "$(tr -d '\r' <"$holder_log")"
harness_run rc 30 "$corvix" -exit
check "-exit while only the mutex exists: exit code 1" 1 "$rc"

harness_start lonely "$corvix"
check "message box text" 'Failed to find Zentrova Clarivue Instance!\nPlease restart.' \
  "$(harness_tool msgbox "$caption" 15000 | tr -d '\r' | sed -n 's/^text=//p')"
# (Wine 8 shows MB_TOPMOST boxes without WS_EX_TOPMOST, so that flag is not checked here.)
check_true "program waits while the message box is open" harness_alive "$lonely"

shot="$HARNESS_OUT/corvix_message_box.png"
rm -f "$shot"
harness_screenshot "$shot"
check_true "screenshot written" test -s "$shot"
check "screenshot is a PNG of the desktop size" "PNG 1024x768" \
  "$(identify -format '%m %wx%h' "$shot" 2>/dev/null)"
# Desktop, box face, button and text: a blank picture would have one or two colours.
check_true "screenshot shows more than a blank desktop" \
  test "$(identify -format '%k' "$shot" 2>/dev/null || echo 0)" -ge 4

harness_x_window "Zentrova Clarivue 2.1" 5 >/dev/null || true
harness_key Return
harness_wait_exit rc "$lonely" 15
check "message box closed with Enter: exit code -1" 255 "$rc"
stop "$holder"

harness_finish
