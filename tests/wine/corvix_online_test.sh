#!/usr/bin/env bash
# corvix_online_test.sh BUILD CORVIX_EXE WINTOOL_EXE
# The online services against a local service on 127.0.0.1 (replies, schedule and query are
# checked natively): the start-up notice and what it stores, a 500 and no service store nothing;
# the update offer (later, skip, up to date, open page with "UpdateType" 2) and its configuration.
. "$(dirname "${BASH_SOURCE[0]}")/corvix_helpers.sh"

corvix_test_init "$@"
inet='HKCU\Software\Zentrova\Zentrova Clarivue 2\ztv_inet'
server_dir="$out/server"
mkdir -p "$server_dir"
python3 "$(dirname "${BASH_SOURCE[0]}")/inet_server.py" "$server_dir" 150 &
server_pid=$!
wait_for 50 0.1 test -s "$server_dir/port"
port=$(cat "$server_dir/port")
check_true "local service listens (port $port)" test -n "$port"

inet_read() {
  "$WINE_LOADER" reg query "$inet" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v n="$1" '$1 == n { print $3 }'
}
requests() { [ -e "$server_dir/requests" ] && wc -l <"$server_dir/requests" || echo 0; }
# wait_requests N: until the service has had N requests (10 s at most).
wait_requests() {
  local want=$1
  wait_for 100 0.1 eval '[ "$(requests)" -ge "$want" ]'
}
# fresh LANG: the quiet record with the online services on, pointed at the local service.
fresh() {
  quiet_record
  reg add "$regkey" /v LanguageFile /t REG_SZ /d "$1" /f
  reg_dword LanguageDetected 1
  reg add "$inet" /v Enabled /t REG_DWORD /d 1 /f
  reg add "$inet" /v Service /t REG_SZ /d "http://127.0.0.1:$port/svc/" /f
}
# button ID: clicks the middle of that button of the open dialog.
button() { click_child '#32770' "$1"; }
# update_text: the update dialog's text once the check is done (10 s at most).
update_text() {
  local caption=$1 text
  for _ in $(seq 50); do
    text=$(harness_tool dialogtext "$caption" 65535 2000 | tr -d '\r' | sed -n 's/^text=//p')
    case "$text" in *...*) sleep 0.2 ;; *) break ;; esac
  done
  printf '%s' "$text"
}

# 1: the information check at start-up.
echo info >"$server_dir/mode"
fresh en-us
start_session
check_true "info check: one request" wait_requests 1
check "notice opens" 0 "$(harness_tool find '#32770' 10000; echo $?)"
sleep 0.5
check "last item stored: the newest of the user's channels" 0x8 "$(inet_read LastItem)"
check_true "check stamped" test -n "$(inet_read LastCheck)"
end_session

# 2: a 500 and no service at all (a closed port): a quiet failure that stores nothing.
echo error >"$server_dir/mode"
for service in "127.0.0.1:$port" 127.0.0.1:9; do
  fresh en-us
  reg add "$inet" /v Service /t REG_SZ /d "http://$service/svc/" /f
  run_corvix "$service"
  [ "$service" = 127.0.0.1:9 ] || wait_requests 2
  sleep 2
  check "$service: no notice, stamp or item" "1  " \
    "$(harness_tool find '#32770' 0; echo $?) $(inet_read LastCheck) $(inet_read LastItem)"
  check_true "$service: corvix still runs" harness_alive "$corvix_pid"
  end_session
done
check "the 500 was asked for" 2 "$(requests)"

# 3: the update check. The information check is stamped, so that only 40015 asks.
echo update >"$server_dir/mode"
fresh en-us
reg add "$inet" /v LastCheck /t REG_QWORD /d "$(date +%s)" /f
run_corvix update
sleep 1
harness_tool post "$class" 0x111 40015 0 >/dev/null
check "update: the offer" "Version 2.11 is available (you have 2.10).\\nOpen its page to download it?" \
  "$(update_text 'Online Update')"
button 103 # later
check "later: dialog closed" 0 "$(harness_tool gone '#32770' 5000; echo $?)"
check "later: nothing skipped" "" "$(inet_read SkippedVersion)"
check "later: main window still hidden" 0 "$(harness_tool info "$class" | tr -d '\r' | sed -n 's/^visible=//p')"
harness_tool post "$class" 0x111 40015 0 >/dev/null
update_text 'Online Update' >/dev/null
button 102 # skip this version
check "skip: version stored" 2.11 "$(inet_read SkippedVersion)"
harness_tool post "$class" 0x111 40015 0 >/dev/null
check "skipped version: up to date" "The program is up to date." "$(update_text 'Online Update')"
button 103 # close
# The configuration (40116): the automatic check turned off, the channels kept.
harness_tool post "$class" 0x111 40116 0 >/dev/null
check "configure: dialog" 0 "$(harness_tool find '#32770' 10000; echo $?)"
sleep 0.5
button 110 # "check automatically": off
button 1   # OK
check "configure: dialog closed" 0 "$(harness_tool gone '#32770' 5000; echo $?)"
check "configure: checks off" 0x0 "$(inet_read Enabled)"
check "configure: channels kept" news,tips "$(inet_read Channels)"
end_session

# The offer in German; then "UpdateType" 2 and "open page": the recorder gets the link, the
# program ends.
fresh de-de
reg add "$inet" /v LastCheck /t REG_QWORD /d "$(date +%s)" /f
reg_dword UpdateType 2
opened="$out/opened.txt"
"$WINE_LOADER" reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /t REG_SZ \
  /d "C:\\windows\\system32\\cmd.exe /c echo %1> Z:${opened//\//\\}" /f >/dev/null 2>&1
run_corvix "update (German)"
sleep 1
harness_tool post "$class" 0x111 40015 0 >/dev/null
check "update (German): the offer" \
  "Version 2.11 ist verfügbar (Sie haben 2.10).\\nIhre Seite zum Herunterladen öffnen?" \
  "$(update_text 'Online-Aktualisierung')"
button 101 # open page
harness_wait_exit rc "$corvix_pid" 20
check "open page with UpdateType 2: corvix ends" 0 "$rc"
wait_for 50 0.1 test -s "$opened"
check "the page handed to the browser" "https://z.example/get/2.11" "$(tr -d '\r ' <"$opened" 2>/dev/null)"
"$WINE_LOADER" reg delete 'HKLM\Software\Classes\https\shell\open' /f >/dev/null 2>&1

kill "$server_pid" 2>/dev/null
harness_finish
