# A console that stops reading (`quadrix | less`, a pager left alone): thousands of pointer moves
# and hundreds of clicks fill the pipe and the trace's bound, and the editor still answers: the
# Info box opens and closes, a figure is drawn and saved. When the reader reads again it gets the
# trace up to the bound, the dropped-bytes line, then what came after, in order. In a second run,
# Exit with a stalled console and a full bound still ends the program, with status 0. The bound is
# made 4 KiB and the pipe one page, so that a few seconds of events fill both.
source "$WINDOW_TESTS/lib.sh"

FILE=$WORK/drawing.edt
BOUND=4096
export QUADRIX_TRACE_BOUND=$BOUND

# Moves the pointer along rows of the canvas, y from $1 to $2, x from 10 to 409, with a click
# every 8 pixels: each position comes later than the one before in (y, x) order. One xdotool call,
# so the events come fast; the pointer's moves may be merged into fewer events, its clicks never,
# and the 50 clicks of a row alone are about 3 KiB of trace.
sweep() {
  local args=() y x
  for ((y = $1; y <= $2; y++)); do
    for ((x = 10; x < 410; x++)); do
      args+=(mousemove $((CANVAS_X + x)) $((CANVAS_Y + y)))
      [ $((x % 8)) = 0 ] && args+=(mousedown 1 mouseup 1)
    done
  done
  xdotool "${args[@]}"
}

start_app_console 4096
find_canvas
height=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1 | sed 's/.*h=//')
[ -n "$height" ] || fail "no resize traced"
pipe_size=$(cat "$WORK/reader.size")
note "pipe of $pipe_size bytes, bound of $BOUND"

pause_reader
before=$(trace_size)
sweep 20 27  # 3200 moves and 400 clicks, more than 25 KiB of trace
app_running || fail "the editor died with its console stalled"

# The Info box: the window still handles events.
xdotool windowfocus --sync "$WID"; sleep 0.2
xdotool key alt+i
box=$(wait_window Quadrix) || fail "no Info box while the console is stalled"
xdotool windowfocus --sync "$box"; sleep 0.2
xdotool key Return
for _ in $(seq 50); do wait_window_gone "$box" && break; sleep 0.1; done
wait_window_gone "$box" || fail "the Info box did not close"

draw_and_save_rect "$FILE" "$height"
[ "$(trace_size)" = "$before" ] || fail "the reader read while paused"

# The reader reads again; a move after that is traced after the dropped-bytes line.
resume_reader
sleep 0.5
move_canvas 3 3
wait_trace '<3,3>'
trace_since "$before" > "$WORK/after_stall.txt"
python3 - "$WORK/after_stall.txt" "$BOUND" "$pipe_size" <<'EOF' || fail "the trace after the stall is not as it should be"
import re, sys
data = open(sys.argv[1], "rb").read().decode()
bound, pipe = int(sys.argv[2]), int(sys.argv[3])
marks = re.findall(r"\n\[trace: (\d+) bytes dropped\]", data)
if not marks or any(int(m) <= 0 for m in marks):
    sys.exit(f"expected a dropped-bytes line, found {marks}")
# A writer thread that lags behind the editor (a loaded machine) may pass its bound on to the pipe
# after bytes were dropped: then a second run of kept lines and a second dropped-bytes line follow.
pieces = re.split(r"\n\[trace: \d+ bytes dropped\]", data)
kept, after = pieces[0], pieces[-1]
# Before the last of them: motion and button lines only, in the order of the events, as much as
# the bound and the pipe held.
token = re.compile(r"<(-?\d+),(-?\d+)>|\nBotao 1 pressionado em \((-?\d+), (-?\d+)\)"
                   r"|\nBotao 1 solto em \((-?\d+), (-?\d+)\)\n")
places = []
for piece in pieces[:-1]:
    at = 0
    while at < len(piece):
        m = token.match(piece, at)
        if not m:
            sys.exit(f"not an event's line before a dropped-bytes line: {piece[at:at + 100]!r}")
        x, y = [g for g in m.groups() if g is not None]
        places.append((int(y), int(x)))
        at = m.end()
    if len(piece) > bound + pipe:
        sys.exit(f"{len(piece)} bytes kept between dropped-bytes lines; bound {bound}, pipe {pipe}")
if places != sorted(places):
    sys.exit("the lines kept are out of order")
if not bound - 16 <= len(kept) <= bound + pipe:
    sys.exit(f"{len(kept)} bytes kept before the dropped-bytes line; bound {bound}, pipe {pipe}")
# Everything traced while the bound was full is gone, the Save line with it; after the line comes
# what was traced once the reader read again.
if "\nSave." in data or not after.endswith("<3,3>"):
    sys.exit(f"after the dropped-bytes line: {after[:200]!r}")
print(f"# kept {len(kept)} bytes, dropped {marks}, then {after!r}")
EOF

exit_from_menu
resume_reader
wait_reader

# Exit with a stalled console and a full bound: the program still ends, with status 0.
rm -f "$WORK/console" "$WORK/reader".*
start_app_console 4096
find_canvas
pause_reader
sweep 30 33
exit_from_menu
resume_reader
wait_reader
# What the pipe held reached the reader; the farewell line, traced into a full bound, did not.
trace_has $'\n Repaint' || fail "the second run's trace is missing"
trace_has $'\nExit' && fail "the bound was not full at Exit: nothing tested"
echo "PASS"
