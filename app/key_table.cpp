// The table of commands and the one loop that makes their items. Read COMMANDS first.
#include "app/key_table.h"

#include "app/edit_commands.h"
#include "app/main_window.h"
#include "app/undo_history.h"
#include "canvas/arrange.h"
#include "canvas/tool_table.h"
#include "toolkit/attributes.h"
#include "toolkit/elements.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include <iterator>

namespace {

using SK = QKeySequence::StandardKey;
constexpr SK NONE = QKeySequence::UnknownKey;
using MW = MainWindow;

// A line between groups of items in a menu.
constexpr Command separator(Where where) { return {where, nullptr, nullptr, nullptr, NONE, "", nullptr, nullptr, {}, nullptr, nullptr}; }

// where, text, name, fn, standard keys, our keys, when offered, the window's item, arg, how the
// guide writes the keys (null: as they are), what the guide says they do (null: said by the row
// before, whose line covers this one).
const Command COMMANDS[] = {
    {Where::File, "&New...", "AtoNovo", nullptr, SK::New, "Ctrl+N", nullptr, &MW::item_new, {}, nullptr, "New"},
    {Where::File, "&Open...", "open_act", nullptr, SK::Open, "Ctrl+O", nullptr, &MW::item_open, {}, nullptr, "Open"},
    separator(Where::File),
    {Where::File, "&Save", "save_act", nullptr, SK::Save, "Ctrl+S", nullptr, &MW::item_save, {}, nullptr, "Save"},
    {Where::File, "Save &As...", "AtoSalvarComo", nullptr, SK::SaveAs, "Ctrl+Shift+S", nullptr, &MW::item_save_as,
     {}, nullptr, "Save As"},
    separator(Where::File),
    {Where::File, "&Exit", "exit_act", nullptr, SK::Quit, "Ctrl+Q", nullptr, &MW::item_exit, {}, nullptr, "Exit"},

    {Where::Edit, "&Undo", "undo_act", undo_act, SK::Undo, "Ctrl+Z", can_undo, &MW::item_undo, {}, nullptr, "Undo"},
    {Where::Edit, "&Redo", "redo_act", redo_act, SK::Redo, "Ctrl+Shift+Z; Ctrl+Y", can_redo, &MW::item_redo, {},
     "Ctrl+Shift+Z ou Ctrl+Y", "Redo"},
    separator(Where::Edit),
    {Where::Edit, "Recor&tar", "cut_act", cut_act, SK::Cut, "Ctrl+X", has_highlight, &MW::item_cut, {},
     "Ctrl+X, Ctrl+C, Ctrl+V", "Recortar, Copiar e Colar"},
    {Where::Edit, "&Copiar", "copy_act", copy_act, SK::Copy, "Ctrl+C", has_figures_to_copy, &MW::item_copy, {},
     nullptr, nullptr},
    {Where::Edit, "Co&lar", "paste_act", paste_act, SK::Paste, "Ctrl+V", clipboard_has_figures, &MW::item_paste, {},
     nullptr, nullptr},
    {Where::Edit, "&Duplicar", "duplicate_act", duplicate_act, NONE, "Ctrl+D", has_figures_to_copy,
     &MW::item_duplicate, {}, nullptr, "Duplicar"},
    separator(Where::Edit),
    {Where::Edit, "Trazer para o &topo", "order_act", order_act, NONE, "Home", has_highlight, &MW::item_to_top,
     {int(Place::Top), 0}, "Home, End", "levam a figura destacada para o topo ou para o fundo"},
    {Where::Edit, "Enviar para o &fundo", "order_act", order_act, NONE, "End", has_highlight, &MW::item_to_bottom,
     {int(Place::Bottom), 0}, nullptr, nullptr},
    {Where::Edit, "&Subir uma camada", "order_act", order_act, NONE, "PgUp", has_highlight, &MW::item_raise,
     {int(Place::Up), 0}, "Page Up, Page Down", "sobem ou descem a figura destacada uma camada"},
    {Where::Edit, "D&escer uma camada", "order_act", order_act, NONE, "PgDown", has_highlight, &MW::item_lower,
     {int(Place::Down), 0}, nullptr, nullptr},
    separator(Where::Edit),
    {Where::Edit, "&Posicao e tamanho...", "points_act", points_act, NONE, "F4", has_highlight, &MW::item_points, {},
     nullptr, "Posicao e tamanho: digita os pontos da figura destacada (x1, y1, x2, y2 e, num triangulo, "
     "x3, y3, com y para cima a partir do pe da area de desenho); Enter aplica, Esc desiste"},

    {Where::Bar, "&Info", "info_act", nullptr, NONE, "", nullptr, &MW::item_info, {}, nullptr, nullptr},
    {Where::Bar, "&Help", "AtoAjuda", nullptr, SK::HelpContents, "F1", nullptr, &MW::item_help, {}, nullptr, "Help"},

    {Where::Keys, "Sel", "tool_key_act", tool_key_act, NONE, "S", nullptr, nullptr, {TOOL_SEL, 0}, "S D R E T",
     "escolhem as ferramentas Sel, Del, Rect, Ellipse e Triang"},
    {Where::Keys, "Del", "tool_key_act", tool_key_act, NONE, "D", nullptr, nullptr, {TOOL_DEL, 0}, nullptr, nullptr},
    {Where::Keys, "Rect", "tool_key_act", tool_key_act, NONE, "R", nullptr, nullptr, {TOOL_RECT, 0}, nullptr, nullptr},
    {Where::Keys, "Ellipse", "tool_key_act", tool_key_act, NONE, "E", nullptr, nullptr, {TOOL_ELLIPSE, 0}, nullptr,
     nullptr},
    {Where::Keys, "Triang", "tool_key_act", tool_key_act, NONE, "T", nullptr, nullptr, {TOOL_TRIANG, 0}, nullptr,
     nullptr},
    {Where::Keys, "Inserir figura", "insert_act", insert_act, NONE, "Return; Enter", nullptr, nullptr, {},
     "Enter", "com Rect, Ellipse ou Triang escolhida, poe uma figura desse tipo, 100 por 60 pixels, no "
     "centro da area de desenho, ja destacada"},
    {Where::Keys, "Cancelar", "cancel_act", cancel_act, NONE, "Esc", nullptr, nullptr, {}, nullptr,
     "cancela a figura ou o arrasto em andamento"},
    // Not the platform's Delete: on X11 that is also Ctrl+D, which is Duplicar's.
    {Where::Keys, "Apagar", "delete_act", delete_act, NONE, "Del; Backspace", nullptr, nullptr, {},
     "Delete ou Backspace", "remove a figura destacada"},
    {Where::Keys, "Proxima figura", "tab_act", tab_act, NONE, "Tab", nullptr, nullptr, {-1, 0}, "Tab, Shift+Tab",
     "destacam a figura de cima, depois cada uma abaixo dela (Shift+Tab na outra ordem); assim se chega a "
     "qualquer figura, mesmo escondida sob outra, com qualquer ferramenta escolhida"},
    {Where::Keys, "Figura anterior", "tab_act", tab_act, NONE, "Backtab; Shift+Backtab", nullptr, nullptr, {1, 0},
     nullptr, nullptr},
    {Where::Keys, "Mover a esquerda", "nudge_act", nudge_act, NONE, "Left", nullptr, nullptr, {-1, 0},
     "setas, Shift+setas", "movem a figura destacada 1 pixel, ou 10"},
    {Where::Keys, "Mover a direita", "nudge_act", nudge_act, NONE, "Right", nullptr, nullptr, {1, 0}, nullptr, nullptr},
    {Where::Keys, "Mover para cima", "nudge_act", nudge_act, NONE, "Up", nullptr, nullptr, {0, -1}, nullptr, nullptr},
    {Where::Keys, "Mover para baixo", "nudge_act", nudge_act, NONE, "Down", nullptr, nullptr, {0, 1}, nullptr, nullptr},
    {Where::Keys, "Mover 10 a esquerda", "nudge_act", nudge_act, NONE, "Shift+Left", nullptr, nullptr, {-10, 0},
     nullptr, nullptr},
    {Where::Keys, "Mover 10 a direita", "nudge_act", nudge_act, NONE, "Shift+Right", nullptr, nullptr, {10, 0},
     nullptr, nullptr},
    {Where::Keys, "Mover 10 para cima", "nudge_act", nudge_act, NONE, "Shift+Up", nullptr, nullptr, {0, -10},
     nullptr, nullptr},
    {Where::Keys, "Mover 10 para baixo", "nudge_act", nudge_act, NONE, "Shift+Down", nullptr, nullptr, {0, 10},
     nullptr, nullptr},
    {Where::Keys, "Esticar a esquerda", "stretch_act", stretch_act, NONE, "Ctrl+Left", nullptr, nullptr, {-1, 0},
     "Ctrl+setas, Ctrl+Shift+setas", "esticam a figura destacada 1 pixel, ou 10, como o botao direito com Sel: "
     "o primeiro ponto fica, o segundo vai na direcao da seta"},
    {Where::Keys, "Esticar a direita", "stretch_act", stretch_act, NONE, "Ctrl+Right", nullptr, nullptr, {1, 0},
     nullptr, nullptr},
    {Where::Keys, "Esticar para cima", "stretch_act", stretch_act, NONE, "Ctrl+Up", nullptr, nullptr, {0, -1},
     nullptr, nullptr},
    {Where::Keys, "Esticar para baixo", "stretch_act", stretch_act, NONE, "Ctrl+Down", nullptr, nullptr, {0, 1},
     nullptr, nullptr},
    {Where::Keys, "Esticar 10 a esquerda", "stretch_act", stretch_act, NONE, "Ctrl+Shift+Left", nullptr, nullptr, {-10, 0},
     nullptr, nullptr},
    {Where::Keys, "Esticar 10 a direita", "stretch_act", stretch_act, NONE, "Ctrl+Shift+Right", nullptr, nullptr, {10, 0},
     nullptr, nullptr},
    {Where::Keys, "Esticar 10 para cima", "stretch_act", stretch_act, NONE, "Ctrl+Shift+Up", nullptr, nullptr, {0, -10},
     nullptr, nullptr},
    {Where::Keys, "Esticar 10 para baixo", "stretch_act", stretch_act, NONE, "Ctrl+Shift+Down", nullptr, nullptr, {0, 10},
     nullptr, nullptr},
};

QWidget* home_of(const Command& c, QMainWindow* window, QMenu* file, QMenu* edit)
{
    switch (c.where) {
    case Where::File: return file;
    case Where::Edit: return edit;
    case Where::Bar: return window->menuBar();
    case Where::Keys: break;
    }
    return window;
}

}  // namespace

std::span<const Command> commands() { return COMMANDS; }

QList<QKeySequence> keys_of(const Command& command)
{
    QList<QKeySequence> keys = command.standard == NONE ? QList<QKeySequence>() : QKeySequence::keyBindings(command.standard);
    for (const QString& name : QString::fromUtf8(command.keys).split("; ", Qt::SkipEmptyParts)) {
        const QKeySequence key(name, QKeySequence::PortableText);
        if (!keys.contains(key)) keys.append(key);
    }
    return keys;
}

void register_command_callbacks()
{
    for (const Command& c : COMMANDS)
        if (c.fn) set_function(c.name, c.fn);
}

void build_commands(MainWindow& w, QMenu* file, QMenu* edit)
{
    for (const Command& c : COMMANDS) {
        QWidget* home = home_of(c, w.dialog, file, edit);
        if (!c.text) {
            static_cast<QMenu*>(home)->addSeparator();
            continue;
        }
        QAction* item = create_item(home, c.text, c.name);
        item->setShortcuts(keys_of(c));
        item->setProperty("COMMAND", int(&c - COMMANDS));
        item->setProperty("arg", c.arg);
        set_pointer_attribute(item, "CanvasContext", w.canvas);
        set_pointer_attribute(item, "history", w.history);
        if (c.fn == tool_key_act) set_pointer_attribute(item, "toggle", w.toggles[c.arg.x()]);
        if (c.item) w.*c.item = item;
    }
    for (QMenu* menu : {file, edit}) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { grey_idle_items(menu, true); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [menu] { grey_idle_items(menu, false); });
    }
    // Undo and Redo follow the history as it changes, as Qt's own undo actions do.
    QObject::connect(w.history, &QUndoStack::canUndoChanged, w.item_undo, &QAction::setEnabled);
    QObject::connect(w.history, &QUndoStack::canRedoChanged, w.item_redo, &QAction::setEnabled);
    w.item_undo->setEnabled(can_undo(w.item_undo));
    w.item_redo->setEnabled(can_redo(w.item_redo));
}

void grey_idle_items(QMenu* menu, bool shown)
{
    for (QAction* item : menu->actions()) {
        const QVariant row = item->property("COMMAND");
        if (!row.isValid()) continue;
        const Command& c = COMMANDS[row.toInt()];
        if (!c.offered) continue;
        const bool follows_history = c.offered == can_undo || c.offered == can_redo;
        item->setEnabled(shown || follows_history ? c.offered(item) : true);
    }
}

std::string keys_help_text()
{
    constexpr size_t KEYS_WIDTH = 25, LINE_WIDTH = 100;
    const std::string indent(2 + KEYS_WIDTH, ' ');
    std::string text;
    for (const Command& c : COMMANDS) {
        if (!c.help) continue;
        std::string line = c.help_keys ? c.help_keys : QString::fromUtf8(c.keys).replace("; ", ", ").toStdString();
        // Keys too wide for their column stand on a line of their own.
        if (line.size() >= KEYS_WIDTH) {
            text += "  " + line + "\n";
            line.clear();
        }
        line = "  " + line + std::string(KEYS_WIDTH - line.size(), ' ');
        // The words of what it does, wrapped under their column.
        for (const QString& word : QString::fromUtf8(c.help).split(' ')) {
            const std::string w = word.toStdString();
            if (line.size() > indent.size() && line.size() + w.size() > LINE_WIDTH) {
                text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
                line = indent;
            }
            line += w + ' ';
        }
        text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return text;
}
