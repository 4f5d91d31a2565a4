#!/usr/bin/env bash
# How many accessibility events of the drawing area Orca, the screen reader, receives for each of
# Open, Ctrl+A, Right, Delete and Undo on drawings of 2, 20 and 200 figures: read from Orca's own
# debug log (its event manager's line for each event of the area, a figure or the announcement;
# the file dialog's own events are left out), each command counted once Orca has been quiet for a
# second.
# Runs on a private Xvfb, session bus and AT-SPI bus with a scratch home, like the window tests:
#   tests/window/run_under_xvfb.sh bench/orca_events.sh build/quadrix build/tests/screen_grab
source "$WINDOW_TESTS/lib.sh"
source "$WINDOW_TESTS/atspi.sh"
source "$WINDOW_TESTS/orca.sh"
start_listening
dequeued() { grep -cE "EVENT MANAGER: [a-z:-]+ for \[(image|canvas|notification|status bar) " "$ORCA_LOG" || true; }
# The events dequeued since $1, once no new one has come for a second (15 s at most).
settled_since() {
  local last=-1 now
  for _ in $(seq 15); do
    now=$(dequeued)
    [ "$now" = "$last" ] && break
    last=$now
    sleep 1
  done
  echo $((now - $1))
}

printf '%-8s %6s %6s %6s %6s %6s\n' figures Open Ctrl+A Right Delete Undo
for n in 2 20 200; do
  python3 -c 'import struct,sys; n=int(sys.argv[1]); sys.stdout.buffer.write(b"".join(struct.pack("<7i", 0, 2 * i, 2 * i + 5, -1, 10, 15, -1) for i in range(n)))' \
    "$n" > "$WORK/drawing-$n.edt"
  start_app
  settled_since "$(dequeued)" > /dev/null
  row=()
  base=$(dequeued); keys ctrl+o; choose_in_file_dialog "$WORK/drawing-$n.edt"; row+=("$(settled_since "$base")")
  for k in ctrl+a Right Delete ctrl+z; do
    base=$(dequeued); keys "$k"; row+=("$(settled_since "$base")")
  done
  printf '%-8s %6s %6s %6s %6s %6s\n' "$n" "${row[@]}"
  stop_app
  rm -rf "$STATE_DIR"  # the copy of the unsaved drawing would be offered to the next editor
done
end_orca
end_atspi
