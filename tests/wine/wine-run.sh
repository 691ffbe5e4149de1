#!/usr/bin/env bash
# wine-run.sh PROGRAM [ARGS...]
# Runs a Windows program of a build tree under Wine and returns its exit code (modulo 256, so
# -1 comes back as 255). The cross build's emulator: ctest and custom commands call it.
# The build tree is CLARIVUE_WINE_BUILD, else the one holding PROGRAM. Its prefix is used (and
# made when missing), with the test fixture's Xvfb as display while that runs.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

if [ $# -lt 1 ]; then
  echo "usage: wine-run.sh PROGRAM [ARGS...]" >&2
  exit 2
fi
build=${CLARIVUE_WINE_BUILD:-}
if [ -z "$build" ] && ! build=$(wine_find_build "$1"); then
  echo "wine-run.sh: $1 is not inside a build tree; set CLARIVUE_WINE_BUILD" >&2
  exit 2
fi
wine_use_build "$build" || exit 2
exec "$WINE_LOADER" "$@"
