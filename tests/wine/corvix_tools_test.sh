#!/usr/bin/env bash
# corvix_tools_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The annotation tools on flat 600 x 400 captures of C0C0C0 at (212, 184) (the shapes themselves
# are checked natively): each tool's mark in the kept PNG, the colour bar, undo, highlight, spotlight.
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

tool 40093 # pencil
# Its colour picked from the colour bar at the bottom: the screen's pixel under the click.
harness_mouse 500 766
sleep 0.3
harness_mouse 600 750
sleep 1.5
harness_screenshot "$out/colour_bar.png"
picked=$(pixel "$out/colour_bar.png" 600 750)
harness_click 600 750
drag 30 80 150 80
# The second stroke is undone.
drag 30 30 150 30
press ctrl+z
tool 40092 # marker
drag 30 140 150 140
tool 40088 # rubber
drag 30 200 150 200
tool 40091 # line, leftward
drag 150 260 30 260
tool 40094 # arrow, horizontal: tip at 200, tail at 400
drag 200 60 400 60
tool 40089 # rectangle
drag 200 120 380 230
yes_button 200 120 380 230
tool 40090 # ellipse
drag 420 120 580 230
yes_button 420 120 580 230
harness_mouse 700 150
keep 1
check_true "Enter: a PNG of the first capture" test -f "$kept"
pixels "$kept" <<EOF
pencil-undone 90 30 #c0c0c0
pencil-picked-colour 90 80 $picked
marker-bar 90 140 #c0c000
rubber 90 200 #00ff00
line 90 260 #005abe
arrow-shaft 300 60 #ff8a00
rectangle-fill 290 175 #c0c080
rectangle-frame 200 175 #ffb929
ellipse-fill 500 175 #c0c080
EOF

sleep 0.5
tool 40096 # highlight area
drag 100 100 300 250
yes_button 100 100 300 250
harness_mouse 700 150
sleep 0.5
harness_screenshot "$out/highlight.png"
check "highlight: the frame untouched on the screen" '#c0c0c0' \
  "$(pixel "$out/highlight.png" $((X0 + 200)) $((Y0 + 175)))"
check "highlight: the outside veiled (0x646464 at 50 %) on the screen" '#929292' \
  "$(pixel "$out/highlight.png" $((X0 + 50)) $((Y0 + 50)))"
tool 40095 # spotlight
drag 380 80 580 320
yes_button 380 80 580 320
harness_mouse 700 150
keep 2
pixels "$kept" <<'EOF'
spotlight-tinted-frame-of-highlight 200 175 #4080c0
spotlight-middle 480 200 #929292
spotlight-far-corner 5 395 #028092
EOF

harness_finish
