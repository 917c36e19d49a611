# Sourced by the scripts that drive the real program in a real X window.
# Needs tools/xvfb.sh started first.

drive_fail() { echo "FAIL: $*" >&2; exit 1; }

WINDOW_TITLE='Cálculo de Rurorovirora en Nogal Zezodadu Versión 3.1'

# Starts PROGRAM [ARGS...] and waits for its window: sets PROGRAM_PID and
# WINDOW, with the window at the top-left corner and holding the focus.
launch_program() {
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

# Where the ten fields stand in the window, in twips: left top width height.
field_twips() { # field number
  case $1 in
    1) echo 3120 4200 735 285 ;;
    [2-7]) echo 8760 $((1200 + 600 * ($1 - 2))) 975 285 ;;
    8) echo 3120 1560 1095 285 ;;
    9) echo 2280 2520 855 285 ;;
    10) echo 3600 2520 855 285 ;;
  esac
}

# The text of a field, read through the clipboard (click, select all, copy).
# The clipboard holds a mark first: copying an empty field copies nothing,
# so a mark still there after a second is an empty field.
read_field() { # field number
  local clip mark="(nada copiado)" shown
  printf '%s' "$mark" | xclip -quiet -selection clipboard -i >/dev/null 2>&1 &
  clip=$!
  for _ in $(seq 1 20); do
    [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$mark" ] && break
    sleep 0.05
  done
  # shellcheck disable=SC2046
  click_twips $(field_twips "$1")
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

# Replaces the text of the field that has the focus.
type_text() {
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
}

# Clicks "Salir" and checks that the program ends at once with status 0.
quit_and_check_status() {
  click_twips 3720 6000 1095 375
  local status=0
  for _ in $(seq 1 100); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$PROGRAM_PID" 2>/dev/null && drive_fail "Salir did not end the program"
  wait "$PROGRAM_PID" || status=$?
  [ "$status" -eq 0 ] || drive_fail "exit status $status"
  PROGRAM_PID=
}
