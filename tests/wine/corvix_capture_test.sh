#!/usr/bin/env bash
# corvix_capture_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The resident program's capture side with a prepared record (no splash, intros or finishing):
# the tray icon, its tool tip and menu ("Start Edit Mode" without captures, "Help" without a help
# file, back after "TaskbarCreated", "Show CaptureBar" saved, "Exit"); PrintScreen, Alt+PrintScreen
# and both queued, named by date, time and number, nothing overwritten across a restart; an F9
# region; F9 held by another program. Pictures in BUILD/wine-env/out/corvix_capture_test/.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
captures_win="Z:${captures//\//\\}"

quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1
check "prepared output folder" "$captures_win" "$(reg_read CaptureOutputDirectory)"

# pixel FILE X Y: "RRGGBB" of a picture file at (X, Y) from the top-left.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6; }
# crop_diff FILE_A FILE_B GEOMETRY: number of pixels that differ inside GEOMETRY (WxH+X+Y).
crop_diff() {
  convert "$1" -crop "$3" +repage "$HARNESS_OUT/crop_a.png"
  convert "$2" -crop "$3" +repage "$HARNESS_OUT/crop_b.png"
  differing "$HARNESS_OUT/crop_a.png" "$HARNESS_OUT/crop_b.png"
}
# Pixels per metre of the screen's 96 dpi as the BMP writer stores them: trunc(96 / 0.0254).
ppm=3779
stamp() { date +%Y.%m.%d\ %H.%M; }

check "no main window before the test" 0 "$(harness_tool gone "$class" 5000; echo $?)"
# A program idling through the test keeps Wine's desktop (and its notification area) alive.
harness_start keeper "$programtool" hotkey 0x7B 0
check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
sleep 1
harness_screenshot "$HARNESS_OUT/before.png"
harness_mouse 600 300
harness_start first "$corvix"
check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
sleep 1

# --- Tray icon: bottom right of the Wine desktop's task bar -------------------------------------
harness_mouse 600 300
sleep 1
harness_screenshot "$HARNESS_OUT/tray.png"
# The notification area is the right end of the task bar; the icon replaces the bar's grey there.
tray_diff=$(crop_diff "$HARNESS_OUT/before.png" "$HARNESS_OUT/tray.png" 40x24+984+744)
check_true "tray icon drawn in the notification area ($tray_diff pixels changed)" \
  test "${tray_diff:-0}" -gt 100
# The tool tip comes when the pointer moves onto the icon and rests there.
harness_mouse 600 300
sleep 0.5
harness_mouse 1010 755
sleep 0.2
harness_mouse 1013 757
sleep 2
harness_screenshot "$HARNESS_OUT/tray_tooltip.png"
tip_diff=$(crop_diff "$HARNESS_OUT/tray.png" "$HARNESS_OUT/tray_tooltip.png" 200x30+824+710)
check_true "tool tip shown over the icon ($tip_diff pixels changed)" test "${tip_diff:-0}" -gt 200

focus_desktop
harness_click 1013 757 3
check "right click opens the tray menu" 0 "$(menu_open; echo $?)"
sleep 0.5
look "$HARNESS_OUT/tray_menu.png"
harness_click 300 300
check "a click beside the menu closes it" 0 "$(menu_closed; echo $?)"

# "Start Edit Mode" without captures.
harness_mouse 500 300
tray_menu editmode
check "Start Edit Mode without captures: the message" \
  "No captures have been created in the last session. Therefore the Edit Mode can not be started. You need to create a capture first." \
  "$(box_message)"
check "message box closed with its OK button" 0 "$(click_box_ok; echo $?)"
check_true "corvix still runs" harness_alive "$first"

# "Help" with no help file beside the program (the built ones moved aside for this step): the
# user is told where the help was looked for.
help_dir="$(dirname "$corvix")/Help"
mv "$help_dir" "$help_dir.aside"
harness_mouse 500 300
tray_menu help
box=$(box_message)
check_true "Help without a help file: the user is told ($box)" \
  grep -q '^The help could not be opened. Either no help file was found in the folder ".*Help"' \
  <<<"$box"
check "help message closed with its OK button" 0 "$(click_box_ok; echo $?)"
mv "$help_dir.aside" "$help_dir"

# --- PrintScreen: the whole desktop -------------------------------------------------------------
harness_mouse 500 300
sleep 0.5
harness_screenshot "$HARNESS_OUT/desktop.png"
focus_desktop
before=$(stamp)
harness_key Print
wait_file shot1 '*001.bmp' 15
after=$(stamp)
case "$shot1" in
  "Clarivue - $before - 001.bmp" | "Clarivue - $after - 001.bmp") name_ok=yes ;;
  *) name_ok="no: '$shot1' (time $before .. $after)" ;;
esac
check "PrintScreen: file named by date, time and number 001" yes "$name_ok"
if [ -n "$shot1" ]; then
  cp "$captures/$shot1" "$HARNESS_OUT/print_screen.bmp"
  check "PrintScreen: 24-bit BMP of the desktop, 96 dpi" "24 1024 768 $ppm" \
    "$(bmp_header "$captures/$shot1")"
  check "PrintScreen: the desktop's pixels" 0 \
    "$(differing "$HARNESS_OUT/desktop.png" "$captures/$shot1")"
fi
sum1=$(md5sum <"$captures/$shot1" 2>/dev/null)

# --- Alt+PrintScreen: the active window ---------------------------------------------------------
harness_start painter "$programtool" window "Clarivue Test Window" 200 150 300 200 3366CC
painter_log=$HARNESS_LAST_LOG
check "test window shown" 0 "$(harness_tool find ClarivueTestWindow 10000; echo $?)"
wait_for 50 0.1 grep -q window= "$painter_log"
read -r wl wt wr wb < <(sed -n 's/^window=//p' "$painter_log" | tr -d '\r')
read -r cl ct cr cb < <(sed -n 's/^client=//p' "$painter_log" | tr -d '\r')
sleep 1
focus_desktop
harness_key alt+Print
wait_file shot2 '*002.bmp' 15
check_true "Alt+PrintScreen: second file numbered 002" test -n "$shot2"
if [ -n "$shot2" ]; then
  cp "$captures/$shot2" "$HARNESS_OUT/alt_print_screen.bmp"
  check "Alt+PrintScreen: the window's size" "24 $((wr - wl)) $((wb - wt)) $ppm" \
    "$(bmp_header "$captures/$shot2")"
  # The middle of the client area, relative to the window.
  check "Alt+PrintScreen: the window's client colour" 3366CC \
    "$(pixel "$captures/$shot2" $(((cl + cr) / 2 - wl)) $(((ct + cb) / 2 - wt)))"
fi

# --- PrintScreen and Alt+PrintScreen queued together: the first capture is stored before the
# second starts (two hot-key messages in the queue before the first is handled) -----------------
harness_mouse 500 600
sleep 0.3
harness_screenshot "$HARNESS_OUT/queued_desktop.png"
# WM_HOTKEY (0x312): identifier 2 with PrintScreen (44 in the high word), identifier 3 with Alt.
check "two hot-key messages posted" 0 \
  "$(harness_tool post "$class" 0x312 2 0x2C0000 0x312 3 0x2C0001; echo $?)"
wait_file shot_q2 '*004.bmp' 15
shot_q1=$(cd "$captures" && ls ./*003.bmp 2>/dev/null | head -n 1)
shot_q1=${shot_q1#./}
check_true "queued hot keys: two files, 003 and 004" test -n "$shot_q1" -a -n "$shot_q2"
if [ -n "$shot_q1" ] && [ -n "$shot_q2" ]; then
  check "queued PrintScreen (003): the desktop's size" "24 1024 768 $ppm" \
    "$(bmp_header "$captures/$shot_q1")"
  check "queued PrintScreen (003): the desktop's pixels" 0 \
    "$(differing "$HARNESS_OUT/queued_desktop.png" "$captures/$shot_q1")"
  check "queued Alt+PrintScreen (004): the window's size" "24 $((wr - wl)) $((wb - wt)) $ppm" \
    "$(bmp_header "$captures/$shot_q2")"
  check "queued Alt+PrintScreen (004): the window's client colour" 3366CC \
    "$(pixel "$captures/$shot_q2" $(((cl + cr) / 2 - wl)) $(((ct + cb) / 2 - wt)))"
fi
stop "$painter"
check "test window closed" 0 "$(harness_tool gone ClarivueTestWindow 5000; echo $?)"

# --- F9: free rectangle, drag a selection, click inside -----------------------------------------
harness_mouse 600 400
sleep 0.5
harness_screenshot "$HARNESS_OUT/region_desktop.png"
overlay_key F9
look "$HARNESS_OUT/region_overlay.png"
screen_drag 100 100 300 200
look "$HARNESS_OUT/region_selected.png"
harness_click 200 150
wait_file shot3 '*005.bmp' 15
check_true "F9 region: fifth file numbered 005" test -n "$shot3"
if [ -n "$shot3" ]; then
  cp "$captures/$shot3" "$HARNESS_OUT/region.bmp"
  check "F9 region: 201 x 101 pixels (both edges included)" "24 201 101 $ppm" \
    "$(bmp_header "$captures/$shot3")"
  check "F9 region: the desktop's pixels of the selection" 0 \
    "$(convert "$HARNESS_OUT/region_desktop.png" -crop 201x101+100+100 +repage \
      "$HARNESS_OUT/region_expected.png" && differing "$HARNESS_OUT/region_expected.png" \
      "$captures/$shot3")"
fi
check "first capture not overwritten" "$sum1" "$(md5sum <"$captures/$shot1" 2>/dev/null)"
check "five captures in the folder" 5 "$(count_files)"

# --- "Show CaptureBar" toggled from the tray menu and saved on exit; "Exit" ---------------------
# A new taskbar knows no icons: deleted behind the program's back, the icon comes back with the
# shell's "TaskbarCreated", and its menu works (the two choices below).
renewed=$(harness_tool tray "$class" 544 5000 | tr -d '\r' | tr '\n' ' ')
check "tray icon deleted, then back after TaskbarCreated" "deleted=1 gone=1 back=1 " "$renewed"
check "tray menu: Show CaptureBar chosen" 0 "$(tray_menu showbar; echo $?)"
check "tray menu: Exit chosen" 0 "$(tray_menu exit; echo $?)"
harness_wait_exit rc "$first" 20
check "tray menu Exit: exit code 0" 0 "$rc"
check "main window gone" 0 "$(harness_tool gone "$class" 5000; echo $?)"
check "Show CaptureBar toggled off and saved" 0x0 "$(reg_read GeneralShowCaptureBar)"
sleep 1
harness_screenshot "$HARNESS_OUT/after_exit.png"
gone_diff=$(crop_diff "$HARNESS_OUT/before.png" "$HARNESS_OUT/after_exit.png" 40x24+984+744)
check "tray icon removed on exit" 0 "$gone_diff"

# --- F9 held by another program; a restart within the minute -------------------------------------
harness_start holder "$programtool" hotkey 0x78 0
holder_log=$HARNESS_LAST_LOG
wait_for 100 0.1 grep -q registered "$holder_log"
check "F9 held by another program" registered "$(head -n 1 "$holder_log" | tr -d '\r')"
harness_start second "$corvix"
check "corvix starts with F9 taken" 0 "$(harness_tool find "$class" 15000; echo $?)"
check "no message about the taken key" 1 \
  "$("$WINE_LOADER" "$programtool" dialogtext "Zentrova Clarivue 2.1" 3101 2000 </dev/null \
    >/dev/null 2>&1; echo $?)"
harness_mouse 600 400
focus_desktop
harness_key F9
wait_for 50 0.1 grep -q pressed "$holder_log"
check "F9 goes to the program that holds it" pressed "$(sed -n 2p "$holder_log" | tr -d '\r')"
check "F9 started no capture in corvix" 5 "$(count_files)"
# The region capture from the tray menu.
check "tray menu: Capture a Region chosen" 0 "$(tray_menu region; echo $?)"
sleep 1.5
screen_drag 400 300 449 339
harness_click 420 320
# The session counter starts again at 1 after the restart: a name already taken within the same
# minute gets " (2)".
wait_file shot4 '*001*.bmp' 15
shot4=$(cd "$captures" && ls -t ./*.bmp | head -n 1)
shot4=${shot4#./}
check "restart: six captures in the folder" 6 "$(count_files)"
case "$shot4" in
  "$shot1") first_name=same ;;
  "${shot1%.bmp} (2).bmp" | "Clarivue - "*" - 001.bmp") first_name=ok ;;
  *) first_name="unexpected '$shot4'" ;;
esac
check "restart: number 001 again, never the old file" ok "$first_name"
check "restart: the old 001 is unchanged" "$sum1" "$(md5sum <"$captures/$shot1" 2>/dev/null)"
check "tray region capture: 50 x 40 pixels" "24 50 40 $ppm" "$(bmp_header "$captures/$shot4")"
stop "$holder"

# "-exit" while the tray menu is open: the menu closes and the program ends.
focus_desktop
harness_click 1013 757 3
check "tray menu open before -exit" 0 "$(menu_open; echo $?)"
end_session "$second"

harness_finish
