#!/usr/bin/env bash
# Starts the Windows program under Wine and Xvfb and saves a screenshot of
# its window (the client area: without a window manager, Wine draws no frame),
# at a screen density of DPI dots per inch (96 is 100 %, 144 is 150 %).
#   tools/win32_screenshot.sh [PROGRAM.exe] [OUTPUT.png] [DPI]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/mingw/win/rurorovirora.exe}
output=${2:-docs/win32.png}
dpi=${3:-96}
source tools/xvfb.sh
source tools/window_driver.sh
load_description_for "$program"
source tools/wine.sh
start_wine_prefix
start_xvfb 1600x1200
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
trap '[ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null; set_dpi 96; stop_wine_prefix; stop_xvfb' EXIT
set_dpi "$dpi"
launch_program wine "$program"
sleep 1  # let it paint
mkdir -p "$(dirname "$output")"
import -window "$WINDOW" "$output"
kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
PROGRAM_PID=
echo "Saved $output"
