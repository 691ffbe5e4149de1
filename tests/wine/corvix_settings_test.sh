#!/usr/bin/env bash
# corvix_settings_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The configure dialog and the settings sheet driven through their controls: what each change does
# at once (hot keys, Run value, capture bar, intro flags, defaults) and what "-exit" stores.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
runkey='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
sheet="Zentrova Clarivue Settings"
configure="Zentrova Clarivue 2"

quiet_record GeneralMonitorWindowsCaptureKey=0 GeneralShowCaptureBar=1 LanguageDetected=1
reg add "$regkey" /v LanguageFile /t REG_SZ /d en-us /f
reg add "$regkey" /v SkinName /t REG_SZ /d Default /f
reg delete "$runkey" /v Corvix /f

command() {
  harness_tool post "$class" 0x0111 "$1" 0 >/dev/null
  sleep 0.5
}
ctl() {
  local _out
  _out=$(harness_tool ctl "$@") || return 1
  printf '%s\n' "${_out//$'\r'/}"
}
field() { sed -n "s/^$1=//p"; }
run_value() {
  "$WINE_LOADER" reg query "$runkey" /v Corvix 2>/dev/null | tr -d '\r' |
    awk '$1 == "Corvix" { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
# hotkey_free VK MODS: "registered" when no one holds the combination, "failed" when taken.
hotkey_free() { harness_tool hotkey "$1" "$2" 1 | tr -d '\r' | head -n 1; }
bars() { harness_tool count _zedCButtonBar | tr -d '\r'; }
gone() { harness_tool nodialog "$1" 5000; }
# closed TITLE BUTTON: clicks BUTTON of the dialog TITLE and waits until the dialog is gone.
closed() {
  ctl "$1" "$2" click
  gone "$1"
}
page() { ctl "$sheet" 0 get | field page; }

start_session

command 40006
check "configure dialog opens" "Capture Type" "$(ctl "$configure" 1049 get | field text)"
ctl "$configure" 1050 click
ctl "$configure" 1026 click
ctl "$configure" 1 click
check_true "configure dialog closes with OK" gone "$configure"
command 40006
check "OK stored the capture type" 1 "$(ctl "$configure" 1050 get | field check)"
check "F1 not taken from other programs" registered "$(hotkey_free 0x70 0)"
ctl "$configure" 1008 key 0x70 >/dev/null
check "F1 in the dialog opens the help" 0 "$(help_window)"
ctl "$configure" 1008 click
ctl "$configure" 2 click
check_true "configure dialog closes with Cancel" gone "$configure"
command 40006
check "Cancel stored nothing" 0 "$(ctl "$configure" 1008 get | field check)"
ctl "$configure" 1002 click
check "Advanced opens the sheet" Capture "$(page)"
ctl "$configure" 2 click
check_true "the sheet goes with the configure dialog" gone "$sheet"

command 40110
check "40110: the language page" Language "$(page)"
command 40115
check "40115 on the open sheet: the general page" General "$(page)"
ctl "$sheet" 0 page 1 >/dev/null
check "the skin page" Skin "$(page)"
ctl "$sheet" 9 click
check "the sheet's Help button opens the help" 0 "$(help_window)"
ctl "$sheet" 0 page 0 >/dev/null
ctl "$sheet" 1087 key 0x70 >/dev/null
check "F1 in a hot-key control opens the help" 0 "$(help_window)"
ctl "$sheet" 2 click
check_true "Cancel closes the sheet" gone "$sheet"
command 40114
check "40114: the capture page" Capture "$(page)"
closed "$sheet" 2

command 40115
ctl "$sheet" 1062 click
closed "$sheet" 1
check "start with Windows: Run value at once" '"'"Z:${corvix//\//\\}"'"' "\"$(run_value)\""
command 40115
ctl "$sheet" 1062 click
closed "$sheet" 1
check "start with Windows off: Run value deleted at once" "" "$(run_value)"

check "Shift+F9 held by corvix before" failed "$(hotkey_free 0x78 4)"
command 40115
ctl "$sheet" 1087 hotkey 0x0276 >/dev/null
closed "$sheet" 1
check "new hot key Ctrl+F7 registered" failed "$(hotkey_free 0x76 2)"
check "old hot key Shift+F9 released" registered "$(hotkey_free 0x78 4)"
# Cancel from another page: the general page's changes dropped, the hot keys registered again.
command 40115
check "hot keys released while the general page is open" registered "$(hotkey_free 0x76 2)"
ctl "$sheet" 1087 hotkey 0x0275 >/dev/null
command 40110
closed "$sheet" 2
check "Cancel from the language page: Ctrl+F7 registered again" failed "$(hotkey_free 0x76 2)"
check "Cancel: Ctrl+F6 not taken" registered "$(hotkey_free 0x75 2)"
# The close box (the system menu's "Close"): the same.
command 40115
harness_tool post '#32770' 0x0112 0xF060 0 >/dev/null
gone "$sheet"
check "closed with the close box: Ctrl+F7 registered again" failed "$(hotkey_free 0x76 2)"
# A combination held by another program: kept, and named.
harness_start holder "$HARNESS_WINTOOL" hotkey 0x77 2
sleep 1
command 40115
ctl "$sheet" 1090 hotkey 0x0277 >/dev/null
ctl "$sheet" 1 click
check "taken hot key named" 'These hot keys are kept as chosen but start no capture until they are changed:\nThe hot key of "Free Style Region" is used by another program.' \
  "$(box_message)"
ctl "Zentrova Clarivue 2.1" 1 click
gone "$sheet"
stop "$holder"

check "capture bar shown" 1 "$(bars)"
command 40115
ctl "$sheet" 1070 click
closed "$sheet" 1
check "capture bar off: gone at once" 0 "$(bars)"
command 40115
ctl "$sheet" 1002 click
check "reset intro windows asks" "Are you sure you want to show the introduction windows again?" \
  "$(box_message "Reset Intro Windows")"
ctl "Reset Intro Windows" 6 click
sleep 0.5
check "intro flags stored at once" "0x1 0x1 0x1 0x1" "$(reg_read IntroWindowWelcomeShow) $(reg_read IntroWindowCaptureShow) $(reg_read IntroWindowCaptureScrollShow) $(reg_read IntroWindowEditModeWelcomeShow)"

ctl "$sheet" 1001 click
ctl "Factory Defaults" 6 click
sleep 1
check "factory defaults reopen the sheet" General "$(page)"
check "factory defaults: capture bar back at once" 1 "$(bars)"
check "factory defaults: Run value set at once" '"'"Z:${corvix//\//\\}"'"' "\"$(run_value)\""
closed "$sheet" 2
check "factory defaults: Shift+F9 registered again" failed "$(hotkey_free 0x78 4)"
check "factory defaults: Ctrl+F7 released" registered "$(hotkey_free 0x76 2)"

focus_desktop
harness_key Print
wait_for 100 0.1 eval "harness_tool info \"\$class\" | grep -q '^visible=1'"
check "PrintScreen: the Edit Mode" visible=1 "$(harness_tool info "$class" | tr -d '\r' | grep '^visible=')"
check "Edit Mode: Shift+F9 released" registered "$(hotkey_free 0x78 4)"
command 40115
ctl "$sheet" 1087 hotkey 0x0276 >/dev/null
closed "$sheet" 1
check "Edit Mode: the new hot key Ctrl+F7 only stored" registered "$(hotkey_free 0x76 2)"
command 40099
check "the Edit Mode's tool settings: the mouse tools page" "Mouse Tools 1" "$(page)"
closed "$sheet" 2
command 40029
check "the Edit Mode left: Ctrl+F7 registered" failed "$(hotkey_free 0x76 2)"

# (Opened on the capture page: the general page reuses control numbers.) Red 18 in the picker.
choose_red_18() {
  ctl "$sheet" 1072 click
  ctl "Choose Color" 1 get >/dev/null
  sleep 0.5
  focus_desktop
  harness_key Tab Tab Tab Tab
  harness_type 18
  harness_key Return
  gone "Choose Color"
}
enabled() { ctl "$sheet" "$1" get | grep '^enabled='; }
change_every_page() {
  ctl "$sheet" 1277 settext 1000 >/dev/null
  ctl "$sheet" 1274 choose 4 >/dev/null
  ctl "$sheet" 0 page 3 >/dev/null
  ctl "$sheet" 1216 trackbar 12 >/dev/null
  ctl "$sheet" 1075 click
  choose_red_18
  ctl "$sheet" 0 page 4 >/dev/null
  ctl "$sheet" 1243 trackbar 60 >/dev/null
  ctl "$sheet" 0 page 6 >/dev/null
  ctl "$sheet" 1063 click
  ctl "$sheet" 1067 click
  ctl "$sheet" 1280 settext me@example.com >/dev/null
}
command 40114
ctl "$sheet" 0 page 6 >/dev/null
check "the e-mail address off without its check box" enabled=0 "$(enabled 1280)"
ctl "$sheet" 1067 click
check "the e-mail address on with it" enabled=1 "$(enabled 1280)"
ctl "$sheet" 0 page 5 >/dev/null
change_every_page
closed "$sheet" 2
command 40114
check "Cancel: the fixed width as it was" 640 "$(ctl "$sheet" 1277 gettext | field text)"
ctl "$sheet" 0 page 3 >/dev/null
check "Cancel: the pencil width as it was" 5 "$(ctl "$sheet" 1217 get | field text)"
# A refused value (the rule is checked natively): named, the value kept, the sheet open.
ctl "$sheet" 0 page 5 >/dev/null
ctl "$sheet" 1277 settext abc >/dev/null
ctl "$sheet" 1 click
check "fixed width abc refused" "The width of the fixed region must be a number from 1 to 16384." \
  "$(box_message)"
closed "Zentrova Clarivue 2.1" 1
check "fixed width abc: the old value back" 640 "$(ctl "$sheet" 1277 gettext | field text)"
check "the sheet stays open on the capture page" Capture "$(page)"
change_every_page
ctl "$sheet" 0 page 3 >/dev/null
check "the slider's number follows it" 12 "$(ctl "$sheet" 1217 get | field text)"
check "no shadow: its sliders off" enabled=0 "$(enabled 1202)"
ctl "$sheet" 0 page 4 >/dev/null
closed "$sheet" 1
command 40114
check "OK: the fixed width stored" 1000 "$(ctl "$sheet" 1277 gettext | field text)"
# The folder browser: OK only for a folder of the file system.
ctl "$sheet" 1261 settext 'C:\windows' >/dev/null
ctl "$sheet" 1262 click
browser="Browse for Folder"
check "the folder browser: OK for the folder it starts at" enabled=1 \
  "$(ctl "$browser" 1 get | grep '^enabled=')"
# Item 3 of the tree is "My Computer": no file-system path.
ctl "$browser" 14145 tree 3
check "the folder browser: no OK for My Computer" enabled=0 "$(ctl "$browser" 1 get | grep '^enabled=')"
closed "$browser" 2
check "the browser cancelled: the folder as typed" 'C:\windows' "$(ctl "$sheet" 1261 gettext | field text)"
closed "$sheet" 2

command 40110
ctl "$sheet" 1110 char D >/dev/null
sleep 0.3
closed "$sheet" 1
command 40006
check "German: the configure dialog's texts" "Aufnahmeart" "$(ctl "$configure" 1049 get | field text)"
sheet="Zentrova Clarivue Einstellungen"
ctl "$configure" 1002 click
sleep 0.5
ctl "$sheet" 0 page 1 >/dev/null
ctl "$sheet" 1100 selectstring Klein >/dev/null
closed "$sheet" 1
closed "$configure" 2

end_session
check "stored: capture type, shadow, cursor as reset" "0x0 0x1 0x0" \
  "$(reg_read CaptureType) $(reg_read CaptureShadowIsValid) $(reg_read CaptureCursorIsValid)"
check "stored: language" de-de "$(reg_read LanguageFile)"
check "stored: skin" Small "$(reg_read SkinName)"
check "stored: single-window key of the Edit Mode, Ctrl+F7" "0x76 0x2" \
  "$(reg_read GeneralHotkeySingleWindow) $(reg_read GeneralHotkeySingleWindowMod)"
check "stored: free style key kept over the reset" "0x77 0x2" \
  "$(reg_read GeneralHotkeyFreeStyleRegion) $(reg_read GeneralHotkeyFreeStyleRegionMod)"
check "stored: a value of each new page" "0x3e8 0xc 0x3c 0x1" \
  "$(reg_read CaptureFixedWidth) $(reg_read MToolsPencilWidth) $(reg_read MToolsErasorSize) $(reg_read EditModeDeleteCaptureAfterAction)"
check "stored: the colour chosen before OK, red 18" 0x29b912 "$(reg_read MToolsRoundedRectColor)"
check "stored: shape, shadow off, e-mail address" "0x4 0x0 0x1 me@example.com" \
  "$(reg_read CaptureShapeType) $(reg_read MToolsShadowEnabled) $(reg_read EditModeEmailUseSpecified) $(reg_read EditModeEmailUseSpecifiedText)"

harness_finish
