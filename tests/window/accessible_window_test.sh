# The drawing area to a screen reader, over an AT-SPI bus of this test's own. First the test
# binary's DrawingAccessible cases with Qt's AT-SPI bridge active, which offscreen has not, so
# their events are checked too. Then the editor, read as Orca reads it: three figures made with
# the keyboard alone, the children named by kind and place and described by the points their
# insert lines printed, the newest selected; Tab makes the one below it selected and focused, with
# its box where it is on the screen; an arrow moves it, and its description and box follow.
source "$WINDOW_TESTS/lib.sh"
source "$WINDOW_TESTS/atspi.sh"
trap 'end_started; end_atspi' EXIT
start_atspi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

note "The test binary's cases with the bridge active"
"${SCRATCH_ENV[@]}" "$(dirname "$QUADRIX")/tests/quadrix_tests" --gtest_filter='DrawingAccessibleTest.*' \
  > "$WORK/cases.txt" 2>&1 || { cat "$WORK/cases.txt"; fail "the cases failed"; }
grep -qE 'PASSED .* 3 tests' "$WORK/cases.txt" || { cat "$WORK/cases.txt"; fail "the cases did not all run"; }

VIEW=$WORK/view.txt
view_has() { grep -qxF "$1" "$VIEW" 2>/dev/null; }
wait_view() {
  for _ in $(seq 100); do view_has "$1" && return 0; sleep 0.1; done
  cat "$VIEW"; fail "the screen reader never read: $1"
}
# A figure's line read as $1, with or without the relations that may follow its description.
figure_has() { grep -qE -- "^$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|]/\\&/g')(, .*)?$" "$VIEW" 2>/dev/null; }
wait_figure() {
  for _ in $(seq 100); do figure_has "$1" && return 0; sleep 0.1; done
  cat "$VIEW"; fail "the screen reader never read: $1"
}
inserted() { grep -aoE " Insert $1 \[[^]]*\]" "$TRACE" | tail -n 1 | sed "s/ Insert $1 //"; }
# The description a screen reader reads of the points of an insert line, moved dx to the right.
in_words() {
  python3 -c 'import re, sys
p = [(int(x) + int(sys.argv[2]), int(y)) for x, y in re.findall(r"\((-?\d+),(-?\d+)\)", sys.argv[1])]
xs, ys = [x for x, _ in p], [y for _, y in p]
said = "%d por %d, em %d, %d" % (max(xs) - min(xs), max(ys) - min(ys), min(xs), min(ys))
print(said + (", pontos " + ", ".join("%d %d" % q for q in p) if len(p) == 3 else ""))' "$1" "${2:-0}"
}

/usr/bin/python3 "$WINDOW_TESTS/atspi_reader.py" "$VIEW" 2> "$WORK/reader.txt" &
READER_PID=$!
for _ in $(seq 100); do [ -e "$VIEW.ready" ] && break; sleep 0.1; done
start_app
find_canvas
wait_view "canvas Desenho 0"

note "Three figures made with the keyboard alone: a tool key, then Return"
keys() { focus_window "$WID"; xdotool key "$@"; }
keys r Return
wait_trace ' Insert rect ['
keys e Return
wait_trace ' Insert ellipse ['
keys t Return
wait_trace ' Insert triang ['
wait_figure "Retângulo 1 de 3 | $(in_words "$(inserted rect)")"
wait_figure "Elipse 2 de 3 | $(in_words "$(inserted ellipse)")"
wait_figure "Triângulo 3 de 3 | $(in_words "$(inserted triang)")"
wait_view "selected Triângulo 3 de 3"  # a new figure is left highlighted

note "Tab: the next figure down selected and focused, its box on the screen"
keys Tab
wait_view "selected Elipse 2 de 3"
wait_view "focused Elipse 2 de 3"
wait_view "box Elipse 2 de 3 $((CANVAS_X + 205)) $((CANVAS_Y + 97)) 101 61"
grep -E "^(selected|focused) (Retângulo|Triângulo)" "$VIEW" && fail "another figure is read selected or focused"

note "An arrow moves it: its description and box follow"
keys Right
wait_figure "Elipse 2 de 3 | $(in_words "$(inserted ellipse)" 1)"
wait_view "box Elipse 2 de 3 $((CANVAS_X + 206)) $((CANVAS_Y + 97)) 101 61"

stop_app
kill "$READER_PID"; READER_PID=
end_atspi || fail "the accessibility buses did not stop"
echo "PASS"
