#include "canvas/figure_words.h"

#include "core/figure_box.h"

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

// A participle agreeing with a kind, or with "figuras": "removido", "removidas".
std::string agreeing(const char* stem, Gender gender, bool plural)
{
    return std::string(stem) + (gender == Gender::Male ? "o" : "a") + (plural ? "s" : "");
}

// "Triângulo girado", "3 figuras giradas".
std::string figures_done(const std::vector<ShapeRecord>& records, const char* stem)
{
    if (records.size() == 1) return std::string(kind_of(records[0]).word) + " " + agreeing(stem, kind_of(records[0]).gender, false);
    return std::to_string(records.size()) + " figuras " + agreeing(stem, Gender::Female, true);
}

// Figures that went are named up to two, since they can no longer be reached to learn what they
// were: "Retângulo removido", "Retângulo e Elipse removidos" (male when either is), "3 figuras
// removidas".
std::string figures_named_done(const std::vector<ShapeRecord>& records, const char* stem)
{
    if (records.size() == 2) {
        const Kind a = kind_of(records[0]), b = kind_of(records[1]);
        const Gender both = a.gender == Gender::Female && b.gender == Gender::Female ? Gender::Female : Gender::Male;
        return std::string(a.word) + " e " + b.word + " " + agreeing(stem, both, true);
    }
    return figures_done(records, stem);
}

// "10 para cima e 30 para a esquerda": the vertical first, each only when there is one.
std::string displacement(int64_t dx, int64_t dy)
{
    std::string said;
    if (dy != 0) said = std::to_string(dy > 0 ? dy : -dy) + (dy > 0 ? " para cima" : " para baixo");
    if (dx != 0) {
        if (!said.empty()) said += " e ";
        said += std::to_string(dx > 0 ? dx : -dx) + (dx > 0 ? " para a direita" : " para a esquerda");
    }
    return said;
}

// What an Arrange command did to its figures, after "3 figuras alinhadas": where, or nothing.
const char* arrangement_words(Arrangement how)
{
    switch (how) {
    case Arrangement::AlignLeft: return " à esquerda";
    case Arrangement::AlignCentre: return " ao centro";
    case Arrangement::AlignRight: return " à direita";
    case Arrangement::AlignTop: return " em cima";
    case Arrangement::AlignMiddle: return " ao meio";
    case Arrangement::AlignBottom: return " embaixo";
    default: return "";
    }
}

const char* arrangement_stem(std::optional<Arrangement> how)
{
    if (!how) return "alterad";
    switch (*how) {
    case Arrangement::DistributeHorizontally:
    case Arrangement::DistributeVertically: return "distribuíd";
    case Arrangement::FlipHorizontally:
    case Arrangement::FlipVertically: return "espelhad";
    case Arrangement::TurnClockwise:
    case Arrangement::TurnCounterClockwise: return "girad";
    default: return "alinhad";
    }
}

int first_of(const FigureSet& set)
{
    for (int i = 0; i < LIST_CAPACITY; ++i)
        if (set[i]) return i;
    return -1;
}

// The sentence of what change did, from its record alone.
std::string what_happened(const DrawingChange& change, int place)
{
    const std::vector<ShapeRecord>& records = change.records;
    const bool one = records.size() == 1;
    switch (change.kind) {
    case ChangeKind::Added:
        if (one) return figure_name(records[0], place, change.count) + ", " + figure_description(records[0]);
        return std::to_string(records.size()) + " figuras adicionadas, " + figures(change.count);
    case ChangeKind::Removed: return figures_named_done(records, "removid") + ", " + figures(change.count);
    case ChangeKind::Moved:
        if (one) return figure_description(records[0]);
        return figures_done(records, "movid") + ", " + displacement(change.dx, change.dy);
    case ChangeKind::Stretched:
        if (one) return figure_description(records[0]);
        return figures_done(records, "esticad");
    case ChangeKind::Rewritten:
        if (one && !change.arrangement) return figure_description(records[0]);
        if (one) return figures_done(records, arrangement_stem(change.arrangement)) + ", " + figure_description(records[0]);
        return figures_done(records, arrangement_stem(change.arrangement)) +
               (change.arrangement ? arrangement_words(*change.arrangement) : "");
    case ChangeKind::Reordered: return "Ordem alterada";
    case ChangeKind::Replaced:
        if (change.replacement == Replacement::New) return "Desenho novo";
        return std::string(change.replacement == Replacement::Opened ? "Desenho aberto, " : "Desenho recuperado, ") +
               figures(change.count);
    }
    return "";
}

}  // namespace

std::string figure_name(ShapeRecord r, int index, int count)
{
    return std::string(kind_of(r).word) + " " + std::to_string(index + 1) + " de " + std::to_string(count);
}

std::string figure_description(ShapeRecord r)
{
    const FigureBox box = figure_box(r);
    std::string said = std::to_string(box_width(box)) + " por " + std::to_string(box_height(box)) + ", em " +
                       std::to_string(box.left) + ", " + std::to_string(box.bottom);
    if (uses_third_point(r)) {
        const int64_t xs[3] = {shape_x1(r), shape_x2(r), shape_x3(r)};
        const int64_t ys[3] = {shape_y1(r), shape_y2(r), shape_y3(r)};
        said += ", pontos";
        for (int k = 0; k < 3; ++k) said += (k ? ", " : " ") + std::to_string(xs[k]) + " " + std::to_string(ys[k]);
    }
    return said;
}

std::string change_sentence(const DrawingChange& change, int focus_now, bool focus_moved)
{
    const std::string replayed = change.replay == Replay::Undone   ? "Desfeito: "
                                 : change.replay == Replay::Redone ? "Refeito: "
                                                                   : "";
    // One figure that now has the focus is said by the focus event, unless undo or redo replays it.
    const int place = first_of(change.figures);
    const bool spoken_by_focus = change.replay == Replay::None && focus_moved &&
                                 (change.kind == ChangeKind::Reordered || focus_now == place);
    if (spoken_by_focus && (change.records.size() == 1 || change.kind == ChangeKind::Reordered)) return "";
    return replayed + what_happened(change, place);
}

std::string selection_sentence(const std::vector<ShapeRecord>& figures, int selected, int focus, bool focus_moved)
{
    if (selected == 0) return "Nenhuma figura selecionada";
    if (selected > 1) return std::to_string(selected) + " figuras selecionadas";
    if (focus_moved || focus < 0 || focus >= int(figures.size())) return "";
    return figure_name(figures[focus], focus, int(figures.size())) + ", " + figure_description(figures[focus]);
}

std::string figure_short_name(ShapeRecord r, int index)
{
    return std::string(kind_of(r).word) + " " + std::to_string(index + 1);
}

namespace {

const char* relation_words(Relation relation)
{
    switch (relation) {
    case Relation::Inside: return "dentro de ";
    case Relation::Contains: return "contém ";
    case Relation::Crosses: return "sobrepõe ";
    case Relation::Above: return "acima de ";
    case Relation::Below: return "abaixo de ";
    case Relation::Left: return "à esquerda de ";
    case Relation::Right: return "à direita de ";
    }
    return "";
}

std::string named(const ObjectList* list, int i) { return figure_short_name(list_get(list, i), i); }

// "contém Elipse 3" for one, "contém 2 figuras" for more.
std::string one_or_count(const ObjectList* list, Relation relation, const std::vector<int>& figures)
{
    return relation_words(relation) + (figures.size() == 1 ? named(list, figures[0]) : ::figures(figures.size()));
}

// The box's size and place without a triangle's points: "140 por 100, em 60, 30".
std::string box_words(ShapeRecord r)
{
    const FigureBox box = figure_box(r);
    return std::to_string(box_width(box)) + " por " + std::to_string(box_height(box)) + ", em " +
           std::to_string(box.left) + ", " + std::to_string(box.bottom);
}

// A figure's relations as sentence parts, most telling first.
std::vector<std::string> relation_parts(const ObjectList* list, const FigureRelations& relations, bool inside_too)
{
    std::vector<std::string> parts;
    if (inside_too && relations.inside >= 0) parts.push_back(relation_words(Relation::Inside) + named(list, relations.inside));
    if (!relations.contains.empty()) parts.push_back(one_or_count(list, Relation::Contains, relations.contains));
    if (!relations.crosses.empty()) parts.push_back(one_or_count(list, Relation::Crosses, relations.crosses));
    const Relation sides[SIDE_COUNT] = {Relation::Above, Relation::Below, Relation::Left, Relation::Right};
    for (int k = 0; k < SIDE_COUNT; ++k)
        if (relations.beside[k] >= 0) parts.push_back(relation_words(sides[k]) + named(list, relations.beside[k]));
    return parts;
}

std::string joined(const std::vector<std::string>& parts, std::size_t most, const char* between)
{
    std::string said;
    for (std::size_t k = 0; k < parts.size() && k < most; ++k) said += (k ? between : "") + parts[k];
    return said;
}

}  // namespace

std::string relations_words(const ObjectList* list, const FigureRelations& relations)
{
    return joined(relation_parts(list, relations, true), 3, ", ");
}

std::string relation_change_words(const ObjectList* list, const std::vector<RelationChange>& changes)
{
    std::vector<std::string> parts;
    for (const RelationChange& c : changes) {
        // "não contém mais X", "não sobrepõe mais X", "não está mais dentro de X"
        const bool verb = c.relation == Relation::Contains || c.relation == Relation::Crosses;
        const std::string ended = verb ? std::string("não ") + relation_words(c.relation) + "mais "
                                       : std::string("não está mais ") + relation_words(c.relation);
        parts.push_back((c.began ? std::string("agora ") + relation_words(c.relation) : ended) + named(list, c.figure));
    }
    return joined(parts, parts.size(), ", ");
}

std::string nothing_that_way(Direction d)
{
    switch (d) {
    case Direction::Up: return "Nenhuma figura acima";
    case Direction::Down: return "Nenhuma figura abaixo";
    case Direction::Left: return "Nenhuma figura à esquerda";
    case Direction::Right: return "Nenhuma figura à direita";
    }
    return "";
}

std::string drawing_description(const ObjectList* list)
{
    const int n = list ? list_count(list) : 0;
    if (n == 0) return "Nenhuma figura";
    // "3 retângulos, 2 elipses e 1 triângulo", and the extent of every box.
    int of_kind[3] = {0, 0, 0};
    FigureBox extent = figure_box(list_get(list, 0));
    for (int i = 0; i < n; ++i) {
        const ShapeRecord r = list_get(list, i);
        if (shape_type(r) >= SHAPE_RECT && shape_type(r) <= SHAPE_TRIANGLE) ++of_kind[shape_type(r)];
        extent = box_union(extent, figure_box(r));
    }
    static const char* const KINDS[3][2] = {{"retângulo", "retângulos"}, {"elipse", "elipses"}, {"triângulo", "triângulos"}};
    std::vector<std::string> kinds;
    for (int k = 0; k < 3; ++k)
        if (of_kind[k]) kinds.push_back(std::to_string(of_kind[k]) + " " + KINDS[k][of_kind[k] == 1 ? 0 : 1]);
    std::string said = figures(n) + ": " + joined(kinds, kinds.size() - 1, ", ") +
                       (kinds.size() > 1 ? " e " : "") + kinds.back() + ", de " + std::to_string(extent.left) + ", " +
                       std::to_string(extent.bottom) + " a " + std::to_string(extent.right) + ", " +
                       std::to_string(extent.top) + ".";
    // Then each figure inside no other, as a page is read.
    constexpr std::size_t MOST = 20;
    std::vector<int> outermost;
    std::vector<FigureRelations> relations(n);
    for (int i = 0; i < n; ++i) {
        relations[i] = figure_relations(list, i);
        if (relations[i].inside < 0) outermost.push_back(i);
    }
    std::vector<std::string> figures_said;
    for (int i : reading_order(list, outermost)) {
        if (figures_said.size() == MOST) break;
        std::vector<std::string> parts = relation_parts(list, relations[i], false);
        std::string one = named(list, i) + ", " + box_words(list_get(list, i));
        if (!parts.empty()) one += ", " + joined(parts, 3, ", ");
        figures_said.push_back(one);
    }
    said += " " + joined(figures_said, MOST, "; ");
    if (outermost.size() > MOST) said += "; e mais " + figures(outermost.size() - MOST);
    return said;
}
