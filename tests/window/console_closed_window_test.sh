# Standard output unusable from the start: closed (`quadrix >&-`) or a full disk under a
# redirected trace (/dev/full). Either way the editor works as usual, quietly: a rectangle dragged
# on the canvas is saved through the real dialog, and Exit ends the program with status 0. With
# no trace to learn the canvas from, the rectangle is dragged inside the window's lower middle
# and only its size and kind are checked.
source "$WINDOW_TESTS/lib.sh"

draw_save_exit() {  # the case's name
  local file=$WORK/$1.edt
  wait_main_window
  click_tool rect
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  local sx=$((X + WIDTH / 2)) sy=$((Y + HEIGHT * 2 / 3))
  move $((sx - 50)) $((sy - 20)); press 1
  move "$sx" "$sy"; move $((sx + 50)) $((sy + 20))
  release 1
  menu_command s
  choose_in_file_dialog "$file"
  wait_file "$file" || fail "$1: Save wrote no file"
  python3 - "$file" <<'EOF' || fail "$1: the file is not one rectangle of 100 by 40"
import struct, sys
data = open(sys.argv[1], "rb").read()
if len(data) != 28:
    sys.exit(f"{len(data)} bytes")
kind, x1, x2, x3, y1, y2, y3 = struct.unpack("<7i", data)
sys.exit(0 if (kind, x2 - x1, x3, y1 - y2, y3) == (0, 100, -1, 40, -1) else f"record {kind, x1, x2, x3, y1, y2, y3}")
EOF
  exit_from_menu
  if grep -qv XDG_RUNTIME_DIR "$WORK/stderr.txt"; then
    fail "$1: the program complained: $(cat "$WORK/stderr.txt")"
  fi
  note "$1: drawn, saved and ended"
}

(cd "$WORK" && exec "${SCRATCH_ENV[@]}" "$QUADRIX" >&- 2> "$WORK/stderr.txt") &
APP_PID=$!
draw_save_exit closed

(cd "$WORK" && exec "${SCRATCH_ENV[@]}" "$QUADRIX" > /dev/full 2> "$WORK/stderr.txt") &
APP_PID=$!
draw_save_exit full
echo "PASS"
