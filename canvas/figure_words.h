// A figure and a change of the drawing in words a listener understands, in Portuguese: what a
// screen reader speaks of the drawing area. No brackets or parentheses: the numbers are those
// "Posição e tamanho" shows, in the drawing's coordinates (y upwards).
#pragma once

#include "canvas/drawing_change.h"
#include "core/figure_layout.h"
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

// "Retângulo 1": a figure as a sentence names another, so a listener can Tab to it.
std::string figure_short_name(ShapeRecord r, int index);
// At most three of a figure's relations, the most telling first: "dentro de Retângulo 1, contém 2
// figuras, acima de Elipse 3"; "" when it has none.
std::string relations_words(const ObjectList* list, const FigureRelations& relations);
// What a change did to them: "agora acima de Retângulo 1, não está mais dentro de Retângulo 2".
std::string relation_change_words(const ObjectList* list, const std::vector<RelationChange>& changes);
// Alt+arrow with no figure that way: "Nenhuma figura à direita".
std::string nothing_that_way(Direction d);
// The whole drawing on request: its count by kind and extent, then each figure inside no other in
// reading order with what it contains and its nearest neighbours, twenty at most ("e mais 3
// figuras"); "Nenhuma figura" for none.
std::string drawing_description(const ObjectList* list);
