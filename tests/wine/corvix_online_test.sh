#!/usr/bin/env bash
# corvix_online_test.sh BUILD CORVIX_EXE WINTOOL_EXE PROGRAMTOOL_EXE
# The online services against a local Python service on 127.0.0.1: the information check at
# start-up (query, notice, stamp, last item; none again within the interval), a 500, an oversized
# reply and no service stored nothing; the update check (later, skip, up to date, open page with
# "UpdateType" 2) and its configuration. Pictures in BUILD/wine-env/out/corvix_online_test/.
# shellcheck disable=SC2154 # corvix_pid and keeper are set by the harness (printf -v)
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
    text=$(harness_tool msgbox "$caption" 2000 | tr -d '\r' | sed -n 's/^text=//p')
    case "$text" in *...*) sleep 0.2 ;; *) break ;; esac
  done
  printf '%s' "$text"
}

# 1: the information check at start-up.
echo info >"$server_dir/mode"
fresh en-us
start_session
check_true "info check: one request" wait_requests 1
check "info check: the query" \
  "/svc/info?product=4712&version=2.10&edition=&lang=en-us&channels=news,tips&after=0" \
  "$(head -n 1 "$server_dir/requests")"
check "notice opens" 0 "$(harness_tool find '#32770' 10000; echo $?)"
sleep 0.5
look "$out/notice_en.png"
check "last item stored: the newest of the user's channels" 0x8 "$(inet_read LastItem)"
check_true "check stamped" test -n "$(inet_read LastCheck)"
end_session
run_corvix "second start"
sleep 3
check "second start within the interval: no request" 1 "$(requests)"
end_session

# The notice in German (a new first run).
fresh de-de
reg add "$inet" /v Channels /t REG_SZ /d "news,tips,offers" /f
harness_start corvix_pid "$corvix"
check_true "German: request" wait_requests 2
check "German: the query" \
  "/svc/info?product=4712&version=2.10&edition=&lang=de-de&channels=news,tips,offers&after=0" \
  "$(sed -n 2p "$server_dir/requests")"
check "German notice opens" 0 "$(harness_tool find '#32770' 10000; echo $?)"
sleep 0.5
look "$out/notice_de.png"
check "German: offers wanted, item 9 last" 0x9 "$(inet_read LastItem)"
end_session

# 2: failures leave nothing stored.
n=2
for mode in error huge; do
  echo "$mode" >"$server_dir/mode"
  fresh en-us
  harness_start corvix_pid "$corvix"
  n=$((n + 1))
  check_true "$mode: request" wait_requests "$n"
  sleep 1
  check "$mode: no notice" 1 "$(harness_tool find '#32770' 0; echo $?)"
  check "$mode: no stamp" "" "$(inet_read LastCheck)"
  check "$mode: no item" "" "$(inet_read LastItem)"
  check_true "$mode: corvix still runs" harness_alive "$corvix_pid"
  end_session
done

# No service at all (a closed port, as without a network): a quiet failure.
fresh en-us
reg add "$inet" /v Service /t REG_SZ /d "http://127.0.0.1:9/svc/" /f
run_corvix "no service"
sleep 2
check "no service: no window" 1 "$(harness_tool find '#32770' 0; echo $?)"
check "no service: no stamp" "" "$(inet_read LastCheck)"
end_session

# 3: the update check. The information check is stamped, so that only 40015 asks.
echo update >"$server_dir/mode"
fresh en-us
reg add "$inet" /v LastCheck /t REG_QWORD /d "$(date +%s)" /f
run_corvix update
sleep 1
harness_tool post "$class" 0x111 40015 0 >/dev/null
check "update: the offer" "Version 2.11 is available (you have 2.10).\\nOpen its page to download it?" \
  "$(update_text 'Online Update')"
check "update: the query" "/svc/update?product=4712&version=2.10&edition=&lang=en-us" \
  "$(tail -n 1 "$server_dir/requests")"
look "$out/update_en.png"
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
look "$out/configure_en.png"
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
look "$out/update_de.png"
button 101 # open page
harness_wait_exit rc "$corvix_pid" 20
check "open page with UpdateType 2: corvix ends" 0 "$rc"
wait_for 50 0.1 test -s "$opened"
check "the page handed to the browser" "https://z.example/get/2.11" "$(tr -d '\r ' <"$opened" 2>/dev/null)"
"$WINE_LOADER" reg delete 'HKLM\Software\Classes\https\shell\open' /f >/dev/null 2>&1

kill "$server_pid" 2>/dev/null
harness_finish
