# The recovery copy after the hardest end, kill -9, or after SIGINT, SIGTERM or SIGHUP (the
# argument RECOVERY_END; kill9 by default): draw, Save As, draw two more, undo one, move a figure,
# end the editor, which dies of that very signal. The next start offers the copy; Return brings
# back exactly those figures, and Ctrl+S writes them to the file the Save As chose without asking.
# Exit then leaves the recovery folder empty, and the start after that offers nothing. After
# SIGHUP, an editor started with it ignored (nohup) outlives it and keeps drawing.
source "$WINDOW_TESTS/lib.sh"

END=${RECOVERY_END:-kill9}
FILE=$WORK/first.edt
keys() { focus_window "$WID"; xdotool key "$1"; }
inserted() { grep -aoE "Insert rect \\[\\(-?[0-9]+,-?[0-9]+\\),\\(-?[0-9]+,-?[0-9]+\\)\\]" "$TRACE" | sed -n "$1p" | grep -oE -- '-?[0-9]+' | tr '\n' ' '; }

[ "$END" = kill9 ] || APP_LAUNCHER=(python3 "$WINDOW_TESTS/wait_status.py" "$WORK/status")
start_app
APP_LAUNCHER=()
find_canvas
draw_rect_with_tool 40 40 120 100
menu_command a
choose_in_file_dialog "$FILE"
wait_trace $'\nSave.'
drag_canvas 1 200 60 300 150
drag_canvas 1 340 60 420 150
keys ctrl+z
wait_trace $'\nUndo.'
click_tool sel
drag_canvas 1 250 100 270 130   # the second rectangle moves by (20, 30) on the screen
read -r a1 a2 a3 a4 <<< "$(inserted 1)"
read -r b1 b2 b3 b4 <<< "$(inserted 2)"
expected=$(rect_record_hex "$a1" "$a2" "$a3" "$a4")$(rect_record_hex $((b1 + 20)) $((b2 - 30)) $((b3 + 20)) $((b4 - 30)))

# The change reaches the disk within 100 ms: poll for it, a second at most.
copy_holds_change() { copy=$(recovery_copies | tail -n 1); [ -n "$copy" ] && [ "$(file_hex "$copy")" = "$expected" ]; }
for _ in $(seq 20); do copy_holds_change && break; sleep 0.05; done
copy_holds_change || fail "copy ${copy:-(none)} holds $(file_hex "${copy:-/dev/null}"), expected $expected"

case $END in
  kill9) signal=KILL; want=137; number=9 ;;
  INT) signal=INT; want=130; number=2 ;;
  TERM) signal=TERM; want=143; number=15 ;;
  HUP) signal=HUP; want=129; number=1 ;;
esac
started=$(date +%s%N)
if [ "$END" = kill9 ]; then
  kill -s "$signal" "$APP_PID"
else
  kill -s "$signal" "$(cat "$WORK/status.pid")"
fi
status=0
wait "$APP_PID" || status=$?
APP_PID=
took=$((($(date +%s%N) - started) / 1000000))
if [ "$END" != kill9 ]; then
  status=$(cat "$WORK/status")
  want="signal $number"
fi
note "ended by SIG$signal with status $status after $took ms"
[ "$status" = "$want" ] || fail "status $status after SIG$signal, expected $want"
[ "$took" -lt 2000 ] || fail "the editor took $took ms to end"
[ -z "$(xdotool search --onlyvisible --name '^Quadrix$' 2>/dev/null)" ] || fail "a box was left on the screen"

start_app
answer_offer Return
wait_trace $'\nRecover.'
keys ctrl+s
wait_trace $'\nSave.'
[ -z "$(xdotool search --onlyvisible --name '^Selecione o arquivo $' 2>/dev/null)" ] || fail "Save asked for a name"
[ "$(file_hex "$FILE")" = "$expected" ] || fail "saved bytes $(file_hex "$FILE"), expected $expected"

# Unsaved changes, then Exit: the user's own decision, nothing is offered later.
find_canvas
click_tool rect
drag_canvas 1 40 160 100 200
wait_trace $'\nRectangulo, modo 1'
for _ in $(seq 20); do [ -n "$(recovery_copies)" ] && break; sleep 0.05; done
[ -n "$(recovery_copies)" ] || fail "no copy of the unsaved rectangle"
exit_from_menu
folder_left_empty Exit
start_app
no_box_within 2 || fail "a box was offered after Exit"
stop_app

if [ "$END" = HUP ]; then
  APP_LAUNCHER=(nohup)
  start_app
  APP_LAUNCHER=()
  find_canvas
  kill -s HUP "$APP_PID"
  draw_rect_with_tool 40 40 120 100
  app_running || fail "an editor started under nohup ended on SIGHUP"
  exit_from_menu
fi
echo "PASS"
