#!/usr/bin/env bash
# corvix_capture_modes_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The capture modes, each file compared with a screenshot taken before. First run (capture bar on,
# no finishing, background #00ff00, free style on F8): Shift+F9 on a test window, cancelled region
# captures (no gap in the numbers), a free-style lasso, the bar's free-rectangle button. Second
# run (factory finishing, bar off): an F9 rectangle grown by the drop shadow's margin
# 2 * 3 + trunc(2.5 * 8) = 26. Pictures in BUILD/wine-env/out/corvix_capture_modes_test/.
# shellcheck disable=SC2154 # corvix_pid, painter and rc are set by the harness (printf -v)
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"

# use_folder DIR: the output folder of the next run (made empty).
use_folder() {
  captures=$1
  rm -rf "$captures"
  mkdir -p "$captures"
  reg add "$regkey" /v CaptureOutputDirectory /t REG_SZ /d "Z:${captures//\//\\}" /f
}
# bmp_size FILE: "bits width height" of a BMP file.
bmp_size() { bmp_header "$1" | cut -d' ' -f1-3; }
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'; }
# start_corvix: a run of the program with the record as it is now; waits for its main window.
start_corvix() {
  harness_mouse 600 500
  harness_start corvix_pid "$corvix"
  check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
  sleep 1
}

quiet_record GeneralShowCaptureBar=1 CaptureBackgroundColor=0x00FF00 \
  GeneralHotkeyFreeStyleRegion=0x77 GeneralHotkeyFreeStyleRegionMod=0

# Wine closes its desktop when the last program ends: a program that idles through the test
# keeps it (and the screen stays the same between the runs).
harness_start keeper "$programtool" hotkey 0x7B 0
check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
sleep 1
harness_screenshot "$HARNESS_OUT/no_bar.png"
start_corvix

# --- The capture bar's strip and the tray menu ----------------------------------------------------
harness_mouse 600 500
sleep 1
harness_screenshot "$HARNESS_OUT/bar_strip.png"
strip_rows=$(compare -metric AE "$HARNESS_OUT/no_bar.png[1024x8+0+0]" \
  "$HARNESS_OUT/bar_strip.png[1024x8+0+0]" "$HARNESS_OUT/bar_strip_diff.png" 2>&1 | cut -d' ' -f1)
check_true "capture bar: a strip at the top edge ($strip_rows pixels changed)" \
  test "${strip_rows:-0}" -gt 20
# The bar's fourth button (free rectangle) starts that capture: the overlay's caption band covers
# the top edge (the bar itself is removed for region captures); Escape leaves without a file and
# the bar comes back.
harness_mouse 512 1
sleep 1.5
harness_click 469 21
sleep 1.5
harness_screenshot "$HARNESS_OUT/bar_started_region.png"
band=$(differing "$HARNESS_OUT/no_bar.png[1024x20+0+2]" "$HARNESS_OUT/bar_started_region.png[1024x20+0+2]")
check_true "capture bar: its free-rectangle button starts the region capture ($band pixels)" \
  test "${band:-0}" -gt 15000
focus_desktop
harness_key Escape
sleep 1
check "capture bar: the cancelled capture stored nothing" 0 "$(count_files)"
harness_mouse 600 500
sleep 2.5
harness_screenshot "$HARNESS_OUT/bar_back.png"
check "capture bar: back as the strip after the capture" 0 \
  "$(differing "$HARNESS_OUT/bar_strip.png" "$HARNESS_OUT/bar_back.png")"
# tray_shot FILE: the tray menu opened with a right click on the icon, FILE a screenshot of it.
tray_shot() {
  focus_desktop
  harness_click 1013 757 3
  check "tray menu opens" 0 "$(menu_open; echo $?)"
  harness_mouse 600 500
  sleep 0.7
  harness_screenshot "$1"
  harness_key Escape
  harness_click 600 500
  menu_closed >/dev/null
  sleep 0.3
}
tray_shot "$HARNESS_OUT/tray_menu.png"

# --- Shift+F9: the window under the cursor ------------------------------------------------------
harness_start painter "$programtool" window "Clarivue Test Window" 200 150 300 200 3366CC
painter_log=$HARNESS_LAST_LOG
check "test window shown" 0 "$(harness_tool find ClarivueTestWindow 10000; echo $?)"
wait_for 50 0.1 grep -q window= "$painter_log"
read -r wl wt wr wb < <(sed -n 's/^window=//p' "$painter_log" | tr -d '\r')
sleep 1
harness_mouse 700 600
sleep 0.3
harness_screenshot "$HARNESS_OUT/window_desktop.png"
overlay_key shift+F9
harness_mouse 330 260
sleep 0.3
harness_mouse 350 250
sleep 0.7
look "$HARNESS_OUT/overlay_window.png"
xdotool click 1
wait_file shot1 '*001.bmp' 15
check_true "Shift+F9: a file numbered 001" test -n "$shot1"
if [ -n "$shot1" ]; then
  cp "$captures/$shot1" "$HARNESS_OUT/single_window.bmp"
  check "Shift+F9: the window's size" "24 $((wr - wl)) $((wb - wt))" "$(bmp_size "$captures/$shot1")"
  # The frame is taken from the screen and cut to a rounded rectangle (corner size 9 x 9): the
  # window's pixels everywhere but in the 4 x 4 corner squares, the background colour there.
  ww=$((wr - wl))
  wh=$((wb - wt))
  check "Shift+F9: the window's pixels but the corners, across" 0 \
    "$(differing "$HARNESS_OUT/window_desktop.png[$((ww - 8))x$wh+$((wl + 4))+$wt]" \
      "$captures/${shot1}[$((ww - 8))x$wh+4+0]")"
  check "Shift+F9: the window's pixels but the corners, down" 0 \
    "$(differing "$HARNESS_OUT/window_desktop.png[${ww}x$((wh - 8))+$wl+$((wt + 4))]" \
      "$captures/${shot1}[${ww}x$((wh - 8))+0+4]")"
  corners=$(colour_count "$captures/$shot1" '#00FF00')
  check "Shift+F9: only the rounded corners differ, in the background colour" "$corners" \
    "$(differing "$HARNESS_OUT/window_desktop.png[${ww}x$wh+$wl+$wt]" "$captures/$shot1")"
  check_true "Shift+F9: each corner rounded off ($corners pixels)" \
    test "$corners" -ge 8 -a "$corners" -le 40
  check "Shift+F9: the corner pixels" "00ff00 00ff00 00ff00 00ff00" \
    "$(pixel "$captures/$shot1" 0 0) $(pixel "$captures/$shot1" $((ww - 1)) 0) $(pixel \
      "$captures/$shot1" 0 $((wh - 1))) $(pixel "$captures/$shot1" $((ww - 1)) $((wh - 1)))"
fi

# --- Escape and the right button cancel a region capture ----------------------------------------
overlay_key F9
screen_drag 620 420 700 480
harness_key Escape
sleep 1.5
check "Escape with a selection: nothing stored" 1 "$(count_files)"
overlay_key F9
harness_click 650 450 3
sleep 1.5
check "right click before a selection: nothing stored" 1 "$(count_files)"
overlay_key F8
harness_key Escape
sleep 1.5
check "Escape in free style: nothing stored" 1 "$(count_files)"

# --- F8: free style, a lasso round the test window's upper left corner --------------------------
harness_mouse 600 500
sleep 0.5
harness_screenshot "$HARNESS_OUT/freestyle_desktop.png"
overlay_key F8
lasso "$HARNESS_OUT/overlay_freestyle.png"
wait_file shot2 '*002.bmp' 15
check_true "free style: the next file is numbered 002 (no gap after the cancels)" test -n "$shot2"
check "free style: two files in the folder" 2 "$(count_files)"
if [ -n "$shot2" ]; then
  cp "$captures/$shot2" "$HARNESS_OUT/freestyle.bmp"
  # Points span 160 ... 330 and 120 ... 280; the box is 5 pixels larger on every side.
  check "free style: bounding box 181 x 171" "24 181 171" "$(bmp_size "$captures/$shot2")"
  outside=$(colour_count "$captures/$shot2" '#00FF00')
  check "free style: only the background outside differs from the screen" "$outside" \
    "$(differing "$HARNESS_OUT/freestyle_desktop.png[181x171+155+115]" "$captures/$shot2")"
  check_true "free style: inside and outside both large ($outside of 30951 outside)" \
    test "$outside" -gt 6000 -a "$outside" -lt 25000
  check "free style: box corner in the background colour" 00ff00 \
    "$(pixel "$captures/$shot2" 0 0)"
  check "free style: inside the window's client area" 3366cc "$(pixel "$captures/$shot2" 130 100)"
  check "free style: inside, the frame at the window's corner from the screen" \
    "$(pixel "$HARNESS_OUT/freestyle_desktop.png" 205 155)" "$(pixel "$captures/$shot2" 50 40)"
fi
stop "$painter"
end_session

# --- Second run: the factory finishing (drop shadow on), the capture bar off --------------------
for v in CaptureShadowIsValid CaptureCursorIsValid CaptureShapeType CaptureShapeFader \
  CaptureBackgroundColor; do
  reg delete "$regkey" /v "$v" /f
done
reg_dword GeneralShowCaptureBar 0
use_folder "$HARNESS_OUT/captures_shadow"
start_corvix
# "Show CaptureBar" shows its state by its icon (left of the item, about 178 pixels below the
# menu's top): it differs between the bar on and off.
tray_shot "$HARNESS_OUT/tray_menu_bar_off.png"
check_true "tray menu: the Show CaptureBar icon tells the bar's state" test \
  "$(differing "$HARNESS_OUT/tray_menu.png[28x24+762+661]" \
    "$HARNESS_OUT/tray_menu_bar_off.png[28x24+762+661]")" -gt 10
margin=$((2 * 3 + 25 * 8 / 10))
# region W H X Y NUMBER: an F9 rectangle of W x H at (X, Y); checks the file with the shadow.
region() {
  local w=$1 h=$2 x=$3 y=$4 n=$5 file fw fh
  harness_mouse 900 700
  sleep 0.5
  harness_screenshot "$HARNESS_OUT/shadow_desktop_$n.png"
  overlay_key F9
  screen_drag "$x" "$y" $((x + w - 1)) $((y + h - 1))
  look "$HARNESS_OUT/overlay_rectangle.png"
  harness_click $((x + w / 2)) $((y + h / 2))
  wait_file file "*$n.bmp" 15
  check_true "shadow $w x $h: file numbered $n" test -n "$file"
  [ -n "$file" ] || return
  cp "$captures/$file" "$HARNESS_OUT/shadow_$n.bmp"
  fw=$((w + 2 * margin))
  fh=$((h + 2 * margin))
  check "shadow $w x $h: file of (W + 2m) x (H + 2m)" "24 $fw $fh" "$(bmp_size "$captures/$file")"
  check "shadow $w x $h: the picture at (m, m) unchanged" 0 \
    "$(differing "$HARNESS_OUT/shadow_desktop_$n.png[${w}x$h+$x+$y]" \
      "$captures/${file}[${w}x$h+$margin+$margin]")"
  check "shadow $w x $h: background at the top left" ffffff "$(pixel "$captures/$file" 0 0)"
  check "shadow $w x $h: background at the top right" ffffff \
    "$(pixel "$captures/$file" $((fw - 1)) 0)"
  # Direction 315 moves the shadow 3 pixels right and down: just outside the picture's bottom
  # right corner it is dark, just outside its top left corner it is light.
  local dark light
  dark=$(convert "$captures/$file" -format "%[fx:round(255*p{$((margin + w + 1)),$((margin + h + 1))}.g)]" info:)
  light=$(convert "$captures/$file" -format "%[fx:round(255*p{$((margin - 2)),$((margin - 2))}.g)]" info:)
  check_true "shadow $w x $h: darker at the bottom right ($dark) than at the top left ($light)" \
    test "$dark" -lt $((light - 40))
}
region 250 220 300 250 001
check "shadow: one file in the folder" 1 "$(count_files)"
end_session

harness_finish
