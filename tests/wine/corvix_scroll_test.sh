#!/usr/bin/env bash
# corvix_scroll_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The scrolling capture over test documents whose every row has its own colour: the whole
# document with a scroll bar (exactly, the window no longer topmost) and by the wheel; a
# multi-line EDIT control; Escape while collecting keeps the first rows exactly. Pictures in
# BUILD/wine-env/out/corvix_scroll_test/.
# shellcheck disable=SC2154 # keeper, corvix_pid and the windows are set by the harness (printf -v)
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
  check_true "$1: a file" test -n "$shot"
  [ -n "$shot" ] || return
  cp "$captures/$shot" "$out/$1.bmp"
  expected "$2" "$((cr - cl))" "$out/$1_expected.ppm"
  check "$1: every row exactly" 0 "$(differing "$out/$1.bmp" "$out/$1_expected.ppm")"
}
# scroll_capture DOC_ROWS ESCAPE_AFTER NUMBER [MODE [COMMAND]]: a scrolling window of DOC_ROWS
# rows, captured in text mode (40128) or by COMMAND (Escape after ESCAPE_AFTER seconds unless
# empty); sets cl ct cr cb (its client rectangle) and `shot` (the stored file numbered NUMBER).
scroll_capture() {
  harness_start doc "$programtool" scrollwin "Clarivue Scroll Window" 200 120 420 360 "$1" "${4:-}"
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

# --- The whole document ------------------------------------------------------------------------
scroll_capture 3000 "" 1
width=$((cr - cl))
check_document whole 3000
check "the whole document: its size" "${width}x3000" "$(identify -format '%wx%h' "$out/whole.bmp" 2>&1)"
exstyle=$(harness_tool info ClarivueScrollWindow | tr -d '\r' | sed -n 's/^exstyle=//p')
check "the window is not topmost any more" 0 "$((${exstyle:-8} & 8))"
kill "$doc" 2>/dev/null
check "scroll window closed" 0 "$(harness_tool gone ClarivueScrollWindow 5000; echo $?)"

# (Headers that stay, windows that never scroll and the stitching are checked natively.)
scroll_capture 1000 "" 2 wheel 40127
check_document website_wheel 1000
kill "$doc" 2>/dev/null
harness_tool gone ClarivueScrollWindow 5000 >/dev/null

harness_start doc "$programtool" editwin "Clarivue Edit Window" 200 120 420 360 60
check "edit window shown" 0 "$(harness_tool find ClarivueEditWindow 20000; echo $?)"
wait_log line
read -r cl ct cr cb <<<"$(sed -n 's/^client=//p' "$HARNESS_LAST_LOG" | tr -d '\r')"
line=$(sed -n 's/^line=//p' "$HARNESS_LAST_LOG" | tr -d '\r')
click_capture 40128
wait_file shot "*003.bmp" 20
check_true "EDIT control: a file" test -n "$shot"
if [ -n "$shot" ]; then
  cp "$captures/$shot" "$out/edit.bmp"
  check "EDIT control: 60 lines of $line rows, the control's width" "$((cr - cl))x$((60 * line))" \
    "$(identify -format '%wx%h' "$out/edit.bmp")"
  check "EDIT control: its background" '#ffffff' "$(pixel "$out/edit.bmp" 1 1)"
  dark=$(convert "$out/edit.bmp" -crop "200x$((3 * line))+0+0" -threshold 50% \
    -format '%[fx:int(w*h*(1-mean))]' info:)
  check_true "EDIT control: the first lines' text drawn ($dark dark pixels)" test "${dark:-0}" -gt 100
fi
kill "$doc" 2>/dev/null
harness_tool gone ClarivueEditWindow 5000 >/dev/null

# --- Escape while collecting ---------------------------------------------------------------------
scroll_capture 60000 1.5 4
check_true "Escape: a file" test -n "$shot"
if [ -n "$shot" ]; then
  cp "$captures/$shot" "$out/escaped.bmp"
  rows=$(identify -format '%h' "$out/escaped.bmp")
  check_true "Escape: part of the document ($rows rows)" test "$rows" -gt 340 -a "$rows" -lt 60000
  expected "$rows" "$width" "$out/escaped_expected.ppm"
  check "Escape: the rows collected, exactly" 0 \
    "$(differing "$out/escaped.bmp" "$out/escaped_expected.ppm")"
fi
kill "$doc" 2>/dev/null

harness_finish
