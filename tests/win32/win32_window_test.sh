#!/usr/bin/env bash
# The Windows program under Wine in a real X window (Xvfb): the worked
# example typed and calculated, with the user's decimal separator set to a
# comma in the Windows regional settings; a refusal (inputs kept as typed,
# results emptied, the box closed with Enter); Reset by the keyboard; an information box
# closed with Enter; accented text through the clipboard both ways; the
# option group by the arrow keys; the diameter keeps what is typed; Salir
# with exit status 0. Uses WINEPREFIX when given, else a private prefix.
#   win32_window_test.sh PROGRAM.exe
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
source "$here/../../tools/window_driver.sh"
source "$here/../../tools/wine.sh"
source "$here/../realwindow/cases.sh"
program=$1
passed=0

CLIP_PID=
cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
  [ -n "$CLIP_PID" ] && kill "$CLIP_PID" 2>/dev/null
  wine reg delete 'HKCU\Control Panel\International' /v sDecimal /f >/dev/null 2>&1 || true
  stop_wine_prefix
  stop_xvfb
}
start_wine_prefix
start_xvfb 1024x768
trap cleanup EXIT

pass() { echo "ok: $*"; passed=$((passed + 1)); }

expect_field() { # field expected
  local shown
  shown=$(read_field "$1")
  [ "$shown" = "$2" ] || drive_fail "Text$1 shows '$shown', expected '$2'"
}

# Waits for a message box titled TITLE, checks it is one, presses Enter on
# it and waits for it to close.
close_box_with_enter() { # title
  local box
  box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
  [ -n "$box" ] || drive_fail "no box titled '$1'"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  drive_fail "Enter did not close the box '$1'"
}

# The user's regional settings say a comma: the results must show one.
wine reg add 'HKCU\Control Panel\International' /v sDecimal /d , /f >/dev/null 2>&1
launch_program wine "$program"
xprop -id "$WINDOW" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || drive_fail "the window shows no 32 x 32 icon"
pass "the window shows its icon"

# Keyboard from the first focus ("Marco Real"): Salir, Combo1, Text1.
xdotool key Tab Tab Tab
type_text "$WORKED_HECTARES"
# Text2 .. Text7, then Text8 (the distance).
xdotool key Tab Tab Tab Tab Tab Tab Tab
type_text "$WORKED_DISTANCE"
click_twips "${CALCULAR_TWIPS[@]}"
for i in 0 1 2 3 4 5; do expect_field $((i + 2)) "${WORKED_RESULTS[$i]//./,}"; done
pass "worked example, results with the user's comma"

# A refusal: every input as typed, the results emptied, the box closed by Enter.
click_twips $(field_twips 8)
type_text "$REFUSED_DISTANCE"
click_twips "${CALCULAR_TWIPS[@]}"
close_box_with_enter "$REFUSAL_TITLE"
expect_field 8 "$REFUSED_DISTANCE"
expect_field 1 "$WORKED_HECTARES"
for n in 2 3 4 5 6 7; do expect_field "$n" ""; done
pass "refusal keeps the inputs and empties the results"

# Reset by the keyboard: from the distance, Tab goes to "Calcular", then to
# "Reset"; Enter presses it. Every field shows 0.
click_twips $(field_twips 8)
xdotool key Tab Tab Return
sleep 0.2
for n in $(seq 1 10); do expect_field "$n" 0; done
pass "Reset (Tab from Calcular, Enter) writes 0 into the ten fields"

# An information box, closed with Enter.
click_twips "${ABOUT_TWIPS[@]}"
close_box_with_enter "$ABOUT_TITLE"
pass "information box closed with Enter"

# Accented text through the clipboard: pasted into a field, copied back.
accented="Diámetro ñandú Árboles"
printf '%s' "$accented" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
CLIP_PID=$!
sleep 0.3
click_twips $(field_twips 9)
xdotool key --clearmodifiers ctrl+a ctrl+v
sleep 0.2
kill "$CLIP_PID" 2>/dev/null || true
CLIP_PID=
expect_field 9 "$accented"
pass "accented text survives the clipboard both ways"

# The diameter keeps what is typed: no completion turns "1" into "10".
click_twips "${COMBO_TWIPS[@]}"
type_text 1
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.2
shown=$(xclip -o -selection clipboard)
[ "$shown" = 1 ] || drive_fail "the diameter shows '$shown' after typing 1"
pass "the diameter keeps what is typed"

# The option group by the keyboard. Down twice from "Marco Real" selects
# "Rectangular " (whose length reads 0 here: refused); Up then selects
# "Tresbolillo".
click_twips $(field_twips 1)
type_text "$WORKED_HECTARES"
click_twips $(field_twips 8)
type_text "$WORKED_DISTANCE"
click_twips "${OPTION1_TWIPS[@]}"
xdotool key Down Down
click_twips "${CALCULAR_TWIPS[@]}"
close_box_with_enter "$REFUSAL_TITLE"
click_twips "${OPTION2_TWIPS[@]}"
xdotool key Up
click_twips "${CALCULAR_TWIPS[@]}"
expect_field 2 "${TRIANGULAR_DENSITY//./,}"
pass "arrow keys move the selection within the option group"

quit_and_check_status
pass "Salir ends the program with status 0"
echo "$passed passed, 0 failed"
