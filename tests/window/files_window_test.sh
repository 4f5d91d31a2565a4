# The file commands through the real menu and the real file dialog: a drawn rectangle is saved
# as one 28-byte record, New clears the canvas, Open draws it again at the same screen pixels,
# and Exit says goodbye and ends the program with status 0.
source "$WINDOW_TESTS/lib.sh"

FILE=$WORK/drawing.edt

start_app
find_canvas

draw_rect_with_tool 60 50 170 110
record=$(grep -aoE 'Insert rect \[\(-?[0-9]+,-?[0-9]+\),\(-?[0-9]+,-?[0-9]+\)\]' "$TRACE" | tail -n 1)
read -r x1 y1 x2 y2 <<< "$(echo "$record" | grep -oE -- '-?[0-9]+' | tr '\n' ' ')"
note "drawn: $record"
# The screen points of the outline, from the traced drawing coordinates (y counts up).
height=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1 | sed 's/.*h=//')
outline=($x1 $((height - 1 - y1)) $x2 $((height - 1 - y2)) $(((x1 + x2) / 2)) $((height - 1 - y1))
         $x1 $((height - 1 - (y1 + y2) / 2)))
inside=($(((x1 + x2) / 2)) $((height - 1 - (y1 + y2) / 2)))
canvas_colours_are 000000 "${outline[@]}" || fail "the rectangle is not on the screen"

# Save: the first one asks for a name through the real dialog.
menu_command s
choose_in_file_dialog "$FILE"
wait_trace $'\nSave.'
[ -f "$FILE" ] || fail "Save wrote no file at $FILE"
expected=$(python3 -c 'import struct, sys; v = [int(a) for a in sys.argv[1:]]; \
  sys.stdout.write(struct.pack("<7i", 0, v[0], v[2], -1, v[1], v[3], -1).hex())' "$x1" "$y1" "$x2" "$y2")
actual=$(od -An -v -tx1 "$FILE" | tr -d ' \n')
[ "$actual" = "$expected" ] || fail "file bytes $actual, expected $expected"

# New: the canvas goes white.
menu_command n
canvas_colours_are FFFFFF "${outline[@]}" "${inside[@]}" || fail "New left the figure on the screen"

# Open: the figure read is drawn where it was.
menu_command o
choose_in_file_dialog "$FILE"
wait_trace $'\nOpen.'
canvas_colours_are 000000 "${outline[@]}" || fail "Open did not draw the figure read"
canvas_colours_are FFFFFF "${inside[@]}" || fail "Open drew inside the rectangle"

# Exit: the farewell box, then the program ends by itself with status 0.
menu_command e
box=$(wait_window Quadrix) || fail "no farewell box"
xdotool windowfocus --sync "$box"; sleep 0.2
xdotool key Return
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end after Exit"
status=0
wait "$APP_PID" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
trace_has $'\nExit' || fail "Exit not traced"
echo "PASS"
