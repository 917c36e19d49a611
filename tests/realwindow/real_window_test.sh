#!/usr/bin/env bash
# The real program in a real X window (Xvfb): real fonts, focus and events.
# Types the first plantation of the worked examples, clicks "Calcular", reads
# the six results back through the clipboard, pastes exactly the paste limit
# and one byte more with the middle button, clicks "Salir" and checks the
# exit status.
#   real_window_test.sh PROGRAM FORM_JSON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
source "$here/../../tools/window_driver.sh"
load_description "$2"
load_case worked_square
PROGRAM_PID=
trap '[ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null; stop_xvfb' EXIT
start_xvfb 1024x768

launch_program "$1"

# The icon comes after the first frame; the window manager gets it at three sizes.
icons=$(xprop -id "$WINDOW" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$icons" = "Icon (32 x 32) Icon (64 x 64) Icon (128 x 128) " ] || drive_fail "window icons: '$icons'"

# The wheel turned over the diameter list, which does not have the focus,
# changes nothing and takes no focus: the steps below start from "Marco Real"
# and the results are those of diameter 3.
read -r left top width height <<<"$(place_of Combo1)"
xdotool mousemove --window "$WINDOW" $(((left + width / 2) / 15)) $(((top + height / 2) / 15)) click 5 click 5 click 4 click 5
sleep 0.2

# Keyboard from the first focus ("Marco Real"): Salir, Combo1, Text1.
xdotool key Tab Tab Tab
type_text "$CASE_HECTARES"
# Text2 .. Text7, then Text8 (the distance).
xdotool key Tab Tab Tab Tab Tab Tab Tab
type_text "$CASE_DISTANCE"
# Calcular, by the mouse.
click_control "$(button_of calculate)"

mapfile -t results < <(jq -r '.resultFields[]' "$DESCRIPTION")
for i in 0 1 2 3 4 5; do
  expect_field "${results[$i]}" "${CASE_RESULTS[$i]}"
  echo "${results[$i]} = ${CASE_RESULTS[$i]}"
done

# The paste limit, with middle-button pastes from another program's
# selection into the emptied Text9: one byte more than the limit is refused
# in a box and the field stays empty; exactly the limit is taken whole.
limit=$(jq -r .longestPaste "$DESCRIPTION")
refusal=$(jq -r .pasteRefusal.title "$DESCRIPTION")
click_control Text9
xdotool key --clearmodifiers ctrl+a BackSpace  # selecting puts "0" in the selection: emptied first
middle_paste() { # bytes
  head -c "$1" /dev/zero | tr '\0' '7' | xclip -selection primary -i
  click_control Text9
  xdotool click 2
}
middle_paste $((limit + 1))
box=$(timeout 20 xdotool search --sync --onlyvisible --name "^${refusal}\$" | head -n 1) || true
[ -n "$box" ] || drive_fail "no box refused a middle-button paste of $((limit + 1)) bytes"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$WINDOW"
shown=$(read_field Text9)
[ -z "$shown" ] || drive_fail "Text9 holds ${#shown} bytes after the refused paste"
echo "middle-button paste of $((limit + 1)) bytes refused, Text9 empty"
middle_paste "$limit"
sleep 0.5
xdotool search --onlyvisible --name "^${refusal}\$" >/dev/null 2>&1 && drive_fail "a paste of exactly $limit bytes was refused"
shown=$(read_field Text9)
[ "${#shown}" = "$limit" ] || drive_fail "Text9 holds ${#shown} bytes after a paste of exactly $limit"
echo "middle-button paste of exactly $limit bytes taken whole"

quit_and_check_status
echo "1 passed, 0 failed"
