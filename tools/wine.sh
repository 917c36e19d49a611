# shellcheck shell=bash
# Sourced by the scripts that run the Windows program under Wine: a private,
# throw-away Wine prefix. With WINEPREFIX already set (a prefix made by the
# caller for several tests), that one is used and left to the caller.
#   start_wine_prefix   -> exports WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES
#   stop_wine_prefix    (in the EXIT trap) ends the prefix's Wine server and
#                       its programs (before their X server goes) and removes
#                       the prefix if this script made it
export WINEDEBUG=-all
# No prompts to fetch Mono or Gecko: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

start_wine_prefix() {
  WINE_PREFIX_OWNED=
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    export WINEPREFIX
    return 0
  fi
  WINEPREFIX=$(mktemp -d /tmp/rurorovirora-wine.XXXXXX)
  export WINEPREFIX
  WINE_PREFIX_OWNED=1
  # The first start lays out the prefix; no display needed.
  DISPLAY='' wineboot --init >/dev/null 2>&1
  wineserver --wait
}

stop_wine_prefix() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver --kill 2>/dev/null || true
  wineserver --wait 2>/dev/null || true
  if [ -n "${WINE_PREFIX_OWNED:-}" ]; then
    rm -rf "$WINEPREFIX"
    WINEPREFIX=
    WINE_PREFIX_OWNED=
  fi
}
