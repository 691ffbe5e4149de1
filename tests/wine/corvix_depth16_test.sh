#!/usr/bin/env bash
# corvix_depth16_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The region captures on a 16-bit screen, in a desktop of its own (an Xvfb of depth 16, a copy of
# the prefix in BUILD/wineprefix16 with its own wineserver): PrintScreen as the reference, an F9
# rectangle and an F8 lasso against it. Pictures in BUILD/wine-env/out/corvix_depth16_test/.
# shellcheck disable=SC2154 # corvix_pid and rc are set by the harness (printf -v)
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"

# --- The 16-bit desktop ---------------------------------------------------------------------------
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

# The record in one import: no splash, no intro windows, several captures per session, no
# finishing effects, background colour #00ff00, free style on F8, a known output folder.
{
  echo 'REGEDIT4'
  echo
  echo "[HKEY_CURRENT_USER\\Software\\Zentrova\\Zentrova Clarivue 2]"
  for v in GeneralShowSplashScreen IntroWindowWelcomeShow IntroWindowCaptureShow \
    IntroWindowCaptureScrollShow IntroWindowEditModeWelcomeShow GeneralPlaySoundOnCapture \
    CaptureShadowIsValid CaptureCursorIsValid CaptureShapeType CaptureShapeFader \
    GeneralStartWithWindows GeneralShowCaptureBar GeneralHotkeyFreeStyleRegionMod; do
    echo "\"$v\"=dword:00000000"
  done
  echo '"CaptureType"=dword:00000001'
  echo '"GeneralMonitorWindowsCaptureKey"=dword:00000001'
  echo '"CaptureBackgroundColor"=dword:0000ff00'
  echo '"GeneralHotkeyFreeStyleRegion"=dword:00000077'
  echo "\"CaptureOutputDirectory\"=\"Z:${captures//\//\\\\}\""
} >"$HARNESS_OUT/record.reg"
reg delete "$regkey" /f
reg import "Z:${HARNESS_OUT//\//\\}\\record.reg"
online_off
check "record imported" 0x1 "$(reg_read CaptureType)"

harness_start painter "$programtool" window "Clarivue Test Window" 200 150 300 200 3366CC
check "test window shown" 0 "$(harness_tool find ClarivueTestWindow 20000; echo $?)"
harness_mouse 700 600
harness_start corvix_pid "$corvix"
check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
sleep 1

# --- PrintScreen: the reference -------------------------------------------------------------------
harness_mouse 700 600
focus_desktop
harness_key Print
wait_file reference '*001.bmp' 15
check_true "PrintScreen: file 001" test -n "$reference"
[ -n "$reference" ] && cp "$captures/$reference" "$HARNESS_OUT/reference.bmp"

# --- F9: a rectangle of 201 x 141 at (150, 120) ---------------------------------------------------
overlay_key F9
screen_drag 150 120 350 260
harness_screenshot "$HARNESS_OUT/region_overlay.png"
harness_click 250 190
wait_file region '*002.bmp' 15
check_true "F9 region: file 002" test -n "$region"
if [ -n "$region" ] && [ -n "$reference" ]; then
  cp "$captures/$region" "$HARNESS_OUT/region.bmp"
  check "F9 region: 24-bit file of 201 x 141" "201x141 24" \
    "$(bmp_header "$captures/$region" | awk '{ print $2 "x" $3, $1 }')"
  check "F9 region: the screen's pixels of the selection" 0 \
    "$(differing "$HARNESS_OUT/reference.bmp[201x141+150+120]" "$captures/$region")"
fi

# --- F8: free style, a lasso round the test window's upper left corner ---------------------------
overlay_key F8
lasso
wait_file lasso '*003.bmp' 15
check_true "free style: file 003" test -n "$lasso"
if [ -n "$lasso" ] && [ -n "$reference" ]; then
  cp "$captures/$lasso" "$HARNESS_OUT/freestyle.bmp"
  # Points span 160 ... 330 and 120 ... 280; the box is 5 pixels larger on every side.
  outside=$(colour_count "$captures/$lasso" '#00FF00')
  check "free style: only the background outside differs from the screen" "$outside" \
    "$(differing "$HARNESS_OUT/reference.bmp[181x171+155+115]" "$captures/$lasso")"
  check_true "free style: inside and outside both large ($outside of 30951 outside)" \
    test "$outside" -gt 6000 -a "$outside" -lt 25000
fi

end_session

harness_finish
