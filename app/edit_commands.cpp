// Each command here is an item of the window, so its key works wherever the focus is.
#include "app/edit_commands.h"

#include "app/system_clipboard.h"
#include "canvas/figure_transfer.h"
#include "core/shape_file.h"
#include "core/trace.h"

#include <optional>
#include <string>

namespace {

// The figures last copied and how often they were pasted since: each further paste of the same
// clipboard goes PASTE_STEP further.
struct PasteRun {
    std::string records;
    int times = 0;
};

PasteRun& paste_run()
{
    static PasteRun run;
    return run;
}

// Puts figures on the clipboard, a new run of pastes begins, and line is traced; nothing at all
// when there are none.
void copied(const ObjectList& figures, const char* line)
{
    if (figures.count == 0) return;
    copy_to_clipboard(figures);
    paste_run() = {list_bytes(&figures), 0};
    trace("%s", line);
}

}  // namespace

void cut_figures(CanvasWidget* canvas) { copied(cut_selection(canvas), "\nCut."); }

void copy_figures(CanvasWidget* canvas) { copied(figures_to_copy(canvas), "\nCopy."); }

void paste_from_clipboard(CanvasWidget* canvas)
{
    const std::optional<std::string> bytes = clipboard_figure_bytes();
    const std::optional<ObjectList> figures = bytes ? figures_of_ours(*bytes) : std::nullopt;
    if (!figures) return;  // another program's picture, text or bytes under our type
    PasteRun& run = paste_run();
    if (*bytes != run.records) run = {*bytes, 0};
    if (!paste_figures(canvas, pasted_place(*figures, run.times + 1))) return;
    ++run.times;
    trace("\nPaste.");
}

void duplicate_figures(CanvasWidget* canvas)
{
    const ObjectList figures = figures_to_copy(canvas);
    if (figures.count == 0) return;
    if (paste_figures(canvas, pasted_place(figures, 1))) trace("\nDuplicate.");
}

bool clipboard_has_figures()
{
    const std::optional<std::string> bytes = clipboard_figure_bytes();
    return bytes && figures_of_ours(*bytes);
}
