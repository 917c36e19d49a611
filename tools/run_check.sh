#!/usr/bin/env bash
# Proves the README's run command on a fresh machine (as root): starts Xvfb, runs
# ./tools/run.sh, waits for the window and ends the program with Salir.
set -u
apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xdotool x11-utils >/dev/null || exit 1
Xvfb :7 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:7
start=$SECONDS
./tools/run.sh > /tmp/run.log 2>&1 &
pid=$!
w=
for i in $(seq 1 900); do
  w=$(xdotool search --onlyvisible --name '^Cálculo de Rurorovirora en Nogal Zezodadu Versión 3.1$' 2>/dev/null | head -n1)
  [ -n "$w" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 1
done
tail -n 5 /tmp/run.log
[ -n "$w" ] || { echo "RUN CHECK: no window"; exit 1; }
echo "RUN CHECK: window shown after $((SECONDS - start)) s"
xdotool windowmove --sync "$w" 0 0; sleep 0.5
xdotool mousemove --window "$w" $(((3720 + 1095/2)/15)) $(((6000+375/2)/15)) click 1
for i in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
wait $pid; rc=$?
echo "RUN CHECK: Salir -> exit status $rc"
[ $rc -eq 0 ]
