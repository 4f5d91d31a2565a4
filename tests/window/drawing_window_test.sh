# Drawing with real pointer events: a rectangle dragged and a triangle clicked appear in black at
# the screen pixels where the pointer went, and their records are traced in drawing coordinates;
# then the grid shown and a rectangle placed on it.
source "$WINDOW_TESTS/lib.sh"

start_app
find_canvas
black_at() {  # canvas positions (x y pairs) that must be black in the screenshot
  local shot=$WORK/shot.png args=() value
  screenshot "$shot"
  while [ $# -gt 0 ]; do args+=($((CANVAS_X + $1)) $((CANVAS_Y + $2))); shift 2; done
  for value in $(pixels "$shot" "${args[@]}"); do [ "$value" = 000000 ] || return 1; done
}
white_at() {
  local shot=$WORK/shot.png args=() value
  screenshot "$shot"
  while [ $# -gt 0 ]; do args+=($((CANVAS_X + $1)) $((CANVAS_Y + $2))); shift 2; done
  for value in $(pixels "$shot" "${args[@]}"); do [ "$value" = FFFFFF ] || return 1; done
}

click_tool rect
wait_trace $'\nRectangulo, modo 1'
drag_canvas 1 50 40 150 100
wait_trace $'\n Insert rect [(50,213),(150,153)]'
black_at 50 40 150 40 50 100 150 100 100 40 50 70 150 70 100 100 || fail "rectangle outline not on screen"
white_at 100 70 51 41 149 99 49 39 151 101 125 55 || fail "pixels inside or outside the rectangle are not white"

click_tool triang
wait_trace $'\nTriangulo, modo 1'
click_canvas 1 300 200
move_canvas 350 150
click_canvas 1 400 200
move_canvas 370 100
click_canvas 1 350 60
wait_trace $'\n Insert triang [(300,53),(400,53),(350,193)]'
black_at 300 200 400 200 350 60 350 200 325 130 || fail "triangle outline not on screen"
white_at 350 150 350 199 || fail "inside of the triangle is not white"

xdotool windowfocus --sync "$WID"; sleep 0.2
xdotool key ctrl+g ctrl+shift+g  # the grid shown, a rectangle's corners put on it
canvas_colours_are C0C0C0 10 243 20 233 490 3 || fail "no grid points after Ctrl+G"
click_tool rect
drag_canvas 1 203 12 287 38
wait_trace $'\n Insert rect [(200,240),(290,220)]'
stop_app
echo "PASS"
