#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the plain build
# with warnings as errors (unit, window, high-density and real-window tests),
# the web page and the site to publish (build/site) in Chromium, Firefox ESR
# and WebKitGTK,
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer, each
# fuzz target for a bounded time, the Debian package installed, started and
# removed (this step needs root), and the Windows program cross-built and
# tested under Wine, with its installer (build/package/*.msi, installed,
# started and removed under Wine) and its zip. The benchmarks are built (not
# run) once for each toolchain, so that they keep compiling.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${TEST_PACKAGES[@]}"
ensure_node_modules

FUZZ_SECONDS=${FUZZ_SECONDS:-30}

step() { printf '\n==== %s\n' "$*"; }

step "House style: clang-format, ESLint, shellcheck"
./tools/lint.sh

step "Build and test (warnings as errors), and build the benchmarks"
cmake --workflow --preset ci
cmake --build --preset ci --target benchmarks

step "Web page: calc/ in WebAssembly, the page and the site (build/site), their tests in Chromium, Firefox ESR and WebKitGTK"
cmake --workflow --preset web

step "Build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --workflow --preset asan

step "Fuzzing, ${FUZZ_SECONDS} s a target"
cmake --workflow --preset fuzz
for target in read_number compute_fertiliser; do
  corpus=$(mktemp -d)
  cp fuzz/corpus/"$target"/* "$corpus"/
  ./build/fuzz/fuzz/fuzz_"$target" -max_total_time="$FUZZ_SECONDS" -timeout=5 -rss_limit_mb=2048 \
    -max_len=100000 -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
  rm -rf "$corpus"
done

step "Desktop entry, metadata and the installed package"
if [ "$(id -u)" -eq 0 ]; then
  ./packaging/test_package.sh
else
  echo "skipped: installing the package needs root"
fi

step "Windows program: cross-built with mingw-w64, its installer (.msi), tested under Wine, zipped"
windows_started=$(date +%s)
# Configure, build (the installer too), the tests under Wine in a prefix the
# tests make and remove themselves, and the zip; then the Windows benchmarks.
cmake --workflow --preset mingw
cmake --build --preset mingw --target benchmarks
./tools/win32_screenshot.sh build/mingw/win/rurorovirora.exe build/screenshots/win32.png
# The installer comes with the build (wixl): without it the step fails here.
ls -l build/package/rurorovirora-*-win64.msi build/package/rurorovirora-*-win64.zip
echo "Windows step: $(($(date +%s) - windows_started)) s"

step "Screenshots at scale 1 and 2"
./tools/screenshot.sh build/release/app/rurorovirora build/screenshots/scale1.png 1
./tools/screenshot.sh build/release/app/rurorovirora build/screenshots/scale2.png 2

step "All tests passed"
