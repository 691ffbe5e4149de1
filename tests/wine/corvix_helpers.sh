# Shared by the corvix.exe window tests (sourced, brings harness.sh).
set -u
. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

reg() { "$WINE_LOADER" reg "$@" >/dev/null 2>&1; }
reg_dword() { reg add "$regkey" /v "$1" /t REG_DWORD /d "$2" /f; }
reg_read() {
  "$WINE_LOADER" reg query "$regkey" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v n="$1" '$1 == n { print $3 }'
}

# Keys reach Wine's hot keys only while the desktop window has the X input focus.
focus_desktop() {
  local id
  id=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1)
  [ -n "$id" ] && xdotool windowfocus "$id" 2>/dev/null
}
# click_box_ok: clicks the OK button of the program's box until it is gone (keys reach a box
# opened from the tray menu only now and then under Wine); true when it closed.
click_box_ok() {
  local left top right bottom
  for _ in 1 2 3; do
    read -r left top right bottom < <(harness_tool child '#32770' 1 | tr -d '\r' | sed -n 's/^rect=//p')
    [ -n "$bottom" ] && harness_click $(((left + right) / 2)) $(((top + bottom) / 2))
    harness_tool gone '#32770' 2000 >/dev/null && return 0
  done
  return 1
}
# overlay_key KEY: the capture hot key KEY, then a wait (10 s at most) for the capture overlay.
overlay_key() {
  local before="$HARNESS_OUT/overlay_before.png" now="$HARNESS_OUT/overlay_now.png"
  harness_screenshot "$before"
  focus_desktop
  harness_key "$1"
  for _ in $(seq 50); do
    harness_screenshot "$now"
    [ "$(differing "$before" "$now")" -gt 1000 ] 2>/dev/null && sleep 0.3 && return 0
    sleep 0.2
  done
  return 1
}
# wait_file VAR PATTERN SECONDS: the newest capture file matching PATTERN (a glob in the folder).
wait_file() {
  local _wf_i
  for ((_wf_i = 0; _wf_i < $3 * 20; _wf_i++)); do
    printf -v "$1" '%s' "$(cd "$captures" && ls -t $2 2>/dev/null | head -n 1)"
    [ -n "${!1}" ] && sleep 0.3 && return 0 # the writer closes the file
    sleep 0.05
  done
  return 1
}
count_files() { find "$captures" -name '*.bmp' | wc -l; }
# differing A B: number of pixels that differ between two pictures or crops (FILE[WxH+X+Y]).
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# online_off: the online checks off, their service on a closed loopback port all the same.
online_off() {
  local key="HKCU\\Software\\Zentrova\\Zentrova Clarivue 2\\ztv_inet"
  "$WINE_LOADER" reg add "$key" /v Enabled /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$WINE_LOADER" reg add "$key" /v Service /t REG_SZ /d "http://127.0.0.1:9/" /f >/dev/null 2>&1
}
# corvix_test_init BUILD CORVIX_EXE WINTOOL_EXE: the harness; corvix, class, regkey, captures, out.
corvix_test_init() {
  harness_init "$1" "$3"
  corvix=$2
  class=ZentrovaClarivue2Class
  regkey='HKCU\Software\Zentrova\Zentrova Clarivue 2'
  captures="$HARNESS_OUT/captures"
  out=$HARNESS_OUT
  mkdir -p "$captures"
}
# quiet_record [NAME=VALUE...]: a fresh record without splash, intros, sound, finishing effects or
# start with Windows, several captures a session into $captures; then the DWORD values given.
quiet_record() {
  local v
  reg delete "$regkey" /f
  for v in GeneralShowSplashScreen IntroWindowWelcomeShow IntroWindowCaptureShow \
    IntroWindowCaptureScrollShow IntroWindowEditModeWelcomeShow GeneralPlaySoundOnCapture \
    CaptureShadowIsValid CaptureCursorIsValid CaptureShapeType CaptureShapeFader \
    GeneralStartWithWindows; do
    reg_dword "$v" 0
  done
  reg_dword CaptureType 1
  reg add "$regkey" /v CaptureOutputDirectory /t REG_SZ /d "Z:${captures//\//\\}" /f
  online_off
  for v in "$@"; do
    reg_dword "${v%%=*}" "${v#*=}"
  done
}
# start_session: a program that keeps Wine's desktop through the test, then corvix.exe.
start_session() {
  harness_start keeper "$HARNESS_WINTOOL" hotkey 0x7B 0
  check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
  # The previous test's program, if it was killed, must be gone with its hot keys first.
  harness_tool gone "$class" 10000 >/dev/null
  harness_start corvix_pid "$corvix"
  check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
  sleep 1
}
# pixel FILE X Y: the colour of a pixel as #rrggbb.
pixel() { convert "$1" -format "#%[hex:p{$2,$3}]" info: | tr 'A-F' 'a-f' | cut -c1-7; }
# wait_png FILE: until FILE exists (5 s at most) and its writer closed it.
wait_png() { wait_for 50 0.1 test -e "$1"; sleep 0.3; }
# tray_edit_mode: "Start Edit Mode" from the tray menu, as a user chooses it.
tray_edit_mode() { tray_menu editmode; sleep 1; }
# press KEYS...: keys to the Edit Mode, the pointer parked on the screen's empty top right.
press() {
  harness_mouse 700 150
  focus_desktop
  harness_key "$@"
}

# flat_captures N: N captures replaced by flat 600 x 400 pictures of C0C0C0 (names in name[]).
flat_captures() {
  local n
  convert -size 600x400 xc:'#c0c0c0' -type TrueColor "BMP3:$out/flat.bmp"
  take_captures "$1"
  for ((n = 1; n <= $1; n++)); do
    cp "$out/flat.bmp" "$captures/${name[n]}.bmp"
  done
}
# tool COMMAND: a tool's bar button, as the bar posts it.
tool() { harness_tool post "$class" 0x111 "$1" 0 >/dev/null; sleep 0.3; }
# drag X1 Y1 X2 Y2: a drag in picture pixels (four steps).
drag() {
  local i
  harness_mouse $((X0 + $1)) $((Y0 + $2))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.1
  for i in 1 2 3 4; do
    harness_mouse $((X0 + $1 + ($3 - $1) * i / 4)) $((Y0 + $2 + ($4 - $2) * i / 4))
    sleep 0.1
  done
  xdotool mouseup 1
  sleep 0.5
}
# end_session [PID]: "-exit" (exit code 1) ends the running program (corvix_pid) with exit code 0.
end_session() {
  harness_run rc 30 "$corvix" -exit
  check "-exit: exit code 1" 1 "$rc"
  harness_wait_exit rc "${1:-$corvix_pid}" 30
  check "corvix ends with exit code 0" 0 "$rc"
}
# stop PID: ends a helper program started by the test.
stop() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }
# box_message [CAPTION [MS]]: the message (control 3101) of the program's box, once it is shown.
box_message() {
  harness_tool dialogtext "${1:-Zentrova Clarivue 2.1}" 3101 "${2:-10000}" | tr -d '\r' |
    sed -n 's/^text=//p'
}
# screen_drag X1 Y1 X2 Y2: a drag in desktop pixels, the pointer resting halfway.
screen_drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  sleep 0.2
  xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2))
  sleep 0.2
  xdotool mousemove "$3" "$4"
  sleep 0.2
  xdotool mouseup 1
  sleep 0.5
}
# wait_for TRIES PAUSE COMMAND...: COMMAND until it succeeds, at most TRIES times PAUSE apart.
wait_for() {
  local tries=$1 pause=$2 i
  shift 2
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep "$pause"
  done
  return 1
}
# bmp_header FILE: "bits width height xppm" of a BMP file.
bmp_header() {
  python3 - "$1" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read(54)
w, h, planes, bits = struct.unpack('<iiHH', d[18:30])
print(bits, w, h, struct.unpack('<i', d[38:42])[0])
PY
}
# colour_count FILE COLOUR: the number of pixels of exactly COLOUR (#rrggbb) in a picture.
colour_count() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]' info:
}
# lasso: a free-style drag round the area (160 ... 330, 120 ... 280) of the screen.
lasso() {
  local xy
  harness_mouse 170 130
  sleep 0.2
  xdotool mousedown 1
  sleep 0.1
  for xy in "220 120" "280 135" "320 180" "330 240" "290 280" "220 275" "180 240" "160 180" \
    "168 135"; do
    harness_mouse $xy
    sleep 0.1
  done
  sleep 0.4
  xdotool mouseup 1
}
# take_captures N: N PrintScreen captures (checked); their names without ".bmp" in name[1..N].
take_captures() {
  local n file
  for ((n = 1; n <= $1; n++)); do
    press Print
    wait_file file "*00$n.bmp" 15
    name[n]=${file%.bmp}
  done
  check_true "$1 captures stored" test -n "${name[$1]}"
}
# click_child CLASS ID: clicks the middle of the child window ID of the window of CLASS.
click_child() {
  local l t r b
  read -r l t r b < <(harness_tool child "$1" "$2" | tr -d '\r' | sed -n 's/^rect=//p')
  harness_click $(((${l:-0} + ${r:-0}) / 2)) $(((${t:-0} + ${b:-0}) / 2))
  sleep 0.5
}
# run_corvix NAME: starts corvix.exe (its process id in corvix_pid); its main window must come.
run_corvix() {
  harness_start corvix_pid "$corvix"
  check "$1: main window" 0 "$(harness_tool find "$class" 15000; echo $?)"
}
# keep N: Enter keeps capture N as PNG; its path in kept.
keep() {
  press Return
  kept=$captures/${name[$1]}.png
  wait_png "$kept"
}
# pixels FILE [DX DY]: checks input lines "NAME X Y #rrggbb" against FILE at (DX + X, DY + Y).
pixels() {
  local what x y expected
  while read -r what x y expected; do
    check "$what ($x, $y)" "$expected" "$(pixel "$1" $((${2:-0} + x)) $((${3:-0} + y)))"
  done
}
# The tray menu (class #32768) visible / closed; menu_open leaves its rectangle in MENU_RECT.
menu_open() {
  MENU_RECT=$(harness_tool visible '#32768' 5000 | tr -d '\r' | sed -n 's/^rect=//p')
  [ -n "$MENU_RECT" ]
}
menu_closed() { harness_tool hidden '#32768' 5000; }
# Each item's middle below the menu's top edge, drawn by the system or (taller) by the skin.
declare -A MENU_ITEM=([text]=10 [website]=27 [window]=44 [region]=61 [freestyle]=78 [area]=95
  [configure]=121 [showbar]=147 [editmode]=164 [help]=190 [exit]=216)
declare -A SKIN_MENU_ITEM=([text]=12 [website]=33 [window]=54 [region]=75 [freestyle]=96
  [area]=117 [configure]=147 [showbar]=177 [editmode]=198 [help]=228 [exit]=258)
# tray_menu ITEM: a right click on the tray icon, then a click on ITEM.
tray_menu() {
  local left top right bottom
  focus_desktop
  harness_click 1013 757 3
  menu_open || return 1
  read -r left top right bottom <<<"$MENU_RECT"
  sleep 0.3
  if [ $((bottom - top)) -gt 250 ]; then
    harness_click $((left + 60)) $((top + ${SKIN_MENU_ITEM[$1]}))
  else
    harness_click $((left + 60)) $((top + ${MENU_ITEM[$1]}))
  fi
  menu_closed
}
# help_window: 0 when the help window opens (it is closed again, and gone), else 1.
help_window() {
  harness_tool find 'HH Parent' 15000 >/dev/null || { echo 1; return; }
  harness_tool post 'HH Parent' 0x10 0 0 >/dev/null
  harness_tool gone 'HH Parent' 5000 >/dev/null
  echo $?
}
