# Two editors at once, on two X servers: the second is never offered the drawing of the first while
# the first runs. Then the first's X server is killed under it; the next start offers its drawing,
# and Return brings it back on the screen. Escape on an offer removes the copy: the canvas stays
# empty and the start after that offers nothing.
source "$WINDOW_TESTS/lib.sh"

exec 4> "$WORK/display2"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp -noreset > "$WORK/xvfb2.log" 2>&1 &
SECOND_X=$!
exec 4>&-
FIRST_EDITOR=
trap 'end_started; kill $SECOND_X $FIRST_EDITOR 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$WORK/display2" ] && break; sleep 0.1; done
OWN_DISPLAY=$DISPLAY
OTHER_DISPLAY=:$(cat "$WORK/display2")

outline=(60 50 170 50 60 110 170 110)

# The first editor, on the second server, draws a rectangle and keeps it unsaved.
export DISPLAY=$OTHER_DISPLAY TRACE=$WORK/first.txt
start_app
find_canvas
draw_rect_with_tool 60 50 170 110
FIRST_EDITOR=$APP_PID
APP_PID=
for _ in $(seq 20); do [ -n "$(recovery_copies)" ] && break; sleep 0.05; done
[ "$(recovery_copies | wc -l)" = 1 ] || fail "expected one copy: $(recovery_copies)"

# The second editor, on our own server, while the first runs: no offer.
export DISPLAY=$OWN_DISPLAY TRACE=$WORK/second.txt
start_app
no_box_within 3 || fail "the second editor offered the running editor's drawing"
[ "$(recovery_copies | wc -l)" = 1 ] || fail "the running editor's copy was touched: $(recovery_copies)"
exit_from_menu

# The first editor's X server goes away under it.
kill "$SECOND_X"
wait "$SECOND_X" 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$FIRST_EDITOR" 2>/dev/null || break; sleep 0.1; done
kill -0 "$FIRST_EDITOR" 2>/dev/null && fail "the first editor outlived its X server"
FIRST_EDITOR=
note "the first editor ended with its X server"

export TRACE=$WORK/third.txt
start_app
answer_offer Return
wait_trace $'\nRecover.'
find_canvas
canvas_colours_are 000000 "${outline[@]}" || fail "the recovered rectangle is not on the screen"
stop_app

# SIGTERM kept that copy; this time Escape says no.
export TRACE=$WORK/fourth.txt
start_app
answer_offer Escape
find_canvas
canvas_colours_are FFFFFF "${outline[@]}" || fail "Escape brought figures back"
[ -z "$(recovery_copies)" ] || fail "Escape left the copy: $(recovery_copies)"
stop_app
export TRACE=$WORK/fifth.txt
start_app
no_box_within 2 || fail "a box was offered after Escape"
stop_app
echo "PASS"
