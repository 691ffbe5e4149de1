#!/usr/bin/env bash
# buttonbar_test.sh BUILD UI_PROBE_EXE WINTOOL_EXE SKINS_DIR
# The capture bar driven by real input: strip, expanding, hover and pressed cells as the skin
# picture, no magenta, the tooltip, left and right clicks, collapsing; Default/en left, Small/de bottom.
# shellcheck disable=SC2154 # pid and rc are set by the harness (printf -v)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
probe=$2
skins=$4

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr 'A-F' 'a-f'; }
magenta_count() {
  convert "$1" -fill black +opaque '#FF00FF' -fill white -opaque '#FF00FF' \
    -format '%[fx:round(mean*w*h)]' info:
}
# cell_diff SHOT X Y COLUMN ROW: pixels of the n x n screen cell at X,Y unlike the skin picture's
# cell (COLUMN, ROW), its magenta transparent.
cell_diff() {
  convert "$1" -crop "${n}x${n}+$2+$3" +repage "$dir/cell.png"
  convert "$dir/cell.png" \( "$picture" -crop "${n}x${n}+$(($4 * n))+$(($5 * n))" +repage \
    -transparent '#FF00FF' \) -composite "$dir/expected.png"
  compare -metric AE "$dir/cell.png" "$dir/expected.png" null: 2>&1
}

wait_line() {
  local i line
  for ((i = 0; i < $4 * 20; i++)); do
    line=$(tail -n +"$(($2 + 1))" "$1" 2>/dev/null | grep -E -m1 -- "$3")
    if [ -n "$line" ]; then
      echo "$line"
      return 0
    fi
    sleep 0.05
  done
  return 1
}
lines() { wc -l <"$1" 2>/dev/null | tr -d ' ' || echo 0; }
field() { sed -n "s/.*[ ^]$2=\([^ ]*\).*/\1/p" <<<" $1"; }
tiptext() { sed -n 's/.* text=//p' <<<"$1"; }

edges=(Left Top Right Bottom)

# run_edge SKIN LANGUAGE CELL ALIGNMENT COLLAPSED_RECT SHOWN_RECT LABEL (rectangles X,Y,W,H;
# LABEL the tooltip of button 2, 40107).
run_edge() {
  local skin=$1 n=$3 a=$4 strip=$5 shown=$6 label=$7 v=$(($4 % 2 == 0)) name="$1-${edges[$4]}"
  local dir="$HARNESS_OUT/$name" line mark expanded out collapsed
  local state="$dir/state.log" commands="$dir/commands.log" c="$HARNESS_OUT/$name-collapsed.png"
  local picture="$skins/${skin}ButtonBarCapture${edges[$a]}.png" shot="$HARNESS_OUT/$name-shown.png"
  mkdir -p "$dir"
  harness_start pid "$probe" buttonbar "$skin" "$a" "Z:$dir" "$2"
  if ! line=$(wait_line "$state" 0 "collapsed=1" 30); then
    check "$name: probe ready" yes no
    return
  fi
  check "$name: starts collapsed at $strip" "$strip 255" "$(field "$line" bar) $(field "$line" alpha)"
  IFS=, read -r sx sy sw sh <<<"$strip"
  IFS=, read -r bx by bw bh <<<"$shown"
  # Cursor spots: on the strip over button 4, on button 2 (cell gx, gy of the bar).
  local cx=$((sx + sw / 2)) cy=$((sy + sh / 2)) gx=$((v ? 0 : 2 * n)) gy=$((v ? 2 * n : 0))
  local mx=$((v ? sx + 1 : sx + 4 * n + n / 2)) my=$((v ? sy + 4 * n + n / 2 : sy + 1))
  local ix=$((bx + gx + n / 2)) iy=$((by + gy + n / 2))
  sleep 0.3
  harness_screenshot "$c"
  check "$name: strip in the hidden colour, black frame" "1e88e5 000000 000000" \
    "$(pixel "$c" $cx $cy) $(pixel "$c" $sx $sy) $(pixel "$c" $((sx + sw - 1)) $((sy + sh - 1)))"

  mark=$(lines "$state")
  harness_mouse $mx $my
  expanded=$(wait_line "$state" "$mark" "collapsed=0" 5)
  check "$name: expanded to $shown" "$shown" "$(field "$expanded" bar)"
  check "$name: expanding starts with a transparent bar fading in" "1 0" \
    "$(field "$expanded" fade) $(($(field "$expanded" alpha) < 60 ? 0 : 1))"
  wait_line "$state" "$mark" "collapsed=0 fade=0 alpha=255" 5 >/dev/null

  mark=$(lines "$state")
  harness_mouse $ix $iy
  line=$(wait_line "$state" "$mark" "cursor=$ix,$iy tip=1 .*text=$label\$" 5)
  check "$name: tooltip of button 2" "$label" "$(tiptext "$line")"
  sleep 0.3
  harness_screenshot "$shot"
  convert "$shot" -crop "${bw}x${bh}+${bx}+${by}" +repage "$dir/bar.png"
  check "$name: no magenta on screen" 0 "$(magenta_count "$dir/bar.png")"
  check "$name: button 2 shows its hover cell" 0 "$(cell_diff "$shot" $((bx + gx)) $((by + gy)) 2 1)"
  check "$name: button 3 shows its normal cell" 0 \
    "$(cell_diff "$shot" $((bx + gx + (v ? 0 : n))) $((by + gy + (v ? n : 0))) 3 0)"

  IFS=, read -r tx ty tw th <<<"$(field "$line" tiprect)"
  check "$name: tooltip frame and background" "ffffff ffffff 0d2b45" \
    "$(pixel "$shot" "$tx" "$ty") $(pixel "$shot" $((tx + tw - 1)) $((ty + th - 1))) \
$(pixel "$shot" $((tx + 1)) $((ty + th / 2)))"

  # Press: the pressed cell; release: the command with lParam 0; right click: lParam 1.
  mark=$(lines "$state")
  xdotool mousedown 1
  wait_line "$state" "$mark" "pressed=1" 5 >/dev/null
  sleep 0.3
  harness_screenshot "$HARNESS_OUT/$name-pressed.png"
  check "$name: pressed button shows its pressed cell" 0 \
    "$(cell_diff "$HARNESS_OUT/$name-pressed.png" $((bx + gx)) $((by + gy)) 2 2)"
  xdotool mouseup 1
  line=$(wait_line "$commands" 0 "id=" 5)
  check "$name: left click posts 40107, lParam 0" "40107 0" \
    "$(field "$line" id) $(field "$line" lparam)"
  xdotool click 3
  line=$(wait_line "$commands" 1 "id=" 5)
  check "$name: right click posts 40107, lParam 1" "40107 1" \
    "$(field "$line" id) $(field "$line" lparam)"

  # Mouse away: tooltip hidden, fade out, then the strip again.
  mark=$(lines "$state")
  harness_mouse 512 300
  out=$(wait_line "$state" "$mark" "fade=2" 5)
  collapsed=$(wait_line "$state" "$mark" "collapsed=1" 5)
  check "$name: fading out hides the tooltip" "0 1" "$(field "$out" tip) $(field "$out" hidden)"
  check "$name: collapsed again at $strip, opaque" "$strip 255 0" \
    "$(field "$collapsed" bar) $(field "$collapsed" alpha) $(field "$collapsed" fade)"
  sleep 0.3
  harness_screenshot "$c"
  check "$name: strip painted again" "1e88e5" "$(pixel "$c" $cx $cy)"

  touch "$dir/quit"
  harness_wait_exit rc "$pid" 20
  check "$name: probe ends with 0" 0 "$rc"
}

harness_mouse 512 300
run_edge Default en-us 42 0 "0,195,4,378" "0,195,42,378" "Capture Single Window"
run_edge Small de-de 34 3 "359,764,306,4" "359,734,306,34" "Einzelnes Fenster aufnehmen"

harness_finish
