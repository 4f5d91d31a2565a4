#include "canvas/figure_words.h"

#include <algorithm>
#include <cstdint>

namespace {

enum class Gender { Male, Female };

struct Kind {
    const char* word;
    Gender gender;
};

Kind kind_of(ShapeRecord r)
{
    switch (shape_type(r)) {
    case SHAPE_RECT: return {"Retângulo", Gender::Male};
    case SHAPE_ELLIPSE: return {"Elipse", Gender::Female};
    case SHAPE_TRIANGLE: return {"Triângulo", Gender::Male};
    default: return {"Figura", Gender::Female};  // a type no tool makes, kept from a file
    }
}

// "nenhuma figura", "1 figura", "3 figuras".
std::string figures(std::size_t n)
{
    if (n == 0) return "nenhuma figura";
    return std::to_string(n) + (n == 1 ? " figura" : " figuras");
}

std::string capitalised(std::string s)
{
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = char(s[0] - 'a' + 'A');
    return s;
}

}  // namespace

std::string figure_name(ShapeRecord r, int index, int count)
{
    return std::string(kind_of(r).word) + " " + std::to_string(index + 1) + " de " + std::to_string(count);
}

std::string figure_description(ShapeRecord r)
{
    const int n = uses_third_point(r) ? 3 : 2;
    const int64_t xs[3] = {shape_x1(r), shape_x2(r), shape_x3(r)};
    const int64_t ys[3] = {shape_y1(r), shape_y2(r), shape_y3(r)};
    const auto [left, right] = std::minmax_element(xs, xs + n);
    const auto [bottom, top] = std::minmax_element(ys, ys + n);
    std::string said = std::to_string(*right - *left) + " por " + std::to_string(*top - *bottom) + ", em " +
                       std::to_string(*left) + ", " + std::to_string(*bottom);
    if (n == 3) {
        said += ", pontos";
        for (int k = 0; k < 3; ++k) said += (k ? ", " : " ") + std::to_string(xs[k]) + " " + std::to_string(ys[k]);
    }
    return said;
}

std::string change_sentence(const std::vector<ShapeRecord>& was, const std::vector<ShapeRecord>& now,
                            int focus_now, bool focus_moved)
{
    if (was == now) return "";
    // The run that changed, between what both keep at the start and at the end.
    const std::size_t shorter = std::min(was.size(), now.size());
    std::size_t p = 0, s = 0;
    while (p < shorter && was[p] == now[p]) ++p;
    while (s < shorter - p && was[was.size() - 1 - s] == now[now.size() - 1 - s]) ++s;
    const std::size_t removed = was.size() - p - s, added = now.size() - p - s;
    const bool spoken_by_focus = focus_moved && focus_now == int(p);
    if (removed == 0 && added == 1)
        return spoken_by_focus ? "" : figure_name(now[p], int(p), int(now.size())) + ", " + figure_description(now[p]);
    if (removed == 1 && added == 0) {
        const Kind kind = kind_of(was[p]);
        return std::string(kind.word) + (kind.gender == Gender::Male ? " removido, " : " removida, ") +
               figures(now.size());
    }
    if (removed == added && std::is_permutation(was.begin() + p, was.end() - s, now.begin() + p))
        return focus_moved ? "" : "Ordem alterada";
    if (removed == 1 && added == 1) return spoken_by_focus ? "" : figure_description(now[p]);
    if (removed == added) {
        std::size_t changed = 0;
        for (std::size_t i = p; i < was.size() - s; ++i) changed += was[i] == now[i] ? 0 : 1;
        return std::to_string(changed) + " figuras alteradas";
    }
    if (removed == 0) return std::to_string(added) + " figuras adicionadas, " + figures(now.size());
    if (added == 0) return std::to_string(removed) + " figuras removidas, " + figures(now.size());
    return capitalised(figures(now.size()));  // another drawing: New, Open
}

std::string selection_sentence(const std::vector<ShapeRecord>& figures, int selected, int focus, bool focus_moved)
{
    if (selected == 0) return "Nenhuma figura selecionada";
    if (selected > 1) return std::to_string(selected) + " figuras selecionadas";
    if (focus_moved || focus < 0 || focus >= int(figures.size())) return "";
    return figure_name(figures[focus], focus, int(figures.size())) + ", " + figure_description(figures[focus]);
}
