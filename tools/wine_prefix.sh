#!/usr/bin/env bash
# Makes or removes the Wine prefix the tests of the Windows build share (the
# ctest fixture of the mingw build).
#   tools/wine_prefix.sh start|stop PREFIX
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 start|stop PREFIX" >&2; exit 2; }
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case $1 in
  start)
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # The first start lays out the prefix; no display needed.
    DISPLAY='' wineboot --init >/dev/null 2>&1
    wineserver --wait
    ;;
  stop)
    wineserver --kill 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
  *) echo "usage: $0 start|stop PREFIX" >&2; exit 2 ;;
esac
