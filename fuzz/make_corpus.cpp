// Writes the fuzzer's seed drawings into the folder given as the only argument, through the same
// list operations and writer the editor's tools and Save use, so every seed is a real drawing.
#include "core/shape_file.h"
#include "core/shape_list.h"

#include <cstdio>
#include <string>

namespace {

using Fill = void (*)(ObjectList* list);

void one_rect(ObjectList* list) { list_add_rect(list, 40, 200, 180, 60); }

void one_ellipse(ObjectList* list) { list_add_ellipse(list, 300, 30, 451, 210); }

void one_triangle(ObjectList* list) { list_add_triangle(list, 60, 20, 250, 230, 400, 40); }

// Overlapping figures of every type, one stored right to left and one degenerate.
void mixed(ObjectList* list)
{
    list_add_rect(list, 10, 10, 200, 120);
    list_add_ellipse(list, 100, 50, 300, 200);
    list_add_triangle(list, 150, 20, 480, 30, 320, 240);
    list_add_rect(list, 460, 240, 250, 80);
    list_add_ellipse(list, 70, 90, 70, 180);
}

// A full list: the reader's cap of 200 records, with figures spread over and beyond the canvas.
void full(ObjectList* list)
{
    for (int i = 0; !list_full(list); ++i) {
        const int x = (i * 37) % 600 - 40, y = (i * 53) % 320 - 30, s = 5 + i % 60;
        if (i % 3 == 0) list_add_rect(list, x, y, x + s, y + s / 2);
        if (i % 3 == 1) list_add_ellipse(list, x + s, y, x, y + s);
        if (i % 3 == 2) list_add_triangle(list, x, y, x + s, y, x + s / 2, y + s);
    }
}

void empty(ObjectList*) {}

bool write_seed(const std::string& folder, const char* name, Fill fill)
{
    ObjectList* list = list_create();
    if (!list) return false;
    fill(list);
    const bool ok = list_write_file(folder + "/" + name, list) == list_count(list);
    list_free(list);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const struct { const char* name; Fill fill; } seeds[] = {
        {"rectangle.edt", one_rect}, {"ellipse.edt", one_ellipse}, {"triangle.edt", one_triangle},
        {"mixed_5.edt", mixed},      {"empty.edt", empty},         {"full_200.edt", full},
    };
    for (const auto& seed : seeds) {
        if (write_seed(argv[1], seed.name, seed.fill)) continue;
        std::fprintf(stderr, "\ncannot write %s/%s\n", argv[1], seed.name);
        return 1;
    }
    std::printf("\n");
    return 0;
}
