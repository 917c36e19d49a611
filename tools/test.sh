#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the plain build
# with warnings as errors (unit, window, high-density and real-window tests),
# the web page and the site to publish (build/site) in Chromium, Firefox ESR
# and WebKitGTK, the same native tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, each fuzz target for a bounded time, the Debian
# package installed, started and removed (this step needs root), and the
# Windows program cross-built and tested under Wine, with its installer
# (build/package/*.msi, installed, started and removed under Wine) and its
# zip. The benchmarks are built (not run) once for each toolchain, so that
# they keep compiling.
#
# The steps run in two lanes at once, each step in order within its lane:
# every test with a window has a display of its own and every server its own
# port, so nothing is shared but the processors. Each step's output goes to
# build/test-logs/STEP.log and is printed when the step ends; the last lines
# give each step's time.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TEST_PACKAGES[@]}"
ensure_node_modules

FUZZ_SECONDS=${FUZZ_SECONDS:-30}
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"

# ---- The steps.

step_style() {
  ./tools/lint.sh
}

step_native() {
  cmake --workflow --preset ci
  cmake --build --preset ci --target benchmarks
  # The window as a user sees it, at scale 1 and 2.
  ./tools/screenshot.sh build/ci/app/rurorovirora build/screenshots/scale1.png 1
  ./tools/screenshot.sh build/ci/app/rurorovirora build/screenshots/scale2.png 2
}

step_web() {
  cmake --workflow --preset web
}

step_sanitizers() {
  cmake --workflow --preset asan
}

# Both targets at once: each fuzzes on one processor.
step_fuzz() {
  cmake --workflow --preset fuzz
  local target pids=()
  for target in read_number compute_fertiliser; do
    (
      corpus=$(mktemp -d)
      trap 'rm -rf "$corpus"' EXIT
      cp fuzz/corpus/"$target"/* "$corpus"/
      ./build/fuzz/fuzz/fuzz_"$target" -max_total_time="$FUZZ_SECONDS" -timeout=5 -rss_limit_mb=2048 \
        -max_len=100000 -print_final_stats=1 "$corpus" >"$logs/fuzz_$target.log" 2>&1
    ) &
    pids+=($!)
  done
  local status=0 pid
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
  for target in read_number compute_fertiliser; do
    echo "-- fuzz_$target"
    tail -n 12 "$logs/fuzz_$target.log"
  done
  return "$status"
}

step_package() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing the package needs root"
    return 0
  fi
  ./packaging/test_package.sh
}

# Configure, build (the installer too), the tests under Wine in a prefix the
# tests make and remove themselves, and the zip; then the Windows benchmarks
# and a screenshot. The installer comes with the build (wixl): without it the
# step fails.
step_windows() {
  cmake --workflow --preset mingw
  cmake --build --preset mingw --target benchmarks
  ./tools/win32_screenshot.sh build/mingw/win/rurorovirora.exe build/screenshots/win32.png
  ls -l build/package/rurorovirora-*-win64.msi build/package/rurorovirora-*-win64.zip
}

# ---- Running them.

# Runs one step into its log, in a shell of its own (where a failed command
# ends the step: the caller's `||` would keep -e from acting in a function);
# prints the log when it ends, whole, under one lock so that the two lanes'
# logs never mix; records its time.
export logs FUZZ_SECONDS
export -f step_style step_native step_web step_sanitizers step_fuzz step_package step_windows
run_step() {
  local name=$1 started status=0
  started=$(date +%s)
  bash -euo pipefail -c "step_$name" >"$logs/$name.log" 2>&1 || status=$?
  local seconds=$(($(date +%s) - started))
  echo "$name $seconds $status" >>"$logs/times"
  {
    flock 9
    printf '\n==== %s: %s in %d s\n' "$name" "$([ "$status" -eq 0 ] && echo passed || echo FAILED)" "$seconds"
    cat "$logs/$name.log"
  } 9>"$logs/print.lock"
  return "$status"
}

# A lane stops at its first failed step.
lane() {
  local name
  for name in "$@"; do run_step "$name" || return 1; done
}

started=$(date +%s)
lane native sanitizers fuzz package &
first=$!
lane style web windows &
second=$!
status=0
wait "$first" || status=1
wait "$second" || status=1

printf '\n==== Time by step (s)\n'
while read -r name seconds result; do
  printf '%-12s %5d%s\n' "$name" "$seconds" "$([ "$result" -eq 0 ] || echo '  FAILED')"
done <"$logs/times"
printf '%-12s %5d\n' "in all" "$(($(date +%s) - started))"
if [ "$status" -ne 0 ]; then
  echo "Some tests failed."
  exit 1
fi
echo "All tests passed."
