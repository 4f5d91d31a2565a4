// Each command here is a QAction of the window, so its key works wherever the focus is. The
// clipboard commands trace a line of their own when they did their work; the keys on the
// highlighted figure trace nothing (their undo steps do when undone).
#include "app/edit_commands.h"

#include "app/clipboard.h"
#include "app/keyboard.h"
#include "app/main_window.h"
#include "canvas/arrange.h"
#include "canvas/clipboard.h"
#include "canvas/canvas_context.h"
#include "canvas/gesture.h"
#include "core/shape_file.h"
#include "core/trace.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>

#include <functional>
#include <memory>
#include <string>

namespace {

// The figures last copied and how often they were pasted since: each further paste of the same
// clipboard goes PASTE_STEP further.
struct PasteRun {
    std::string records;
    int times = 0;
};

using Available = std::function<bool()>;

// A command that does nothing while available() says there is nothing to work on; in the menu it
// is greyed then. The menu asks when it opens and gives the keys back when it closes, so a key
// never waits on a state that changed since.
template <class Fn>
QAction* add_command(MainWindow& w, QMenu* menu, const char* title, const QList<QKeySequence>& keys, Fn fn,
                     Available available = [] { return true; })
{
    auto* action = new QAction(QString::fromUtf8(title), w.dialog);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, w.dialog, [fn, available] {
        if (available()) fn();
    });
    if (!menu) {
        w.dialog->addAction(action);
        return action;
    }
    menu->addAction(action);
    QObject::connect(menu, &QMenu::aboutToShow, action, [action, available] { action->setEnabled(available()); });
    QObject::connect(menu, &QMenu::aboutToHide, action, [action] { action->setEnabled(true); });
    return action;
}

bool has_highlight(CanvasWidget* canvas) { return highlighted_figure(canvas_list(canvas)) >= 0; }
bool has_figures_to_copy(CanvasWidget* canvas) { return figures_to_copy(canvas).count > 0; }

void copy(CanvasWidget* canvas, PasteRun& run)
{
    const ObjectList figures = figures_to_copy(canvas);
    if (figures.count == 0) return;
    copy_to_clipboard(figures);
    run = {list_bytes(&figures), 0};
    trace("\nCopy.");
}

void cut(CanvasWidget* canvas, PasteRun& run)
{
    const ObjectList figures = cut_highlighted(canvas);
    if (figures.count == 0) return;
    copy_to_clipboard(figures);
    run = {list_bytes(&figures), 0};
    trace("\nCut.");
}

void paste(CanvasWidget* canvas, PasteRun& run)
{
    const std::optional<std::string> bytes = clipboard_figure_bytes();
    const std::optional<ObjectList> figures = bytes ? figures_of_ours(*bytes) : std::nullopt;
    if (!figures) return;  // another program's picture, text or bytes under our type are not for us
    if (*bytes != run.records) run = {*bytes, 0};
    if (!paste_figures(canvas, pasted_place(*figures, run.times + 1))) return;
    ++run.times;
    trace("\nPaste.");
}

void duplicate(CanvasWidget* canvas)
{
    const ObjectList figures = figures_to_copy(canvas);
    if (figures.count == 0) return;
    if (paste_figures(canvas, pasted_place(figures, 1))) trace("\nDuplicate.");
}

void add_clipboard_commands(MainWindow& w, QMenu* edit)
{
    CanvasWidget* canvas = w.canvas;
    auto run = std::make_shared<PasteRun>();
    const Available highlighted = [canvas] { return has_highlight(canvas); };
    const Available any_figure = [canvas] { return has_figures_to_copy(canvas); };
    const Available ours_on_clipboard = [] {
        const std::optional<std::string> bytes = clipboard_figure_bytes();
        return bytes && figures_of_ours(*bytes);
    };
    w.item_cut = add_command(w, edit, "Recor&tar", keys_for(QKeySequence::Cut, {QKeySequence("Ctrl+X")}),
                             [canvas, run] { cut(canvas, *run); }, highlighted);
    w.item_copy = add_command(w, edit, "&Copiar", keys_for(QKeySequence::Copy, {QKeySequence("Ctrl+C")}),
                              [canvas, run] { copy(canvas, *run); }, any_figure);
    w.item_paste = add_command(w, edit, "Co&lar", keys_for(QKeySequence::Paste, {QKeySequence("Ctrl+V")}),
                               [canvas, run] { paste(canvas, *run); }, ours_on_clipboard);
    w.item_duplicate = add_command(w, edit, "&Duplicar", {QKeySequence("Ctrl+D")}, [canvas] { duplicate(canvas); },
                                   any_figure);
}

void add_order_commands(MainWindow& w, QMenu* edit)
{
    CanvasWidget* canvas = w.canvas;
    const auto order = [&](const char* title, Qt::Key key, Place place) {
        return add_command(w, edit, title, {QKeySequence(key)},
                           [canvas, place] { reorder_highlighted(canvas, place); },
                           [canvas] { return has_highlight(canvas); });
    };
    w.item_to_top = order("Trazer para o &topo", Qt::Key_Home, Place::Top);
    w.item_to_bottom = order("Enviar para o &fundo", Qt::Key_End, Place::Bottom);
    w.item_raise = order("&Subir uma camada", Qt::Key_PageUp, Place::Up);
    w.item_lower = order("D&escer uma camada", Qt::Key_PageDown, Place::Down);
}

// Arrows move 1 pixel, with Shift 10, in the screen's directions.
void add_nudge_keys(MainWindow& w)
{
    struct Arrow {
        Qt::Key key;
        int dx, dy;
    };
    CanvasWidget* canvas = w.canvas;
    for (const Arrow a : {Arrow{Qt::Key_Left, -1, 0}, Arrow{Qt::Key_Right, 1, 0}, Arrow{Qt::Key_Up, 0, -1},
                          Arrow{Qt::Key_Down, 0, 1}}) {
        add_command(w, nullptr, "", {QKeySequence(a.key)}, [canvas, a] { nudge_highlighted(canvas, a.dx, a.dy); });
        add_command(w, nullptr, "", {QKeySequence(Qt::SHIFT | a.key)},
                    [canvas, a] { nudge_highlighted(canvas, 10 * a.dx, 10 * a.dy); });
    }
}

// Tab belongs to the canvas: the tool buttons take no keyboard focus, so Tab never moves it
// between them, and the window's own Tab actions walk the figures instead.
void add_tab_keys(MainWindow& w)
{
    for (QToolButton* toggle : w.toggles) toggle->setFocusPolicy(Qt::NoFocus);
    CanvasWidget* canvas = w.canvas;
    add_command(w, nullptr, "", {QKeySequence(Qt::Key_Tab)}, [canvas] { highlight_next(canvas, -1); });
    add_command(w, nullptr, "", {QKeySequence(Qt::Key_Backtab), QKeySequence(Qt::SHIFT | Qt::Key_Backtab)},
                [canvas] { highlight_next(canvas, +1); });
}

}  // namespace

void add_edit_commands(MainWindow& w, QMenu* edit)
{
    edit->addSeparator();
    add_clipboard_commands(w, edit);
    edit->addSeparator();
    add_order_commands(w, edit);
    add_nudge_keys(w);
    add_tab_keys(w);
}
