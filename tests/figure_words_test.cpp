// A figure and a change in the words a screen reader speaks. Guards: punctuation a listener hears
// as symbols, a width or place taken from the wrong point, a kind without its accent or gender, a
// change said as another kind of change.
#include "canvas/figure_words.h"

#include <gtest/gtest.h>

TEST(FigureWords, AFigureIsItsKindPlaceAndBoxInWords)
{
    const struct {
        ShapeRecord r;
        const char* name;
        const char* description;
    } cases[] = {
        {{SHAPE_RECT, 305, 205, -1, 96, 156, -1}, "Retângulo 2 de 3", "100 por 60, em 205, 96"},
        {{SHAPE_ELLIPSE, -10, 30, -1, 5, -5, -1}, "Elipse 2 de 3", "40 por 10, em -10, -5"},
        {{SHAPE_TRIANGLE, 205, 255, 305, 96, 156, 96}, "Triângulo 2 de 3",
         "100 por 60, em 205, 96, pontos 205 96, 255 156, 305 96"},
        {{SHAPE_RECT, INT32_MIN, INT32_MAX, -1, 0, 0, -1}, "Retângulo 2 de 3", "4294967295 por 0, em -2147483648, 0"},
        {{7, 1, 2, 3, 4, 5, 6}, "Figura 2 de 3", "1 por 1, em 1, 4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(figure_name(c.r, 1, 3), c.name);
        EXPECT_EQ(figure_description(c.r), c.description);
    }
}

// The door's record of each kind of change against the sentence it gives: one figure, two next to
// each other, two apart, all of 200, and undo and redo saying the same.
TEST(FigureWords, EachChangeIsOneSentenceFromWhatItDid)
{
    const ShapeRecord a{SHAPE_RECT, 0, 10, -1, 0, 10, -1}, b{SHAPE_ELLIPSE, 0, 20, -1, 0, 10, -1};
    const ShapeRecord c{SHAPE_TRIANGLE, 0, 5, 10, 0, 5, 0}, a1{SHAPE_RECT, 1, 11, -1, 0, 10, -1};
    auto set = [](std::initializer_list<int> places) {
        FigureSet s;
        for (int i : places) s.set(i);
        return s;
    };
    FigureSet all;
    for (int i = 0; i < 200; ++i) all.set(i);
    using K = ChangeKind;
    const struct {
        DrawingChange change;
        int focus;
        bool focus_moved;
        std::string said;
    } cases[] = {
        {{.kind = K::Added, .figures = set({2}), .records = {c}, .count = 3}, -1, false,
         "Triângulo 3 de 3, 10 por 5, em 0, 0, pontos 0 0, 5 5, 10 0"},
        {{.kind = K::Added, .figures = set({2}), .records = {c}, .count = 3}, 2, true, ""},  // the focus says it
        {{.kind = K::Added, .figures = set({1, 2}), .records = {b, c}, .count = 3}, 2, true,
         "2 figuras adicionadas, 3 figuras"},
        {{.kind = K::Removed, .figures = set({1}), .records = {b}, .count = 2}, -1, true, "Elipse removida, 2 figuras"},
        {{.kind = K::Removed, .figures = set({2}), .records = {c}, .count = 0}, -1, false,
         "Triângulo removido, nenhuma figura"},
        {{.kind = K::Removed, .figures = set({0, 2}), .records = {a, b}, .count = 1}, -1, false,
         "Retângulo e Elipse removidos, 1 figura"},  // two apart
        {{.kind = K::Removed, .figures = set({0, 1}), .records = {b, b}, .count = 1}, -1, false,
         "Elipse e Elipse removidas, 1 figura"},
        {{.kind = K::Removed, .figures = all, .records = std::vector<ShapeRecord>(200, a), .count = 0}, -1, false,
         "200 figuras removidas, nenhuma figura"},
        {{.kind = K::Moved, .figures = set({0}), .records = {a1}, .dx = 1, .count = 2}, 0, false, "10 por 10, em 1, 0"},
        {{.kind = K::Moved, .figures = set({0}), .records = {a1}, .dx = 1, .count = 2}, 0, true, ""},
        {{.kind = K::Moved, .figures = set({0, 2}), .records = {a1, c}, .dx = 1, .count = 3}, 2, false,
         "2 figuras movidas, 1 para a direita"},
        {{.kind = K::Moved, .figures = all, .records = std::vector<ShapeRecord>(200, a), .dx = -30, .dy = 10, .count = 200},
         0, false, "200 figuras movidas, 10 para cima e 30 para a esquerda"},
        {{.kind = K::Moved, .figures = set({0, 1}), .records = {a, a}, .dy = -1, .count = 2}, 0, false,
         "2 figuras movidas, 1 para baixo"},
        {{.kind = K::Stretched, .figures = set({1}), .records = {b}, .dx = 1, .count = 3}, -1, false,
         "20 por 10, em 0, 0"},
        {{.kind = K::Stretched, .figures = set({0, 1, 2}), .records = {a, b, c}, .dy = 1, .count = 3}, -1, false,
         "3 figuras esticadas"},
        {{.kind = K::Rewritten, .figures = set({0, 1, 2}), .records = {a, b, c}, .count = 3,
          .arrangement = Arrangement::AlignLeft}, -1, false, "3 figuras alinhadas à esquerda"},
        {{.kind = K::Rewritten, .figures = set({0}), .records = {c}, .count = 1, .arrangement = Arrangement::TurnClockwise}, -1,
         false, "Triângulo girado, 10 por 5, em 0, 0, pontos 0 0, 5 5, 10 0"},
        {{.kind = K::Reordered, .figures = set({0, 2}), .count = 3}, -1, false, "Ordem alterada"},
        {{.kind = K::Replaced, .count = 6, .replacement = Replacement::Opened}, -1, false, "Desenho aberto, 6 figuras"},
        {{.kind = K::Replaced, .count = 0, .replacement = Replacement::New}, -1, false, "Desenho novo"},
        {{.kind = K::Replaced, .count = 1, .replacement = Replacement::Recovered}, -1, false,
         "Desenho recuperado, 1 figura"},
        {{.kind = K::Removed, .figures = set({0, 2}), .records = {a, c}, .count = 1, .replay = Replay::Undone}, -1, false,
         "Desfeito: Retângulo e Triângulo removidos, 1 figura"},
        {{.kind = K::Moved, .figures = set({0}), .records = {a1}, .dx = 1, .count = 2, .replay = Replay::Redone}, 0, true,
         "Refeito: 10 por 10, em 1, 0"},  // a replay is said even where the focus is
    };
    for (const auto& k : cases) EXPECT_EQ(change_sentence(k.change, k.focus, k.focus_moved), k.said);
    EXPECT_EQ(selection_sentence({a, b, c}, 3, 2, true), "3 figuras selecionadas");
    EXPECT_EQ(selection_sentence({a, b, c}, 2, 2, true), "2 figuras selecionadas");
    EXPECT_EQ(selection_sentence({a, b, c}, 0, -1, true), "Nenhuma figura selecionada");
    EXPECT_EQ(selection_sentence({a, b, c}, 1, 1, false), "Elipse 2 de 3, 20 por 10, em 0, 0");
}

// A house a listener builds: a rectangle, a roof on it, a door inside. Guards: a relation said of
// the wrong figure or side, more than three, a figure named otherwise than Tab names it, a change
// of relations missed, the drawing's summary counting or ordering wrongly.
TEST(FigureWords, TheLayoutInWords)
{
    ObjectList house{};
    house.records[house.count++] = {SHAPE_RECT, 60, 200, -1, 30, 130, -1};
    house.records[house.count++] = {SHAPE_TRIANGLE, 60, 130, 200, 130, 180, 130};
    house.records[house.count++] = {SHAPE_RECT, 110, 140, -1, 30, 80, -1};
    const struct {
        int figure;
        const char* said;
    } relations[] = {
        {0, "contém Retângulo 3, abaixo de Triângulo 2"},
        {1, "acima de Retângulo 1"},
        {2, "dentro de Retângulo 1"},
    };
    for (const auto& r : relations) EXPECT_EQ(relations_words(&house, figure_relations(&house, r.figure)), r.said);
    ObjectList up_high = house;
    up_high.records[1] = figure_moved_by(house.records[1], 0, 30);  // 30 pixels over the house: not beside
    EXPECT_EQ(relation_change_words(&house, relation_changes(figure_relations(&up_high, 1), figure_relations(&house, 1))),
              "agora acima de Retângulo 1");
    EXPECT_EQ(relation_change_words(&up_high, relation_changes(figure_relations(&house, 1), figure_relations(&up_high, 1))),
              "não está mais acima de Retângulo 1");
    ObjectList sunk = house;  // the roof pushed 10 into the house
    sunk.records[1] = figure_moved_by(house.records[1], 0, -10);
    EXPECT_EQ(relation_change_words(&sunk, relation_changes(figure_relations(&house, 1), figure_relations(&sunk, 1))),
              "agora sobrepõe Retângulo 1, não está mais acima de Retângulo 1");
    EXPECT_EQ(relation_change_words(&house, relation_changes(figure_relations(&sunk, 1), figure_relations(&house, 1))),
              "agora acima de Retângulo 1, não sobrepõe mais Retângulo 1");
    EXPECT_EQ(drawing_description(&house),
              "3 figuras: 2 retângulos e 1 triângulo, de 60, 30 a 200, 180. Triângulo 2, 140 por 50, em 60, 130, "
              "acima de Retângulo 1; Retângulo 1, 140 por 100, em 60, 30, contém Retângulo 3, abaixo de Triângulo 2");
    EXPECT_EQ(drawing_description(nullptr), "Nenhuma figura");
    ObjectList many{};
    for (int i = 0; i < 22; ++i) many.records[many.count++] = {SHAPE_ELLIPSE, 100 * i, 100 * i + 10, -1, 0, 10, -1};
    const std::string said = drawing_description(&many);
    EXPECT_EQ(said.rfind("22 figuras: 22 elipses, de 0, 0 a 2110, 10. Elipse 1, 10 por 10, em 0, 0; Elipse 2", 0), 0u);
    EXPECT_EQ(said.substr(said.size() - 18), "; e mais 2 figuras") << said;
    EXPECT_EQ(nothing_that_way(Direction::Right), "Nenhuma figura à direita");
}
