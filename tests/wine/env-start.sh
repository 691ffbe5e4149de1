#!/usr/bin/env bash
# env-start.sh BUILD
# Set-up of the ctest fixture "wine_env": BUILD's prefix, a private Xvfb (a free display, told by
# -displayfd) recorded in BUILD/wine-env, a persistent wineserver and Wine's services started once.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

build=$(cd "$1" && pwd)
env="$build/wine-env"
"$CLARIVUE_WINE_DIR/env-stop.sh" "$build"
mkdir -p "$env"

start=$(date +%s)
"$CLARIVUE_WINE_DIR/make-prefix.sh" "$build/wineprefix" "$CLARIVUE_WINE_TEMPLATE"

# Its own session, none of ctest's pipes: ctest neither waits for Xvfb nor ends it.
rm -f "$env/display" "$env/display.new"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
  3>"$env/display.new" </dev/null >"$env/xvfb.log" 2>&1 &
echo $! >"$env/xvfb.pid"
for _ in $(seq 100); do
  [ -s "$env/display.new" ] && break
  sleep 0.1
done
if [ ! -s "$env/display.new" ]; then
  echo "Xvfb did not start:" >&2
  cat "$env/xvfb.log" >&2
  exit 1
fi
tr -d '\n' <"$env/display.new" >"$env/display"
rm -f "$env/display.new"

wine_use_build "$build"
setsid "$WINE_SERVER" -p </dev/null >"$env/wineserver.log" 2>&1
# Wine's services inherit the output of their starter: started here, away from ctest's pipes.
"$WINE_LOADER" cmd /c exit 0 </dev/null >"$env/warmup.log" 2>&1

echo "wine_env: prefix $WINEPREFIX, display $DISPLAY, ready in $(($(date +%s) - start)) s"
