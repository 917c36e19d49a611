#!/usr/bin/env bash
# Paste benchmark of the Windows program under Wine and Xvfb: texts from
# 16 KiB to 50 MB (a field takes at most 64 KiB by a paste,
# form::kLongestPastedField) put on the clipboard by another program (xclip) and pasted with Ctrl+V into "Número de
# Hectáreas", which holds a typed "45", selected; each in a fresh window. For
# each it reports the time from Ctrl+V to the window's answer drawn (the box,
# or the text in the field); the longest time the window did not answer a
# ping (WM_NULL every 20 ms, from before Ctrl+V until the box is closed with
# Enter or the text is in); the peak memory of the program's process above
# its memory before the paste (and as a multiple of the pasted size); and the
# time one more typed key takes. It checks that the field then holds the
# typed "45" (refused) or the pasted text (taken), with that key after it,
# and that Salir ends the program with status 0.
#   [SIZES='32768 65536'] bench/win32_paste.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/win32_lib.sh
win32_bench_start "${1:-build/mingw}"

printf '%10s %-8s %10s %10s %10s %8s %10s\n' bytes outcome answer_ms stall_ms peak_MiB x_size key_ms
measure() { # bytes
  local bytes=$1 field outcome=taken
  head -c "$bytes" /dev/zero | tr '\0' '7' > "$WORK/text"
  launch_window "$PROGRAM" "$WINDOW_CLASS"
  click_twips "${TEXT1_TWIPS[@]}"
  field=$(probe under-cursor)
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 50 45
  probe select-all "$field"
  timeout 120 xclip -selection clipboard -i "$WORK/text"
  sleep 0.5
  local pid before peak answer stall
  pid=$(program_process rurorovirora.exe)
  [ -n "$pid" ] || drive_fail "no process of rurorovirora.exe"
  before=$(status_kib "$pid" VmRSS)
  rm -f "$WORK/stop"
  probe watch "$field" "$WORK/stop" > "$WORK/watch" &
  local watch=$!
  sleep 1
  watch_for_change "$field"
  acted
  xdotool key --clearmodifiers ctrl+v
  await_answer
  answer=$ANSWER_MS
  if xdotool search --onlyvisible --name "^${BOX_TITLE}\$" >/dev/null 2>&1; then
    outcome=refused
    local box
    box=$(xdotool search --onlyvisible --name "^${BOX_TITLE}\$" | head -n 1)
    xdotool windowfocus --sync "$box"
    xdotool key Return
    for _ in $(seq 1 200); do
      xdotool search --onlyvisible --name "^${BOX_TITLE}\$" >/dev/null 2>&1 || break
      sleep 0.05
    done
    xdotool search --onlyvisible --name "^${BOX_TITLE}\$" >/dev/null 2>&1 && drive_fail "$bytes: Enter did not close the box"
  fi
  sleep 0.5
  touch "$WORK/stop"
  wait "$watch"
  read -r _ stall _ < <(tail -n 1 "$WORK/watch" | tr -d '\r')
  peak=$(status_kib "$pid" VmHWM)
  # Nothing typed is lost: the field holds what it held or what was pasted,
  # and takes one more key.
  xdotool windowfocus --sync "$WINDOW"
  click_twips "${TEXT1_TWIPS[@]}"
  probe caret-end "$field"
  read -r _ _ _ _ _ _ _ key < <(probe keys "$field" 1 6) ||
    drive_fail "$bytes $outcome: a key typed after the paste did not reach the field"
  probe text "$field" "$WORK/shown"
  if [ "$outcome" = taken ]; then cp "$WORK/text" "$WORK/expected"; else printf 45 > "$WORK/expected"; fi
  printf 6 >> "$WORK/expected"
  cmp -s "$WORK/shown" "$WORK/expected" ||
    drive_fail "$bytes $outcome: the field holds $(wc -c < "$WORK/shown") bytes ($(head -c 20 "$WORK/shown")...), expected $(wc -c < "$WORK/expected")"
  quit_and_check_status
  awk -v b="$bytes" -v o="$outcome" -v a="$answer" -v s="$stall" -v p="$peak" -v r="$before" -v k="$key" \
    'BEGIN {printf "%10d %-8s %10.1f %10.1f %10.1f %8.2f %10.1f\n", b, o, a, s, (p - r) / 1024, (p - r) * 1024 / b, k}'
}

for bytes in ${SIZES:-16384 32768 65536 65537 262144 1048576 10000000 50000000}; do
  measure "$bytes"
done
