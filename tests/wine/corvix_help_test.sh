#!/usr/bin/env bash
# corvix_help_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE HELPTOOL_EXE CONTEXTS_HEADER
# The compiled help files beside corvix.exe: every context id of the header opens a help window in
# both languages and an unknown id opens none. Then corvix.exe in German: the help command (40118)
# opens the German help file's window, pictured in BUILD/wine-env/out/corvix_help_test/help.png
# and help_index.png (contents and index show; the topic pane stays blank under Wine, which has
# no HTML engine).
set -u
. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3" "$4"
helptool=$5
mapfile -t ids < <(sed -n 's/^#define IDH_[A-Z0-9_]* \([0-9][0-9]*\)$/\1/p' "$6")
unknown=999999
help_dir="Z:$(cd "$(dirname "$corvix")" && pwd)/Help"
check_true "the header has context ids (${#ids[@]})" test "${#ids[@]}" -gt 0

expected=$(printf '%s window\n' "${ids[@]}"; echo "$unknown none")
for language in en-us de-de; do
  chm="${help_dir//\//\\}\\CVX-$language.chm"
  got=$("$WINE_LOADER" "$helptool" "$chm" "${ids[@]}" "$unknown" </dev/null 2>/dev/null | tr -d '\r')
  check "$language: every context opens a window, an unknown one none" "$expected" "$got"
done

quiet_record
reg_dword GeneralShowCaptureBar 0
reg add "$regkey" /v LanguageFile /t REG_SZ /d de-de /f
reg_dword LanguageDetected 1
start_session
harness_tool post "$class" 0x111 40118 0 >/dev/null
check "40118 opens the help window" 0 "$(harness_tool find 'HH Parent' 15000; echo $?)"
check_true "the German help file's title" \
  grep -q 'Zentrova Clarivue 2 Hilfe' <<<"$(harness_tool info 'HH Parent' | tr -d '\r')"
sleep 1.5
harness_screenshot "$out/help.png"
# The index tab (the window sits where the project's window definition puts it).
harness_click 163 129
sleep 1
harness_screenshot "$out/help_index.png"
check "no 'no help' message box" 1 "$(harness_tool msgbox 'Zentrova Clarivue 2.1' 500 >/dev/null; echo $?)"
harness_tool post 'HH Parent' 0x10 0 0 >/dev/null
check "the help window closes" 0 "$(harness_tool gone 'HH Parent' 5000; echo $?)"
harness_run rc 30 "$corvix" -exit
harness_wait_exit end_rc "$corvix_pid" 30
check "program ends with -exit" 0 "$end_rc"
reg delete "$regkey" /f
harness_finish
