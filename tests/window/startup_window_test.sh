# The real program in a real window: it appears centred on the screen, its trace starts with the
# first resize, real button events reach the canvas with their coordinates, and resizing the window
# is traced.
source "$WINDOW_TESTS/lib.sh"

start_app
head -c 40 "$TRACE" | python3 -c 'import sys; d=sys.stdin.read(); sys.exit(0 if d.startswith("\nResize:w=510,h=254\n Repaint") else 1)' \
  || fail "trace does not begin with the first resize and repaint"
# No window manager here, so the window's own rectangle is the one to centre on the 1280x1024 screen.
eval "$(xdotool getwindowgeometry --shell "$WID")"
dx=$((X + WIDTH / 2 - 640)) dy=$((Y + HEIGHT / 2 - 512))
[ ${dx#-} -le 1 ] && [ ${dy#-} -le 1 ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT is not centred"
find_canvas

before=$(trace_size)
click_canvas 1 100 50
wait_trace $'\nBotao 1 solto em (100, 50)\n'
trace_since "$before" | grep -qF 'Botao 1 pressionado em (100, 50)' || fail "press not traced"
click_canvas 3 7 9
wait_trace $'\nBotao 3 solto em (7, 9)\n'

xdotool windowsize "$WID" 800 600
wait_trace $'\nResize:w='
for _ in $(seq 50); do
  last=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1)
  [ "$last" != "Resize:w=510,h=254" ] && break
  sleep 0.1
done
[ "$last" != "Resize:w=510,h=254" ] || fail "resizing the window did not give a new size ($last)"
note "after resize: $last"
stop_app
echo "PASS"
