#!/usr/bin/env bash
# Start-up benchmark, measured from outside the program under a private Xvfb:
# from starting the process to the X server holding its window's first
# painted frame (tests/realwindow/paint_probe watches the damage events), the peak
# resident memory at that moment, and the processor time used (all threads,
# and the main thread alone). The program runs interleaved with a bare Qt
# window of the same size holding one label; each run takes them in turn,
# starting with a different one each time. Medians of RUNS runs. Ratios are
# the medians' ratio and, "paired", the median of each run's own ratio.
# On a busy machine, run it as root under `chrt -r 5` for steadier figures.
#   bench/startup.sh [BUILD_DIR] [RUNS] [OTHER_PROGRAM...]
# OTHER_PROGRAMs (e.g. an older build of the program) join the rotation.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
runs=${2:-21}
shift $(( $# < 2 ? $# : 2 ))
size=$(( 11025 / 15 ))x$(( 6840 / 15 ))  # the window's client area, in pixels
probe=$build/tests/realwindow/paint_probe
programs=("$build/bench/bare_window" "$build/app/rurorovirora" "$@")
source tools/xvfb.sh
start_xvfb 1024x768
trap stop_xvfb EXIT

times=() memory=() cpu=() main=() ratios=() this_run=()
for p in "${programs[@]}"; do "$probe" "$size" "$p" >/dev/null; done  # warm the caches
count=${#programs[@]}
for run in $(seq 0 $((runs - 1))); do
  for k in $(seq 0 $((count - 1))); do
    i=$(( (run + k) % count ))
    read -r ms kib cpu_ms main_ms < <("$probe" "$size" "${programs[$i]}")
    times[i]+="$ms "
    memory[i]+="$kib "
    cpu[i]+="$cpu_ms "
    main[i]+="$main_ms "
    this_run[i]=$ms
  done
  # Each program against the bare window of the same run: steadier on a busy machine.
  for i in $(seq 1 $((count - 1))); do
    ratios[i]+="$(awk -v a="${this_run[i]}" -v b="${this_run[0]}" 'BEGIN {print a / b}') "
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
printf 'start to the painted %s window, %d interleaved runs (median)\n' "$size" "$runs"
bare_t=$(echo "${times[0]}" | median)
bare_m=$(echo "${memory[0]}" | median)
for i in $(seq 0 $((count - 1))); do
  t=$(echo "${times[i]}" | median)
  m=$(echo "${memory[i]}" | median)
  c=$(echo "${cpu[i]}" | median)
  mt=$(echo "${main[i]}" | median)
  if ((i == 0)); then r=1; else r=$(echo "${ratios[i]}" | median); fi
  awk -v p="${programs[$i]}" -v t="$t" -v m="$m" -v c="$c" -v mt="$mt" -v r="$r" -v bt="$bare_t" -v bm="$bare_m" \
    'BEGIN {printf "%-28s %6.1f ms %.3f x (paired %.3f x)  peak %5.1f MiB %+4.1f MiB  cpu %5.1f ms, main thread %5.1f ms\n",
            p, t, t / bt, r, m / 1024, (m - bm) / 1024, c, mt}'
done
