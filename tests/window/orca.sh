# Orca, the screen reader, listening on this test's own D-Bus session and AT-SPI bus: what it
# would say is read from the "SPEECH OUTPUT:" lines of its debug log. Sourced after lib.sh and
# atspi.sh; start_orca after start_atspi and before the editor's window takes the focus (Orca only
# follows focus changes it sees happen), end_orca before end_atspi.
ORCA_PID= ORCA_LOG=$WORK/orca.log ORCA_HEARD=0

# The usual start of a test of what Orca says: this test's own buses, Orca listening, and the
# editor's accessibility bridge on for every editor it starts; all of it ends with the test.
start_listening() {
  trap 'end_started; end_orca; end_atspi' EXIT
  start_atspi
  start_orca
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Keys to the editor's window, focused first: Orca follows the focus.
keys() { xdotool windowfocus --sync "$WID"; xdotool key "$@"; }

# Starts Orca with the test's scratch home and waits until its event listeners are registered (it
# logs the start-up as complete just before it runs its event loop): under a second here.
start_orca() {
  [ -x /usr/bin/orca ] || fail "no /usr/bin/orca (package orca)"
  # The system's python3, where Debian installs Orca's package and pyatspi.
  "${SCRATCH_ENV[@]}" /usr/bin/python3 "$WINDOW_TESTS/orca_line_buffered.py" --debug-file "$ORCA_LOG" \
    > "$WORK/orca.out" 2>&1 &
  ORCA_PID=$!
  for _ in $(seq 200); do
    grep -q "ORCA: Startup complete" "$ORCA_LOG" 2>/dev/null && return 0
    kill -0 "$ORCA_PID" 2>/dev/null || break
    sleep 0.05
  done
  fail "Orca did not start: $(tail -n 20 "$WORK/orca.out")"
}

# What Orca said so far, one utterance a line, without the timestamp and the voice after it.
speech_lines() {
  [ -e "$ORCA_LOG" ] && sed -nE "s/^.* - SPEECH OUTPUT: '(.*)' ?[[{].*$/\1/p" "$ORCA_LOG"
}

# Waits up to ten seconds (a loaded machine slows Orca) for an utterance containing TEXT, said
# after the one the previous wait_speech matched: calls follow the order of speech, and the same
# sentence said twice needs two calls. Polls, so it returns as soon as the line is there.
wait_speech() {
  local line
  for _ in $(seq 200); do
    line=$(speech_lines | tail -n +$((ORCA_HEARD + 1)) | grep -nF -m 1 -- "$1" | cut -d: -f1) || true
    [ -n "$line" ] && { ORCA_HEARD=$((ORCA_HEARD + line)); return 0; }
    sleep 0.05
  done
  echo "--- Orca said, after the last utterance waited for:"
  speech_lines | tail -n +$((ORCA_HEARD + 1)) | tail -n 30
  fail "Orca never said: $1"
}

# Stops Orca by its id (it shuts down on SIGTERM); 1 when it outlives 5 seconds.
end_orca() {
  [ -n "$ORCA_PID" ] || return 0
  local pid=$ORCA_PID
  ORCA_PID=
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do process_ended "$pid" && return 0; sleep 0.1; done
  echo "Orca still running after the test: $pid"
  return 1
}
