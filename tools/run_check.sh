#!/usr/bin/env bash
# Proves the README's run command on a fresh machine (as root): starts a
# private Xvfb, runs ./tools/run.sh, waits for the window and ends the
# program with Salir; stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages xvfb xdotool x11-utils jq
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
description=build/release/form/form.json  # written by the build run.sh makes
while [ -z "$window" ] && [ $((SECONDS - start)) -lt 900 ]; do
  if [ -z "${WINDOW_TITLE:-}" ] && [ -f "$description" ]; then load_description "$description"; fi
  if [ -n "${WINDOW_TITLE:-}" ]; then
    window=$(xdotool search --onlyvisible --name "^${WINDOW_TITLE}\$" 2>/dev/null | head -n 1) || true
  fi
  kill -0 "$pid" 2>/dev/null || break
  [ -n "$window" ] || sleep 1
done
tail -n 5 "$log"
[ -n "$window" ] || { echo "RUN CHECK: no window"; exit 1; }
echo "RUN CHECK: window shown after $((SECONDS - start)) s"
WINDOW=$window
PROGRAM_PID=$pid
xdotool windowmove --sync "$WINDOW" 0 0
sleep 0.5
quit_and_check_status
pid=
echo "RUN CHECK: Salir -> exit status 0"
