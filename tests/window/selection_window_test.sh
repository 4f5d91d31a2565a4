# Selecting with real pointer events: of two overlapping rectangles the top one is moved by a left
# drag (red), stretched by a right drag (blue) and deleted by a click of the delete tool, and the
# screen shows each figure only where its record now puts it. Between, Shift+click adds the other
# one to the selection, and a band over both selects both: its pixels come back, and the trace
# holds only the pointer's own lines.
source "$WINDOW_TESTS/lib.sh"

colours_are() {  # RRGGBB x y ...: every canvas point (toolkit coordinates) shows that colour
  local want=$1 shot=$WORK/shot.png args=() value
  shift
  screenshot "$shot"
  while [ $# -gt 0 ]; do args+=($((CANVAS_X + $1)) $((CANVAS_Y + $2))); shift 2; done
  for value in $(pixels "$shot" "${args[@]}"); do [ "$value" = "$want" ] || return 1; done
}
# Drawing reaches the screen just after the event that caused it: look again for a while.
expect_colour() {  # message RRGGBB x y ...
  local what=$1
  shift
  for _ in $(seq 30); do colours_are "$@" && return 0; sleep 0.1; done
  fail "$what"
}
# No motion is traced during a select drag; the motion trace at a fresh point means the release
# (and everything before it) has been handled.
settle_at() { move_canvas "$1" "$2"; wait_trace "<$1,$2>"; }

start_app
find_canvas

click_tool rect
wait_trace $'\nRectangulo, modo 1'
drag_canvas 1 50 40 150 100
wait_trace $'\n Insert rect [(50,213),(150,153)]'
drag_canvas 1 100 70 200 130
wait_trace $'\n Insert rect [(100,183),(200,123)]'
A_OUTLINE=(50 40 150 40 50 100 150 100 100 40 150 70 125 100 50 70)

click_tool sel
wait_trace $'\nSelecao, modo 1'
drag_canvas 1 120 80 220 140  # pressed where both overlap: the top one moves by (100, 60)
settle_at 7 3
expect_colour "moved rectangle not highlighted red at its new place" FF0000 \
  200 130 300 190 250 130 200 160 300 160 250 190
expect_colour "moved rectangle left something at its old place" FFFFFF 200 100 175 130 175 70 100 110
expect_colour "the rectangle underneath was not redrawn" 000000 "${A_OUTLINE[@]}"

drag_canvas 3 250 160 270 150  # second corner (300,190) follows by (20, -10)
settle_at 9 4
expect_colour "stretched rectangle not highlighted blue at its new size" 0000FF \
  200 130 320 180 320 155 260 180 260 130 200 155
expect_colour "stretched rectangle left its old edges" FFFFFF 300 160 250 190 300 190
expect_colour "the rectangle underneath changed" 000000 "${A_OUTLINE[@]}"

xdotool keydown shift; click_canvas 1 70 60; xdotool keyup shift
settle_at 13 6
expect_colour "Shift+click did not add the rectangle underneath in red" FF0000 "${A_OUTLINE[@]}"
expect_colour "Shift+click changed the stretched one" 0000FF 200 130 320 180 260 130

before=$(trace_size)
drag_canvas 1 20 10 400 240  # a band from empty canvas over both
settle_at 15 7
expect_colour "the band did not select both" FF0000 "${A_OUTLINE[@]}" 200 130 320 180 260 130
expect_colour "the band left pixels behind" FFFFFF 20 10 400 10 20 240 400 240 210 10 400 120
pointer_only=$(trace_since "$before" | sed -E 's/<-?[0-9]+,-?[0-9]+>//g')
[ -z "$pointer_only" ] || fail "the band traced more than the pointer: $pointer_only"

click_tool del
wait_trace $'\nExclus'
click_canvas 1 260 150
settle_at 11 5
expect_colour "deleted rectangle still on the screen" FFFFFF 200 130 320 180 260 130 200 155
expect_colour "the other rectangle went too" 000000 "${A_OUTLINE[@]}"
stop_app
echo "PASS"
