// A figure and a change of the drawing in words a listener understands, in Portuguese: what a
// screen reader speaks of the drawing area. No brackets or parentheses: the numbers are those
// "Posição e tamanho" shows, in the drawing's coordinates (y upwards).
#pragma once

#include "canvas/drawing_change.h"
#include "core/shape_list.h"

#include <string>
#include <vector>

// "Retângulo 2 de 3": its kind and place (index from 0) among count.
std::string figure_name(ShapeRecord r, int index, int count);
// "100 por 60, em 205, 96": its box's width by height, then its left and bottom; a triangle's
// points after that: ", pontos 205 96, 255 156, 305 96".
std::string figure_description(ShapeRecord r);
// What change did, as one sentence: "Retângulo e Elipse removidos, 1 figura", "2 figuras movidas,
// 1 para a direita", "Desenho aberto, 6 figuras", a moved figure's new description, each after
// "Desfeito: " or "Refeito: " when undo or redo replays it. "" when it is one figure that now has
// the focus (focus_now, just moved there), whose focus event speaks it.
std::string change_sentence(const DrawingChange& change, int focus_now, bool focus_moved);
// The selection after it changed with the figures as they were: "3 figuras selecionadas",
// "Nenhuma figura selecionada", or one figure's name and description ("" when the focus moved
// to it, whose focus event speaks it).
std::string selection_sentence(const std::vector<ShapeRecord>& figures, int selected, int focus, bool focus_moved);
