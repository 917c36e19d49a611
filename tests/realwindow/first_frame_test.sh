#!/usr/bin/env bash
# The program's first painted frame in a real X window (Xvfb), caught by the
# start-up probe, must match the reference frames pixel for pixel at screen
# scales 1 and 2: what speeds up the start may not change what is shown.
#   first_frame_test.sh PROBE PROGRAM FORM_JSON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
probe=$1 program=$2
source "$here/../../tools/xvfb.sh"
read -r width height per_pixel < <(jq -r '"\(.clientWidth) \(.clientHeight) \(.twipsPerPixel)"' "$3")
out=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$out"' EXIT
start_xvfb 1600x1200

failed=0
for scale in 1 2; do
  size=$((width * scale / per_pixel))x$((height * scale / per_pixel))
  QT_SCALE_FACTOR=$scale "$probe" --save "$out/frame.ppm" "$size" "$program" >/dev/null
  reference=$here/first_frame_scale$scale.png
  if cmp -s <(convert "$reference" -depth 8 rgb:-) <(convert "$out/frame.ppm" -depth 8 rgb:-); then
    echo "scale $scale: first frame matches $(basename "$reference")"
  else
    keep=${TMPDIR:-/tmp}/first_frame_scale$scale.actual.png
    convert "$out/frame.ppm" "png24:$keep"
    differing=$(compare -metric AE "$reference" "$keep" null: 2>&1 || true)
    echo "FAIL: scale $scale: first frame differs from $(basename "$reference") in $differing pixels; it is in $keep" >&2
    failed=1
  fi
done
exit $failed
