# Orca itself, as a blind user learns the layout of a drawing made with the keyboard alone: a
# house, a roof moved up onto it, a door inside; Alt+Down from the roof reaches the house; Ctrl+I
# describes the three; then the Arrange keys on all three, each heard, and Undo.
source "$WINDOW_TESTS/lib.sh"
source "$WINDOW_TESTS/atspi.sh"
source "$WINDOW_TESTS/orca.sh"
start_listening
start_app
find_canvas

note "The house, and the roof made on it, then moved up until it meets the house"
keys r Return
wait_speech "Retângulo 1 de 1"
keys t Return
wait_speech "dentro de Retângulo 1"
keys shift+Up
wait_speech "agora sobrepõe Retângulo 1"
for _ in 1 2 3 4; do keys shift+Up; done
keys shift+Up
wait_speech "agora acima de Retângulo 1, não sobrepõe mais Retângulo 1"

note "The door: a rectangle inside the house, made smaller"
keys r Return
wait_speech "Retângulo 3 de 3"
wait_speech "dentro de Retângulo 1"
keys ctrl+shift+Left ctrl+shift+Left ctrl+shift+Left ctrl+shift+Left ctrl+shift+Left ctrl+shift+Up ctrl+shift+Up ctrl+shift+Up
wait_speech "50 por 30, em 205, 126"

note "From the door up to the roof, and down from the roof to the house"
keys alt+Up
wait_speech "Triângulo 2 de 3"
keys alt+Down
wait_speech "Retângulo 1 de 3"
wait_speech "contém Retângulo 3, abaixo de Triângulo 2"
keys alt+Down
wait_speech "Nenhuma figura abaixo"

note "The whole drawing on one key"
keys ctrl+i
wait_speech "3 figuras: 2 retângulos e 1 triângulo, de 205, 96 a 305, 216. Triângulo 2, 100 por 60, em 205, 156, acima de Retângulo 1; Retângulo 1, 100 por 60, em 205, 96, contém Retângulo 3, abaixo de Triângulo 2"

note "Arrange on all three: each heard, and Undo"
keys ctrl+a
wait_speech "3 figuras selecionadas"
keys shift+h
wait_speech "3 figuras espelhadas"
keys ctrl+r
wait_speech "3 figuras giradas"
keys ctrl+z
wait_speech "Desfeito: 3 figuras giradas"

stop_app
end_orca || fail "Orca did not stop"
end_atspi || fail "the accessibility buses did not stop"
echo "PASS"
