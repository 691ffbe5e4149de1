#!/usr/bin/env bash
# corvix_capture_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The resident program's tray icon and menu; PrintScreen, Alt+PrintScreen and both
# queued; F9 held by another program; nothing overwritten across a restart.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6; }
# crop_diff FILE_A FILE_B GEOMETRY: number of pixels that differ inside GEOMETRY (WxH+X+Y).
crop_diff() {
  convert "$1" -crop "$3" +repage "$HARNESS_OUT/crop_a.png"
  convert "$2" -crop "$3" +repage "$HARNESS_OUT/crop_b.png"
  differing "$HARNESS_OUT/crop_a.png" "$HARNESS_OUT/crop_b.png"
}
# Pixels per metre of the screen's 96 dpi as the BMP writer stores them: trunc(96 / 0.0254).
ppm=3779

harness_start keeper "$HARNESS_WINTOOL" hotkey 0x7B 0
check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
sleep 1
harness_screenshot "$HARNESS_OUT/before.png"
harness_mouse 600 300
harness_start first "$corvix"
check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
sleep 1

harness_mouse 600 300
sleep 1
harness_screenshot "$HARNESS_OUT/tray.png"
# The notification area is the right end of the task bar; the icon replaces the bar's grey there.
tray_diff=$(crop_diff "$HARNESS_OUT/before.png" "$HARNESS_OUT/tray.png" 40x24+984+744)
check_true "tray icon drawn in the notification area ($tray_diff pixels changed)" \
  test "${tray_diff:-0}" -gt 100

focus_desktop
harness_click 1013 757 3
check "right click opens the tray menu" 0 "$(menu_open; echo $?)"
sleep 0.5
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

harness_mouse 500 300
sleep 0.5
harness_screenshot "$HARNESS_OUT/desktop.png"
focus_desktop
harness_key Print
wait_file shot1 '*001.bmp' 15
check "PrintScreen: 24-bit BMP of the desktop, 96 dpi" "24 1024 768 $ppm" \
  "$(bmp_header "$captures/$shot1")"
check "PrintScreen: the desktop's pixels" 0 "$(differing "$HARNESS_OUT/desktop.png" "$captures/$shot1")"
sum1=$(md5sum <"$captures/$shot1" 2>/dev/null)

harness_start painter "$HARNESS_WINTOOL" window "Clarivue Test Window" 200 150 300 200 3366CC
painter_log=$HARNESS_LAST_LOG
check "test window shown" 0 "$(harness_tool find ClarivueTestWindow 10000; echo $?)"
wait_for 50 0.1 grep -q window= "$painter_log"
read -r wl wt wr wb < <(sed -n 's/^window=//p' "$painter_log" | tr -d '\r')
read -r cl ct cr cb < <(sed -n 's/^client=//p' "$painter_log" | tr -d '\r')
sleep 1
focus_desktop
harness_key alt+Print
wait_file shot2 '*002.bmp' 15
# window_file WHAT FILE: FILE is the test window (its size, the middle of its client area).
window_file() {
  check "$1: the window's size and client colour" "24 $((wr - wl)) $((wb - wt)) $ppm 3366CC" \
    "$(bmp_header "$captures/$2") $(pixel "$captures/$2" $(((cl + cr) / 2 - wl)) $(((ct + cb) / 2 - wt)))"
}
window_file "Alt+PrintScreen (002)" "$shot2"

# PrintScreen and Alt+PrintScreen queued: the first capture is stored before the second starts.
harness_mouse 500 600
sleep 0.3
harness_screenshot "$HARNESS_OUT/queued_desktop.png"
# WM_HOTKEY (0x312): identifier 2 with PrintScreen (44 in the high word), identifier 3 with Alt.
check "two hot-key messages posted" 0 \
  "$(harness_tool post "$class" 0x312 2 0x2C0000 0x312 3 0x2C0001; echo $?)"
wait_file shot_q2 '*004.bmp' 15
shot_q1=$(cd "$captures" && ls ./*003.bmp 2>/dev/null | head -n 1)
shot_q1=${shot_q1#./}
check "queued PrintScreen (003): the desktop's size and pixels" "24 1024 768 $ppm 0" \
  "$(bmp_header "$captures/$shot_q1") $(differing "$HARNESS_OUT/queued_desktop.png" "$captures/$shot_q1")"
window_file "queued Alt+PrintScreen (004)" "$shot_q2"
stop "$painter"

check "four captures in the folder" 4 "$(count_files)"

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

harness_start holder "$HARNESS_WINTOOL" hotkey 0x78 0
holder_log=$HARNESS_LAST_LOG
wait_for 100 0.1 grep -q registered "$holder_log"
check "F9 held by another program" registered "$(head -n 1 "$holder_log" | tr -d '\r')"
harness_start second "$corvix"
check "corvix starts with F9 taken" 0 "$(harness_tool find "$class" 15000; echo $?)"
check "no message about the taken key" 1 \
  "$(harness_tool dialogtext "Zentrova Clarivue 2.1" 3101 2000 >/dev/null; echo $?)"
harness_mouse 600 400
focus_desktop
harness_key F9
wait_for 50 0.1 grep -q pressed "$holder_log"
check "F9 goes to the program that holds it" pressed "$(sed -n 2p "$holder_log" | tr -d '\r')"
check "F9 started no capture in corvix" 4 "$(count_files)"
# The region capture from the tray menu.
check "tray menu: Capture a Region chosen" 0 "$(tray_menu region; echo $?)"
sleep 1.5
screen_drag 400 300 449 339
harness_click 420 320
# The counter starts again at 001 after the restart (the name is checked natively).
wait_file shot4 '*001*.bmp' 15
shot4=$(cd "$captures" && ls -t ./*.bmp | head -n 1)
shot4=${shot4#./}
check "restart: five captures, the old 001 unchanged" "5 $sum1" \
  "$(count_files) $(md5sum <"$captures/$shot1" 2>/dev/null)"
check "tray region capture: 50 x 40 pixels" "24 50 40 $ppm" "$(bmp_header "$captures/$shot4")"
stop "$holder"

# "-exit" while the tray menu is open: the menu closes and the program ends.
focus_desktop
harness_click 1013 757 3
check "tray menu open before -exit" 0 "$(menu_open; echo $?)"
end_session "$second"

harness_finish
