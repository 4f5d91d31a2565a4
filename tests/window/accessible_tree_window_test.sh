# What a screen reader hears of the drawing, over AT-SPI as Orca reads it: a reader listening on an
# accessibility bus of this test's own sees the drawing area "Desenho" with one child per figure,
# named by kind and place and described by the points its insert line printed; Tab makes the top
# figure selected and focused with its box where it is on the screen; an arrow moves it and the
# description and box follow; Delete takes it out of the children and renames the others.
source "$WINDOW_TESTS/lib.sh"
source "$WINDOW_TESTS/atspi.sh"
trap 'end_started; end_atspi' EXIT

keys() { xdotool windowfocus --sync "$WID"; sleep 0.2; xdotool key "$@"; }
VIEW=$WORK/reader/view.txt
view_has() { grep -qxF "$1" "$VIEW" 2>/dev/null; }
wait_view() {
  for _ in $(seq 100); do view_has "$1" && return 0; sleep 0.1; done
  echo "--- the reader's view:"; cat "$VIEW" 2>/dev/null; echo "--- its events:"; tail -n 30 "$WORK/reader/events.txt"
  fail "the screen reader never read: $1"
}
# The points of the last insert line of a kind, as it printed them.
inserted() { grep -aoE " Insert $1 \[[^]]*\]" "$TRACE" | tail -n 1 | sed "s/ Insert $1 //"; }

start_atspi
mkdir -p "$WORK/reader"
/usr/bin/python3 "$WINDOW_TESTS/atspi_reader.py" "$VIEW" "$WORK/reader/events.txt" 2> "$WORK/reader/stderr.txt" &
READER_PID=$!
for _ in $(seq 100); do [ -e "$WORK/reader/READY" ] && break; sleep 0.1; done
[ -e "$WORK/reader/READY" ] || fail "the AT-SPI reader did not start: $(cat "$WORK/reader/stderr.txt")"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app
find_canvas
wait_view "canvas Desenho 0"

note "Three figures drawn with the pointer"
draw_rect_with_tool 40 40 120 100
click_tool ellipse
wait_trace $'\nEllipse, modo 1'
drag_canvas 1 150 40 250 100
wait_trace $'\n Insert ellipse ['
click_tool triang
wait_trace $'\nTriangulo, modo 1'
for point in "300 120" "360 40" "420 120"; do click_canvas 1 $point; done
wait_trace $'\n Insert triang ['
wait_view "canvas Desenho 3"
wait_view "Retangulo 1 de 3 | $(inserted rect)"
wait_view "Elipse 2 de 3 | $(inserted ellipse)"
wait_view "Triangulo 3 de 3 | $(inserted triang)"
view_has "selected Triangulo 3 de 3" && fail "a figure is selected before Tab"

note "Tab: the top figure selected and focused, its box on the screen"
keys Tab
wait_view "selected Triangulo 3 de 3"
wait_view "focused Triangulo 3 de 3"
wait_view "box Triangulo 3 de 3 $((CANVAS_X + 300)) $((CANVAS_Y + 40)) 121 81"
for other in "Retangulo 1 de 3" "Elipse 2 de 3"; do
  view_has "selected $other" || view_has "focused $other" && fail "$other is selected or focused too"
done
grep -qxF "focus: Triangulo 3 de 3" "$WORK/reader/events.txt" || fail "no focus event for the triangle"

note "Tab again, then Shift+Tab: the highlight goes to the ellipse and back"
keys Tab
wait_view "selected Elipse 2 de 3"
wait_view "focused Elipse 2 de 3"
view_has "selected Triangulo 3 de 3" || view_has "focused Triangulo 3 de 3" && fail "the triangle is still read selected"
keys shift+Tab
wait_view "selected Triangulo 3 de 3"
view_has "selected Elipse 2 de 3" && fail "the ellipse is still read selected"

note "An arrow moves it: the description and the box follow"
moved=$(inserted triang | python3 -c 'import re, sys
print(re.sub(r"\((-?\d+),", lambda m: "(%d," % (int(m.group(1)) + 1), sys.stdin.read().strip()))')
keys Right
wait_view "Triangulo 3 de 3 | $moved"
wait_view "box Triangulo 3 de 3 $((CANVAS_X + 301)) $((CANVAS_Y + 40)) 121 81"

note "Delete: two children left, renamed"
keys Delete
wait_view "canvas Desenho 2"
wait_view "Retangulo 1 de 2 | $(inserted rect)"
wait_view "Elipse 2 de 2 | $(inserted ellipse)"
view_has "Triangulo 3 de 3 | $moved" && fail "the deleted triangle is still read"

stop_app
kill "$READER_PID"; wait "$READER_PID" 2>/dev/null || true; READER_PID=
end_atspi || fail "the accessibility buses did not stop"
echo "PASS"
