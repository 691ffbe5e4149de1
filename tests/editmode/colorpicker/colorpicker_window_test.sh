#!/usr/bin/env bash
# colorpicker_window_test.sh BUILD COLORPICKER_DEMO WINTOOL PROGRAM_DIR DATA_DIR
# The colour picker in the Wine desktop, driven with real input, all dialogs in one run of the
# demo:
#   1  opened with 0x000080FF: the hex field shows FF8000, H/S/V 30/100/100; a click in the field
#      returns the colour drawn under the mouse;
#   2  200 typed into red and Enter: red 200;
#   3  the opacity template: Tab through hue, saturation and value, Enter: the colour unchanged;
#      the original swatch chequered at opacity 40;
#   4  a click in the field and one on the opacity strip, then one on the original swatch: the
#      original colour and opacity come back;
#   5- both templates in the skins Default, Small and Tiny, in English and German (texts checked,
#      pictures kept), closed with Escape.
# Python with PIL (/usr/bin/python3) reads the screenshots; they go to
# BUILD/wine-env/out/colorpicker_window_test/.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
demo=$2
program_dir=$4
data_dir=$5

specs=(Default,en-us,0,FF8000 Default,en-us,0,FF8000 Default,en-us,1,FF8000,40
  Default,en-us,1,FF8000,40)
looks=()
for skin in Default Small Tiny; do
  for lang in en-us de-de; do
    for mode in 0 1; do
      [ "$skin,$lang,$mode" = Default,en-us,0 ] || [ "$skin,$lang,$mode" = Default,en-us,1 ] ||
        looks+=("$skin,$lang,$mode")
    done
  done
done
# The last look shows the opacity fixed (mode 2).
looks[${#looks[@]} - 1]=Tiny,de-de,2
for look in "${looks[@]}"; do specs+=("$look,3C8CC8,60"); done

harness_mouse 1000 740
harness_start pid "$demo" "Z:$program_dir" "Z:$data_dir" "${specs[@]}"
log=$HARNESS_LAST_LOG

# wait_for PATTERN COUNT: until COUNT lines of the log start with PATTERN (15 seconds at most).
wait_for() {
  local i
  for ((i = 0; i < 150; i++)); do
    [ "$(tr -d '\r' <"$log" | grep -c "^$1")" -ge "$2" ] && return 0
    harness_alive "$pid" || break
    sleep 0.1
  done
  return 1
}
# The report of dialog N: the lines between its "ready" and the one before.
block() { tr -d '\r' <"$log" | awk -v n="$1" '/^ready/ { k++; next } k == n - 1 && !/^result/'; }
rect() { block "$1" | awk -v id="$2" '$1 == "control" && $2 == id { print $3, $4, $5, $6 }'; }
text() { block "$1" | awk -v id="$2" '$1 == "control" && $2 == id { $1 = $2 = $3 = $4 = $5 = $6 = ""; sub(/^ +/, ""); print }'; }
title() { block "$1" | awk '$1 == "dialog" { $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }'; }
result() { tr -d '\r' <"$log" | awk -v n="$1" '$1 == "result" && $2 == n { $1 = $2 = ""; sub(/^ +/, ""); print }'; }
centre() { local l t r b; read -r l t r b <<<"$(rect "$1" "$2")"; echo "$(((l + r) / 2)) $(((t + b) / 2))"; }
# shot N NAME: the whole screen to full.png and the dialog with a margin to NAME.png.
shot() {
  local l t r b
  read -r l t r b <<<"$(block "$1" | awk '$1 == "dialog" { print $2, $3, $4, $5 }')"
  harness_screenshot "$HARNESS_OUT/full.png"
  convert "$HARNESS_OUT/full.png" -crop "$((r - l + 16))x$((b - t + 16))+$((l - 8))+$((t - 8))" +repage "$HARNESS_OUT/$2.png"
}
# pixel X Y: "R G B" of full.png.
pixel() {
  /usr/bin/python3 -c 'import sys; from PIL import Image
print(*Image.open(sys.argv[1]).convert("RGB").getpixel((int(sys.argv[2]), int(sys.argv[3]))))' \
    "$HARNESS_OUT/full.png" "$1" "$2"
}
# ready N: waits for dialog N and the mouse away from it.
ready() { wait_for ready "$1"; }

# --- 1: texts, a click in the field ------------------------------------------------------------------
ready 1
check "1 comes up" 0 "$?"
shot 1 plain-Default-en-us
check "1 title" "Choose Color" "$(title 1)"
check "1 hex field" FF8000 "$(text 1 1303)"
check "1 H/S/V fields" "30/100/100" "$(text 1 1292)/$(text 1 1293)/$(text 1 1294)"
check "1 R/G/B fields" "255/128/0" "$(text 1 1286)/$(text 1 1287)/$(text 1 1288)"
check "1 OK button" Ok "$(text 1 1)"
read -r fl ft _ _ <<<"$(rect 1 1298)"
check "1 field is 255 x 255" "255 255" "$(rect 1 1298 | awk '{ print $3 - $1, $4 - $2 }')"
drawn=$(pixel "$((fl + 60))" "$((ft + 100))")
harness_click "$((fl + 60))" "$((ft + 100))"
harness_key Return
wait_for result 1
check "1 a click in the field returns the colour drawn there" "1 $drawn" "$(result 1 | cut -d' ' -f1-4)"

# --- 2: 200 typed into red ---------------------------------------------------------------------------
ready 2
check "2 comes up" 0 "$?"
read -r x y <<<"$(centre 2 1286)"
harness_click "$x" "$y"
harness_type 200
harness_key Return
wait_for result 2
check "2 red 200 and Enter" "1 200 128 0 38 100 78 100" "$(result 2)"

# --- 3: Tab through hue, saturation and value --------------------------------------------------------
ready 3
check "3 comes up" 0 "$?"
shot 3 alpha-Default-en-us
check "3 opacity field" 40 "$(text 3 1295)"
read -r l t _ _ <<<"$(rect 3 1297)"
check "3 original swatch chequered at 40 %" "102 51 0|255 204 153" "$(pixel "$((l + 3))" "$((t + 3))")|$(pixel "$((l + 13))" "$((t + 3))")"
read -r x y <<<"$(centre 3 1292)"
harness_click "$x" "$y"
harness_key Tab Tab Tab Return
wait_for result 3
check "3 Tab through H, S, V and Enter: unchanged" "1 255 128 0 30 100 100 40" "$(result 3)"

# --- 4: the original swatch restores -----------------------------------------------------------------
ready 4
check "4 comes up" 0 "$?"
read -r fl ft _ _ <<<"$(rect 4 1298)"
harness_click "$((fl + 30))" "$((ft + 200))"
read -r x y <<<"$(centre 4 1300)"
harness_click "$x" "$((y + 60))"
read -r x y <<<"$(centre 4 1297)"
harness_click "$x" "$y"
harness_key Return
wait_for result 4
check "4 the original swatch restores colour and opacity" "1 255 128 0 30 100 100 40" "$(result 4)"

# --- the looks: both templates, three skins, two languages -------------------------------------------
declare -A titles=([en-us]="Choose Color" [de-de]="Farbe wählen")
declare -A selected=([en-us]=Selected [de-de]=Auswahl)
declare -A cancel=([en-us]=Cancel [de-de]=Abbrechen)
n=4
for look in "${looks[@]}"; do
  n=$((n + 1))
  IFS=, read -r skin lang mode <<<"$look"
  ready "$n"
  check "$n $look comes up" 0 "$?"
  shot "$n" "$([ "$mode" = 0 ] && echo plain || echo alpha)-$skin-$lang$([ "$mode" = 2 ] && echo -fixed)"
  check "$n $look texts" "${titles[$lang]}|${selected[$lang]}|${cancel[$lang]}" \
    "$(title "$n")|$(text "$n" 1305)|$(text "$n" 2)"
  harness_key Escape
  wait_for result "$n"
  check "$n $look Escape" "0 60 140 200 205 70 78 $([ "$mode" = 1 ] && echo 60 || echo 100)" "$(result "$n")"
done
harness_wait_exit rc "$pid" 15
check "demo ends with 4 dialogs closed with OK" 4 "$rc"
rm -f "$HARNESS_OUT/full.png"

harness_finish
