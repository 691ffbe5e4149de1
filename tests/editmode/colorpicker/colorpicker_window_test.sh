#!/usr/bin/env bash
# colorpicker_window_test.sh BUILD COLORPICKER_DEMO WINTOOL PROGRAM_DIR DATA_DIR
# The colour picker driven with real input, four dialogs in one run of the demo: the fields of
# 0x000080FF and a click in the field; 200 typed into red; Tab through H, S, V (opacity template);
# field, opacity strip, then the original swatch restoring.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
harness_mouse 1000 740
harness_start pid "$2" "Z:$4" "Z:$5" 0,FF8000 0,FF8000 1,FF8000,40 1,FF8000,40
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
# control N ID: "LEFT TOP RIGHT BOTTOM TEXT" of control ID in dialog N.
control() {
  tr -d '\r' <"$log" | awk -v n="$1" -v id="$2" '/^ready/ { k++ } k == n - 1 && $1 == "control" && $2 == id { $1 = $2 = ""; sub(/^ +/, ""); print }'
}
text() { control "$1" "$2" | cut -d' ' -f5-; }
corner() { control "$1" "$2" | cut -d' ' -f1-2; }
centre() { control "$1" "$2" | awk '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }'; }
result() { tr -d '\r' <"$log" | awk -v n="$1" '$1 == "result" && $2 == n { $1 = $2 = ""; sub(/^ +/, ""); print }'; }
# pixel X Y: "R G B" of the screen now.
pixel() {
  harness_screenshot "$HARNESS_OUT/screen.png"
  convert "$HARNESS_OUT/screen.png" -crop "1x1+$1+$2" -depth 8 -format '%[fx:int(255*r+.5)] %[fx:int(255*g+.5)] %[fx:int(255*b+.5)]' info:
}

wait_for ready 1
check "1 comes up" 0 "$?"
check "1 hex, H/S/V, R/G/B fields" "FF8000 30/100/100 255/128/0" \
  "$(text 1 1303) $(text 1 1292)/$(text 1 1293)/$(text 1 1294) $(text 1 1286)/$(text 1 1287)/$(text 1 1288)"
read -r fl ft <<<"$(corner 1 1298)"
drawn=$(pixel "$((fl + 60))" "$((ft + 100))")
harness_click "$((fl + 60))" "$((ft + 100))"
harness_key Return
wait_for result 1
check "1 a click in the field returns the colour drawn there" "1 $drawn" "$(result 1 | cut -d' ' -f1-4)"

wait_for ready 2
read -r x y <<<"$(centre 2 1286)"
harness_click "$x" "$y"
harness_type 200
harness_key Return
wait_for result 2
check "2 red 200 and Enter" "1 200 128 0 38 100 78 100" "$(result 2)"

wait_for ready 3
check "3 opacity field" 40 "$(text 3 1295)"
read -r x y <<<"$(centre 3 1292)"
harness_click "$x" "$y"
harness_key Tab Tab Tab Return
wait_for result 3
check "3 Tab through H, S, V and Enter: unchanged" "1 255 128 0 30 100 100 40" "$(result 3)"

wait_for ready 4
read -r fl ft <<<"$(corner 4 1298)"
harness_click "$((fl + 30))" "$((ft + 200))"
read -r x y <<<"$(centre 4 1300)"
harness_click "$x" "$((y + 60))"
read -r x y <<<"$(centre 4 1297)"
harness_click "$x" "$y"
harness_key Return
wait_for result 4
check "4 the original swatch restores colour and opacity" "1 255 128 0 30 100 100 40" "$(result 4)"
harness_wait_exit rc "$pid" 15
check "demo ends with 4 dialogs closed with OK" 4 "$rc"
rm -f "$HARNESS_OUT/screen.png"
harness_finish
