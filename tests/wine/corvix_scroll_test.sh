#!/usr/bin/env bash
# corvix_scroll_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The scrolling capture over documents whose every row has its own colour (stitching is checked
# natively): by scroll bar and by wheel exactly, an EDIT control, Escape while collecting.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"

# expected ROWS WIDTH FILE: the document's first ROWS rows, WIDTH pixels wide, as a PPM.
expected() {
  /usr/bin/python3 - "$1" "$2" "$3" <<'PY'
import sys
rows, width, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
with open(path, "wb") as f:
    f.write(b"P6 %d %d 255\n" % (width, rows))
    for c in range(rows):
        f.write(bytes((c & 255, c >> 8, 0x80)) * width)
PY
}
# wait_log WORD: until the last started program has printed its WORD= line (10 s at most).
wait_log() { wait_for 100 0.1 grep -q "^$1=" "$HARNESS_LAST_LOG"; }
# click_capture COMMAND: the capture COMMAND, then a click in the middle of (cl, ct) - (cr, cb).
click_capture() {
  harness_tool post "$class" 0x111 "$1" 0 >/dev/null
  sleep 1
  harness_mouse $(((cl + cr) / 2)) $(((ct + cb) / 2))
  sleep 0.5
  harness_click $(((cl + cr) / 2)) $(((ct + cb) / 2))
}
# check_document WHAT ROWS: the stored file is the document's first ROWS rows, exactly.
check_document() {
  expected "$2" "$((cr - cl))" "$out/$1_expected.ppm"
  check "$1: every row exactly" 0 "$(differing "$captures/$shot" "$out/$1_expected.ppm")"
}
# scroll_capture ROWS ESCAPE_AFTER NUMBER [MODE [COMMAND]]: a document of ROWS captured by
# COMMAND (40128); client rectangle in cl ct cr cb, the file numbered NUMBER in shot.
scroll_capture() {
  harness_start doc "$HARNESS_WINTOOL" scrollwin "Clarivue Scroll Window" 200 120 420 360 "$1" "${4:-}"
  check "scroll window shown" 0 "$(harness_tool find ClarivueScrollWindow 20000; echo $?)"
  wait_log client
  client=$(sed -n 's/^client=//p' "$HARNESS_LAST_LOG" | tr -d '\r')
  read -r cl ct cr cb <<<"$client"
  click_capture "${5:-40128}"
  if [ -n "${2:-}" ]; then
    sleep "$2"
    harness_key Escape
  fi
  wait_file shot "*00${3}.bmp" 60
}

quiet_record GeneralShowCaptureBar=0

start_session

scroll_capture 3000 "" 1
width=$((cr - cl))
check_document whole 3000
exstyle=$(harness_tool info ClarivueScrollWindow | tr -d '\r' | sed -n 's/^exstyle=//p')
check "the window is not topmost any more" 0 "$((${exstyle:-8} & 8))"
kill "$doc" 2>/dev/null
check "scroll window closed" 0 "$(harness_tool gone ClarivueScrollWindow 5000; echo $?)"

scroll_capture 1000 "" 2 wheel 40127
check_document website_wheel 1000
kill "$doc" 2>/dev/null
harness_tool gone ClarivueScrollWindow 5000 >/dev/null

harness_start doc "$HARNESS_WINTOOL" editwin "Clarivue Edit Window" 200 120 420 360 60
check "edit window shown" 0 "$(harness_tool find ClarivueEditWindow 20000; echo $?)"
wait_log line
read -r cl ct cr cb <<<"$(sed -n 's/^client=//p' "$HARNESS_LAST_LOG" | tr -d '\r')"
line=$(sed -n 's/^line=//p' "$HARNESS_LAST_LOG" | tr -d '\r')
click_capture 40128
wait_file shot "*003.bmp" 20
check "EDIT control: 60 lines of $line rows, the control's width" "$((cr - cl))x$((60 * line))" \
  "$(identify -format '%wx%h' "$captures/$shot")"
dark=$(convert "$captures/$shot" -crop "200x$((3 * line))+0+0" -threshold 50% \
  -format '%[fx:int(w*h*(1-mean))]' info:)
check_true "EDIT control: the first lines' text drawn ($dark dark pixels)" test "${dark:-0}" -gt 100
kill "$doc" 2>/dev/null
harness_tool gone ClarivueEditWindow 5000 >/dev/null

scroll_capture 60000 1.5 4
rows=$(identify -format '%h' "$captures/$shot")
check_true "Escape: part of the document ($rows rows)" test "$rows" -gt 340 -a "$rows" -lt 60000
expected "$rows" "$width" "$out/escaped_expected.ppm"
check "Escape: the rows collected, exactly" 0 "$(differing "$captures/$shot" "$out/escaped_expected.ppm")"
kill "$doc" 2>/dev/null

harness_finish
