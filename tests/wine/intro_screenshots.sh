#!/usr/bin/env bash
# intro_screenshots.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# Pictures to look at, not a test: the splash and every intro window with its arrows in each skin
# (Default, Small, Tiny) and language (en-us, de-de), into BUILD/wine-env/out/intro_screenshots/.
# Run it with the Wine environment of the build tree up:
#   bash tests/wine/env-start.sh build/windows
#   bash tests/wine/intro_screenshots.sh build/windows build/windows/core/win/corvix.exe \
#     build/windows/tests/wine/wintool.exe build/windows/tests/wine/programtool.exe
#   bash tests/wine/env-stop.sh build/windows
set -u
. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3" "$4"
count_of() { harness_tool count "$1" | tr -d '\r'; }
wait_count() {
  for _ in $(seq 50); do
    [ "$(count_of "$1")" = "$2" ] && return 0
    sleep 0.2
  done
  return 1
}
# shot_intro NAME FILE: once NAME is shown and faded in, the screen into FILE; then closed.
shot_intro() {
  harness_tool topctl "$1" 1 get >/dev/null
  sleep 1
  harness_screenshot "$out/$2.png"
  harness_tool topctl "$1" 1 click >/dev/null
  wait_count _ZIntroWindow- 0
}
# capture_intro COMMAND NAME FILE: the intro before a capture command; the capture it starts is
# cancelled.
capture_intro() {
  harness_tool post "$class" 0x111 "$1" 0 >/dev/null
  shot_intro "$2" "$3"
  sleep 1
  focus_desktop
  harness_key Escape
  sleep 0.5
}

harness_start keeper "$programtool" hotkey 0x7B 0
harness_x_window 'Default - Wine desktop' 15 >/dev/null
for skin in Default Small Tiny; do
  for language in en-us de-de; do
    quiet_record
    for v in GeneralShowSplashScreen IntroWindowWelcomeShow IntroWindowCaptureShow \
      IntroWindowCaptureScrollShow IntroWindowEditModeWelcomeShow \
      GeneralMonitorWindowsCaptureKey; do
      reg_dword "$v" 1
    done
    reg_dword GeneralShowCaptureBar 0
    reg_dword LanguageDetected 1 # the language below, not the system's
    reg add "$regkey" /v SkinName /t REG_SZ /d "$skin" /f
    reg add "$regkey" /v LanguageFile /t REG_SZ /d "$language" /f
    rm -f "$captures"/*.bmp
    combo=${skin}_$language
    harness_start corvix_pid "$corvix"
    harness_tool find "$class" 15000 >/dev/null
    sleep 1.5
    harness_screenshot "$out/splash_$combo.png"
    wait_count _ZSplash- 0
    shot_intro Welcome "Welcome_$combo"
    capture_intro 40127 CaptureScroll "CaptureScroll_$combo"
    capture_intro 40107 Capture "Capture_$combo"
    press Print
    wait_file shot '*001.bmp' 15
    harness_tool post "$class" 0x111 40151 0 >/dev/null
    for name in EditModeWelcome EditModeActionBar EditModeMToolsBar EditModeImageBar; do
      shot_intro $name "${name}_$combo"
    done
    harness_run rc 30 "$corvix" -exit
    harness_wait_exit rc "$corvix_pid" 30
    echo "$combo done"
  done
done
reg delete "$regkey" /f
harness_finish
