#!/usr/bin/env bash
# overlay_modes_test.sh BUILD OVERLAY_PROBE_EXE WINTOOL_EXE
# The CaptureEngine in the Wine desktop, driven by real input through the X server. For every
# mode overlay_probe.exe shows its pattern window (200, 150, 328 x 267 with its frame), the test
# takes a screenshot of the desktop, lets the probe start the engine and then drags, clicks and
# presses keys; the capture the engine hands over (result.bmp) must equal the screenshot's region
# pixel for pixel. The probe switches every finishing option off, so the finishing pipeline gives
# the background colour #01ff00 where the mode cuts the picture out (magenta before finishing).
# Cancelling with Escape or the right button must end the capture without a result. Screenshots of the overlay go to
# BUILD/wine-env/out/overlay_modes_test/*.png.
# shellcheck disable=SC2154 # pid and rc are set by the harness (printf -v)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
probe=$2

wait_file() {  # wait_file PATH SECONDS
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# start_probe NAME MODE [W H]: the probe in OUT/NAME; before.png taken before the engine starts.
start_probe() {
  local name=$1
  shift
  dir="$HARNESS_OUT/$name"
  mkdir -p "$dir"
  harness_start pid "$probe" "$1" "Z:$dir" "${@:2}"
  wait_file "$dir/target" 30 || echo "probe $name: no target window"
  harness_screenshot "$dir/before.png"
  touch "$dir/go"
  wait_file "$dir/ready" 30 || echo "probe $name: engine not ready"
  sleep 0.5
}

# Number of pixels in which two pictures (or crops, IMAGE[WxH+X+Y]) differ.
differing() { compare -metric AE "$1" "$2" null: 2>&1; }
# Number of pixels in the probe's background colour.
background_count() {
  convert "$1" -fill black +opaque '#01FF00' -fill white -opaque '#01FF00' \
    -format '%[fx:round(mean*w*h)]' info:
}
# Colour of one pixel as rrggbb.
pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6 | tr 'A-F' 'a-f'; }
result_size() { tr -d '\r\n' <"$dir/result.txt" 2>/dev/null; }

# Free rectangle: drag a selection over the pattern window, look at it, click inside.
start_probe rectangle 3
harness_mouse 250 200; sleep 0.2
xdotool mousedown 1; sleep 0.2
harness_mouse 330 260; sleep 0.2
harness_mouse 420 330; sleep 0.3
xdotool mouseup 1; sleep 0.3
harness_mouse 350 300; sleep 0.5
harness_screenshot "$HARNESS_OUT/overlay_rectangle.png"
check "rectangle: still selecting after the drag" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"
harness_click 350 300 1
harness_wait_exit rc "$pid" 20
check "rectangle: exit code" 0 "$rc"
check "rectangle: 171 x 131, 24 bits" "171 131 24" "$(result_size)"
check "rectangle: pixels equal the screen" 0 "$(differing "$dir/before.png[171x131+250+200]" "$dir/result.bmp")"

# Free rectangle: edges dragged beyond the screen stop at its width and at 0; Enter captures.
start_probe edges 3
harness_mouse 300 250; sleep 0.2
xdotool mousedown 1; sleep 0.2
harness_mouse 400 330; sleep 0.2
harness_mouse 500 400; sleep 0.3
xdotool mouseup 1; sleep 0.3
# The right edge (x within 3 of 500, 260 < y < 390) pulled to the screen's right end.
harness_mouse 501 325; sleep 0.3
xdotool mousedown 1; sleep 0.2
harness_mouse 800 325; sleep 0.2
harness_mouse 1023 325; sleep 0.3
xdotool mouseup 1; sleep 0.3
# The top edge (310 < x < 1013, y within 3 of 250) pulled to the top.
harness_mouse 400 251; sleep 0.3
xdotool mousedown 1; sleep 0.2
harness_mouse 400 100; sleep 0.2
harness_mouse 400 0; sleep 0.3
xdotool mouseup 1; sleep 0.3
harness_mouse 600 300; sleep 0.5
harness_screenshot "$HARNESS_OUT/overlay_rectangle_edges.png"
harness_key Return
harness_wait_exit rc "$pid" 20
check "edges: Enter captures (exit code)" 0 "$rc"
# Right edge at 1023 (the pointer's last column), top edge at 0: 724 x 401.
check "edges: 724 x 401" "724 401 24" "$(result_size)"
check "edges: pixels equal the screen" 0 "$(differing "$dir/before.png[724x401+300+0]" "$dir/result.bmp")"

# A click into a selection smaller than 20 x 20 moves a corner instead of capturing.
start_probe small 3
harness_mouse 600 500; sleep 0.2
xdotool mousedown 1; sleep 0.2
harness_mouse 612 512; sleep 0.3
xdotool mouseup 1; sleep 0.3
harness_click 606 506 1
sleep 1.5
check "small selection: the click inside does not capture" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"
check_true "small selection: capture still running" harness_alive "$pid"
harness_key Escape
harness_wait_exit rc "$pid" 20
check "small selection: Escape cancels (exit code 3)" 3 "$rc"
check "small selection: no result" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"

# Escape before anything is selected cancels.
start_probe escape 3
harness_key Escape
harness_wait_exit rc "$pid" 20
check "escape: cancelled (exit code 3)" 3 "$rc"
check "escape: no result" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"

# Free style: a lasso round the middle of the pattern window.
start_probe freestyle 4
harness_mouse 260 200; sleep 0.2
xdotool mousedown 1; sleep 0.1
for xy in "300 190" "360 210" "420 260" "430 320" "380 360" "300 350" "250 300" "240 240" "255 205"; do
  # shellcheck disable=SC2086 # x and y are two arguments
  harness_mouse $xy
  sleep 0.1
done
sleep 0.4
harness_screenshot "$HARNESS_OUT/overlay_freestyle.png"
xdotool mouseup 1
harness_wait_exit rc "$pid" 20
check "free style: exit code" 0 "$rc"
# Points span 240 ... 430 and 190 ... 360; the box is 5 pixels larger on every side.
check "free style: bounding box 201 x 181" "201 181 24" "$(result_size)"
outside=$(background_count "$dir/result.bmp")
check "free style: only the background outside differs from the screen" "$outside" \
  "$(differing "$dir/before.png[201x181+235+185]" "$dir/result.bmp")"
check_true "free style: a large part is outside ($outside pixels)" [ "$outside" -gt 8000 ]
check_true "free style: a large part is inside" [ "$outside" -lt 28000 ]
check "free style: box corner in the background colour" 01ff00 "$(pixel "$dir/result.bmp" 0 0)"
check "free style: centre from the screen" "$(pixel "$dir/before.png" 335 275)" \
  "$(pixel "$dir/result.bmp" 100 90)"

# The right button cancels, also in a mode whose overlay lets the mouse through (the click
# reaches the engine through the hook).
start_probe rightclick 0
harness_click 500 500 3
harness_wait_exit rc "$pid" 20
check "right button: cancelled (exit code 3)" 3 "$rc"
check "right button: no result" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"

# The scrolling modes frame the window; a click does not capture yet (it beeps).
start_probe scrolling 1
harness_mouse 340 290; sleep 0.3
harness_click 350 300 1
sleep 1.5
check "scrolling: the click takes nothing yet" no "$([ -e "$dir/result.bmp" ] && echo yes || echo no)"
check_true "scrolling: capture still running" harness_alive "$pid"
harness_key Escape
harness_wait_exit rc "$pid" 20
check "scrolling: Escape cancels (exit code 3)" 3 "$rc"

# Fixed region 200 x 150 following the cursor.
start_probe fixed 5 200 150
harness_mouse 400 300; sleep 0.4
harness_mouse 410 310; sleep 0.5
harness_screenshot "$HARNESS_OUT/overlay_fixed.png"
harness_click 410 310 1
harness_wait_exit rc "$pid" 20
check "fixed region: exit code" 0 "$rc"
check "fixed region: 200 x 150" "200 150 24" "$(result_size)"
# Taken from the frame's position + (4, 24): (410 - 100, 310 - 75 - 4).
check "fixed region: pixels equal the screen" 0 "$(differing "$dir/before.png[200x150+310+231]" "$dir/result.bmp")"

# Single window: the frame follows the cursor to the pattern window; a click captures it.
start_probe window 0
harness_mouse 340 290; sleep 0.3
harness_mouse 350 300; sleep 0.6
harness_screenshot "$HARNESS_OUT/overlay_window.png"
harness_click 350 300 1
harness_wait_exit rc "$pid" 20
check "single window: exit code" 0 "$rc"
check "single window: the window rectangle" "328 267 24" "$(result_size)"
check "single window: pixels equal the screen inside the rounded corners" 0 \
  "$(differing "$dir/before.png[318x257+205+155]" "$dir/result.bmp[318x257+5+5]")"
check "single window: only the four 9 x 9 corners are cut (5 pixels each)" 20 "$(background_count "$dir/result.bmp")"
check "single window: corner pixel in the background colour" 01ff00 "$(pixel "$dir/result.bmp" 327 266)"

# Single window with Enter: the window under the cursor, as a click would take it.
start_probe window_enter 0
harness_mouse 440 360; sleep 0.3
harness_mouse 450 370; sleep 0.6
harness_key Return
harness_wait_exit rc "$pid" 20
check "single window, Enter: exit code" 0 "$rc"
check "single window, Enter: the window rectangle" "328 267 24" "$(result_size)"
check "single window, Enter: pixels equal the screen inside the corners" 0 \
  "$(differing "$dir/before.png[318x257+205+155]" "$dir/result.bmp[318x257+5+5]")"

# Full desktop: captured at once.
start_probe desktop 6
harness_wait_exit rc "$pid" 20
check "full desktop: exit code" 0 "$rc"
check "full desktop: 1024 x 768" "1024 768 24" "$(result_size)"
check "full desktop: pixels equal the screen" 0 "$(differing "$dir/before.png" "$dir/result.bmp")"

# Active window: the pattern window, which the probe made active.
start_probe active 7
harness_wait_exit rc "$pid" 20
check "active window: exit code" 0 "$rc"
check "active window: 328 x 267" "328 267 24" "$(result_size)"
check "active window: pixels equal the screen inside the corners" 0 \
  "$(differing "$dir/before.png[318x257+205+155]" "$dir/result.bmp[318x257+5+5]")"

harness_finish
