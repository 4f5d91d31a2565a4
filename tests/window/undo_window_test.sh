# Undo and redo with the real keyboard: of two rectangles drawn, Ctrl+Z takes the second off the
# screen and Ctrl+Shift+Z brings it back; Save writes both records; New then Ctrl+Z brings the
# drawing back. A third rectangle saved as another file, undone, redone by Ctrl+Y and undone again:
# Ctrl+S writes that other file, never the first one.
source "$WINDOW_TESTS/lib.sh"

FILE=$WORK/drawing.edt
keys() { focus_window "$WID"; xdotool key "$1"; }

start_app
find_canvas
height=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1 | sed 's/.*h=//')

click_tool rect
wait_trace $'\nRectangulo, modo 1'
drag_canvas 1 40 40 120 100
drag_canvas 1 200 60 300 150
wait_trace $'\n Insert rect [(200,'
first=(40 40 120 40 40 100)     # points on the first outline (toolkit coordinates)
second=(200 60 300 60 200 150)  # and on the second
canvas_colours_are 000000 "${first[@]}" "${second[@]}" || fail "the two rectangles are not on the screen"

keys ctrl+z
wait_trace $'\nUndo.'
canvas_colours_are FFFFFF "${second[@]}" || fail "Ctrl+Z left the second rectangle on the screen"
canvas_colours_are 000000 "${first[@]}" || fail "Ctrl+Z took the first rectangle too"

keys ctrl+shift+z
wait_trace $'\nRedo.'
canvas_colours_are 000000 "${first[@]}" "${second[@]}" || fail "Ctrl+Shift+Z did not bring the rectangle back"

keys ctrl+s
choose_in_file_dialog "$FILE"
wait_trace $'\nSave.'
expected=$(python3 -c 'import struct, sys; h = int(sys.argv[1]); \
  sys.stdout.write((struct.pack("<7i", 0, 40, 120, -1, h - 41, h - 101, -1) + \
                    struct.pack("<7i", 0, 200, 300, -1, h - 61, h - 151, -1)).hex())' "$height")
actual=$(od -An -v -tx1 "$FILE" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "file bytes $actual, expected $expected"

keys ctrl+n
canvas_colours_are FFFFFF "${first[@]}" "${second[@]}" || fail "New left figures on the screen"
keys ctrl+z
canvas_colours_are 000000 "${first[@]}" "${second[@]}" || fail "Ctrl+Z after New did not bring the drawing back"
# The file name came back with the drawing: Save writes without asking.
rm "$FILE"
before=$(trace_size)
keys ctrl+s
for _ in $(seq 50); do trace_since "$before" | grep -q 'Save\.' && break; sleep 0.1; done
trace_since "$before" | grep -q 'Save\.' || fail "Save after undoing New asked for a name or failed"
[ "$(od -An -v -tx1 "$FILE" | tr -d ' \n')" = "$expected" ] || fail "Save after undoing New wrote other bytes"

SECOND=$WORK/second.edt
drag_canvas 1 320 40 400 100
wait_trace $'\n Insert rect [(320,'
keys ctrl+shift+s
choose_in_file_dialog "$SECOND"
wait_file "$SECOND" || fail "Save As wrote no file"
before=$(trace_size)
keys ctrl+z
# Ctrl+Y is ours: X11's own table has only Ctrl+Shift+Z for Redo.
keys ctrl+y
for _ in $(seq 50); do trace_since "$before" | grep -q 'Redo\.' && break; sleep 0.1; done
trace_since "$before" | grep -q 'Redo\.' || fail "Ctrl+Y did not redo"
keys ctrl+z
keys ctrl+s
for _ in $(seq 50); do trace_since "$before" | grep -q 'Save\.' && break; sleep 0.1; done
trace_since "$before" | grep -q 'Save\.' || fail "Save after the undo asked for a name or failed"
[ "$(file_hex "$SECOND")" = "$expected" ] || fail "Save after the undo did not write the file of the last Save As"
[ "$(file_hex "$FILE")" = "$expected" ] || fail "Save after the undo wrote over the earlier file"
stop_app
echo "PASS"
