#!/usr/bin/env bash
# Long texts typed into the Windows program under Wine and Xvfb, beside a
# bare Win32 window with one edit control (bench/win32_bare_edit.cpp) in the
# same run: for fields of 2 000, 5 000 and 10 000 characters (each filled in
# a fresh window by a paste of all but the last 10 characters, which are
# typed), the time from each typed key to its character in the field and
# drawn (median and longest of the 10); then, in the program with 10 000
# characters in "Número de Hectáreas", the time from a click on "Reset" and
# on "Calcular" to their answer drawn (the fields written, or a box).
#   [LENGTHS='2000 5000 10000'] bench/win32_typing.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/win32_lib.sh
win32_bench_start "${1:-build/mingw}"
BARE_FIELD_TWIPS=(300 300 735 285)  # the bare window's edit control

# Fills the field under the mouse with LENGTH - 10 characters by a paste and
# types the last 10; sets FIELD, PASTE_MS, KEY_MEDIAN_MS, KEY_MAX_MS.
fill_and_type() { # length
  head -c $(($1 - 10)) /dev/zero | tr '\0' '7' > "$WORK/text"
  timeout 60 xclip -selection clipboard -i "$WORK/text"
  FIELD=$(probe under-cursor)
  probe select-all "$FIELD"
  watch_for_change "$FIELD"
  acted
  xdotool key --clearmodifiers ctrl+v
  await_answer
  PASTE_MS=$ANSWER_MS
  local keys length
  probe caret-end "$FIELD"
  keys=$(probe keys "$FIELD" 10) || drive_fail "the keys did not reach the field: $(cat "$WORK/probe.err")"
  read -r _ _ _ length _ KEY_MEDIAN_MS _ KEY_MAX_MS <<< "$keys"
  [ "$length" -eq "$1" ] || drive_fail "the field holds $length characters, not $1"
}

# The time from a click on a button (twips) to the window's answer drawn;
# a box that opens is closed with Enter; sets CLICK_MS.
click_ms() { # left top width height
  watch_for_change "$FIELD"
  acted
  click_twips "$@"
  await_answer
  local box
  if box=$(xdotool search --onlyvisible --name "^${BOX_TITLE}\$" 2>/dev/null | head -n 1) && [ -n "$box" ]; then
    xdotool windowfocus --sync "$box"
    xdotool key Return
    sleep 0.5
  fi
  CLICK_MS=$ANSWER_MS
}

printf '%-8s %8s %10s %14s %12s %10s %12s\n' window length paste_ms key_median_ms key_max_ms reset_ms calcular_ms
for length in ${LENGTHS:-2000 5000 10000}; do
  launch_window "$PROGRAM" "$WINDOW_CLASS"
  click_twips "${TEXT1_TWIPS[@]}"
  fill_and_type "$length"
  typed="$PASTE_MS $KEY_MEDIAN_MS $KEY_MAX_MS" reset=- calcular=-
  if [ "$length" -ge 10000 ]; then
    click_ms "${RESET_TWIPS[@]}"
    reset=$CLICK_MS
    click_twips "${TEXT1_TWIPS[@]}"
    fill_and_type "$length"
    click_ms "${CALCULAR_TWIPS[@]}"
    calcular=$CLICK_MS
  fi
  quit_and_check_status
  # shellcheck disable=SC2086
  printf '%-8s %8d %10s %14s %12s %10s %12s\n' program "$length" $typed "$reset" "$calcular"

  launch_window "$BARE" "$BARE_CLASS" "$BARE_TITLE"
  click_twips "${BARE_FIELD_TWIPS[@]}"
  fill_and_type "$length"
  probe close "$FIELD"
  for _ in $(seq 1 100); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.05; done
  wait "$PROGRAM_PID" || drive_fail "the bare window ended with an error"
  PROGRAM_PID=
  printf '%-8s %8d %10s %14s %12s %10s %12s\n' bare "$length" "$PASTE_MS" "$KEY_MEDIAN_MS" "$KEY_MAX_MS" - -
done
