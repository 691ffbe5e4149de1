#!/usr/bin/env bash
# corvix_imagecmds_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The image and selection commands on a 240 x 160 picture P (gradient, red squares at (0, 0) and
# (20, 20), green top-right, blue bottom-left) shown at (392, 304), checked in the kept files.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
X0=392
Y0=304

# not_colour FILE COLOUR: the number of pixels of another colour.
not_colour() {
  convert "$1" -fill black -opaque "$2" -fill white +opaque black \
    -format '%[fx:round(mean*w*h)]' info:
}
size() { identify -format '%w %h' "$1" 2>&1; }
command() {
  harness_tool post "$class" 0x111 "$1" 0 >/dev/null
  sleep 0.4
}
# frame_drag X1 Y1 X2 Y2: a Select tool drag from picture pixel (X1, Y1) to (X2, Y2).
frame_drag() {
  harness_mouse $((X0 + $1)) $((Y0 + $2))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.1
  harness_mouse $((X0 + ($1 + $3) / 2)) $((Y0 + ($2 + $4) / 2))
  sleep 0.1
  harness_mouse $((X0 + $3)) $((Y0 + $4))
  sleep 0.1
  xdotool mouseup 1
  sleep 0.4
}
# select_frame L T R B: a new frame from picture pixel (L, T) to (R, B) (exclusive); select_back:
# the same frame dragged from its bottom-right pixel (a press away from the buttons under a frame).
select_frame() { frame_drag "$1" "$2" $(($3 - 1)) $(($4 - 1)); }
select_back() { frame_drag $(($3 - 1)) $(($4 - 1)) "$1" "$2"; }
# button ID: clicks the button ID under the frame (40038 Crop, 40036 Pixelize, 40148 More...).
button() { click_child "$class" "$1"; }
# dialog_opens WHAT: a dialog of the program must come.
dialog_opens() {
  check "$1: the dialog opens" 0 "$(harness_tool find '#32770' 5000; echo $?)"
  sleep 0.5
}

quiet_record GeneralMonitorWindowsCaptureKey=1 GeneralShowCaptureBar=1 LanguageDetected=1
reg add "$regkey" /v LanguageFile /t REG_SZ /d en-us /f
convert -size 240x160 xc:'#808080' -channel R -fx 'i/239*0.8+0.1' -channel G -fx 'j/159*0.8+0.1' \
  +channel \
  -fill '#ff0000' -draw 'rectangle 0,0 9,9' -draw 'rectangle 20,20 29,29' -fill '#00ff00' -draw 'rectangle 230,0 239,9' \
  -fill '#0000ff' -draw 'rectangle 0,150 9,159' -type TrueColor "BMP3:$out/p.bmp"
convert "$out/p.bmp" "$out/p.png"

start_session
declare -a name
take_captures 6
for n in 1 2 3 4 5; do
  cp "$out/p.bmp" "$captures/${name[n]}.bmp"
done
convert -size 801x601 xc:'#4080c0' -type TrueColor "BMP3:$captures/${name[6]}.bmp"

tray_edit_mode

command 40044
keep 1
check "rotate right: 160 x 240, red top-right, green bottom-right, blue top-left" \
  "160 240 #ff0000 #00ff00 #0000ff" \
  "$(size "$kept") $(pixel "$kept" 155 4) $(pixel "$kept" 155 235) $(pixel "$kept" 4 4)"

command 40123
command 40121
keep 2
check "drop shadow: grown by 26 on every side" "292 212" "$(size "$kept")"
check "grayscale: every pixel grey" 0 \
  "$(convert "$kept" -fx 'r==g&&g==b?0:1' -format '%[fx:round(mean*w*h)]' info:)"

command 40087 # Select
select_frame 8 40 48 80
harness_mouse 700 150
sleep 0.3
# Under the 40-pixel frame: buttons 22 high, 4 pixels under it, side by side, centred, each as
# wide as its text needs.
rects=""
for id in 40038 40036 40055 40148; do
  rects="$rects $(harness_tool child "$class" $id | tr -d '\r' | sed -n 's/^rect=//p')"
done
read -r l0 t0 r0 b0 l1 _ r1 _ l2 _ r2 _ l3 _ r3 _ <<<"$rects"
check "selection buttons: 4 pixels under the frame, 22 high, side by side, centred ($rects)" \
  "$((Y0 + 84)) 22 $r0 $r1 $r2 $((X0 + 28))" "$t0 $((b0 - t0)) $l1 $l2 $l3 $l2"
check_true "selection buttons: wider than a quarter of the frame" test $((r0 - l0)) -gt 24
button 40036 # Pixelize
select_frame 100 60 160 100
button 40148 # More...
sleep 0.5
check "More...: the selection menu opens" 0 "$(menu_open; echo $?)"
harness_key Escape
check "Escape closes the menu" 0 "$(menu_closed >/dev/null; echo $?)"
command 40141 # Cut
for format in DIBV5 PNG; do
  rm -f "$out/clip.$format"
  harness_run rc 20 "$HARNESS_WINTOOL" clipboard "$format" "Z:${out//\//\\}\\clip.$format"
  check "cut: another process reads $format" 0 "$rc"
done
# The DIBV5 as a BMP file: a 14-byte file header in front (pixels at 14 + 124).
python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(b"BM" + struct.pack("<IHHI", 14 + len(d), 0, 0, 138) + d)' \
  "$out/clip.DIBV5" "$out/clip_dibv5.bmp"
check "cut: CF_DIBV5 holds exactly the cut pixels" 0 \
  "$(differing "$out/clip_dibv5.bmp" "$out/p.png[60x40+100+60]")"
check "cut: \"PNG\" holds exactly the cut pixels" 0 \
  "$(differing "png:$out/clip.PNG" "$out/p.png[60x40+100+60]")"
harness_mouse 700 150
keep 3
convert "$kept" -crop 40x40+8+40 +repage -sample 5x5 -sample 40x40 "$out/blocks.png"
check "pixelize: blocks of 8 (each 8 x 8 block one colour)" 0 \
  "$(differing "$out/blocks.png" "png:$kept[40x40+8+40]")"
check "cut: the area white" 0 "$(not_colour "png:$kept[60x40+100+60]" '#ffffff')"

command 40087
select_frame 20 20 30 30
command 40139 # Copy
select_back 20 40 220 140
command 40140 # Paste
harness_mouse 700 150
keep 4
check "paste: the 10 x 10 red square stretched over 200 x 100" 0 \
  "$(not_colour "png:$kept[200x100+20+40]" '#ff0000')"

command 40087
select_frame 20 30 120 80
button 40038 # Crop
# Rename (forbidden names are checked natively): the file renamed on disk, its extension kept.
command 40085
dialog_opens rename
harness_key ctrl+a
harness_type 'renamed shot'
harness_key Return
check "rename: the dialog closes" 0 "$(harness_tool gone '#32770' 5000; echo $?)"
check_true "rename: the file renamed on disk" test -f "$captures/renamed shot.bmp" \
  -a ! -e "$captures/${name[5]}.bmp"
name[5]="renamed shot"
keep 5
check "crop: exactly the selected 100 x 50 pixels" "100 50 0" \
  "$(size "$kept") $(differing "png:$kept" "$out/p.png[100x50+20+30]")"

command 40077
dialog_opens resize
harness_key Tab Up # the unit list: Percent; both fields become 100
harness_key shift+Tab ctrl+a
harness_type '50'
sleep 0.3
harness_key Return
check "resize: the dialog closes" 0 "$(harness_tool gone '#32770' 5000; echo $?)"
keep 6
check "resize: 50 % of 801 x 601 is 400 x 300" "400 300" "$(size "$kept")"

end_session
harness_finish
