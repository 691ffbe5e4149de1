#!/usr/bin/env bash
# corvix_capture_modes_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The capture modes against screenshots: the bar's button, Shift+F9, cancels, a free-style lasso
# (background #00ff00); then with the factory finishing an F9 rectangle with its drop shadow.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"

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

harness_start keeper "$HARNESS_WINTOOL" hotkey 0x7B 0
check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
sleep 1
harness_screenshot "$HARNESS_OUT/no_bar.png"
start_corvix

harness_mouse 600 500
sleep 1
harness_screenshot "$HARNESS_OUT/bar_strip.png"
strip_rows=$(compare -metric AE "$HARNESS_OUT/no_bar.png[1024x8+0+0]" \
  "$HARNESS_OUT/bar_strip.png[1024x8+0+0]" "$HARNESS_OUT/bar_strip_diff.png" 2>&1 | cut -d' ' -f1)
check_true "capture bar: a strip at the top edge ($strip_rows pixels changed)" \
  test "${strip_rows:-0}" -gt 20
# The bar's free-rectangle button: the overlay's band covers the top edge; Escape, the bar back.
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

harness_start painter "$HARNESS_WINTOOL" window "Clarivue Test Window" 200 150 300 200 3366CC
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
xdotool click 1
wait_file shot1 '*001.bmp' 15
check_true "Shift+F9: a file numbered 001" test -n "$shot1"
if [ -n "$shot1" ]; then
  cp "$captures/$shot1" "$HARNESS_OUT/single_window.bmp"
  check "Shift+F9: the window's size" "24 $((wr - wl)) $((wb - wt))" "$(bmp_size "$captures/$shot1")"
  # The window from the screen, its corners rounded off in the background colour.
  ww=$((wr - wl))
  wh=$((wb - wt))
  corners=$(colour_count "$captures/$shot1" '#00FF00')
  check "Shift+F9: only the rounded corners differ, in the background colour" "$corners" \
    "$(differing "$HARNESS_OUT/window_desktop.png[${ww}x$wh+$wl+$wt]" "$captures/$shot1")"
  check_true "Shift+F9: each corner rounded off ($corners pixels)" \
    test "$corners" -ge 8 -a "$corners" -le 40
  check "Shift+F9: the corner pixels" "00ff00 00ff00 00ff00 00ff00" \
    "$(pixel "$captures/$shot1" 0 0) $(pixel "$captures/$shot1" $((ww - 1)) 0) $(pixel \
      "$captures/$shot1" 0 $((wh - 1))) $(pixel "$captures/$shot1" $((ww - 1)) $((wh - 1)))"
fi

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
  check "free style: bounding box 181 x 171" "24 181 171" "$(bmp_size "$captures/$shot2")"
  outside=$(colour_count "$captures/$shot2" '#00FF00')
  check "free style: only the background outside differs from the screen" "$outside" \
    "$(differing "$HARNESS_OUT/freestyle_desktop.png[181x171+155+115]" "$captures/$shot2")"
  check_true "free style: inside and outside both large ($outside of 30951 outside)" \
    test "$outside" -gt 6000 -a "$outside" -lt 25000
  check "free style: inside the window's client area" 3366cc "$(pixel "$captures/$shot2" 130 100)"
  check "free style: inside, the frame at the window's corner from the screen" \
    "$(pixel "$HARNESS_OUT/freestyle_desktop.png" 205 155)" "$(pixel "$captures/$shot2" 50 40)"
fi
stop "$painter"
end_session

for v in CaptureShadowIsValid CaptureCursorIsValid CaptureShapeType CaptureShapeFader \
  CaptureBackgroundColor; do
  reg delete "$regkey" /v "$v" /f
done
reg_dword GeneralShowCaptureBar 0
captures="$HARNESS_OUT/captures_shadow"
mkdir -p "$captures"
reg add "$regkey" /v CaptureOutputDirectory /t REG_SZ /d "Z:${captures//\//\\}" /f
start_corvix
# An F9 rectangle of 250 x 220 at (300, 250) grown by the shadow's margin 2 * 3 + 2.5 * 8.
m=$((2 * 3 + 25 * 8 / 10))
harness_mouse 900 700
sleep 0.5
harness_screenshot "$HARNESS_OUT/shadow_desktop.png"
overlay_key F9
screen_drag 300 250 549 469
harness_click 425 360
wait_file file '*001.bmp' 15
check "shadow: one file of (W + 2m) x (H + 2m)" "1 24 $((250 + 2 * m)) $((220 + 2 * m))" \
  "$(count_files) $(bmp_size "$captures/$file")"
check "shadow: the picture at (m, m) unchanged" 0 \
  "$(differing "$HARNESS_OUT/shadow_desktop.png[250x220+300+250]" "$captures/${file}[250x220+$m+$m]")"
end_session

harness_finish
