#!/usr/bin/env bash
# The real program in a real X window (Xvfb): real fonts, focus and events.
# Types the first plantation of the worked examples, clicks "Calcular", reads
# the six results back through the clipboard, clicks "Salir" and checks the
# exit status.
#   real_window_test.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
source "$here/../../tools/window_driver.sh"
source "$here/cases.sh"
start_xvfb 1024x768
trap '[ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null; stop_xvfb' EXIT

launch_program "$1"

# The icon comes after the first frame; the window manager gets it at three sizes.
icons=$(xprop -id "$WINDOW" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$icons" = "Icon (32 x 32) Icon (64 x 64) Icon (128 x 128) " ] || drive_fail "window icons: '$icons'"

# Keyboard from the first focus ("Marco Real"): Salir, Combo1, Text1.
xdotool key Tab Tab Tab
type_text "$WORKED_HECTARES"
# Text2 .. Text7, then Text8 (the distance).
xdotool key Tab Tab Tab Tab Tab Tab Tab
type_text "$WORKED_DISTANCE"
# Calcular, by the mouse.
click_twips "${CALCULAR_TWIPS[@]}"

for i in 0 1 2 3 4 5; do
  shown=$(read_field $((i + 2)))
  [ "$shown" = "${WORKED_RESULTS[$i]}" ] || drive_fail "Text$((i + 2)) shows '$shown', expected '${WORKED_RESULTS[$i]}'"
  echo "Text$((i + 2)) = $shown"
done

quit_and_check_status
echo "1 passed, 0 failed"
