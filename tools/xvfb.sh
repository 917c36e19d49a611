# shellcheck shell=bash
# Sourced by the scripts that need a real window: starts a private Xvfb
# server; the caller stops it with stop_xvfb (in its EXIT trap).
#   start_xvfb [WIDTHxHEIGHT]  -> exports DISPLAY
start_xvfb() {
  local size=${1:-1024x768}
  # The server takes the first free display itself and writes its number
  # when it accepts connections: scripts started at the same moment never
  # share a server.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -dpi 96 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  # No session bus: nothing may start a stray bus daemon.
  export DBUS_SESSION_BUS_ADDRESS="disabled:"
  local display=
  for _ in $(seq 1 200); do
    display=$(head -n 1 "$number_file")
    [ -n "$display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.05
  done
  rm -f "$number_file"
  if [ -z "$display" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$display"
  xdpyinfo >/dev/null 2>&1 && return 0
  echo "Xvfb on $DISPLAY does not answer" >&2
  return 1
}

stop_xvfb() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  [ -n "${XDG_RUNTIME_DIR:-}" ] && rm -rf "$XDG_RUNTIME_DIR"
  XDG_RUNTIME_DIR=
}
