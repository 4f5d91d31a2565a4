# The buses a screen reader talks over, private to one test: a D-Bus session of its own and the
# AT-SPI bus launched on it, where the editor (with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) and a
# reader in the system's python3 meet. Sourced after lib.sh; end_atspi stops every process this
# started, by its id, and fails when one is still running.

ATSPI_LAUNCHER=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && { ATSPI_LAUNCHER=$candidate; break; }
done
SESSION_BUS_PID= LAUNCHER_PID= A11Y_ADDRESS=

start_atspi() {
  [ -n "$ATSPI_LAUNCHER" ] || fail "no at-spi-bus-launcher (package at-spi2-core)"
  eval "$("${SCRATCH_ENV[@]}" dbus-launch --sh-syntax)" || fail "dbus-launch failed"
  SESSION_BUS_PID=$DBUS_SESSION_BUS_PID
  export DBUS_SESSION_BUS_ADDRESS
  "${SCRATCH_ENV[@]}" "$ATSPI_LAUNCHER" --launch-immediately > "$WORK/atspi-launcher.log" 2>&1 &
  LAUNCHER_PID=$!
  for _ in $(seq 100); do
    A11Y_ADDRESS=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
                   org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ') && [ -n "$A11Y_ADDRESS" ] && break
    sleep 0.1
  done
  [ -n "$A11Y_ADDRESS" ] || fail "the AT-SPI bus did not start"
  note "AT-SPI bus at $A11Y_ADDRESS"
}

# The process that owns a name on the AT-SPI bus, e.g. the registry the reader started.
a11y_bus_owner() {
  dbus-send --bus="$A11Y_ADDRESS" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetConnectionUnixProcessID "string:$1" 2>/dev/null | awk '{print $2}'
}

# Ended, or a zombie only a missing init has not reaped.
process_ended() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) || return 0; [[ $s == Z* ]]; }

# Stops the registry, the AT-SPI bus and its launcher, and the session bus; 1 when one outlives
# five seconds.
end_atspi() {
  [ -n "$LAUNCHER_PID$SESSION_BUS_PID" ] || return 0
  local pids=() pid left=()
  if [ -n "$A11Y_ADDRESS" ]; then
    pid=$(a11y_bus_owner org.a11y.atspi.Registry); [ -n "$pid" ] && pids+=("$pid")
  fi
  [ -n "$LAUNCHER_PID" ] && pids+=("$LAUNCHER_PID" $(pgrep -P "$LAUNCHER_PID" || true))
  [ -n "$SESSION_BUS_PID" ] && pids+=("$SESSION_BUS_PID")
  LAUNCHER_PID= SESSION_BUS_PID=
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do process_ended "$pid" && break; sleep 0.1; done
    process_ended "$pid" || left+=("$pid")
  done
  [ ${#left[@]} = 0 ] || { echo "still running after the test: ${left[*]}"; return 1; }
}
