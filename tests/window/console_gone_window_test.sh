# The console goes away (`quadrix | head`, a closed terminal): the next trace lines find a pipe
# with no reader, and the editor goes on working: a figure drawn afterwards is saved through the
# real dialog with the right bytes, and Exit still ends the program with status 0.
source "$WINDOW_TESTS/lib.sh"

FILE=$WORK/drawing.edt

start_app_console
find_canvas
height=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1 | sed 's/.*h=//')
[ -n "$height" ] || fail "no resize traced"

reader_leaves
seen=$(trace_size)
note "the reader left after $seen bytes"
# Trace lines into the pipe without a reader: each write fails from now on.
for x in 20 40 60 80 100; do move_canvas "$x" 30; done
app_running || fail "the editor died when its console went away (stderr: $(cat "$WORK/stderr.txt"))"

draw_and_save_rect "$FILE" "$height"

exit_from_menu
echo "PASS"
