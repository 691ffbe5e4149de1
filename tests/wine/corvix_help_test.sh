#!/usr/bin/env bash
# corvix_help_test.sh BUILD CORVIX_EXE WINTOOL_EXE CONTEXTS_HEADER
# The compiled help files: every context id of the header opens a help window in both languages,
# an unknown one none; in German the help command (40118) opens the German help file.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3"
mapfile -t ids < <(sed -n 's/^#define IDH_[A-Z0-9_]* \([0-9][0-9]*\)$/\1/p' "$4")
unknown=999999
help_dir="Z:$(cd "$(dirname "$corvix")" && pwd)/Help"
check_true "the header has context ids (${#ids[@]})" test "${#ids[@]}" -gt 0

expected=$(printf '%s window\n' "${ids[@]}"; echo "$unknown none")
for language in en-us de-de; do
  chm="${help_dir//\//\\}\\CVX-$language.chm"
  got=$(harness_tool help "$chm" "${ids[@]}" "$unknown" | tr -d '\r')
  check "$language: every context opens a window, an unknown one none" "$expected" "$got"
done

quiet_record GeneralShowCaptureBar=0 LanguageDetected=1
reg add "$regkey" /v LanguageFile /t REG_SZ /d de-de /f
start_session
harness_tool post "$class" 0x111 40118 0 >/dev/null
check "40118 opens the help window" 0 "$(harness_tool find 'HH Parent' 15000; echo $?)"
check_true "the German help file's title" \
  grep -q 'Zentrova Clarivue 2 Hilfe' <<<"$(harness_tool info 'HH Parent' | tr -d '\r')"
check "no 'no help' message box" 1 "$(harness_tool dialogtext 'Zentrova Clarivue 2.1' 65535 500 >/dev/null; echo $?)"
harness_tool post 'HH Parent' 0x10 0 0 >/dev/null
check "the help window closes" 0 "$(harness_tool gone 'HH Parent' 5000; echo $?)"
end_session
reg delete "$regkey" /f
harness_finish
