# The close box is the user's own decision, as Exit is: a drawing left unsaved leaves nothing in
# the recovery folder, the editor ends with status 0, and the next start offers nothing.
source "$WINDOW_TESTS/lib.sh"

start_app
find_canvas
draw_rect_with_tool 60 50 170 110
for _ in $(seq 20); do [ -n "$(recovery_copies)" ] && break; sleep 0.05; done
[ -n "$(recovery_copies)" ] || fail "no copy of the unsaved rectangle"
"$SCREEN_GRAB" close "$WID" || fail "could not ask the window to close"
for _ in $(seq 50); do app_running || break; sleep 0.1; done
app_running && fail "the editor did not end after its close box"
status=0
wait "$APP_PID" || status=$?
APP_PID=
[ "$status" = 0 ] || fail "the editor ended with status $status"
folder_left_empty "the close box"
start_app
no_box_within 2 || fail "a box was offered after the close box"
stop_app
echo "PASS"
