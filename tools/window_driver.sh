# Sourced by the scripts that drive the real program in a real X window.
# Needs tools/xvfb.sh started first.

drive_fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts PROGRAM and waits for its window: sets PROGRAM_PID and WINDOW, with
# the window at the top-left corner and holding the focus.
launch_program() {
  "$1" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name \
    '^Cálculo de Rurorovirora en Nogal Zezodadu Versión 3.1$' | head -n 1) || true
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
