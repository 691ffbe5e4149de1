#!/usr/bin/env bash
# corvix_tools_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The annotation tools on flat 600 x 400 captures of C0C0C0 at (212, 184), factory tool settings
# but a solid line and a green rubber: pencil (colour from the colour bar, a stroke undone),
# marker, rubber, line, arrow, rectangle and ellipse checked in the kept PNG; highlight and
# spotlight. Pictures in BUILD/wine-env/out/corvix_tools_test/.
# shellcheck disable=SC2154 # keeper and corvix_pid are set by the harness (printf -v)
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
X0=212
Y0=184

# yes X1 Y1 X2 Y2: the "Yes" button under the frame from (X1, Y1) to (X2, Y2) (picture pixels):
# 70 x 22, its right edge on the frame's middle, 4 pixels under the frame.
yes_button() {
  sleep 0.3
  harness_click $((X0 + ($1 + $3 + 1) / 2 - 35)) $((Y0 + $4 + 1 + 4 + 11))
  sleep 0.4
}

quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1 MToolsLineStyle=0 \
  MToolsErasorColor=0x0000FF00 MToolsMarkerColor=1
start_session
flat_captures 2

tray_edit_mode

# --- 1: strokes --------------------------------------------------------------------------------
tool 40093 # pencil
# Its colour picked from the colour bar at the bottom (shown while the pointer is over it): the
# screen's pixel under the click.
harness_mouse 500 766
sleep 0.3
harness_mouse 600 750
sleep 1.5
harness_screenshot "$out/colour_bar.png"
picked=$(pixel "$out/colour_bar.png" 600 750)
harness_click 600 750
drag 30 80 150 80
# The second stroke is undone (the state before it holds the first one: the capture as taken,
# state 0, is not the flat picture).
drag 30 30 150 30 pencil_live.png
press ctrl+z
tool 40092 # marker
drag 30 140 150 140 marker_live.png
tool 40088 # rubber
drag 30 200 150 200
tool 40091 # line, leftward
drag 150 260 30 260 line_live.png
tool 40094 # arrow, horizontal: tip at 200, tail at 400
drag 200 60 400 60 arrow_live.png
tool 40089 # rectangle
drag 200 120 380 230
look "$out/rectangle_pending.png"
yes_button 200 120 380 230
tool 40090 # ellipse
drag 420 120 580 230
yes_button 420 120 580 230
harness_mouse 700 150
look "$out/strokes.png"
keep 1
check_true "Enter: a PNG of the first capture" test -f "$kept"
pixels "$kept" <<EOF
pencil-undone 90 30 #c0c0c0
pencil-picked-colour 90 80 $picked
pencil-beside 90 100 #c0c0c0
marker-bar 90 140 #c0c000
marker-beside 90 162 #c0c0c0
rubber 90 200 #00ff00
rubber-beside 90 225 #c0c0c0
line 90 260 #005abe
line-beside 90 280 #c0c0c0
arrow-tip-head 210 60 #ff8a00
arrow-shaft 300 60 #ff8a00
arrow-tail-head 390 60 #ff8a00
arrow-beside 300 80 #c0c0c0
arrow-before-tip 190 60 #c0c0c0
rectangle-fill 290 175 #c0c080
rectangle-frame 200 175 #ffb929
rectangle-corner 200 120 #c0c0c0
ellipse-fill 500 175 #c0c080
ellipse-frame 420 175 #ffb929
ellipse-corner 421 121 #c0c0c0
EOF

# --- 2: highlight, then spotlight --------------------------------------------------------------
sleep 0.5
tool 40096 # highlight area
drag 100 100 300 250
look "$out/highlight_pending.png"
yes_button 100 100 300 250
harness_mouse 700 150
sleep 0.5
harness_screenshot "$out/highlight.png"
check "highlight: the frame untouched on the screen" '#c0c0c0' \
  "$(pixel "$out/highlight.png" $((X0 + 200)) $((Y0 + 175)))"
check "highlight: the outside veiled (0x646464 at 50 %) on the screen" '#929292' \
  "$(pixel "$out/highlight.png" $((X0 + 50)) $((Y0 + 50)))"
tool 40095 # spotlight
drag 380 80 580 320 spotlight_live.png
yes_button 380 80 580 320
harness_mouse 700 150
look "$out/highlight_spotlight.png"
keep 2
pixels "$kept" <<'EOF'
spotlight-tinted-frame-of-highlight 200 175 #4080c0
spotlight-middle 480 200 #929292
spotlight-far-corner 5 395 #028092
EOF

harness_finish
