#!/usr/bin/env bash
# Start-up benchmark of the Windows program under Wine and Xvfb: time from
# starting the process to its window and all its controls painted, for the
# program's window and a bare Win32 window (one label) built the same way,
# interleaved; with OTHER_BUILD, that build's window too (an older build, to
# compare in the same run). The Wine server is kept running between the
# runs, as it is on a desktop where Wine programs run.
#   bench/win32_startup.sh [BUILD_DIR] [RUNS] [OTHER_BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/mingw}
runs=${2:-15}
declare -A program=([window]=$build/bench/startup_win32_window.exe [bare]=$build/bench/startup_win32_bare.exe)
kinds=(window bare)
if [ -n "${3:-}" ]; then
  program[other]=$3/bench/startup_win32_window.exe
  kinds=(window other bare)
fi
source tools/xvfb.sh
source tools/wine.sh
unset WINEPREFIX  # a private prefix, whatever the caller has
start_wine_prefix
start_xvfb 1024x768
trap 'wineserver --kill 2>/dev/null || true; stop_wine_prefix; stop_xvfb' EXIT
wineserver --persistent

declare -A times
measure() { # program.exe -> microseconds
  local start end
  start=$(date +%s%N)
  end=$(wine "$1" 2>/dev/null | tr -d '\r')
  echo $(((end - start) / 1000))
}
for kind in "${kinds[@]}"; do measure "${program[$kind]}" >/dev/null; done  # warm the caches
for _ in $(seq 1 "$runs"); do
  for kind in "${kinds[@]}"; do
    times[$kind]+="$(measure "${program[$kind]}") "
  done
done
median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
declare -A median_of
for kind in "${kinds[@]}"; do
  median_of[$kind]=$(echo "${times[$kind]}" | median)
  awk -v k="$kind" -v t="${median_of[$kind]}" -v n="$runs" \
    'BEGIN {printf "%-7s median %6.1f ms to the painted window under Wine (%d runs)\n", k, t / 1000, n}'
done
for kind in "${kinds[@]}"; do
  [ "$kind" = bare ] && continue
  awk -v k="$kind" -v tw="${median_of[$kind]}" -v tb="${median_of[bare]}" \
    'BEGIN {printf "ratio   %-6s %.2f x the bare window\n", k, tw / tb}'
done
