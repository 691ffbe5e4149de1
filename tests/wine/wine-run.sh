#!/usr/bin/env bash
# wine-run.sh PROGRAM [ARGS...]
# The cross build's emulator: runs PROGRAM under Wine in the prefix (and fixture display) of its
# build tree (CLARIVUE_WINE_BUILD, else the one holding PROGRAM); exit code modulo 256.
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
