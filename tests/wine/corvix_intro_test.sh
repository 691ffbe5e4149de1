#!/usr/bin/env bash
# corvix_intro_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The splash picture and the intro windows through corvix.exe, in two starts:
#   1. splash and intros on: the splash is there after the start and gone within 6 s; then
#      "Welcome" comes with its two arrows and, unticked and closed, writes its flag 0; forged
#      UM_INTRO_CLOSED messages change nothing; the "Capture" intro comes before a capture
#      command, whose capture starts when it is closed; the Edit Mode shows its four intros in
#      order with an arrow at each bar.
#   2. splash off: no splash, and no "Welcome" after it was unticked.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$1" "$2" "$3" "$4"
check_id=100 # the intro's check box; its button is 1

count_of() { harness_tool count "$1" | tr -d '\r'; }
# wait_count PREFIX N: until N windows of the class prefix are visible (10 s at most).
wait_count() {
  for _ in $(seq 50); do
    [ "$(count_of "$1")" = "$2" ] && return 0
    sleep 0.2
  done
  return 1
}
# intro NAME FIELD: "check" (the box) or "text" (the button) of the intro window titled NAME.
intro() {
  local id=$check_id
  [ "$2" = text ] && id=1
  harness_tool topctl "$1" "$id" get | tr -d '\r' | sed -n "s/^$2=//p"
}
close_intro() {
  harness_tool topctl "$1" 1 click >/dev/null
  wait_count _ZIntroWindow- 0
}
# forge: UM_INTRO_CLOSED as another process may post it: an address for a name, an index past
# the table or below it, a show-again value other than 0 and 1, another intro's index.
forge() {
  harness_tool post "$class" 0x8190 1 0x7ff612340000 0x8190 1 7 0x8190 0 -1 \
    0x8190 5 1 0x8190 0 0 >/dev/null
  sleep 0.5
}

quiet_record
for v in GeneralShowSplashScreen IntroWindowWelcomeShow IntroWindowCaptureShow \
  IntroWindowEditModeWelcomeShow; do
  reg_dword "$v" 1
done
reg_dword GeneralShowCaptureBar 0
start_session
started=$SECONDS
check "splash shown after the start" 1 "$(count_of _ZSplash-)"
harness_screenshot "$out/splash.png"
# splash_gone: the splash went within 6 s of the main window's appearance (start_session waits
# 1 s after it).
splash_gone() {
  while [ $((SECONDS - started)) -le 5 ]; do
    [ "$(count_of _ZSplash-)" = 0 ] && return 0
    sleep 0.2
  done
  return 1
}
check_true "splash gone within 6 s" splash_gone
check "then Welcome, ticked" 1 "$(intro Welcome check)"
check_true "Welcome with two pointing arrows" wait_count _ZPointingArrow- 2
harness_screenshot "$out/welcome.png"
harness_tool topctl Welcome $check_id click >/dev/null
check "Welcome unticked" 0 "$(intro Welcome check)"
check_true "Welcome closes" close_intro Welcome
check_true "its arrows fade out" wait_count _ZPointingArrow- 0
check "unticked Welcome: its flag 0 in the registry" 0x0 "$(reg_read IntroWindowWelcomeShow)"

harness_tool post "$class" 0x111 40109 0 >/dev/null
check "fixed region command: the Capture intro first" Close "$(intro Capture text)"
forge
check "forged notices: the Capture intro stays" 1 "$(count_of _ZIntroWindow-)"
check "forged notices: flags unchanged" "0x0 0x1" \
  "$(reg_read IntroWindowWelcomeShow) $(reg_read IntroWindowCaptureShow)"
check "forged notices: program runs" 0 "$(harness_tool find "$class" 1000; echo $?)"
check "no capture before the intro is closed" 0 "$(count_files)"
check_true "Capture intro closes" close_intro Capture
sleep 1
harness_click 500 400
wait_file shot '*001.bmp' 15
check_true "the capture started on its close: file $shot" test -n "$shot"
check "ticked Capture intro: flag stays 1" 0x1 "$(reg_read IntroWindowCaptureShow)"

harness_tool post "$class" 0x111 40151 0 >/dev/null
arrows=0
for name in EditModeWelcome EditModeActionBar EditModeMToolsBar EditModeImageBar; do
  button=Next
  [ $name = EditModeImageBar ] && button=Close
  check "Edit Mode chain: $name with $button" $button "$(intro $name text)"
  check_true "$name: $arrows pointing arrow(s)" wait_count _ZPointingArrow- $arrows
  sleep 0.5
  harness_screenshot "$out/$name.png"
  case $name in  # the button by mouse, Enter (default button) and Escape
    EditModeActionBar) harness_key Return ;;
    EditModeMToolsBar) harness_key Escape ;;
    *) harness_tool topctl $name 1 click >/dev/null ;;
  esac
  arrows=1
done
check_true "end of the chain: no intro left" wait_count _ZIntroWindow- 0
check_true "end of the chain: its arrow fades out" wait_count _ZPointingArrow- 0
check "the chain kept the Edit Mode's flag" 0x1 "$(reg_read IntroWindowEditModeWelcomeShow)"
harness_run rc 30 "$corvix" -exit
harness_wait_exit rc "$corvix_pid" 30

reg_dword GeneralShowSplashScreen 0
harness_start corvix_pid "$corvix"
check "second start: main window" 0 "$(harness_tool find "$class" 15000; echo $?)"
sleep 1.5
check "splash off: no splash" 0 "$(count_of _ZSplash-)"
check "Welcome unticked before: not shown again" 0 "$(count_of _ZIntroWindow-)"
harness_run rc 30 "$corvix" -exit
harness_wait_exit rc "$corvix_pid" 30
check "program ends with -exit" 0 "$rc"
reg delete "$regkey" /f
harness_finish
