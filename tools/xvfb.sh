# Sourced by the scripts that need a real window: starts a private Xvfb
# server; the caller stops it with stop_xvfb (in its EXIT trap).
#   start_xvfb [WIDTHxHEIGHT]  -> exports DISPLAY
start_xvfb() {
  local size=${1:-1024x768}
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
  done
  Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -dpi 96 >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  # No session bus: nothing may start a stray bus daemon.
  export DBUS_SESSION_BUS_ADDRESS="disabled:"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "Xvfb did not start" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  [ -n "${XDG_RUNTIME_DIR:-}" ] && rm -rf "$XDG_RUNTIME_DIR"
  XDG_RUNTIME_DIR=
}
