#!/usr/bin/env bash
# Starts the Windows program under Wine and Xvfb and saves a screenshot of
# its window (the client area: without a window manager, Wine draws no frame).
#   tools/win32_screenshot.sh [PROGRAM.exe] [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/mingw/win/rurorovirora.exe}
output=${2:-docs/win32.png}
source tools/xvfb.sh
source tools/window_driver.sh
source tools/wine.sh
start_wine_prefix
start_xvfb 1024x768
trap '[ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null; stop_wine_prefix; stop_xvfb' EXIT
launch_program wine "$program"
sleep 1  # let it paint
mkdir -p "$(dirname "$output")"
import -window "$WINDOW" "$output"
quit_and_check_status
echo "Saved $output"
