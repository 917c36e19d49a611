# shellcheck shell=bash disable=SC2034  # sets what the scripts that source it read
# Sourced by bench/win32_paste.sh and bench/win32_typing.sh: the Windows
# program under a private Wine prefix and X server, and the probe
# (bench/win32_probe.cpp) that measures it from another Wine process.
#   win32_bench_start BUILD_DIR   sets BUILD, PROGRAM, BARE, WORK; starts
#                                 Xvfb and a persistent Wine server
#   launch_window PROGRAM CLASS   starts a program; clicks then go by twips
#                                 from its client area
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$here/tools/xvfb.sh"
source "$here/tools/window_driver.sh"
source "$here/tools/wine.sh"

WINDOW_CLASS=RuroviroraWindow
BARE_CLASS=BareEdit
BARE_TITLE='Bare edit'

win32_bench_cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
  stop_wine_prefix
  stop_xvfb
  [ -n "${WORK:-}" ] && rm -rf "$WORK"
}

win32_bench_start() {
  BUILD=$(cd "$1" && pwd)
  PROGRAM=$BUILD/win/rurorovirora.exe
  load_description_for "$PROGRAM"
  read -r -a TEXT1_TWIPS <<<"$(place_of "$(jq -r .inputFields.hectares "$DESCRIPTION")")"
  read -r -a RESET_TWIPS <<<"$(place_of "$(button_of reset)")"
  read -r -a CALCULAR_TWIPS <<<"$(place_of "$(button_of calculate)")"
  BOX_TITLE=$(jq -r .pasteRefusal.title "$DESCRIPTION")
  BARE=$BUILD/bench/win32_bare_edit.exe
  WORK=$(mktemp -d)
  unset WINEPREFIX  # a private prefix, whatever the caller has
  start_wine_prefix
  start_xvfb 1024x768
  trap win32_bench_cleanup EXIT
  # Kept running between the windows, as on a desktop where Wine programs run.
  wineserver --persistent
  # Xvfb runs no window manager: Wine would wait 2 s for one each time a
  # window it hands to it closes (a box). Its own windows, then.
  # The X window then holds the frame Wine draws: clicks are placed from
  # the client area (launch_window).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Starts a Windows program and waits for its window (launch_program), by
# default the program's title; sets CLIENT_DX, CLIENT_DY.
launch_window() { # program.exe class [title]
  local WINDOW_TITLE=${3:-$WINDOW_TITLE}
  launch_program wine "$1"
  read -r CLIENT_DX CLIENT_DY < <(probe client-offset "$2") || drive_fail "no window of class $2"
}
# As tools/window_driver.sh's, from the client area's corner.
click_twips() { # left top width height
  xdotool mousemove --window "$WINDOW" $((CLIENT_DX + ($1 + $3 / 2) / 15)) $((CLIENT_DY + ($2 + $4 / 2) / 15)) click 1
  sleep 0.1
}

probe() { wine "$BUILD/bench/win32_probe.exe" "$@" 2>"$WORK/probe.err" | tr -d '\r'; }

# The Linux process of the Windows program started last under this prefix:
# the one whose name begins with the .exe's and whose WINEPREFIX is ours.
program_process() { # exe name
  local pid name=${1:0:15}
  for pid in $(pgrep -f "$1"); do
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] || continue
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    echo "$pid"
  done | tail -n 1
}

status_kib() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }

# Starts the probe's await-change in the background on HWND and waits for it
# to have read the window: then the caller acts; await_answer sets ANSWER_MS,
# the time from ACTED_NS (set by acted) to the change drawn.
watch_for_change() { # hwnd
  # Straight to the file: a filter would hold "ready" back.
  wine "$BUILD/bench/win32_probe.exe" await-change "$1" > "$WORK/change" 2>"$WORK/probe.err" &
  CHANGE_PID=$!
  for _ in $(seq 1 400); do
    grep -q ready "$WORK/change" 2>/dev/null && return 0
    sleep 0.05
  done
  drive_fail "the probe did not start: $(cat "$WORK/probe.err")"
}
acted() { ACTED_NS=$(date +%s%N); }
await_answer() { # -> ANSWER_MS
  wait "$CHANGE_PID" || drive_fail "nothing changed in the window: $(cat "$WORK/probe.err")"
  ANSWER_MS=$(awk -v a="$ACTED_NS" -v b="$(tail -n 1 "$WORK/change" | tr -d '\r')" 'BEGIN {printf "%.1f", (b - a) / 1e6}')
}
