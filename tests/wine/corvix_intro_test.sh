#!/usr/bin/env bash
# corvix_intro_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The splash and the intro windows: Welcome with its arrows and flag, the Capture intro before
# its capture, the Edit Mode chain with its arrows (the flags' rules are checked natively).
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
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

quiet_record
for v in GeneralShowSplashScreen IntroWindowWelcomeShow IntroWindowCaptureShow \
  IntroWindowEditModeWelcomeShow; do
  reg_dword "$v" 1
done
reg_dword GeneralShowCaptureBar 0
start_session
started=$SECONDS
check "splash shown after the start" 1 "$(count_of _ZSplash-)"
# splash_gone: the splash went within 6 s of the main window's appearance.
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
harness_tool topctl Welcome $check_id click >/dev/null
check "Welcome unticked" 0 "$(intro Welcome check)"
check_true "Welcome closes" close_intro Welcome
check_true "its arrows fade out" wait_count _ZPointingArrow- 0
check "unticked Welcome: its flag 0 in the registry" 0x0 "$(reg_read IntroWindowWelcomeShow)"

harness_tool post "$class" 0x111 40109 0 >/dev/null
check "fixed region command: the Capture intro first" Close "$(intro Capture text)"
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
end_session
reg delete "$regkey" /f
harness_finish
