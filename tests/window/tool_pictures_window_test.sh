# The tool bar shows its pictures pixel for pixel: the plain ones for the tools that are off, the
# pressed one for the tool that is on, and a click moves the pressed look to the chosen tool.
source "$WINDOW_TESTS/lib.sh"

start_app
for picture in sel_press del rect ellipse triang; do
  [ -n "$(find_picture $picture)" ] || fail "picture $picture not found on the screen"
done
[ -z "$(find_picture sel)" ] || fail "Sel is on but shows its plain picture"
rect_at=$(find_picture rect)
sel_at=$(find_picture sel_press)

click_tool rect
wait_trace $'\nRectangulo, modo 1'
pressed_at=$(find_picture rect_press)
[ -n "$pressed_at" ] || fail "the pressed rectangle picture did not appear"
near() {  # two "X Y" positions at most 2 pixels apart
  local dx=$((${1% *} - ${2% *})) dy=$((${1#* } - ${2#* }))
  [ ${dx#-} -le 2 ] && [ ${dy#-} -le 2 ]
}
near "$pressed_at" "$rect_at" || fail "pressed picture at $pressed_at, plain one was at $rect_at"
[ -z "$(find_picture rect)" ] || fail "Rect still shows its plain picture"
plain_sel=$(find_picture sel)
[ -n "$plain_sel" ] && near "$plain_sel" "$sel_at" || fail "Sel did not go back to its plain picture"
stop_app
echo "PASS"
