#!/usr/bin/env bash
# corvix_email_test.sh BUILD CORVIX_EXE WINTOOL_EXE MAPISTUB_DLL
# Send by eMail through a stand-in MAPI32.DLL that records its calls: three captures in one
# message; nothing loaded without e-mail; a non-ASCII temporary folder and a refused message.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3"
stub="$(dirname "$corvix")/MAPI32.DLL"
mail="$out/mail"
rm -rf "$mail"
mkdir -p "$mail"
cp "$4" "$stub"
trap 'rm -f "$stub"' EXIT
export WINEDLLOVERRIDES="mscoree,mshtml=;mapi32=n"
export CLARIVUE_MAPI_DIR="Z:${mail//\//\\}"
# The mail program is announced in win.ini as Simple MAPI programs do.
grep -q '^MAPI=1' "$WINEPREFIX/drive_c/windows/win.ini" 2>/dev/null ||
  printf '[Mail]\r\nMAPI=1\r\n' >>"$WINEPREFIX/drive_c/windows/win.ini"

calls() { tr -d '\r' <"$mail/calls.txt" 2>/dev/null; }
edit_mode() {
  harness_tool post "$class" 0x111 40028 0 >/dev/null
  sleep 1.5
}
capture() {
  press Print
  wait_file shot "*00$1.bmp" 15
}

quiet_record
start_session
for n in 1 2 3; do
  capture "$n"
  cp "$captures/$shot" "$out/capture$n.bmp"
  first=${first:-$shot}
done
edit_mode
for n in 1 2 3; do
  harness_tool post "$class" 0x111 40033 0 >/dev/null
  sleep 1
done
wait_for 50 0.2 eval 'calls | grep -q logoff'
expected="loaded
logon flags=0x23
resolve Please enter the recipient
send subject=${first%.bmp}.png flags=0x8"
check "one logon, one message, one logoff" "$expected" "$(calls | head -n 4)"
check "three attachments" 3 "$(calls | grep -c '^file ')"
for n in 1 2 3; do
  name=$(calls | sed -n "s/^file //p" | sed -n "${n}p")
  check "attachment $n: the capture's pixels as PNG" "PNG 0" \
    "$(identify -format '%m ' "$mail/$name" 2>/dev/null)$(differing "$out/capture$n.bmp" "$mail/$name")"
done
check "logged off" "logoff 7" "$(calls | tail -n 1)"
check "the outputs stay (PNG, the output format)" 3 "$(find "$captures" -name '*.png' | wc -l)"

rm -f "$mail/calls.txt"
capture 4
edit_mode
harness_tool post "$class" 0x111 40031 0 >/dev/null
sleep 2
check_true "a visit without e-mail loads nothing" test ! -e "$mail/calls.txt"

printf send >"$mail/mode.txt"
reg_dword EditModeDeleteCaptureAfterAction 1
"$WINE_LOADER" "$corvix" -exit </dev/null >/dev/null 2>&1
temp="$out/Tëmp-Ω"
mkdir -p "$temp"
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n"TEMP"="%s"\r\n"TMP"="%s"\r\n' \
  "Z:${temp//\//\\\\}" "Z:${temp//\//\\\\}" | iconv -f UTF-8 -t UTF-16 >"$out/temp.reg"
"$WINE_LOADER" regedit /S "Z:${out//\//\\}\\temp.reg" </dev/null >/dev/null 2>&1
restore_temp() {
  for v in TEMP TMP; do
    reg add 'HKCU\Environment' /v $v /t REG_EXPAND_SZ /d '%USERPROFILE%\Temp' /f
  done
}
trap 'rm -f "$stub"; restore_temp' EXIT
rm -f "$mail/calls.txt"
sleep 1
start_session
capture 1
kept=$shot
edit_mode
harness_tool post "$class" 0x111 40033 0 >/dev/null
box=$(box_message)
check_true "refused: the user is told where the attachments are ($box)" \
  grep -q 'did not take the message (error 2)' <<<"$box"
check "refused: the box closes" 0 "$(click_box_ok; echo $?)"
check "the attachment from the folder beyond the code page reached the mail program" "PNG" \
  "$(identify -format '%m' "$mail/$(calls | sed -n 's/^file //p')" 2>/dev/null)"
check_true "it went by an 8-bit path ($(calls | sed -n 's/^path //p'))" \
  test -n "$(calls | sed -n 's/^path //p')"
check_true "refused: the capture's output stays" test -e "$captures/${kept%.bmp}.png"

"$WINE_LOADER" "$corvix" -exit </dev/null >/dev/null 2>&1
harness_finish
