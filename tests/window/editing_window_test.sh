# The editing commands with the real keyboard and the real clipboard: copy, paste, cut, duplicate
# and undo, checked in the saved bytes; the clipboard's PNG and SVG as another program reads them,
# against quadrix-export --fit of the same figures; arrows then one Ctrl+Z; Home and End changing
# which figure a click picks; Tab and Shift+Tab reaching a triangle with its points on a line, and
# Delete.
source "$WINDOW_TESTS/lib.sh"

export HOME=$WORK/home XDG_STATE_HOME=$WORK/state XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data \
  XDG_CACHE_HOME=$WORK/cache XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$HOME" "$XDG_STATE_HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
EXPORT=$(dirname "$QUADRIX")/quadrix-export
FILE=$WORK/drawing.edt
keys() { focus_window "$WID"; xdotool key "$@"; }

start_app
find_canvas
h=$(grep -aoE 'Resize:w=[0-9]+,h=[0-9]+' "$TRACE" | tail -n 1 | sed 's/.*h=//')
# Records of rectangles from toolkit corners: x1 y1 x2 y2 ...
rects() { while [ $# -gt 0 ]; do rect_record_hex "$1" $((h - 1 - $2)) "$3" $((h - 1 - $4)); shift 4; done; }
# Saves (asking for the name the first time) and checks the file's bytes against rects "$@".
saved_is() {
  local before expected
  before=$(grep -c 'Save\.' "$TRACE" || true)
  keys ctrl+s
  [ -e "$FILE" ] || choose_in_file_dialog "$FILE"
  for _ in $(seq 50); do [ "$(grep -c 'Save\.' "$TRACE")" -gt "$before" ] && break; sleep 0.1; done
  expected=$(rects "$@" | tr -d '\n')
  [ "$(file_hex "$FILE")" = "$expected" ] || fail "saved $(file_hex "$FILE"), expected $expected"
}
A=(40 40 120 100)
B=(80 70 200 150)
B10=(90 80 210 160)
B20=(100 90 220 170)

click_tool rect
drag_canvas 1 "${A[@]}"
drag_canvas 1 "${B[@]}"
wait_trace $'\n Insert rect [(80,'
saved_is "${A[@]}" "${B[@]}"

note "Copy with nothing highlighted: the whole drawing, as pictures for other programs too"
keys ctrl+c
wait_trace $'\nCopy.'
timeout 10 xclip -selection clipboard -t image/png -o > "$WORK/clip.png" || fail "xclip read no PNG"
timeout 10 xclip -selection clipboard -t image/svg+xml -o > "$WORK/clip.svg" || fail "xclip read no SVG"
"$EXPORT" --fit "$FILE" "$WORK/fit.png" && "$EXPORT" --fit "$FILE" "$WORK/fit.svg" || fail "quadrix-export failed"
size() { file "$1" | grep -oE '[0-9]+ x [0-9]+'; }
[ -n "$(size "$WORK/clip.png")" ] && [ "$(size "$WORK/clip.png")" = "$(size "$WORK/fit.png")" ] \
  || fail "clipboard PNG $(file "$WORK/clip.png"), export $(size "$WORK/fit.png")"
[ "$("$SCREEN_GRAB" find "$WORK/fit.png" "$WORK/clip.png")" = "0 0" ] || fail "clipboard PNG differs from the export's pixels"
python3 - "$WORK/clip.svg" <<'PY' || fail "clipboard SVG is not one element per figure"
import sys, xml.etree.ElementTree as ET
shapes = [e for e in ET.parse(sys.argv[1]).iter() if e.tag.split('}')[-1] in ('rect', 'ellipse', 'polygon')]
figures = [e for e in shapes if e.get('fill', '') == 'none' or 'fill' not in e.attrib]
sys.exit(0 if len(figures) == 2 else 1)
PY
cmp -s "$WORK/clip.svg" "$WORK/fit.svg" || fail "clipboard SVG differs from the export's"

note "Paste, Undo, Cut, Paste, Duplicate"
keys ctrl+v
wait_trace $'\nPaste.'
saved_is "${A[@]}" "${B[@]}" 50 50 130 110 "${B10[@]}"
keys ctrl+z
keys Tab ctrl+x
wait_trace $'\nCut.'
saved_is "${A[@]}"
keys ctrl+v ctrl+d
wait_trace $'\nDuplicate.'
saved_is "${A[@]}" "${B10[@]}" "${B20[@]}"
keys ctrl+z
saved_is "${A[@]}" "${B10[@]}"

note "Arrows and Shift+arrows, then one Ctrl+Z"
keys Tab Right Right shift+Down
saved_is "${A[@]}" 92 90 212 170
keys ctrl+z
saved_is "${A[@]}" "${B10[@]}"

note "End and Home change which figure a click inside both picks"
click_tool sel
wait_trace $'\nSelecao, modo 1'
pick_shows() {  # the figure a click at (105,90) highlights has its own edge point $1 $2 red
  click_canvas 1 105 90; move_canvas 5 5
  canvas_colours_are FF0000 "$1" "$2" || fail "$3"
}
pick_shows 210 120 "before End the click did not pick the top rectangle"
keys End
pick_shows 40 70 "after End the click did not pick the rectangle now on top"
keys Tab Home
pick_shows 210 120 "after Home the click did not pick the rectangle brought to the top"
saved_is "${A[@]}" "${B10[@]}"

note "Tab reaches a triangle with its points on a line; Delete removes it"
click_tool triang
for x in 300 350 400; do click_canvas 1 "$x" 200; done
wait_trace $'\n Insert triang'
keys shift+Tab  # the figure above the one the click highlighted, round to the top
canvas_colours_are FF0000 350 200 || fail "Shift+Tab did not highlight the flat triangle"
keys Delete
canvas_colours_are FFFFFF 350 200 || fail "Delete left the flat triangle on the screen"
saved_is "${A[@]}" "${B10[@]}"
stop_app
echo "PASS"
