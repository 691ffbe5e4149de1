#!/usr/bin/env bash
# dialogs_window_test.sh BUILD UI_PROBE_EXE WINTOOL PROGRAM_DIR DATA_DIR
# The skinned dialogs in the Wine desktop, driven with real input:
# * the demo dialog: the frame row of every button state read back from the screen (normal,
#   focused, disabled, under the mouse after a real mouse move, pressed with the button held
#   down), the text colours, and the tag icon one pixel lower right while pressed; the click ends
#   the dialog with the button's identifier;
# * the OK box (Small, German) and the Yes/No box (Tiny, English): texts, topmost, the result of
#   Enter and of Tab, Enter (the texts of every language and skin are checked natively).
# Python with PIL (/usr/bin/python3, as for the skins) reads the screenshots.
# Screenshots go to BUILD/wine-env/out/dialogs_window_test/.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../wine/harness.sh"

harness_init "$1" "$3"
demo=$2
program_dir=$4
data_dir=$5
skins=$program_dir/Skins

# Starts the demo and waits for its report; the log is in $log.
start_demo() {
  harness_start pid "$demo" dialog "Z:$program_dir" "Z:$data_dir" "$@"
  log=$HARNESS_LAST_LOG
  for _ in $(seq 150); do
    grep -q '^ready' "$log" && return 0
    sleep 0.1
  done
  return 1
}
# report KIND ID: the report line "KIND ID LEFT TOP RIGHT BOTTOM TEXT" of that control, without
# KIND and ID (ID "-" for the dialog's own line, which has none).
report() { tr -d '\r' <"$log" | awk -v k="$1" -v id="$2" '$1 == k && (id == "-" || $2 == id) { sub(/^[^ ]+ /, ""); if (id != "-") sub(/^[^ ]+ /, ""); print }'; }
# rect ID: "LEFT TOP RIGHT BOTTOM" of button ID; caption ID: its text.
rect() { report button "$1" | cut -d' ' -f1-4; }
caption() { report button "$1" | cut -d' ' -f5-; }
message_text() { report control 3101 | cut -d' ' -f5-; }
dialog_title() { report dialog - | cut -d' ' -f5-; }
centre() { local l t r b; read -r l t r b <<<"$(rect "$1")"; echo "$(((l + r) / 2)) $(((t + b) / 2))"; }

# probe SHOT SKIN ID -> the frame row (0..4) whose top border and fill the button shows on the
# screen, or "none"; the colours are read from the skin's Button picture.
probe_row() {
  /usr/bin/python3 - "$1" "$skins/$2Button.png" $(rect "$3") <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert('RGB')
frames = Image.open(sys.argv[2]).convert('RGB')
l, t, r, b = map(int, sys.argv[3:7])
# Top edge: picture row 0 of the cell is the border, row 4 the fill (stretched only sideways).
seen = (shot.getpixel((r - 12, t)), shot.getpixel((r - 12, t + 4)), shot.getpixel((l + 1, (t + b) // 2)))
rows = [row for row in range(5)
        if (frames.getpixel((12, 24 * row)), frames.getpixel((12, 24 * row + 4)),
            frames.getpixel((1, 24 * row + 12))) == seen]
print(' '.join(map(str, rows)) if rows else 'none %s' % (seen,))
PY
}
# icon_at SHOT SKIN ID INDEX P ROW -> "yes" when icon INDEX of the skin's strip shows at
# x = 3 + P, y = (height - icon height) / 2 + P + 1 inside the button whose frame is ROW: every
# icon pixel of alpha 128 or more as the premultiplied icon over the frame's centre colour
# (within 2 per channel).
icon_at() {
  /usr/bin/python3 - "$1" "$skins/$2ButtonIcons.png" "$skins/$2Button.png" $(rect "$3") "$4" "$5" "$6" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert('RGB')
strip = Image.open(sys.argv[2]).convert('RGBA')
frames = Image.open(sys.argv[3]).convert('RGB')
l, t, r, b, index, p, row = map(int, sys.argv[4:11])
back = frames.getpixel((12, 24 * row + 12))
iw, ih = strip.width // 19, strip.height
x0, y0 = l + 3 + p, t + (b - t - ih) // 2 + p + 1
def expected(x, y):
    c = strip.getpixel((index * iw + x, y))
    a = c[3]
    return [c[k] * a // 255 + back[k] * (255 - a) / 255 for k in range(3)]
solid = [(x, y) for y in range(ih) for x in range(iw) if strip.getpixel((index * iw + x, y))[3] >= 128]
ok = len(solid) > 10 and all(
    all(abs(shot.getpixel((x0 + x, y0 + y))[k] - e) <= 2 for k, e in enumerate(expected(x, y)))
    for x, y in solid)
print('yes' if ok else 'no')
PY
}
# text_pixels SHOT ID KEY -> how many pixels of the button have the skin colour KEY exactly.
text_pixels() {
  local colour l t r b
  colour="#$(sed -n "s/^$3=\([0-9A-Fa-f]\{6\}\).*/\1/p" "$skins/Default.ini")"
  read -r l t r b <<<"$(rect "$2")"
  convert "$1" -crop "$((r - l))x$((b - t))+$l+$t" +repage -fill black +opaque "$colour" \
    -fill white -opaque "$colour" -format '%[fx:round(mean*w*h)]' info:
}
gt0() { [ "$1" -gt 0 ]; }

# --- the demo dialog ------------------------------------------------------------------------------
harness_mouse 1000 740
start_demo Default en-us buttons
check "demo dialog comes up" 0 "$?"
sleep 0.5
shot=$HARNESS_OUT/demo-normal.png
harness_screenshot "$shot"
check "tagged caption keeps its tag" "<Ok>Normal" "$(caption 1001)"
check "focused button: row 3" 3 "$(probe_row "$shot" Default 1001)"
check "disabled button: row 2" 2 "$(probe_row "$shot" Default 1002)"
check "normal button: row 0" 0 "$(probe_row "$shot" Default 1003)"
check "multi-line button: row 0" 0 "$(probe_row "$shot" Default 1004)"
check "plain button: row 0" 0 "$(probe_row "$shot" Default 1005)"
check "icon 0 at (3, (h - ih) / 2 + 1)" yes "$(icon_at "$shot" Default 1001 0 0 3)"
check "icon 7 of the normal button" yes "$(icon_at "$shot" Default 1003 7 0 0)"
check_true "disabled text colour" gt0 "$(text_pixels "$shot" 1002 ButtonTextColorDisabled)"
check_true "default text colour" gt0 "$(text_pixels "$shot" 1003 ButtonTextColorDefault)"
check "no hilight text without the mouse" 0 "$(text_pixels "$shot" 1003 ButtonTextColorHilight)"

# hover ID NAME: the mouse 20 pixels right of button ID's centre, then the screenshot NAME in $shot.
hover() {
  read -r x y <<<"$(centre "$1")"
  harness_mouse "$((x + 20))" "$y"
  sleep 0.5
  shot=$HARNESS_OUT/$2.png
  harness_screenshot "$shot"
}

# The mouse moves onto the third button: the hover refresh repaints it under the mouse.
hover 1003 demo-hover
check "under the mouse: row 1" 1 "$(probe_row "$shot" Default 1003)"
check_true "under the mouse: hilight text" gt0 "$(text_pixels "$shot" 1003 ButtonTextColorHilight)"
check "under the mouse: no default text" 0 "$(text_pixels "$shot" 1003 ButtonTextColorDefault)"
check "focused button unchanged" 3 "$(probe_row "$shot" Default 1001)"

# A disabled button under the mouse stays disabled.
hover 1002 demo-hover-disabled
check "disabled under the mouse: row 2" 2 "$(probe_row "$shot" Default 1002)"
check "left button back to row 0" 0 "$(probe_row "$shot" Default 1003)"

# Pressed with the mouse button held down: row 4, icon one pixel lower right.
read -r x y <<<"$(centre 1001)"
harness_mouse "$((x + 20))" "$y"
sleep 0.3
xdotool mousedown 1
sleep 0.5
shot=$HARNESS_OUT/demo-pressed.png
harness_screenshot "$shot"
check "pressed under the mouse: row 4" 4 "$(probe_row "$shot" Default 1001)"
check "pressed: icon at (4, (h - ih) / 2 + 2)" yes "$(icon_at "$shot" Default 1001 0 1 4)"
check "pressed: icon not at the unpressed place" no "$(icon_at "$shot" Default 1001 0 0 4)"
xdotool mouseup 1
harness_wait_exit rc "$pid" 15
check "click ends the demo with the button's id (1001 mod 256)" 233 "$rc"

# --- the message boxes ----------------------------------------------------------------------------
harness_mouse 1000 740
start_demo Small de-de okbox
check "OK box comes up" 0 "$?"
sleep 0.4
harness_screenshot "$HARNESS_OUT/okbox-Small-de-de.png"
check "OK box: caption" "Zentrova Clarivue 2.1" "$(dialog_title)"
check "OK box: topmost" "topmost=1" "$(tr -d '\r' <"$log" | grep topmost)"
check "OK box: message" 'The capture "Capture 3" (number 3) could not be saved.' "$(message_text)"
check "OK box: button" "<Ok>OK" "$(caption 1)"
check "OK box: focused OK button row 3" 3 "$(probe_row "$HARNESS_OUT/okbox-Small-de-de.png" Small 1)"
check "OK box: OK icon" yes "$(icon_at "$HARNESS_OUT/okbox-Small-de-de.png" Small 1 0 0 3)"
harness_key Return
harness_wait_exit rc "$pid" 15
check "OK box: Enter gives 1" 1 "$rc"

start_demo Tiny en-us yesno
check "Yes/No box comes up" 0 "$?"
sleep 0.4
harness_screenshot "$HARNESS_OUT/yesno-Tiny-en-us.png"
check "Yes/No box: caption" Configure "$(dialog_title)"
check "Yes/No box: Yes" "<Ok>Yes" "$(caption 6)"
check "Yes/No box: No" "<Cancel>No" "$(caption 7)"
check "Yes/No box: No icon" yes "$(icon_at "$HARNESS_OUT/yesno-Tiny-en-us.png" Tiny 7 1 0 0)"
harness_key Tab Return
harness_wait_exit rc "$pid" 15
check "Yes/No box: Tab, Enter gives 0" 0 "$rc"

harness_finish
