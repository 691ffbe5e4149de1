#!/usr/bin/env bash
# menu_skin_window_test.sh BUILD UI_PROBE_EXE WINTOOL_EXE SKINS_DIR LANG_DIR
# The owner-drawn tray-style menu in the Wine desktop: "ui_probe.exe menu" opens it on a real right
# click, the mouse hovers an item, and the open menu is photographed and read back pixel by pixel
# (menu_pixels.py): frame and fill of the selected item, gradient, icon column and its line, the
# hot icon of the selected item and the cold icons of the others (against the skin's strips), the
# check-mark icon of "Show CaptureBar", separators, and which side label and shortcut take.
# Cases: Tiny in an English with shortcuts (a file made here); Default in a right-to-left
# language ("he-il", made here); a grayed item under the mouse. A real click on "Exit" ends it.
# Pictures go to BUILD/wine-env/out/menu_skin_window_test/.
set -u
# shellcheck source=../../wine/harness.sh
. "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../wine" && pwd)/harness.sh"

harness_init "$1" "$3"
demo=$2
skins=$4
langs=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The program folder of the demo: the shipped skins and languages, and a Hebrew language file.
program="$HARNESS_OUT/program"
mkdir -p "$program/Lang"
ln -sfn "$skins" "$program/Skins"
cp "$langs"/*.ztvlang "$program/Lang/"
cat >"$program/Lang/CVX-he-il.ztvlang" <<'LANG'
[Language]
ID = he-il
NativeName = עברית
EnglishName = Hebrew
Comment = test

[Menu]
File_CaptureScrollingText = צילום חלון נגלל (טקסט)
File_CaptureScrollingWindow = צילום חלון נגלל (אתר)
File_CaptureWindow = צילום חלון\tF11
File_CaptureFreeRectRegion = צילום אזור\tShift+F11
File_CaptureFreeStyleRegion = צילום אזור חופשי\tShift+F11
File_CaptureArea = צילום אזור מוגדר\tCtrl+F11
Tray_Configure = הגדרות...
Tray_ShowCaptureBar = הצג סרגל צילום
Tray_StartEditMode = התחל מצב עריכה
Tray_Help = עזרה
Tray_Exit = יציאה
LANG
# A left-to-right language whose capture items carry shortcuts (the shipped files leave them out;
# the other items keep the texts they have everywhere).
cat >"$program/Lang/CVX-en-gb.ztvlang" <<'LANG'
[Language]
ID = en-gb
NativeName = English (United Kingdom)
EnglishName = English (United Kingdom)
Comment = test

[Menu]
File_CaptureWindow = Capture a Window\tF11
File_CaptureFreeRectRegion = Capture a Region\tShift+F11
File_CaptureFreeStyleRegion = Capture a Free Style Region\tShift+F11
File_CaptureArea = Capture a Predefined Area\tCtrl+F11
LANG
program_win="Z:${program//\//\\}"

# Waits until FILE has a line starting with WORD (at most SECONDS).
wait_line() {
  local file=$1 word=$2 seconds=$3 i
  for ((i = 0; i < seconds * 10; i++)); do
    grep -q "^$word" "$file" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}
# Prints the screen rectangle "LEFT TOP RIGHT BOTTOM" of the first item with command ID.
item_rect() { awk -v id="$2" '$1 == "item" && $3 == id { print $4, $5, $6, $7; exit }' "$1"; }

# run_case NAME SKIN LANGUAGE CHECKED GRAYED HOVERED RTL SHORTCUTS
run_case() {
  local name=$1 skin=$2 lang=$3 checked=$4 grayed=$5 hovered=$6 rtl=$7 shortcuts=$8 pid log l t r b rc
  harness_start pid "$demo" menu "$program_win" "$skin" "$lang" "$checked" "$grayed"
  log=$HARNESS_LAST_LOG
  check_true "$name: demo window" harness_tool find ZMenuSkinDemo 15000
  sleep 0.5
  harness_click 200 150 3
  if ! wait_line "$log" rtl 10; then
    check "$name: the menu opened" yes no
    kill -9 "$pid" 2>/dev/null
    return
  fi
  sleep 0.3
  # Wine's console output ends lines in CR LF.
  tr -d '\r' <"$log" >"$log.txt"
  log=$log.txt
  check "$name: right to left" "$rtl" "$(awk '$1 == "rtl" { print $2 }' "$log")"
  # Every item measured as the menu painter asks: separators 10 x 9, others at least 21 high.
  check "$name: separators measured 10 x 9" 4 "$(awk '$1 == "measure" && $2 == 0 && $3 == 10 && $4 == 9' "$log" | wc -l)"
  check "$name: items at least 21 high" 0 "$(awk '$1 == "measure" && $2 != 0 && $4 < 21' "$log" | wc -l)"
  read -r l t r b <<<"$(item_rect "$log" "$hovered")"
  harness_mouse $(((l + r) / 2)) $(((t + b) / 2))
  sleep 0.8
  harness_screenshot "$HARNESS_OUT/$name.png"
  while IFS='|' read -r what expected actual; do
    check "$name: $what" "$expected" "$actual"
  done < <(python3 "$here/menu_pixels.py" "$HARNESS_OUT/$name.png" "$log" "$skins" "$skin" \
    "$hovered" "$grayed" "$checked" "$rtl" "$shortcuts")
  # Leave with a real click on "Exit": the demo reports it and ends.
  read -r l t r b <<<"$(item_rect "$log" 40106)"
  harness_click $(((l + r) / 2)) $(((t + b) / 2))
  harness_wait_exit rc "$pid" 10
  check "$name: Exit chosen by click" "chosen 40106" "$(tr -d '\r' <"${log%.txt}" | grep '^chosen' | tail -n 1)"
  check "$name: demo ended" 0 "$rc"
}

run_case tiny-en-gb Tiny en-gb 1 0 40006 0 1
run_case default-he Default he-il 1 0 40109 1 1
run_case grayed-en Default en-us 0 1 40151 0 0

harness_finish
