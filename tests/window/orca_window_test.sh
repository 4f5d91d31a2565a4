# Orca itself, as a blind user hears the editor with the keyboard alone: three figures made with
# Return, one moved and stretched by the arrows, removed, brought back by Undo, then all selected
# and none, then two apart moved and removed; then a drawing of 200 figures. What Orca would say is
# read from its debug log.
source "$WINDOW_TESTS/lib.sh"
source "$WINDOW_TESTS/atspi.sh"
source "$WINDOW_TESTS/orca.sh"
start_listening
start_app
find_canvas

note "A figure made: its name and its place in words"
keys r Return
wait_speech "Retângulo 1 de 1"
wait_speech "100 por 60, em 205, 96"
keys e Return
wait_speech "Elipse 2 de 2"
keys t Return
wait_speech "Triângulo 3 de 3"
wait_speech "pontos 205 96, 255 156, 305 96"

note "Moved and stretched: its new description"
keys Right
wait_speech "100 por 60, em 206, 96, pontos 206 96, 256 156, 306 96"
keys ctrl+Up
wait_speech "100 por 61, em 206, 96, pontos 206 96, 256 157, 306 97"

note "Removed, and brought back by Undo"
keys Delete
wait_speech "Triângulo removido, 2 figuras"
keys ctrl+z
wait_speech "Desfeito: Triângulo removido, 2 figuras"

note "All selected, then none"
keys ctrl+a
wait_speech "3 figuras selecionadas"
keys Escape
wait_speech "Nenhuma figura selecionada"

note "The first and the third, apart in the drawing: moved, then removed, each said as what it did"
keys Tab ctrl+shift+Tab
wait_speech "2 figuras selecionadas"
keys Right
wait_speech "2 figuras movidas, 1 para a direita"
keys Delete
wait_speech "Retângulo e Triângulo removidos, 1 figura"
speech_lines | grep -F "[(" && fail "a figure was read as punctuation"

note "A drawing of 200 figures opened, all selected a second later, moved and removed: each heard"
python3 -c 'import struct,sys; sys.stdout.buffer.write(b"".join(struct.pack("<7i", 0, i, i + 5, -1, 10, 15, -1) for i in range(200)))' \
  > "$WORK/many.edt"
keys ctrl+o
choose_in_file_dialog many.edt  # the dialog opens in the editor's folder, $WORK: few keys, few events
wait_speech "Desenho aberto, 200 figuras"
sleep 1
keys ctrl+a
wait_speech "200 figuras selecionadas"
keys Right
wait_speech "200 figuras movidas, 1 para a direita"
keys Delete
wait_speech "200 figuras removidas, nenhuma figura"

stop_app
end_orca || fail "Orca did not stop"
end_atspi || fail "the accessibility buses did not stop"
echo "PASS"
