#!/usr/bin/env bash
# Runs a Windows program under Wine, for ctest (the emulator of the mingw
# build): in the prefix the caller made (WINEPREFIX), or else in a
# throw-away prefix made and removed here.
#   tools/wine_run.sh PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine.sh"
start_wine_prefix
trap stop_wine_prefix EXIT
status=0
wine "$@" || status=$?
exit "$status"
