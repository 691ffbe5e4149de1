#!/usr/bin/env bash
# dialogs_window_test.sh BUILD UI_PROBE_EXE WINTOOL PROGRAM_DIR DATA_DIR
# The skinned dialogs driven with real input: button frame rows, text colours and tag icons read
# back from the screen in every state; the OK and Yes/No boxes: texts, topmost, Enter, Tab Enter.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
demo=$2
program_dir=$4
data_dir=$5
skins=$program_dir/Skins

start_demo() {
  harness_start pid "$demo" dialog "Z:$program_dir" "Z:$data_dir" "$@"
  log=$HARNESS_LAST_LOG
  for _ in $(seq 150); do
    grep -q '^ready' "$log" && return 0
    sleep 0.1
  done
  return 1
}
# report KIND ID: "LEFT TOP RIGHT BOTTOM TEXT" of that control (ID "-" for the dialog itself).
report() { tr -d '\r' <"$log" | awk -v k="$1" -v id="$2" '$1 == k && (id == "-" || $2 == id) { sub(/^[^ ]+ /, ""); if (id != "-") sub(/^[^ ]+ /, ""); print }'; }
rect() { report button "$1" | cut -d' ' -f1-4; }
caption() { report button "$1" | cut -d' ' -f5-; }
message_text() { report control 3101 | cut -d' ' -f5-; }
dialog_title() { report dialog - | cut -d' ' -f5-; }
centre() { local l t r b; read -r l t r b <<<"$(rect "$1")"; echo "$(((l + r) / 2)) $(((t + b) / 2))"; }

# probe_row SHOT SKIN ID: the frame rows (0..4) of the skin's Button picture whose top border, fill
# and left edge button ID shows on the screen.
probe_row() {
  /usr/bin/python3 - "$1" "$skins/$2Button.png" $(rect "$3") <<'PY'
import sys
from PIL import Image
shot, frames = (Image.open(f).convert('RGB') for f in sys.argv[1:3])
l, t, r, b = map(int, sys.argv[3:7])
seen = (shot.getpixel((r - 12, t)), shot.getpixel((r - 12, t + 4)), shot.getpixel((l + 1, (t + b) // 2)))
print(' '.join(str(row) for row in range(5) if seen == tuple(
    frames.getpixel(p) for p in ((12, 24 * row), (12, 24 * row + 4), (1, 24 * row + 12)))) or 'none')
PY
}
# icon_at SHOT SKIN ID INDEX P ROW: "yes" when every pixel of alpha >= 128 of icon INDEX shows at
# (3 + P, (h - ih) / 2 + P + 1) in button ID over frame row ROW's centre colour (within 2).
icon_at() {
  /usr/bin/python3 - "$1" "$skins/$2ButtonIcons.png" "$skins/$2Button.png" $(rect "$3") "$4" "$5" "$6" <<'PY'
import sys
from PIL import Image
shot, strip, frames = (Image.open(f).convert(m) for f, m in zip(sys.argv[1:4], ('RGB', 'RGBA', 'RGB')))
l, t, r, b, index, p, row = map(int, sys.argv[4:11])
back = frames.getpixel((12, 24 * row + 12))
iw, ih = strip.width // 19, strip.height
x0, y0 = l + 3 + p, t + (b - t - ih) // 2 + p + 1
icon = [(x, y, strip.getpixel((index * iw + x, y))) for y in range(ih) for x in range(iw)]
solid = [(x, y, c) for x, y, c in icon if c[3] >= 128]
print('yes' if len(solid) > 10 and all(
    abs(shot.getpixel((x0 + x, y0 + y))[k] - (c[k] * c[3] // 255 + back[k] * (255 - c[3]) / 255)) <= 2
    for x, y, c in solid for k in range(3)) else 'no')
PY
}
# text_pixels SHOT ID KEY: how many pixels of the button have the skin colour KEY.
text_pixels() {
  local colour l t r b
  colour="#$(sed -n "s/^$3=\([0-9A-Fa-f]\{6\}\).*/\1/p" "$skins/Default.ini")"
  read -r l t r b <<<"$(rect "$2")"
  convert "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage -fill black +opaque "$colour" \
    -fill white -opaque "$colour" -format '%[fx:round(mean*w*h)]' info:
}
gt0() { [ "$1" -gt 0 ]; }

harness_mouse 1000 740
start_demo Default en-us buttons
check "demo dialog comes up" 0 "$?"
sleep 0.5
shot=$HARNESS_OUT/demo-normal.png
harness_screenshot "$shot"
check "tagged caption keeps its tag" "<Ok>Normal" "$(caption 1001)"
rows() { for id in "$@"; do echo -n "$(probe_row "$shot" Default "$id") "; done; }
check "rows of the focused, disabled and normal buttons" "3 2 0 " "$(rows 1001 1002 1003)"
check "icon 0 at (3, (h - ih) / 2 + 1)" yes "$(icon_at "$shot" Default 1001 0 0 3)"
check "icon 7 of the normal button" yes "$(icon_at "$shot" Default 1003 7 0 0)"
check_true "disabled text colour" gt0 "$(text_pixels "$shot" 1002 ButtonTextColorDisabled)"

# hover ID NAME: the mouse right of button ID's centre, then the screenshot NAME in $shot.
hover() {
  read -r x y <<<"$(centre "$1")"
  harness_mouse "$((x + 20))" "$y"
  sleep 0.5
  shot=$HARNESS_OUT/$2.png
  harness_screenshot "$shot"
}

hover 1003 demo-hover
check "under the mouse: row 1" "1 " "$(rows 1003)"
check_true "under the mouse: hilight text" gt0 "$(text_pixels "$shot" 1003 ButtonTextColorHilight)"

hover 1002 demo-hover-disabled
check "disabled under the mouse: row 2, the left button back to 0" "2 0 " "$(rows 1002 1003)"

hover 1001 demo-hover-focused
xdotool mousedown 1
sleep 0.5
shot=$HARNESS_OUT/demo-pressed.png
harness_screenshot "$shot"
check "pressed under the mouse: row 4" "4 " "$(rows 1001)"
check "pressed: icon at (4, (h - ih) / 2 + 2)" yes "$(icon_at "$shot" Default 1001 0 1 4)"
xdotool mouseup 1
harness_wait_exit rc "$pid" 15
check "click ends the demo with the button's id (1001 mod 256)" 233 "$rc"

harness_mouse 1000 740
start_demo Small de-de okbox
check "OK box comes up" 0 "$?"
sleep 0.4
shot=$HARNESS_OUT/okbox-Small-de-de.png
harness_screenshot "$shot"
check "OK box: caption" "Zentrova Clarivue 2.1" "$(dialog_title)"
check "OK box: topmost" "topmost=1" "$(tr -d '\r' <"$log" | grep topmost)"
check "OK box: message" 'The capture "Capture 3" (number 3) could not be saved.' "$(message_text)"
check "OK box: button" "<Ok>OK" "$(caption 1)"
check "OK box: focused OK button row 3" 3 "$(probe_row "$shot" Small 1)"
check "OK box: OK icon" yes "$(icon_at "$shot" Small 1 0 0 3)"
harness_key Return
harness_wait_exit rc "$pid" 15
check "OK box: Enter gives 1" 1 "$rc"

start_demo Tiny en-us yesno
check "Yes/No box comes up" 0 "$?"
sleep 0.4
harness_screenshot "$HARNESS_OUT/yesno-Tiny-en-us.png"
check "Yes/No box: caption" Configure "$(dialog_title)"
check "Yes/No box: buttons" "<Ok>Yes <Cancel>No" "$(caption 6) $(caption 7)"
check "Yes/No box: No icon" yes "$(icon_at "$HARNESS_OUT/yesno-Tiny-en-us.png" Tiny 7 1 0 0)"
harness_key Tab Return
harness_wait_exit rc "$pid" 15
check "Yes/No box: Tab, Enter gives 0" 0 "$rc"

harness_finish
