#!/usr/bin/env bash
# make-prefix.sh DIR [TEMPLATE]
# Makes sure DIR is a ready 64-bit Wine prefix for the tests: a copy of TEMPLATE when that is a
# ready prefix (fast; scripts/setup.sh makes build/wineprefix), else a new one made with wineboot
# (about 15 s). A ready prefix has a 1024x768 virtual
# desktop for every program and no crash dialog (a crashing test ends instead of waiting).
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

# The template is often a symbolic link to a shared prefix: copy what it points to, never the link
# itself (the copy's registry files would then be the template's, and replacing them below would
# delete the template's own).
if [ -n "$template" ] && [ -d "$template" ]; then
  template=$(cd "$template" && pwd -P)
fi
# A ready template has its registry files; one without them is not copied.
if [ -n "$template" ] && [ -f "$template/$stamp" ] && [ -f "$template/system.reg" ] &&
  [ -f "$template/user.reg" ] && [ "$template" != "$(cd "$parent" && pwd -P)/$(basename "$dir")" ]; then
  # The system files of a prefix (about 700 MB) are only read: share them with the template by
  # hard links where the file system allows; the registry files are rewritten, so copy those.
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
