#!/usr/bin/env bash
# corvix_depth16_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The region captures on a 16-bit screen (an Xvfb of depth 16 and a prefix copy of its own):
# PrintScreen as the reference, an F9 rectangle and an F8 lasso against it.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"

export WINEPREFIX="$HARNESS_BUILD/wineprefix16"
"$CLARIVUE_WINE_DIR/make-prefix.sh" "$WINEPREFIX" "$CLARIVUE_WINE_TEMPLATE" || exit 1
setsid Xvfb -displayfd 3 -screen 0 1024x768x16 -nolisten tcp -noreset \
  3>"$HARNESS_OUT/display" </dev/null >"$HARNESS_OUT/xvfb.log" 2>&1 &
xvfb_pid=$!
stop_desktop() {
  harness_cleanup
  "$WINE_SERVER" -k >/dev/null 2>&1
  "$WINE_SERVER" -w >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null
}
trap stop_desktop EXIT
wait_for 100 0.1 test -s "$HARNESS_OUT/display"
HARNESS_DISPLAY=$(tr -d '\n' <"$HARNESS_OUT/display")
export DISPLAY=":$HARNESS_DISPLAY"
check "16-bit screen" "16 planes" \
  "$(xdpyinfo 2>/dev/null | sed -n 's/^ *depth of root window: *//p')"
"$WINE_SERVER" -p </dev/null >/dev/null 2>&1

quiet_record GeneralShowCaptureBar=0 GeneralMonitorWindowsCaptureKey=1 CaptureBackgroundColor=0xFF00 \
  GeneralHotkeyFreeStyleRegion=0x77 GeneralHotkeyFreeStyleRegionMod=0

harness_start painter "$HARNESS_WINTOOL" window "Clarivue Test Window" 200 150 300 200 3366CC
check "test window shown" 0 "$(harness_tool find ClarivueTestWindow 20000; echo $?)"
harness_mouse 700 600
harness_start corvix_pid "$corvix"
check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
sleep 1

harness_mouse 700 600
focus_desktop
harness_key Print
wait_file reference '*001.bmp' 15
cp "$captures/$reference" "$HARNESS_OUT/reference.bmp"

overlay_key F9
screen_drag 150 120 350 260
harness_click 250 190
wait_file region '*002.bmp' 15
check "F9 region: a 24-bit file of 201 x 141 (both edges included), the screen's pixels" \
  "24 201 141 0" "$(bmp_header "$captures/$region" | cut -d' ' -f1-3) \
$(differing "$HARNESS_OUT/reference.bmp[201x141+150+120]" "$captures/$region")"

overlay_key F8
lasso
wait_file lasso '*003.bmp' 15
outside=$(colour_count "$captures/$lasso" '#00FF00')
check "free style: only the background outside differs from the screen" "$outside" \
  "$(differing "$HARNESS_OUT/reference.bmp[181x171+155+115]" "$captures/$lasso")"
check_true "free style: inside and outside both large ($outside of 30951 outside)" \
  test "$outside" -gt 6000 -a "$outside" -lt 25000

end_session

harness_finish
