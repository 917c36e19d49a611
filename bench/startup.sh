#!/usr/bin/env bash
# Start-up benchmark under Xvfb: time from starting the process to its window
# being shown and painted, and peak memory, for the program's window and a
# bare Qt Widgets window (one QLabel), interleaved.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
runs=${2:-21}
source tools/xvfb.sh
start_xvfb 1024x768
trap stop_xvfb EXIT

declare -A times memory
measure() { # program -> "milliseconds peak_kib"
  local start end peak
  start=$(date +%s%N)
  read -r end peak < <("$1" 2>/dev/null)
  echo "$(( (end - start) / 1000 )) $peak"
}
for kind in window bare; do measure "$build/bench/startup_$kind" >/dev/null; done  # warm the caches
for _ in $(seq 1 "$runs"); do
  for kind in window bare; do
    read -r us peak < <(measure "$build/bench/startup_$kind")
    times[$kind]+="$us "
    memory[$kind]+="$peak "
  done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for kind in window bare; do
  t=$(echo "${times[$kind]}" | median)
  m=$(echo "${memory[$kind]}" | median)
  awk -v k="$kind" -v t="$t" -v m="$m" -v n="$runs" \
    'BEGIN {printf "%-7s median %6.1f ms to the painted window, peak memory %6.1f MiB (%d runs)\n", k, t / 1000, m / 1024, n}'
  eval "t_$kind=$t m_$kind=$m"
done
awk -v tw="$t_window" -v tb="$t_bare" -v mw="$m_window" -v mb="$m_bare" \
  'BEGIN {printf "ratio   %.2f x the bare window, %+.1f MiB\n", tw / tb, (mw - mb) / 1024}'
