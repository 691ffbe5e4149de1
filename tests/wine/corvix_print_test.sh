#!/usr/bin/env bash
# corvix_print_test.sh BUILD CORVIX_EXE WINTOOL_EXE PPD
# Print Image on a PostScript test printer writing to a file (Letter, 300 dpi, printable area
# 2400 x 3000 at (75, 150)), rendered with Ghostscript; 100 dpi captures, 3 device pixels a pixel.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3"
ppd=$4
printer="Clarivue Test Printer"
ps="$out/print.ps"
rm -f "$ps" "$out"/page-*.png

# wait_print: until the printer's file is complete (its size stays), at most 20 s.
wait_print() {
  local size=-1 now
  for _ in $(seq 100); do
    now=$(stat -c %s "$ps" 2>/dev/null || echo -1)
    [ "$now" -gt 0 ] && [ "$now" = "$size" ] && return 0
    size=$now
    sleep 0.2
  done
  return 1
}
# render: the printed pages as page-N.png at 300 dpi; prints their count.
render() {
  rm -f "$out"/page-*.png
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r300 -sOutputFile="$out/page-%d.png" "$ps"
  find "$out" -name 'page-*.png' | wc -l
}
# box PAGE COLOUR: the bounding box of COLOUR on a page as WxH+X+Y.
box() { convert "$1" -fill black +opaque "$2" -trim -format '%wx%h%X%Y' info: 2>/dev/null; }
print_dialog() {
  harness_tool post "$class" 0x111 40080 0 >/dev/null
  harness_tool dialogtext "Print Image" 3350 10000 | tr -d '\r' | sed -n 's/^text=//p'
}

check "test printer added" 0 "$(harness_tool printer "$printer" "Z:${ppd//\//\\}" "$ps" >/dev/null; echo $?)"
quiet_record EditModePrintStyle=3
reg add "$regkey" /v EditModePrintPrinter /t REG_SZ /d "$printer" /f
convert -size 240x160 xc:white -fill '#ff0000' -draw 'rectangle 40,30 99,79' -type TrueColor \
  -units PixelsPerInch -density 100 "BMP3:$out/blocks.bmp"
convert -size 200x2500 xc:white -fill '#00ff00' -draw 'rectangle 0,0 199,9' -fill '#0000ff' \
  -draw 'rectangle 0,2490 199,2499' -type TrueColor -units PixelsPerInch -density 100 \
  "BMP3:$out/tall.bmp"

start_session
take_captures 2
cp "$out/blocks.bmp" "$captures/${name[1]}.bmp"
cp "$out/tall.bmp" "$captures/${name[2]}.bmp"
harness_tool post "$class" 0x111 40028 0 >/dev/null
sleep 1.5

check "the dialog in English" "Resolution (DPI):" "$(print_dialog)"
sleep 0.5
harness_key Escape
check "Cancel closes the dialog" 0 "$(harness_tool gone '#32770' 5000; echo $?)"
sleep 1
check_true "Cancel prints nothing" test ! -e "$ps"
print_dialog >/dev/null
check "Ok prints" 0 "$(click_box_ok; wait_print; echo $?)"
check "one page" 1 "$(render)"
check "the block at its physical size and place" "180x150+195+240" \
  "$(box "$out/page-1.png" '#ff0000')"

sleep 1
rm -f "$ps"
print_dialog >/dev/null
check "Ok prints the tall picture" 0 "$(click_box_ok; wait_print; echo $?)"
check "three pages" 3 "$(render)"
check "page 1 starts with the first rows" "600x30+75+150" "$(box "$out/page-1.png" '#00ff00')"
check "page 3 ends with the last rows" "600x30+75+1620" "$(box "$out/page-3.png" '#0000ff')"
check "both captures printed: the Edit Mode is left" 0 \
  "$(harness_tool hidden "$class" 5000 >/dev/null; echo $?)"

"$WINE_LOADER" "$corvix" -exit </dev/null >/dev/null 2>&1
harness_finish
