#!/usr/bin/env bash
# Paste benchmark under Xvfb: pastes texts of 64 KiB up to 50 MB into
# "Número de Hectáreas" of the window (bench/paste_main.cpp: the program's
# window with a responsiveness probe), each in a fresh process, by Ctrl+V,
# Shift+Insert, the middle button and the context menu's "Pegar", from
# another program's clipboard (xclip). For each it reports whether the paste
# was taken, the longest time the window did not answer, the peak memory
# above the memory before the paste (and as a multiple of the pasted size),
# and, where the field took the text, the processor time used over 10 s of
# idling with the cursor in it; last, the processor time over 10 s of idling
# with the cursor in a field that holds 1 MiB (typed, say: typing is never
# limited).
#   [WAYS='ctrl+v middle'] [SIZES='1048576'] bench/paste.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/ci}" && pwd)
source tools/xvfb.sh
source tools/window_driver.sh
load_description "$build/tests/form.json"
work=$(mktemp -d)
start_xvfb 1024x768
# The xclip servers (they serve the selections) end with the X server.
cleanup() {
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT

printf '#!/bin/sh\nexec "%s" > "%s"\n' "$build/bench/paste_window" "$work/out" > "$work/run"
chmod +x "$work/run"

status_kib() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
field_length() { # copies Text1 out through the clipboard
  xdotool windowfocus --sync "$WINDOW"
  click_control Text1
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.3
  timeout 20 xclip -o -selection clipboard | wc -c
}

printf '%-14s %10s %-8s %10s %12s %8s %12s\n' way bytes outcome stall_ms peak_MiB x_size idle_cpu_%
measure() { # way bytes
  local way=$1 bytes=$2 selection=clipboard
  [ "$way" = middle ] && selection=primary
  head -c "$bytes" /dev/zero | tr '\0' '7' > "$work/text"
  launch_program "$work/run"
  click_control Text1
  xdotool key --clearmodifiers ctrl+a
  timeout 60 xclip -selection "$selection" -i "$work/text"
  sleep 0.3
  local before
  before=$(status_kib "$PROGRAM_PID" VmRSS)
  case $way in
    ctrl+v) xdotool key --clearmodifiers ctrl+v ;;
    shift+insert) xdotool key --clearmodifiers shift+Insert ;;
    middle) xdotool click 2 ;;
    menu) xdotool click 3; sleep 1; xdotool key p ;;
  esac
  local outcome=taken idle=-
  if box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Programa de Rurorovirora$' 2>/dev/null | head -n 1) \
      && [ -n "$box" ]; then
    outcome=refused
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key Return
    sleep 0.5
  fi
  if [ "$outcome" = taken ]; then
    sleep 2
    local start
    start=$(cpu_ticks "$PROGRAM_PID")
    sleep 10
    idle=$(awk -v t=$(( $(cpu_ticks "$PROGRAM_PID") - start )) -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.1f", 100 * t / hz / 10}')
  fi
  local length
  length=$(field_length)
  if [ "$outcome" = taken ]; then [ "$length" -eq "$bytes" ] || drive_fail "$way $bytes: field holds $length bytes"
  else [ "$length" -eq 1 ] || drive_fail "$way $bytes: refused, but the field holds $length bytes"; fi
  quit_and_check_status
  local stall peak
  read -r _ stall _ peak < <(tail -n 1 "$work/out")
  awk -v w="$way" -v b="$bytes" -v o="$outcome" -v s="$stall" -v p="$peak" -v r="$before" -v i="$idle" \
    'BEGIN {printf "%-14s %10d %-8s %10.1f %12.1f %8.2f %12s\n", w, b, o, s, (p - r) / 1024, (p - r) * 1024 / b, i}'
}

for way in ${WAYS:-ctrl+v shift+insert middle menu}; do
  for bytes in ${SIZES:-65536 65537 1048576 10000000 52428800}; do
    measure "$way" "$bytes"
  done
done

# The cursor in a field of 1 MiB, idling.
PASTE_FIELD_BYTES=1048576 launch_program "$work/run"
click_control Text1
sleep 3
start=$(cpu_ticks "$PROGRAM_PID")
sleep 10
awk -v t=$(( $(cpu_ticks "$PROGRAM_PID") - start )) -v hz="$(getconf CLK_TCK)" \
  'BEGIN {printf "cursor in a 1 MiB field: %.1f %% of a core over 10 s idle\n", 100 * t / hz / 10}'
quit_and_check_status
read -r _ stall _ peak < <(tail -n 1 "$work/out")
echo "  (longest stall ${stall} ms, from its start to Salir)"
