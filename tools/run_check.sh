#!/usr/bin/env bash
# Proves the README's run command on a fresh machine (as root): starts a
# private Xvfb, runs ./tools/run.sh, waits for the window and ends the
# program with Salir; stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages xvfb xdotool x11-utils
source tools/xvfb.sh
log=$(mktemp /tmp/rurorovirora-run.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  stop_xvfb
  rm -f "$log"
}
trap cleanup EXIT
start_xvfb 1024x768
source tools/window_driver.sh

start=$SECONDS
./tools/run.sh >"$log" 2>&1 &
pid=$!
window=
# run.sh becomes the program (exec): its window carries the same process id.
while [ -z "$window" ] && [ $((SECONDS - start)) -lt 900 ]; do
  window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
  kill -0 "$pid" 2>/dev/null || break
  [ -n "$window" ] || sleep 1
done
tail -n 5 "$log"
[ -n "$window" ] || { echo "RUN CHECK: no window"; exit 1; }
echo "RUN CHECK: window \"$(xdotool getwindowname "$window")\" shown after $((SECONDS - start)) s"
WINDOW=$window
PROGRAM_PID=$pid
xdotool windowfocus --sync "$WINDOW"
sleep 0.5
# From the first focus ("Marco Real") Tab reaches "Salir"; Space presses it.
xdotool key Tab space
check_ended
pid=
echo "RUN CHECK: Salir -> exit status 0"
