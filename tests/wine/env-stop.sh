#!/usr/bin/env bash
# env-stop.sh BUILD
# Clean-up of the ctest fixture "wine_env": BUILD's wineserver with its programs, then its Xvfb.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

build=$(cd "$1" && pwd)
env="$build/wine-env"

if [ -f "$build/wineprefix/.clarivue-ready" ]; then
  WINEPREFIX="$build/wineprefix" "$WINE_SERVER" -k >/dev/null 2>&1
  WINEPREFIX="$build/wineprefix" "$WINE_SERVER" -w >/dev/null 2>&1
fi

if wine_xvfb_display "$build" >/dev/null; then
  pid=$(cat "$env/xvfb.pid")
  kill "$pid" 2>/dev/null
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
fi
rm -f "$env/xvfb.pid" "$env/display"
exit 0
