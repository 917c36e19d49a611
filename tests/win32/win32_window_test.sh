#!/usr/bin/env bash
# The Windows program under Wine in a real X window (Xvfb): the worked
# example typed and calculated, with the user's decimal separator set to a
# comma in the Windows regional settings; a refusal (inputs kept as typed,
# results emptied, the box closed with Enter); Reset by the keyboard; an information box
# closed with Enter; accented text through the clipboard both ways; the
# option group by the arrow keys; the diameter keeps what is typed; Tab into
# a field selects its text; a paste over the model's limit refused with the
# box, the field unchanged; a field holding 10 000 characters holds them and
# Calcular and Reset answer at once; the window resized and offered for
# maximising, its controls where they were; Salir with exit status 0. Uses
# WINEPREFIX when given, else a private prefix.
#   win32_window_test.sh PROGRAM.exe FORM_JSON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/xvfb.sh"
source "$here/../../tools/window_driver.sh"
source "$here/../../tools/wine.sh"
program=$1
load_description "$2"
passed=0

CLIP_PID=
PROGRAM_PID=
work=$(mktemp -d)
cleanup() {
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
  [ -n "$CLIP_PID" ] && { kill "$CLIP_PID" 2>/dev/null || true; }
  [ -n "${WINEPREFIX:-}" ] && { wine reg delete 'HKCU\Control Panel\International' /v sDecimal /f >/dev/null 2>&1 || true; }
  stop_wine_prefix
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
start_wine_prefix
start_xvfb 1024x768

pass() { echo "ok: $*"; passed=$((passed + 1)); }

mapfile -t results < <(jq -r '.resultFields[]' "$DESCRIPTION")
hectares=$(jq -r .inputFields.hectares "$DESCRIPTION")
distance=$(jq -r .inputFields.distance "$DESCRIPTION")
length=$(jq -r .inputFields.length "$DESCRIPTION")
calculate=$(button_of calculate)

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
load_case worked_square ,
worked_hectares=$CASE_HECTARES
xdotool key Tab Tab Tab
type_text "$CASE_HECTARES"
# Text2 .. Text7, then Text8 (the distance).
xdotool key Tab Tab Tab Tab Tab Tab Tab
type_text "$CASE_DISTANCE"
click_control "$calculate"
for i in 0 1 2 3 4 5; do expect_field "${results[$i]}" "${CASE_RESULTS[$i]}"; done
pass "worked example, results with the user's comma"

# Tab into a field that holds a typed text selects the whole of it: a key
# typed then replaces it (type_text's Ctrl+A would hide a selection missing).
click_control "$hectares"
xdotool key Tab Tab Tab Tab Tab Tab Tab
xdotool type 9
expect_field "$distance" 9
pass "Tab into the distance selects its typed text, a key replaces it"

# A refusal: every input as typed, the results emptied, the box closed by Enter.
load_case distance_with_a_unit_that_reads_zero ,
click_control "$distance"
type_text "$CASE_DISTANCE"
click_control "$calculate"
close_box_with_enter "$(box_title "$CASE_REFUSAL")"
expect_field "$distance" "$CASE_DISTANCE"
expect_field "$hectares" "$worked_hectares"
for field in "${results[@]}"; do expect_field "$field" ""; done
pass "refusal keeps the inputs and empties the results"

# Reset by the keyboard: from the distance, Tab goes to "Calcular", then to
# "Reset"; Enter presses it. Every field shows 0.
click_control "$distance"
xdotool key Tab Tab Return
sleep 0.2
for field in "$hectares" "${results[@]}" "$distance" "$length" "$(jq -r .inputFields.width "$DESCRIPTION")"; do
  expect_field "$field" "$(jq -r .zero "$DESCRIPTION")"
done
pass "Reset (Tab from Calcular, Enter) writes 0 into the ten fields"

# An information box, closed with Enter.
click_control "$(button_of about)"
close_box_with_enter "$(box_title about)"
pass "information box closed with Enter"

# Accented text through the clipboard: pasted into a field, copied back.
accented="Diámetro ñandú Árboles"
printf '%s' "$accented" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
CLIP_PID=$!
sleep 0.3
click_control "$length"
xdotool key --clearmodifiers ctrl+a ctrl+v
sleep 0.2
kill "$CLIP_PID" 2>/dev/null || true
CLIP_PID=
expect_field "$length" "$accented"
pass "accented text survives the clipboard both ways"

# The diameter keeps what is typed: no completion turns "1" into "10".
read -r left top width height <<<"$(place_of Combo1)"
click_twips "$left" "$top" $((width - 135)) "$height"  # the text, not the button
type_text 1
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.2
shown=$(xclip -o -selection clipboard)
[ "$shown" = 1 ] || drive_fail "the diameter shows '$shown' after typing 1"
pass "the diameter keeps what is typed"

# The option group by the keyboard. Down twice from "Marco Real" selects
# "Rectangular " (whose length reads 0 here: refused); Up then selects
# "Tresbolillo".
load_case worked_triangular ,
click_control "$hectares"
type_text "$CASE_HECTARES"
click_control "$distance"
type_text "$CASE_DISTANCE"
click_control "$(option_of square)"
xdotool key Down Down
click_control "$calculate"
close_box_with_enter "$(box_title ZeroLengthOrWidth)"
click_control "$(option_of rectangular)"
xdotool key Up
click_control "$calculate"
expect_field "${results[0]}" "${CASE_RESULTS[0]}"
pass "arrow keys move the selection within the option group"

# Puts TEXT on the clipboard (served by xclip until the next call).
clip_text() { # file
  [ -n "$CLIP_PID" ] && { kill "$CLIP_PID" 2>/dev/null || true; }
  xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
  CLIP_PID=$!
  sleep 0.3
}

# A paste that would make a field hold one byte more than the model's limit
# (64 KiB), with what the field keeps, is refused with the shared box and the
# field keeps exactly what it held: the model counts the field's own text.
# (Only refusals here: a taken paste of tens of KiB is slow in Wine's edit
# control.)
limit=$(jq -r .longestPaste "$DESCRIPTION")
refusal=$(jq -r .pasteRefusal.title "$DESCRIPTION")
kept=$(printf '%s' "$accented" | wc -c)
head -c $((limit - kept + 1)) /dev/zero | tr '\0' '7' > "$work/long"
clip_text "$work/long"
click_control "$length"
xdotool key --clearmodifiers End ctrl+v
close_box_with_enter "$refusal"
expect_field "$length" "$accented"
# The list's edit box, which holds the typed "1", the same.
head -c "$limit" /dev/zero | tr '\0' '7' > "$work/long"
clip_text "$work/long"
read -r left top width height <<<"$(place_of Combo1)"
click_twips "$left" "$top" $((width - 135)) "$height"
xdotool key --clearmodifiers End ctrl+v
close_box_with_enter "$refusal"
click_twips "$left" "$top" $((width - 135)) "$height"
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.2
shown=$(xclip -o -selection clipboard)
[ "$shown" = 1 ] || drive_fail "the diameter shows '$shown' after a refused paste"
pass "a paste over the limit is refused with the box, the field and the list unchanged"

# A field holding 10 000 characters (pasted: under the limit) holds all of
# them, and the window answers at once: a click on Calcular opens its box
# (the number is beyond a double), a click on Reset writes the fields.
head -c 10000 /dev/zero | tr '\0' '7' > "$work/ten"
clip_text "$work/ten"
click_control "$hectares"
xdotool key --clearmodifiers ctrl+a ctrl+v
sleep 0.5
[ "$(read_field "$hectares")" = "$(cat "$work/ten")" ] || drive_fail "the field does not hold the 10 000 characters"
pass "a field holds 10 000 pasted characters"
# What the program adds is timed, not the harness: the same clicks with
# nothing to compute are the yardstick. Calcular until its box may take at
# most a second more than a click on "Acerca de ..." until its box; Reset,
# with a click on "Acerca de ..." after it, a second more than a click on a
# label (which does nothing) and the same.
box_after() { # title button... : ms from the first click until the box titled TITLE shows
  local title=$1 started
  shift
  started=$(date +%s%N)
  for button in "$@"; do click_control "$button"; done
  for _ in $(seq 1 500); do
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 && break
    sleep 0.02
  done
  echo $((($(date +%s%N) - started) / 1000000))
}
about=$(button_of about)
yardstick=$(box_after "$(box_title about)" "$about")
close_box_with_enter "$(box_title about)"
calculated=$(box_after "$(box_title OutOfRange)" "$calculate")
close_box_with_enter "$(box_title OutOfRange)"
[ $((calculated - yardstick)) -lt 1000 ] ||
  drive_fail "Calcular took $calculated ms with 10 000 characters in Text1 ($yardstick ms for a box alone)"
yardstick2=$(box_after "$(box_title about)" Label15 "$about")
close_box_with_enter "$(box_title about)"
reset=$(box_after "$(box_title about)" "$(button_of reset)" "$about")
close_box_with_enter "$(box_title about)"
[ $((reset - yardstick2)) -lt 1000 ] ||
  drive_fail "Reset took $reset ms with 10 000 characters in Text1 ($yardstick2 ms with a label clicked instead)"
expect_field "$hectares" 0
pass "Calcular ($calculated ms, a box alone $yardstick ms) and Reset ($reset ms, a label instead $yardstick2 ms) answer at once with 10 000 characters in a field"

# The window offers a resizing border and maximising to the desktop (Motif
# hints: resize 0x2 and maximise 0x10 among its functions), grows when resized,
# and its controls stay where they were: a click at Text1's place still types there.
functions=$(xprop -id "$WINDOW" _MOTIF_WM_HINTS | sed -n 's/.*= \([^,]*\), \([^,]*\),.*/\2/p')
(( (functions & 0x12) == 0x12 )) || drive_fail "the window offers no resizing or maximising (functions $functions)"
xdotool windowsize --sync "$WINDOW" 1000 700
sleep 0.5
geometry=$(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 1000x700 ] || drive_fail "the window did not grow: $geometry"
# What lies beyond the old edge is the window's face, not nothing.
import -window "$WINDOW" -crop 100x100+850+550 +repage "$work/beyond.png"
face=$(convert "$work/beyond.png" -format '%[fx:round(mean*255)]' info:)
[ "$face" -ge 200 ] || drive_fail "the grown window shows no face beyond its old edge ($face)"
click_control "$hectares"
type_text "$worked_hectares"
expect_field "$hectares" "$worked_hectares"
xdotool windowsize --sync "$WINDOW" 500 300
sleep 0.5
click_control "$hectares"
type_text 12
expect_field "$hectares" 12
pass "the window resizes, its controls keep their places"
xdotool windowsize --sync "$WINDOW" 735 456

quit_and_check_status
pass "Salir ends the program with status 0"
echo "$passed passed, 0 failed"
