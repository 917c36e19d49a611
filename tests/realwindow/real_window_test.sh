#!/usr/bin/env bash
# The real program in a real X window (Xvfb): real fonts, focus and events.
# Types the first plantation of the worked examples, clicks "Calcular", reads
# the six results back through the clipboard, clicks "Salir" and checks the
# exit status.
#   real_window_test.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
start_xvfb 1024x768

fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" &
pid=$!
cleanup() { kill "$pid" 2>/dev/null || true; stop_xvfb; }
trap cleanup EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Cálculo de Rurorovirora en Nogal Zezodadu Versión 3.1$' | head -n 1)
[ -n "$window" ] || fail "the window did not appear"
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window"
sleep 0.3

# Clicks the middle of a control given in twips within the window.
click_twips() { # left top width height
  xdotool mousemove --window "$window" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
  sleep 0.1
}
# Replaces the text of the field that has the focus.
type_text() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
}

# Keyboard from the first focus ("Marco Real"): Salir, Combo1, Text1.
xdotool key Tab Tab Tab
type_text 10
# Text2 .. Text7, then Text8 (the distance).
xdotool key Tab Tab Tab Tab Tab Tab Tab
type_text 7
# Calcular, by the mouse.
click_twips 3240 5280 1575 495

expected=(204.082 2040.82 0.48 979.59 4778.5 96)
for i in 0 1 2 3 4 5; do
  click_twips 8760 $((1200 + 600 * i)) 975 285
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.1
  shown=$(xclip -o -selection clipboard)
  [ "$shown" = "${expected[$i]}" ] || fail "Text$((i + 2)) shows '$shown', expected '${expected[$i]}'"
  echo "Text$((i + 2)) = $shown"
done

# Salir ends the program at once, with status 0.
click_twips 3720 6000 1095 375
status=0
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "Salir did not end the program"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "1 passed, 0 failed"
