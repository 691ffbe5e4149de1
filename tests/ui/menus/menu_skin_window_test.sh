#!/usr/bin/env bash
# menu_skin_window_test.sh BUILD UI_PROBE_EXE WINTOOL_EXE SKINS_DIR LANG_DIR
# The skinned tray-style menu opened by a real right click, an item hovered, read back from the
# screen by menu_pixels.py; Tiny, Default in Hebrew (right to left), a grayed item; "Exit" by click.
set -u
# shellcheck source=../../wine/harness.sh
. "$(cd "$(dirname "${BASH_SOURCE[0]}")/../../wine" && pwd)/harness.sh"

harness_init "$1" "$3"
demo=$2
skins=$4
langs=$5
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

program="$HARNESS_OUT/program"
mkdir -p "$program/Lang"
ln -sfn "$skins" "$program/Skins"
cp "$langs"/*.ztvlang "$program/Lang/"
cat >"$program/Lang/CVX-he-il.ztvlang" <<'LANG'
[Language]
ID = he-il
NativeName = עברית
EnglishName = Hebrew
[Menu]
File_CaptureWindow = צילום חלון\tF11
Tray_Configure = הגדרות...
Tray_Exit = יציאה
LANG
program_win="Z:${program//\//\\}"

item_rect() { awk -v id="$2" '$1 == "item" && $3 == id { print $4, $5, $6, $7; exit }' "$1"; }

# run_case NAME SKIN LANGUAGE CHECKED GRAYED HOVERED RTL
run_case() {
  local name=$1 skin=$2 lang=$3 checked=$4 grayed=$5 hovered=$6 rtl=$7 i pid log l t r b rc
  harness_start pid "$demo" menu "$program_win" "$skin" "$lang" "$checked" "$grayed"
  log=$HARNESS_LAST_LOG
  check_true "$name: demo window" harness_tool find ZMenuSkinDemo 15000
  sleep 0.5
  harness_click 200 150 3
  for ((i = 0; i < 100; i++)); do grep -q '^rtl' "$log" && break; sleep 0.1; done
  if ! grep -q '^rtl' "$log"; then
    check "$name: the menu opened" yes no
    kill -9 "$pid" 2>/dev/null
    return
  fi
  sleep 0.3
  # Wine's console output ends lines in CR LF.
  tr -d '\r' <"$log" >"$log.txt"
  log=$log.txt
  read -r l t r b <<<"$(item_rect "$log" "$hovered")"
  harness_mouse $(((l + r) / 2)) $(((t + b) / 2))
  sleep 0.8
  harness_screenshot "$HARNESS_OUT/$name.png"
  while IFS='|' read -r what expected actual; do
    check "$name: $what" "$expected" "$actual"
  done < <(python3 "$here/menu_pixels.py" "$HARNESS_OUT/$name.png" "$log" "$skins" "$skin" \
    "$hovered" "$grayed" "$checked" "$rtl")
  read -r l t r b <<<"$(item_rect "$log" 40106)"
  harness_click $(((l + r) / 2)) $(((t + b) / 2))
  harness_wait_exit rc "$pid" 10
  check "$name: Exit chosen by click" "chosen 40106" "$(tr -d '\r' <"${log%.txt}" | grep '^chosen' | tail -n 1)"
  check "$name: demo ended" 0 "$rc"
}

run_case tiny-en Tiny en-us 1 0 40006 0
run_case default-he Default he-il 1 0 40109 1
run_case grayed-en Default en-us 0 1 40151 0

harness_finish
