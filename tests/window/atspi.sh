# A D-Bus session and an AT-SPI bus private to one test, where the editor and a screen reader's
# library meet. Sourced after lib.sh; end_atspi stops, by their ids, the processes they brought.
SESSION_BUS_PID= LAUNCHER_PID= A11Y_ADDRESS=

start_atspi() {
  local launcher=/usr/libexec/at-spi-bus-launcher
  [ -x "$launcher" ] || fail "no $launcher (package at-spi2-core)"
  eval "$("${SCRATCH_ENV[@]}" dbus-launch --sh-syntax)" || fail "dbus-launch failed"
  SESSION_BUS_PID=$DBUS_SESSION_BUS_PID
  "${SCRATCH_ENV[@]}" "$launcher" --launch-immediately > "$WORK/atspi-launcher.log" 2>&1 &
  LAUNCHER_PID=$!
  for _ in $(seq 100); do
    A11Y_ADDRESS=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                   org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$A11Y_ADDRESS" ] && return 0
    sleep 0.1
  done
  fail "the AT-SPI bus did not start"
}

# Ended, or a zombie that only a missing init leaves unreaped.
process_ended() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) || return 0; [[ $s == Z* ]]; }

# Stops the AT-SPI registry, bus and launcher and the session bus; 1 when one outlives 5 seconds.
end_atspi() {
  [ -n "$LAUNCHER_PID" ] || return 0
  local registry pid
  registry=$(dbus-send --bus="$A11Y_ADDRESS" --print-reply=literal --dest=org.freedesktop.DBus / \
             org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry 2>/dev/null || true)
  local pids=("$LAUNCHER_PID" $(pgrep -P "$LAUNCHER_PID" || true) "$SESSION_BUS_PID" ${registry#*uint32 })
  LAUNCHER_PID=
  kill "${pids[@]}" 2>/dev/null || true
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do process_ended "$pid" && break; sleep 0.1; done
    process_ended "$pid" || { echo "still running after the test: $pid"; return 1; }
  done
}
