#!/usr/bin/env bash
# Builds the Windows program and starts corvix.exe under Wine, in the 1024x768 virtual desktop,
# on $DISPLAY or, without one, on a private Xvfb that stays running. Prints how to look at it
# and how to stop it. Uses its own Wine prefix (build/run/wineprefix), apart from the tests'.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"
RUN="$BUILD/run"
. "$ROOT/tests/wine/wine-common.sh"

"$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD/windows" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw-w64.cmake" \
  -DCLARIVUE_DEPS_PREFIX="$BUILD/deps/mingw" >/dev/null
cmake --build "$BUILD/windows" --target corvix
corvix="$BUILD/windows/core/win/corvix.exe"

mkdir -p "$RUN"
if [ -z "${DISPLAY:-}" ]; then
  # A private X server: the server picks a free display number itself.
  rm -f "$RUN/display"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$RUN/display" \
    </dev/null >"$RUN/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$RUN/display" ] && break
    sleep 0.1
  done
  [ -s "$RUN/display" ] || {
    echo "Xvfb did not start (see $RUN/xvfb.log)" >&2
    exit 1
  }
  DISPLAY=":$(tr -d '\n' <"$RUN/display")"
  export DISPLAY
  echo "Started Xvfb on $DISPLAY (process $xvfb_pid; stop it with: kill $xvfb_pid)"
fi

"$CLARIVUE_WINE_DIR/make-prefix.sh" "$RUN/wineprefix" "$CLARIVUE_WINE_TEMPLATE"
export WINEPREFIX="$RUN/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
setsid "$WINE_LOADER" "$corvix" </dev/null >"$RUN/corvix.log" 2>&1 &
echo "Started corvix.exe (process $!) in the Wine desktop on $DISPLAY"
echo "Look at it:   import -display $DISPLAY -window root shot.png"
echo "Stop it:      WINEPREFIX=$WINEPREFIX $WINE_LOADER $corvix -exit"
