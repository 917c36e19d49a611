#!/usr/bin/env bash
# Starts the program under Xvfb and saves a screenshot of its window.
#   tools/screenshot.sh [PROGRAM] [OUTPUT.png] [SCALE]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/app/rurorovirora}
output=${2:-docs/screenshot.png}
scale=${3:-1}
source tools/xvfb.sh
source tools/window_driver.sh
load_description_for "$program"
start_xvfb 1600x1200
trap stop_xvfb EXIT
export QT_SCALE_FACTOR=$scale
launch_program "$program"
sleep 1  # let it paint
mkdir -p "$(dirname "$output")"
import -window "$WINDOW" "$output"
kill "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
echo "Saved $output"
