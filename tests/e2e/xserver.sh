# Starts and stops a private X server for one test script. Sourced, not run.
# The server picks a free display number itself (-displayfd); only the process
# started here is ever stopped.

XSERVER_PID=
XSERVER_DIR=

# Waits for the display number the server writes to fd 3 and exports DISPLAY.
_await_display() {
  local fdfile=$1 tries=0
  while [[ ! -s "$fdfile" ]]; do
    if ! kill -0 "$XSERVER_PID" 2>/dev/null; then
      echo "X server exited during start-up; log: $XSERVER_DIR" >&2
      return 1
    fi
    ((tries++ < 200)) || { echo "X server did not report a display" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
}

# start_xvfb [WIDTHxHEIGHTxDEPTH]
start_xvfb() {
  XSERVER_DIR=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset \
    3>"$XSERVER_DIR/display" >"$XSERVER_DIR/xvfb.log" 2>&1 &
  XSERVER_PID=$!
  _await_display "$XSERVER_DIR/display"
}

# start_xorg_dummy MODE... : Xorg with the dummy video driver offering only
# the given modes (each one of 1280x1024, 1024x768, 800x600), largest first.
start_xorg_dummy() {
  XSERVER_DIR=$(mktemp -d)
  local modes="" mode
  for mode in "$@"; do modes+=" \"$mode\""; done
  sed -e "s/@MODES@/$modes/" -e "s/@VIRTUAL@/${1/x/ }/" \
    "$(dirname "${BASH_SOURCE[0]}")/xorg-dummy.conf.in" >"$XSERVER_DIR/xorg.conf"
  Xorg -displayfd 3 -config "$XSERVER_DIR/xorg.conf" -noreset -nolisten tcp \
    -logfile "$XSERVER_DIR/xorg.log" 3>"$XSERVER_DIR/display" >"$XSERVER_DIR/xorg.out" 2>&1 &
  XSERVER_PID=$!
  _await_display "$XSERVER_DIR/display"
}

stop_xserver() {
  if [[ -n "$XSERVER_PID" ]] && kill -0 "$XSERVER_PID" 2>/dev/null; then
    kill "$XSERVER_PID" 2>/dev/null || true
    wait "$XSERVER_PID" 2>/dev/null || true
  fi
  XSERVER_PID=
  [[ -n "$XSERVER_DIR" ]] && rm -rf "$XSERVER_DIR"
  XSERVER_DIR=
}
