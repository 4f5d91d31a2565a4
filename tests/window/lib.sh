# Shared steps of the real-window tests: start the real program, find its canvas on the screen
# from its own motion trace, send real pointer events with xdotool, read the trace and the screen.
set -euo pipefail

TRACE=$WORK/trace.txt
fail() { echo "FAIL: $*"; echo "--- trace:"; cat "$TRACE" 2>/dev/null | tail -c 3000; echo; exit 1; }
# A failing test leaves neither the program nor its console reader behind.
end_started() { for pid in ${APP_PID:-} ${READER_PID:-}; do kill "$pid" 2>/dev/null || true; done; }
trap end_started EXIT
note() { echo "# $*"; }

# Every editor a test starts keeps its recovery copy (and whatever else it might keep) under this
# test's own scratch home, never the developer's or another test's; editors of one test share it.
SCRATCH_HOME=$WORK/home
STATE_DIR=$SCRATCH_HOME/state/quadrix
SCRATCH_ENV=(env HOME="$SCRATCH_HOME" XDG_STATE_HOME="$SCRATCH_HOME/state" XDG_CONFIG_HOME="$SCRATCH_HOME/config"
             XDG_DATA_HOME="$SCRATCH_HOME/data" XDG_CACHE_HOME="$SCRATCH_HOME/cache"
             XDG_RUNTIME_DIR="$SCRATCH_HOME/runtime")
mkdir -p "$SCRATCH_HOME"/{state,config,data,cache}
mkdir -p -m 700 "$SCRATCH_HOME/runtime"

# APP_LAUNCHER, when set, runs the editor (nohup, wait_status.py ...).
start_app() {
  (cd "$WORK" && exec ${APP_LAUNCHER[@]+"${APP_LAUNCHER[@]}"} "${SCRATCH_ENV[@]}" "$QUADRIX" > "$TRACE" 2> "$WORK/stderr.txt") &
  APP_PID=$!
  wait_main_window
  wait_trace $'\n Repaint'
}

wait_main_window() {
  WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^Editor de Objetos$' | head -n 1) \
    || fail "the window did not appear"
}

# The program's standard output into a pipe read by console_reader.py (READER_PID), which copies
# it to $TRACE until told to pause or to leave. $1: the pipe size to ask for, 0 for the default.
start_app_console() {
  mkfifo "$WORK/console"
  : > "$TRACE"
  python3 "$WINDOW_TESTS/console_reader.py" "$WORK/console" "$TRACE" "$WORK/reader" "${1:-0}" \
    > "$WORK/reader.log" 2>&1 &
  READER_PID=$!
  (cd "$WORK" && exec "${SCRATCH_ENV[@]}" "$QUADRIX" > "$WORK/console" 2> "$WORK/stderr.txt") &
  APP_PID=$!
  wait_main_window
  wait_trace $'\n Repaint'
}

# Stops the reader reading; returns once it reads no more, so later trace stays in the pipe.
pause_reader() {
  touch "$WORK/reader.pause"
  for _ in $(seq 100); do [ -e "$WORK/reader.paused" ] && return 0; sleep 0.1; done
  fail "the console reader did not pause"
}
resume_reader() { rm -f "$WORK/reader.pause"; }

# The reader exits and the pipe has no reader any more, as after `| head` or a closed terminal.
reader_leaves() {
  touch "$WORK/reader.leave"
  wait_reader
}
wait_reader() {
  local status=0
  wait "$READER_PID" || status=$?
  READER_PID=
  [ "$status" = 0 ] || fail "the console reader failed: $(cat "$WORK/reader.log")"
}

app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# Exit from the menu and the farewell box; the program must end by itself with status 0.
exit_from_menu() {
  menu_command e
  local box status=0
  box=$(wait_window Quadrix) || fail "no farewell box"
  xdotool windowfocus --sync "$box"; sleep 0.2
  xdotool key Return
  for _ in $(seq 100); do app_running || break; sleep 0.1; done
  app_running && fail "the program did not end after Exit"
  wait "$APP_PID" || status=$?
  APP_PID=
  [ "$status" = 0 ] || fail "the program ended with status $status"
}

# The 28 bytes of a rectangle record, in hex, from its traced corners (x1 y1 x2 y2).
rect_record_hex() {
  python3 -c 'import struct, sys; v = [int(a) for a in sys.argv[1:]]; \
    sys.stdout.write(struct.pack("<7i", 0, v[0], v[2], -1, v[1], v[3], -1).hex())' "$@"
}
file_hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }

# Chooses the rectangle tool with a real click and drags the rectangle x1 y1 x2 y2 (toolkit
# coordinates), waiting for both trace lines.
draw_rect_with_tool() {
  click_tool rect
  wait_trace $'\nRectangulo, modo 1'
  drag_canvas 1 "$1" "$2" "$3" "$4"
  wait_trace $'\n Insert rect ['
}

# Draws the rectangle (60,50)-(170,110) with the real tool, saves it through the dialog as $1 and
# checks its 28 bytes; $2 is the canvas height the corners are turned into drawing y with.
draw_and_save_rect() {
  click_tool rect
  drag_canvas 1 60 50 170 110
  menu_command s
  choose_in_file_dialog "$1"
  wait_file "$1" || fail "Save wrote no file at $1"
  local expected actual
  expected=$(rect_record_hex 60 $(($2 - 1 - 50)) 170 $(($2 - 1 - 110)))
  actual=$(file_hex "$1")
  [ "$actual" = "$expected" ] || fail "file bytes $actual, expected $expected"
}

# Waits up to ten seconds for a file to exist.
wait_file() {
  for _ in $(seq 100); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}

# Waits until the trace contains the text (a bash string, newlines included).
wait_trace() {
  for _ in $(seq 100); do trace_has "$1" && return 0; sleep 0.1; done
  fail "trace never showed: $(printf %q "$1")"
}

trace_has() { python3 -c 'import sys; sys.exit(0 if sys.argv[1] in open(sys.argv[2]).read() else 1)' "$1" "$TRACE"; }
trace_size() { stat -c %s "$TRACE"; }
trace_since() { tail -c +$(($1 + 1)) "$TRACE"; }

move() { xdotool mousemove --sync "$1" "$2" 2>/dev/null || xdotool mousemove "$1" "$2"; sleep 0.05; }
press() { xdotool mousedown "$1"; sleep 0.1; }
release() { xdotool mouseup "$1"; sleep 0.1; }

# Learns where the canvas's drawing area is on the screen: CANVAS_X, CANVAS_Y of its top-left.
find_canvas() {
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  local sx=$((X + WIDTH / 2)) sy=$((Y + HEIGHT * 2 / 3)) before
  before=$(trace_size)
  move $((sx - 1)) "$sy"; move "$sx" "$sy"
  local last
  last=$(trace_since "$before" | grep -oE '<-?[0-9]+,-?[0-9]+>' | tail -n 1 | tr -d '<>')
  [ -n "$last" ] || fail "no motion trace after moving the pointer over the canvas"
  CANVAS_X=$((sx - ${last%,*}))
  CANVAS_Y=$((sy - ${last#*,}))
  note "canvas at screen ($CANVAS_X,$CANVAS_Y)"
}

# Pointer to canvas position (x, y): toolkit coordinates, y down from the top.
move_canvas() { move $((CANVAS_X + $1)) $((CANVAS_Y + $2)); }

drag_canvas() {  # button x1 y1 x2 y2
  move_canvas "$2" "$3"; press "$1"
  move_canvas $((($2 + $4) / 2)) $((($3 + $5) / 2)); move_canvas "$4" "$5"
  release "$1"
}

click_canvas() { move_canvas "$2" "$3"; press "$1"; release "$1"; }

# Clicks the middle of a widget found by its screen rectangle.
click_screen() { move "$1" "$2"; press 1; release 1; }

screenshot() { "$SCREEN_GRAB" save "$1" || fail "screen grab failed"; }
# Prints RRGGBB of each screen point (x y pairs) in a screenshot.
pixels() { local file=$1; shift; "$SCREEN_GRAB" pixels "$file" "$@"; }

stop_app() {
  kill "$APP_PID" 2>/dev/null || true
  wait "$APP_PID" 2>/dev/null || true
  APP_PID=
}

# Screen position (top-left) of a tool picture, e.g. "rect" or "rect_press"; empty if not shown.
find_picture() {
  local shot=$WORK/find.png
  screenshot "$shot"
  "$SCREEN_GRAB" find "$shot" "tool:$1" | head -n 1
}

# Clicks a tool toggle (sel, del, rect, ellipse, triang) with a real click on its picture.
click_tool() {
  local at
  at=$(find_picture "$1")
  [ -n "$at" ] || at=$(find_picture "$1_press")
  [ -n "$at" ] || fail "tool picture $1 not on the screen"
  click_screen $((${at% *} + 11)) $((${at#* } + 11))
}

# True when every canvas position (x y pairs, toolkit coordinates) shows colour RRGGBB, waiting up
# to two seconds for the screen to catch up.
canvas_colours_are() {
  local colour=$1 shot=$WORK/colours.png args=() value ok; shift
  while [ $# -gt 0 ]; do args+=($((CANVAS_X + $1)) $((CANVAS_Y + $2))); shift 2; done
  for _ in $(seq 20); do
    screenshot "$shot"; ok=1
    for value in $(pixels "$shot" "${args[@]}"); do [ "$value" = "$colour" ] || ok=0; done
    [ $ok = 1 ] && return 0
    sleep 0.1
  done
  return 1
}

# Prints the id of the visible window titled exactly $1, waiting up to ten seconds for it
# (xdotool's own search ignores case, and Qt names its menu pop-ups after the program).
wait_window() {
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# The recovery copies on disk (full paths), oldest first.
recovery_copies() { ls -1tr "$STATE_DIR"/copy-*.edt 2>/dev/null || true; }
# Fails unless the recovery folder holds nothing at all (no copy, note, lock or temporary).
folder_left_empty() {
  local left
  left=$(ls -A "$STATE_DIR" 2>/dev/null || true)
  [ -z "$left" ] || fail "$1 left files in the recovery folder: $left"
}

# Waits for the recovery offer and answers it with a key (Return: Sim, Escape: Nao).
answer_offer() {
  local box
  box=$(wait_window Quadrix) || fail "no recovery offer"
  xdotool windowfocus --sync "$box"; sleep 0.3
  xdotool key "$1"
  for _ in $(seq 50); do wait_window_gone "$box" && break; sleep 0.1; done
  focus_window "$WID"
}

# True when no window titled Quadrix shows up within $1 seconds.
no_box_within() {
  local id
  for _ in $(seq $(($1 * 10))); do
    for id in $(xdotool search --onlyvisible --name '^Quadrix$' 2>/dev/null); do
      [ "$(xdotool getwindowname "$id" 2>/dev/null)" = Quadrix ] && return 1
    done
    sleep 0.1
  done
  return 0
}

# Gives the window $1 the keyboard focus and, when it did not have it, waits a moment for the program
# to take the change in. A window that has the focus already is left as it is.
focus_window() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && return 0
  xdotool windowfocus --sync "$1"; sleep 0.2
}

# The program's windows on the screen (its class), one id a line, in order.
shown_windows() { xdotool search --onlyvisible --class '^quadrix$' 2>/dev/null | sort; }

# Runs an item of a menu from the keyboard: the menu's key (Alt+F, the File menu, unless $2 names
# another), then, once the menu is on the screen (the window that shows up), the item's mnemonic
# letter $1; returns when the menu has closed.
menu_command() {
  local before menu=
  focus_window "$WID"
  before=$(shown_windows)
  xdotool key "${2:-alt+f}"
  for _ in $(seq 100); do
    menu=$(comm -13 <(echo "$before") <(shown_windows) | head -n 1)
    [ -n "$menu" ] && break
    sleep 0.05
  done
  [ -n "$menu" ] || fail "the menu of ${2:-alt+f} did not open"
  xdotool key "$1"
  for _ in $(seq 100); do wait_window_gone "$menu" && return 0; sleep 0.05; done
  fail "the menu of ${2:-alt+f} was still open after the key $1"
}

# Answers the editor's file dialog with a full path, then gives the main window the focus back.
choose_in_file_dialog() {
  local dialog
  dialog=$(wait_window "Selecione o arquivo ") || fail "no file dialog titled 'Selecione o arquivo '"
  xdotool windowfocus --sync "$dialog"; sleep 0.5
  xdotool type --delay 20 "$1"; sleep 0.3
  xdotool key Return
  for _ in $(seq 50); do wait_window_gone "$dialog" && break; sleep 0.1; done
  focus_window "$WID"
}
wait_window_gone() { ! xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }
