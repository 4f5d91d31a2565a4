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

click_tool rect
drag_canvas 1 60 50 170 110
menu_command s
choose_in_file_dialog "$FILE"
wait_file "$FILE" || fail "Save wrote no file at $FILE"
expected=$(rect_record_hex 60 $((height - 1 - 50)) 170 $((height - 1 - 110)))
actual=$(file_hex "$FILE")
[ "$actual" = "$expected" ] || fail "file bytes $actual, expected $expected"

exit_from_menu
echo "PASS"
