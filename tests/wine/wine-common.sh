# shellcheck shell=bash
# Shared by the Wine scripts of this folder (sourced). A build tree has its own prefix
# BUILD/wineprefix and, while the fixture runs, BUILD/wine-env/display and xvfb.pid. Wine's loader
# and server are called directly (/usr/bin/wine prints a wine32 hint).

CLARIVUE_WINE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
CLARIVUE_SOURCE_DIR=$(cd "$CLARIVUE_WINE_DIR/../.." && pwd)
CLARIVUE_WINE_TEMPLATE="$CLARIVUE_SOURCE_DIR/build/wineprefix"
WINE_LOADER=/usr/lib/wine/wine64
WINE_SERVER=/usr/lib/wine/wineserver64

# wine_xvfb_display BUILD: prints N when the fixture's Xvfb of BUILD is running.
wine_xvfb_display() {
  local env="$1/wine-env" pid display
  [ -s "$env/xvfb.pid" ] && [ -s "$env/display" ] || return 1
  pid=$(cat "$env/xvfb.pid")
  display=$(cat "$env/display")
  [ -r "/proc/$pid/cmdline" ] || return 1
  case "$(tr '\0' ' ' <"/proc/$pid/cmdline")" in
    Xvfb*) printf '%s\n' "$display" ;;
    *) return 1 ;;
  esac
}

# wine_use_build BUILD: exports BUILD's prefix (made when missing), quiet Wine and the display.
wine_use_build() {
  local build=$1 display
  export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml="
  "$CLARIVUE_WINE_DIR/make-prefix.sh" "$WINEPREFIX" "$CLARIVUE_WINE_TEMPLATE" || return 1
  if display=$(wine_xvfb_display "$build"); then
    export DISPLAY=":$display"
  fi
}

# wine_find_build PATH: prints the build tree (the folder with CMakeCache.txt) holding PATH.
wine_find_build() {
  local d
  d=$(cd "$(dirname "$1")" 2>/dev/null && pwd) || return 1
  while [ "$d" != / ]; do
    if [ -f "$d/CMakeCache.txt" ]; then
      printf '%s\n' "$d"
      return 0
    fi
    d=$(dirname "$d")
  done
  return 1
}
