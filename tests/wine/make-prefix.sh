#!/usr/bin/env bash
# make-prefix.sh DIR [TEMPLATE]
# Makes DIR a ready 64-bit test prefix (a 1024x768 virtual desktop, no crash dialog): a copy of
# the ready TEMPLATE, else made with wineboot (about 15 s).
set -euo pipefail

dir=$1
template=${2:-}
stamp=.clarivue-ready
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

[ -f "$dir/$stamp" ] && exit 0

parent=$(dirname "$dir")
mkdir -p "$parent"
exec 8>"$dir.lock"
flock 8
[ -f "$dir/$stamp" ] && exit 0
rm -rf "$dir" "$dir.new"

# A template behind a symbolic link: its target is copied, never the link.
if [ -n "$template" ] && [ -d "$template" ]; then
  template=$(cd "$template" && pwd -P)
fi
# A ready template has its registry files; one without them is not copied.
if [ -n "$template" ] && [ -f "$template/$stamp" ] && [ -f "$template/system.reg" ] &&
  [ -f "$template/user.reg" ] && [ "$template" != "$(cd "$parent" && pwd -P)/$(basename "$dir")" ]; then
  # Hard links for the read-only system files where possible; the registry files are copied.
  if cp -al "$template/." "$dir.new" 2>/dev/null && [ ! -L "$dir.new" ]; then
    for f in "$template"/*.reg; do
      rm -f "$dir.new/$(basename "$f")"
      cp -p "$f" "$dir.new/"
    done
  else
    rm -rf "$dir.new"
    cp -a "$template" "$dir.new"
  fi
  mv "$dir.new" "$dir"
  exit 0
fi

export WINEPREFIX="$dir.new" WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer dialogs, no window of wineboot's own on a display of the caller.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
"$wine" wineboot -i >/dev/null 2>&1
reg_add() { "$wine" reg add "$@" /f >/dev/null 2>&1; }
reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default
reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# Wait until the server has written the registry to the prefix's files.
"$wineserver" -w
touch "$WINEPREFIX/$stamp"
mv "$WINEPREFIX" "$dir"
