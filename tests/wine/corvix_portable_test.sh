#!/usr/bin/env bash
# corvix_portable_test.sh BUILD ZIP CMAKE WINTOOL_EXE
# The portable package unpacked into an empty folder: its contents, and corvix.exe started from
# there draws the capture bar from its skin and ends with "-exit".
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

zip=$2
cmake=$3
folder=ZentrovaClarivue-2.10
unpacked="$(cd "$1" && pwd)/wine-env/out/portable_unpacked"
rm -rf "$unpacked"
mkdir -p "$unpacked"
check "package name" "$folder-win64.zip" "$(basename "$zip")"
(cd "$unpacked" && "$cmake" -E tar xf "$zip")
check "unpacked: one folder" "$folder" "$(ls "$unpacked")"
root="$unpacked/$folder"
check "unpacked: program, libraries and data folders" \
  "Flags Help Lang Masks Mouse MouseHook.dll Skins corvix.exe ztv_inet.dll" \
  "$(cd "$root" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
check_true "unpacked: the three skins" test -s "$root/Skins/Default.ini" -a -s "$root/Skins/Small.ini" \
  -a -s "$root/Skins/Tiny.ini"
check_true "unpacked: both languages" test -s "$root/Lang/CVX-en-us.ztvlang" -a \
  -s "$root/Lang/CVX-de-de.ztvlang"
check_true "unpacked: both help files" test -s "$root/Help/CVX-en-us.chm" -a \
  -s "$root/Help/CVX-de-de.chm"

corvix_test_init "$1" "$root/corvix.exe" "$4"
quiet_record GeneralShowCaptureBar=1
reg add "$regkey" /v SkinName /t REG_SZ /d Default /f
start_session
bars=0
for _ in $(seq 50); do
  bars=$(harness_tool count _zedCButtonBar | tr -d '\r')
  [ "$bars" = 1 ] && break
  sleep 0.2
done
check "capture bar drawn from the skin beside the program" 1 "$bars"
end_session
rm -rf "$unpacked"
# Later tests start from a fresh record.
reg delete "$regkey" /f
harness_finish
