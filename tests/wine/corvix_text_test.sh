#!/usr/bin/env bash
# corvix_text_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The Text and Callout tools on flat captures at (212, 184): typed text on two lines with its
# shadow, a callout's bubble and tail, 9000 pasted characters cut to 8192, a callout undone.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
X0=212
Y0=184

# yes_under X1 Y1 X2 Y2 DROP: the "Yes" under the frame's two control rows (DROP more: callout).
yes_under() {
  harness_click $((X0 + ($1 + $3) / 2 - 35)) $((Y0 + $4 + 4 + $5 + 56 + 11))
  sleep 0.6
}

quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1 MToolsHighQuality=0 \
  MToolsShadowSmoothed=0 LanguageDetected=1
reg add "$regkey" /v LanguageFile /t REG_SZ /d en-us /f
start_session
flat_captures 2

tray_edit_mode

tool 40098
drag 100 100 400 250
sleep 0.3 # the editor comes up
focus_desktop
harness_type "AB"
harness_key Return
harness_type "CD"
harness_key Escape
sleep 0.5
png=$captures/${name[1]}.png
check_true "Enter and Escape in the editor keep and erase nothing" \
  test ! -e "$png" -a -e "$captures/${name[1]}.bmp"
yes_under 100 100 400 250 0
press Return
wait_png "$png"
# The dark pixels inside the editor's rectangle and its shadow's, reaching the second line.
box=$(convert "$png" -colorspace gray -threshold 40% -negate -format '%@' info:)
IFS='x+' read -r bw bh bx by <<<"$box"
check_true "dark pixels ($box) inside the text and its shadow" \
  test "$bx" -ge 101 -a "$by" -ge 113 -a $((bx + bw)) -le 401 -a $((by + bh)) -le 251
check_true "a second line under the first ($box)" test $((by + bh)) -gt 165

sleep 0.5
tool 40097
drag 200 150 350 230 # the tip 100 right and 100 up of the press: (300, 50), the base (300, 138)
harness_mouse 700 150
sleep 0.3
yes_under 200 150 350 230 24
harness_mouse 700 150
sleep 0.5
harness_screenshot "$out/callout.png"
pixels "$out/callout.png" "$X0" "$Y0" <<'EOF2'
bubble-inside 275 150 #fff091
tail-shaft 300 100 #145800
tail-at-tip 300 53 #145800
beside-tip 320 53 #c0c0c0
EOF2
# A second callout, undone; 9000 characters pasted into its editor: it holds 8192.
drag 380 250 520 330
head -c 9000 /dev/zero | tr '\0' x |
  xclip -quiet -selection clipboard >/dev/null 2>&1 &
xclip_pid=$!
sleep 0.3
focus_desktop
harness_key ctrl+v
for _ in $(seq 20); do # the paste reaches the editor when the program has read the selection
  pasted=$(harness_tool child DrawTextEditClass 1000 | tr -d '\r' | grep textlength)
  [ "$pasted" = textlength=8192 ] && break
  sleep 0.2
done
stop "$xclip_pid"
check "pasted text cut to 8192 characters" textlength=8192 "$pasted"
yes_under 380 250 520 330 24
press ctrl+z
sleep 0.5
keep 2
png=$kept
check "undone callout: the picture as before it" 0 \
  "$(differing "${png}[590x390+5+5]" "$out/callout.png[590x390+$((X0 + 5))+$((Y0 + 5))]")"

harness_finish
