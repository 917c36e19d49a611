# shellcheck shell=bash
# Sourced by the scripts that drive the real program in a real X window.
# Needs tools/xvfb.sh started first, and load_description before anything
# that names a control: every title, place and text comes from the tests'
# view of the window (tests/form.json, written by a build with tests) and
# every plantation from the shared table (tests/cases/plantations.txt).

drive_fail() { echo "FAIL: $*" >&2; exit 1; }

DRIVER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Reads the description FORM_JSON: WINDOW_TITLE, and the places of the controls.
load_description() { # FORM_JSON
  [ -f "$1" ] || drive_fail "no window description at $1"
  DESCRIPTION=$1
  WINDOW_TITLE=$(jq -r .title "$1")
  declare -gA PLACE=()
  local name place
  while IFS='|' read -r name place; do PLACE[$name]=$place; done \
    < <(jq -r '.controls[] | "\(.name)|\(.inWindow | map(tostring) | join(" "))"' "$1")
}

# Reads the view the build that made PROGRAM wrote (build/<preset>/tests/form.json,
# or build/<preset>/host/tests/form.json for a cross build); for a build
# without tests (release), the one the ci build wrote from the same sources.
load_description_for() { # program
  local build json
  build=$(cd "$(dirname "$1")/.." && pwd)
  for json in "$build/tests/form.json" "$build/host/tests/form.json" "$DRIVER_ROOT/build/ci/tests/form.json"; do
    if [ -f "$json" ]; then
      load_description "$json"
      return 0
    fi
  done
  drive_fail "no window description in $build"
}

# The title of a box: about, help, varieties, or a refusal's name (ZeroDistance ...).
box_title() { # which
  jq -r --arg w "$1" '(.boxes[$w] // .refusals[$w]).title' "$DESCRIPTION"
}

# The option button of a planting system (square, rectangular, triangular).
option_of() { # system
  jq -er --arg s "$1" '.options[$s]' "$DESCRIPTION" || drive_fail "no system $1"
}

# Where a control stands in the window, in twips: left top width height.
place_of() { # control name
  [ -n "${PLACE[$1]:-}" ] || drive_fail "the description has no control $1"
  echo "${PLACE[$1]}"
}

# The button of a command (calculate, reset, about, help, varieties, quit).
button_of() { # command
  jq -r --arg c "$1" '.commands | to_entries[] | select(.value == $c) | .key' "$DESCRIPTION"
}

# Loads the plantation NAME of the shared table under SEPARATOR (default
# "."): CASE_SYSTEM, CASE_HECTARES, CASE_DISTANCE, CASE_LENGTH, CASE_WIDTH,
# CASE_DIAMETER, and CASE_RESULTS (six texts) or CASE_REFUSAL.
# shellcheck disable=SC2034  # read by the scripts that source this
load_case() { # name [separator]
  local separator=${2:-.} name system hectares distance length width diameter sep rest line
  line=$(grep "^$1|" "$DRIVER_ROOT/tests/cases/plantations.txt") || drive_fail "no plantation $1"
  IFS='|' read -r name system hectares distance length width diameter sep rest <<<"$line"
  [ "$sep" = "*" ] || [ "$sep" = "$separator" ] || drive_fail "plantation $1 holds for '$sep' only"
  CASE_SYSTEM=$system CASE_HECTARES=$hectares CASE_DISTANCE=$distance CASE_LENGTH=$length
  CASE_WIDTH=$width CASE_DIAMETER=$diameter CASE_REFUSAL='' CASE_RESULTS=()
  if [[ $rest == refused:* ]]; then
    CASE_REFUSAL=${rest#refused:}
  else
    local text
    IFS='|' read -r -a CASE_RESULTS <<<"$rest"
    for text in "${!CASE_RESULTS[@]}"; do CASE_RESULTS[text]=${CASE_RESULTS[text]/./$separator}; done
  fi
}

# Starts PROGRAM [ARGS...] and waits for its window: sets PROGRAM_PID and
# WINDOW, with the window at the top-left corner and holding the focus.
launch_program() {
  [ -n "${WINDOW_TITLE:-}" ] || drive_fail "no window description loaded (load_description)"
  "$@" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^${WINDOW_TITLE}\$" | head -n 1) || true
  [ -n "$WINDOW" ] || drive_fail "the window did not appear"
  xdotool windowmove --sync "$WINDOW" 0 0
  xdotool windowfocus --sync "$WINDOW"
  sleep 0.3
}

# Clicks the middle of a control given in twips within the window.
click_twips() { # left top width height
  xdotool mousemove --window "$WINDOW" $((($1 + $3 / 2) / 15)) $((($2 + $4 / 2) / 15)) click 1
  sleep 0.1
}

# Clicks the middle of a control of the description.
click_control() { # control name
  # shellcheck disable=SC2046
  click_twips $(place_of "$1")
}

# The text of a field, read through the clipboard (click, select all, copy).
# The clipboard holds a mark first: copying an empty field copies nothing,
# so a mark still there after a second is an empty field.
read_field() { # control name
  local clip mark="(nada copiado)" shown
  printf '%s' "$mark" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  clip=$!
  for _ in $(seq 1 20); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$mark" ] && break
    sleep 0.05
  done
  click_control "$1"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  for _ in $(seq 1 10); do
    sleep 0.1
    shown=$(xclip -o -selection clipboard 2>/dev/null) || shown=$mark
    [ "$shown" = "$mark" ] || break
  done
  kill "$clip" 2>/dev/null || true
  wait "$clip" 2>/dev/null || true
  [ "$shown" = "$mark" ] || printf '%s\n' "$shown"
}

# Fails unless the field shows EXPECTED. Read up to three times: on a loaded
# machine the window may still be writing, or the copy reach the clipboard
# after read_field stopped waiting.
expect_field() { # control expected
  local shown
  for _ in 1 2 3; do
    shown=$(read_field "$1")
    [ "$shown" = "$2" ] && return 0
  done
  drive_fail "$1 shows '$shown', expected '$2'"
}

# Replaces the text of the field that has the focus.
type_text() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
}

# Clicks "Salir" and checks that the program ends at once with status 0.
quit_and_check_status() {
  click_control "$(button_of quit)"
  check_ended
}

# Checks that the program PROGRAM_PID ends at once with status 0.
check_ended() {
  local status=0
  for _ in $(seq 1 100); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$PROGRAM_PID" 2>/dev/null && drive_fail "Salir did not end the program"
  wait "$PROGRAM_PID" || status=$?
  [ "$status" -eq 0 ] || drive_fail "exit status $status"
  PROGRAM_PID=
}
