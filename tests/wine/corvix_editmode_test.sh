#!/usr/bin/env bash
# corvix_editmode_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The Edit Mode on captures replaced by known patterns, screen and files compared pixel by pixel:
# zoom, wheel, wrap, panning, canvas drags, Enter, Save As, Escape, Ctrl+C; then the desktop again.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
# CaptureBackgroundColor is 0x00BBGGRR: 0x00336699 is #996633.
background_reg=0x00336699
background_rgb='#996633'
X0=0 # drags in screen pixels
Y0=0

# pattern W H SEED FILE: a 24-bit picture of W x H (BMP or PNG by FILE's extension).
pattern() {
  /usr/bin/python3 - "$@" <<'PY'
import random, sys
from PIL import Image, ImageChops
w, h, seed, path = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
rnd = random.Random(seed)
cw, ch = (w + 9) // 10, (h + 9) // 10
cells = Image.new('RGB', (cw, ch))
cells.putdata([tuple(rnd.randrange(16, 200) for _ in range(3)) for _ in range(cw * ch)])
cells = cells.resize((cw * 10, ch * 10), Image.NEAREST).crop((0, 0, w, h))
tile = Image.new('RGB', (10, 10))
tile.putdata([(3 * x, 3 * y, 2 * (x + y)) for y in range(10) for x in range(10)])
fine = Image.new('RGB', (w, h))
for y in range(0, h, 10):
    for x in range(0, w, 10):
        fine.paste(tile, (x, y))
ImageChops.add(cells, fine).save(path)
PY
}
# with_handles PICTURE OUT: PICTURE with the black 4 x 4 handles of the frame just outside it.
with_handles() {
  local w h l=-1 t=-1 r b mx my x y draw=()
  read -r w h < <(identify -format '%w %h\n' "$1")
  r=$w
  b=$h
  mx=$((l + (r - l) / 2))
  my=$((t + (b - t) / 2))
  for x in $l $mx $r; do
    for y in $t $my $b; do
      [ "$x" = "$mx" ] && [ "$y" = "$my" ] && continue
      draw+=(-draw "rectangle $((x - 2)),$((y - 2)) $((x + 1)),$((y + 1))")
    done
  done
  convert "$1" +antialias -fill black "${draw[@]}" "$2"
}
# differing_near A B: pixels further apart than the area averaging's rounding.
differing_near() { compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# shown VAR FILE GEOMETRY EXPECTED [near]: screenshots until GEOMETRY shows EXPECTED (5 s at
# most); VAR gets the number of differing pixels.
shown() {
  local _sh_var=$1 _sh_file=$2 _sh_geometry=$3 _sh_expected=$4 _sh_mode=${5:-exact} _sh_i _sh_n
  for ((_sh_i = 0; _sh_i < 25; _sh_i++)); do
    harness_screenshot "$_sh_file"
    if [ "$_sh_mode" = near ]; then
      _sh_n=$(differing_near "${_sh_file}[$_sh_geometry]" "$_sh_expected")
    else
      _sh_n=$(differing "${_sh_file}[$_sh_geometry]" "$_sh_expected")
    fi
    [ "$_sh_n" = 0 ] && break
    sleep 0.2
  done
  printf -v "$_sh_var" '%s' "$_sh_n"
}
wait_gone() { wait_for 50 0.1 test ! -e "$1"; }
# Previous and next: the left and the right half of the picture in the lower left corner.
prev_next() {
  harness_mouse "$1" 742
  sleep 0.3
  harness_click "$1" 742
  sleep 0.2
  harness_mouse 700 150
}
previous() { prev_next 31; }
next() { prev_next 84; }

quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1 \
  CaptureBackgroundColor="$background_reg"

patterns=()
for p in "320 250 1" "1600 1200 2" "300 200 3" "200 160 4" "240 180 5"; do
  pattern $p "$out/p${p##* }.png" &
  patterns+=("$!")
done

harness_start keeper "$HARNESS_WINTOOL" hotkey 0x7B 0
check "desktop keeper runs" 0 "$(harness_x_window 'Default - Wine desktop' 15 >/dev/null; echo $?)"
sleep 0.5
harness_mouse 700 150
harness_screenshot "$out/no_corvix.png"
harness_start corvix_pid "$corvix"
check "corvix starts: main window found" 0 "$(harness_tool find "$class" 15000; echo $?)"
wait "${patterns[@]}"
for n in 1 2 3 4 5; do
  with_handles "$out/p$n.png" "$out/p${n}_shown.png"
done

declare -a name
take_captures 5
cp "$captures/${name[4]}.bmp" "$out/captured4.bmp"
for n in 1 2 3 4 5; do
  convert "$out/p$n.png" -type TrueColor "BMP3:$captures/${name[n]}.bmp"
done
harness_mouse 700 150
sleep 0.5
harness_screenshot "$out/before_edit.png"

tray_edit_mode
harness_mouse 700 150

shown diff "$out/edit_1to1.png" 320x250+352+259 "$out/p1_shown.png"
check "1:1: the 320 x 250 picture exactly at (352, 259)" 0 "$diff"
press minus minus
xdotool click 4
convert "$out/p1.png" -scale 288x225! "$out/p1_900.png"
with_handles "$out/p1_900.png" "$out/p1_900.png"
shown diff "$out/edit_zoom900.png" 288x225+368+271 "$out/p1_900.png" near
check "two zoom-out steps and a wheel notch up: 288 x 225 at (368, 271)" 0 "$diff"

previous
shown diff "$out/edit_previous.png" 240x180+392+294 "$out/p5_shown.png"
check "previous from the first capture: the last one (P5 at (392, 294))" 0 "$diff"
next
shown diff "$out/edit_next.png" 320x250+352+259 "$out/p1_shown.png"
check "next from the last capture: the first one again, at 1:1" 0 "$diff"

next
shown diff "$out/edit_pan_start.png" 600x400+200+150 "$out/p2_shown.png[600x400+190+140]"
check "1600 x 1200 picture: its top left corner at (10, 10)" 0 "$diff"
drag 300 300 400 350
shown diff "$out/edit_panned.png" 600x400+200+150 "$out/p2_shown.png[600x400+90+90]"
check "a drag of (100, 50) moves the picture by exactly (100, 50)" 0 "$diff"

# P3 300 x 200 at (362, 284): its right border grabbed 2 pixels right of the picture.
next
shown diff "$out/edit_p3.png" 300x200+362+284 "$out/p3_shown.png"
drag 664 384 704 384
press Return
wait_gone "$captures/${name[3]}.bmp"
png=$captures/${name[3]}.png
check "border drag +40, Enter: a PNG of 340 x 200" "340 200" "$(identify -format '%w %h' "$png" 2>&1)"
check "border drag: the picture's pixels unchanged at the left" 0 \
  "$(differing "${png}[300x200+0+0]" "$out/p3.png")"
check "border drag: the new 40 columns in CaptureBackgroundColor" 8000 \
  "$(convert "$png" -crop 40x200+300+0 +repage "$out/canvas_new.png" &&
    colour_count "$out/canvas_new.png" "$background_rgb")"

# P4 200 x 160 at (412, 304): border drag, Ctrl+Z, Enter.
shown diff "$out/edit_p4.png" 200x160+412+304 "$out/p4_shown.png"
check "after Enter the next capture is shown" 0 "$diff"
drag 614 384 654 384
press ctrl+z Return
wait_gone "$captures/${name[4]}.bmp"
check "border drag, Ctrl+Z, Enter: the PNG holds the picture as captured" 0 \
  "$(differing "$captures/${name[4]}.png" "$out/captured4.bmp")"

shown diff "$out/edit_p5.png" 240x180+392+294 "$out/p5_shown.png"
press Return
check "Enter: the capture's BMP removed" 0 "$(wait_gone "$captures/${name[5]}.bmp"; echo $?)"
check "Enter: a PNG with exactly the capture's pixels" 0 \
  "$(differing "$captures/${name[5]}.png" "$out/p5.png")"
shown diff "$out/edit_p1_again.png" 320x250+352+259 "$out/p1_shown.png"
check "after Enter on the last capture the first one is shown" 0 "$diff"

# save_as TYPE NAME: Ctrl+S, then the dialog's type and name; dialog gets what it showed.
save_as() {
  press ctrl+s
  dialog=$(harness_tool savedialog "Save As" "$1" "$2" 10000 | tr -d '\r' | tr '\n' ' ')
}
cp "$captures/${name[1]}.bmp" "$out/capture1.bmp"
save_as 4 -
harness_tool savedialog "Save As" 4 "${name[1]}.pdf" 10000 >/dev/null
check "Save As: the dialog starts with the capture's name and PNG" \
  "name=${name[1]}.bmp type=3 " "$dialog"
wait_file pdf "${name[1]}.pdf" 10
rm -f "$out"/pdfpage-*.png
pdfimages -png "$captures/${name[1]}.pdf" "$out/pdfpage" 2>/dev/null
check "Save As PDF: one page of 842 x 595 (landscape A4)" "842 595" \
  "$(ls "$out"/pdfpage-*.png 2>/dev/null | xargs -r identify -format '%w %h\n' | tr '\n' '|' |
    sed 's/|$//')"
check "Save As PDF: P1 exactly at the page's top left" 0 \
  "$(differing "$out/pdfpage-000.png[320x250+0+0]" "$out/p1.png")"
shown diff "$out/edit_after_saveas.png" 320x250+352+259 "$out/p1_shown.png"
check "Save As: the capture stays current" 0 "$diff"

renamed='Bild-äöü€-Ωλ'
save_as 2 'Bild-\u00e4\u00f6\u00fc\u20ac-\u03a9\u03bb'
wait_gone "$captures/${name[1]}.bmp"
check "Save As JPG with a non-ASCII name: the type remembered (PDF), a JPEG of 320 x 250" \
  "type=4 JPEG 320 250" \
  "$(grep -o 'type=[0-9]' <<<"$dialog") $(identify -format '%m %w %h' "$captures/$renamed.jpg" 2>&1)"
check_true "Save As with a new name: the capture file renamed to $renamed.bmp" \
  cmp -s "$captures/$renamed.bmp" "$out/capture1.bmp"

press Escape
check "Escape: the (renamed) capture's file deleted" 0 \
  "$(wait_gone "$captures/$renamed.bmp"; echo $?)"
shown diff "$out/edit_p2_again.png" 600x400+200+150 "$out/p2_shown.png[600x400+190+140]"

press ctrl+c
check "Ctrl+C: the capture's BMP removed" 0 "$(wait_gone "$captures/${name[2]}.bmp"; echo $?)"
check "Ctrl+C after Save As as JPG: the output is a JPEG of 1600 x 1200" "JPEG 1600 1200" \
  "$(identify -format '%m %w %h' "$captures/${name[2]}.jpg" 2>&1)"
for _ in 1 2 3 4 5 6 7 8 9 10; do
  xclip -selection clipboard -t image/png -o >"$out/clipboard.png" 2>/dev/null &&
    identify "$out/clipboard.png" >/dev/null 2>&1 && break
  sleep 0.3
done
check "Ctrl+C: the clipboard's PNG holds exactly the picture" 0 \
  "$(differing "$out/clipboard.png" "$out/p2.png")"
# The desktop as it was before the Edit Mode, the capture bar's strip at the top edge included.
shown diff "$out/after_edit.png" 1024x768+0+0 "$out/before_edit.png"
strip=$(differing "$out/no_corvix.png[1024x8+0+0]" "$out/after_edit.png[1024x8+0+0]")
check_true "after the Edit Mode: the desktop with the capture bar's strip ($diff, $strip pixels)" \
  test "$diff" = 0 -a "$strip" -gt 20
press Print
wait_file file '*006.bmp' 10
check_true "after the Edit Mode: PrintScreen captures again ($file)" test -n "$file"

end_session
harness_finish
