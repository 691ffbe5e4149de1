#!/usr/bin/env bash
# corvix_about_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The About box (40117): role titles, one box only, its link (click and space key, to a
# recorder) drawn blue, purple once opened, underlined under the cursor, framed with the focus.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
caption="Zentrova Clarivue 2.1"
https_key='HKLM\Software\Classes\https\shell\open\command'
link="$out/link.txt"

about_get() { harness_tool ctl "$caption" "$1" get | tr -d '\r' | sed -n 's/^text=//p'; }
# link_rect: "left top right bottom" of the link control on the screen.
link_rect() { harness_tool child '#32770' 3204 | tr -d '\r' | sed -n 's/^rect=//p'; }
wait_link() {
  wait_for 50 0.2 test -s "$link"
  tr -d '\r' <"$link" 2>/dev/null
}

quiet_record GeneralShowCaptureBar=0
reg add "$regkey" /v LanguageFile /t REG_SZ /d en-us /f
reg delete "$regkey" /v Edition /f
reg add "$https_key" /ve /f /d "C:\\windows\\system32\\cmd.exe /c echo \"%1\">Z:${link//\//\\}"
expected='^"https://www\.zentrova\.com/linktarget/\?product=4712&version=2\.10&edition=&syslang=[a-z-]*&lang=en-us&target=homepage" *$'

start_session
harness_tool post "$class" 0x111 40117 0 >/dev/null
harness_tool ctl "$caption" 0 get >/dev/null
check "40117 opens the About box" "$caption" "$(about_get 0)"
check "role titles" "Draft & Development|Project Management|Graphics & Design|Help & Documentation" \
  "$(about_get 3211)|$(about_get 3212)|$(about_get 3213)|$(about_get 3214)"
harness_tool post "$class" 0x111 40117 0 >/dev/null
sleep 0.5
check "a second 40117 opens no second box" 1 "$(harness_tool count '#32770' | tr -d '\r')"

read -r left top right bottom < <(link_rect)
harness_mouse 5 5
sleep 0.5
harness_screenshot "$out/link_new.png"
crop="$((right - left))x$((bottom - top))+$left+$top"
convert "$out/link_new.png" -crop "$crop" +repage "$out/link_new_crop.png"
check_true "new link: blue text" test "$(colour_count "$out/link_new_crop.png" '#0000ff')" -gt 20
check "new link: nothing purple" 0 "$(colour_count "$out/link_new_crop.png" '#800080')"

rm -f "$link"
harness_click $(((left + right) / 2)) $(((top + bottom) / 2))
got=$(wait_link)
check_true "click on the link: the home page link ($got)" grep -Eq "$expected" <<<"$got"
sleep 0.5
harness_screenshot "$out/link_opened.png"
convert "$out/link_opened.png" -crop "$crop" +repage "$out/link_opened_crop.png"
purple=$(colour_count "$out/link_opened_crop.png" '#800080')
check_true "opened link: purple ($purple pixels)" test "$purple" -gt 20
check "opened link: no blue left" 0 "$(colour_count "$out/link_opened_crop.png" '#0000ff')"
# Under the cursor the text is underlined: one full row of purple under the text.
# underlined FILE: 1 when a row of the link in FILE is purple from end to end (the underline).
underlined() {
  convert "$1" -crop "$crop" +repage -fill black +opaque '#800080' -fill white -opaque '#800080' \
    -scale "1x$((bottom - top))!" -format '%[fx:maxima.r==1]' info:
}
check "hovered link: underlined" 1 "$(underlined "$out/link_opened.png")"
harness_mouse 5 300
sleep 0.7
harness_screenshot "$out/link_left.png"
check "cursor gone: no underline" 0 "$(underlined "$out/link_left.png")"

# Tab from OK to the link: a dotted frame one pixel around it on the box; Tab again: gone.
# frame_row FILE: how many pixels of the row above the link differ from the row above that.
frame_row() {
  differing "$1[$((right - left))x1+$left+$((top - 1))]" "$1[$((right - left))x1+$left+$((top - 2))]"
}
harness_mouse 5 5
harness_tool ctl "$caption" 1 key 0x09 >/dev/null
sleep 0.7
harness_screenshot "$out/link_focus.png"
harness_tool ctl "$caption" 3204 key 0x09 >/dev/null
sleep 0.7
harness_screenshot "$out/link_nofocus.png"
check_true "focused link: dotted frame ($(frame_row "$out/link_focus.png") pixels)" \
  test "$(frame_row "$out/link_focus.png")" -ge $(((right - left) / 3))
check "link without focus: no frame" 0 "$(frame_row "$out/link_nofocus.png")"

rm -f "$link"
harness_tool ctl "$caption" 3204 key 0x20 >/dev/null
got=$(wait_link)
check_true "space key on the link: the home page link ($got)" grep -Eq "$expected" <<<"$got"
harness_tool ctl "$caption" 1 click >/dev/null
check "OK closes the box" 0 "$(harness_tool nodialog "$caption" 5000; echo $?)"
end_session
reg add "$https_key" /ve /f /d '"C:\windows\system32\winebrowser.exe" "%1"'

# Later tests start from a fresh record.
reg delete "$regkey" /f
harness_finish
