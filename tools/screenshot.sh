#!/usr/bin/env bash
# Starts the program under Xvfb and saves a screenshot of its window.
#   tools/screenshot.sh [PROGRAM] [OUTPUT.png] [SCALE]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/app/rurorovirora}
output=${2:-docs/screenshot.png}
scale=${3:-1}
source tools/xvfb.sh
start_xvfb 1600x1200
trap stop_xvfb EXIT
QT_SCALE_FACTOR=$scale "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Rurorovirora' | head -n 1)
sleep 1  # let it paint
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "Saved $output"
