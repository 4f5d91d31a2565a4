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

TEST(FigureWords, EachChangeIsOneSentence)
{
    const ShapeRecord a{SHAPE_RECT, 0, 10, -1, 0, 10, -1}, b{SHAPE_ELLIPSE, 0, 20, -1, 0, 10, -1};
    const ShapeRecord a1{SHAPE_RECT, 1, 11, -1, 0, 10, -1}, c{SHAPE_TRIANGLE, 0, 5, 10, 0, 5, 0};
    const std::vector<ShapeRecord> many(200, a), many_moved(200, a1);
    const struct {
        std::vector<ShapeRecord> was, now;
        int focus;
        bool focus_moved;
        std::string said;
    } cases[] = {
        {{a, b}, {a, b, c}, -1, false, "Triângulo 3 de 3, 10 por 5, em 0, 0, pontos 0 0, 5 5, 10 0"},
        {{a, b}, {a, b, c}, 2, true, ""},  // the new figure took the focus, which says it
        {{a, b, c}, {a, c}, -1, true, "Elipse removida, 2 figuras"},
        {{a}, {}, -1, true, "Retângulo removido, nenhuma figura"},
        {{a, a}, {a}, -1, true, "Retângulo removido, 1 figura"},  // what both keep must not overlap
        {{a, b}, {a1, b}, 0, false, "10 por 10, em 1, 0"},
        {{a, b, c}, {b, c, a}, -1, false, "Ordem alterada"},
        {many, many_moved, 0, false, "200 figuras alteradas"},
        {{a}, {a, b, c}, -1, false, "2 figuras adicionadas, 3 figuras"},
        {{a, b, c}, {c}, -1, false, "2 figuras removidas, 1 figura"},
        {{a, b}, {c}, -1, false, "1 figura"},
        {{a, b}, {}, -1, false, "2 figuras removidas, nenhuma figura"},
        {{a, b}, {a, b}, 0, true, ""},
    };
    for (const auto& k : cases) EXPECT_EQ(change_sentence(k.was, k.now, k.focus, k.focus_moved), k.said);
    EXPECT_EQ(selection_sentence({a, b, c}, 3, 2, true), "3 figuras selecionadas");
    EXPECT_EQ(selection_sentence({a, b, c}, 0, -1, true), "Nenhuma figura selecionada");
    EXPECT_EQ(selection_sentence({a, b, c}, 1, 1, false), "Elipse 2 de 3, 20 por 10, em 0, 0");
}
