#!/usr/bin/env bash
# corvix_scroll_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The scrolling capture through corvix.exe on test windows over a document whose every row has
# its own colour (programtool scrollwin), left scrolled half-way; "Capture a scrolling Window
# (Text)" (40128) and a click on the window:
#   - with a vertical scroll bar: the stored picture is the whole document, every row exactly,
#     and the window is no longer topmost afterwards;
#   - without one (Home and the wheel scroll it), in "Capture a scrolling Window (Website)"
#     (40127): the whole document;
#   - a multi-line EDIT control: drawn line by line, a line height per line of its text;
#   - a document far too long to finish, Escape after a moment: the stored picture is the
#     document's first rows, exactly, with nothing unfilled below them.
# Pictures go to BUILD/wine-env/out/corvix_scroll_test/.
# shellcheck disable=SC2154 # keeper, corvix_pid and the windows are set by the harness (printf -v)
set -u
. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
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
wait_log() {
  for _ in $(seq 100); do
    grep -q "^$1=" "$HARNESS_LAST_LOG" && return 0
    sleep 0.1
  done
  return 1
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
  harness_tool post "$class" 0x111 "${5:-40128}" 0 >/dev/null
  sleep 1
  harness_mouse $(((cl + cr) / 2)) $(((ct + cb) / 2))
  sleep 0.5
  harness_click $(((cl + cr) / 2)) $(((ct + cb) / 2))
  if [ -n "${2:-}" ]; then
    sleep "$2"
    harness_key Escape
  fi
  wait_file shot "*00${3}.bmp" 60
}

quiet_record
reg_dword GeneralShowCaptureBar 0

start_session

# --- The whole document ------------------------------------------------------------------------
scroll_capture 3000 "" 1
check_true "text mode: a file" test -n "$shot"
width=$((cr - cl))
if [ -n "$shot" ]; then
  cp "$captures/$shot" "$out/whole.bmp"
  check "the whole document: its size" "${width}x3000" "$(identify -format '%wx%h' "$out/whole.bmp")"
  expected 3000 "$width" "$out/whole_expected.ppm"
  check "the whole document: every row exactly" 0 \
    "$(differing "$out/whole.bmp" "$out/whole_expected.ppm")"
fi
exstyle=$(harness_tool info ClarivueScrollWindow | tr -d '\r' | sed -n 's/^exstyle=//p')
check "the window is not topmost any more" 0 "$((${exstyle:-8} & 8))"
kill "$doc" 2>/dev/null
check "scroll window closed" 0 "$(harness_tool gone ClarivueScrollWindow 5000; echo $?)"

# check_document WHAT ROWS: the stored file is the document's first ROWS rows, exactly.
check_document() {
  check_true "$1: a file" test -n "$shot"
  [ -n "$shot" ] || return
  cp "$captures/$shot" "$out/$1.bmp"
  expected "$2" "$((cr - cl))" "$out/$1_expected.ppm"
  check "$1: every row exactly" 0 "$(differing "$out/$1.bmp" "$out/$1_expected.ppm")"
}

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
harness_tool post "$class" 0x111 40128 0 >/dev/null
sleep 1
harness_mouse $(((cl + cr) / 2)) $(((ct + cb) / 2))
sleep 0.5
harness_click $(((cl + cr) / 2)) $(((ct + cb) / 2))
wait_file shot "*003.bmp" 20
check_true "EDIT control: a file" test -n "$shot"
if [ -n "$shot" ]; then
  cp "$captures/$shot" "$out/edit.bmp"
  check "EDIT control: 60 lines of $line rows, the control's width" "$((cr - cl))x$((60 * line))" \
    "$(identify -format '%wx%h' "$out/edit.bmp")"
  check "EDIT control: its background" '#ffffff' \
    "$(convert "$out/edit.bmp" -format '#%[hex:p{1,1}]' info: | tr 'A-F' 'a-f' | cut -c1-7)"
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
