// The table of commands and the one loop that makes their items. Read COMMANDS first.
#include "app/key_table.h"

#include "app/edit_commands.h"
#include "app/file_commands.h"
#include "app/undo_history.h"
#include "app/view_commands.h"
#include "app/window_parts.h"
#include "canvas/arrange.h"
#include "canvas/cancel.h"
#include "canvas/canvas_context.h"
#include "canvas/figure_transfer.h"
#include "canvas/grid.h"
#include "canvas/selection.h"
#include "canvas/tool_table.h"
#include "toolkit/attributes.h"
#include "toolkit/canvas_widget.h"
#include "toolkit/elements.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUndoStack>

#include <iterator>

namespace {

using SK = QKeySequence::StandardKey;
using MW = MainWindow;
using T = const CommandTarget&;

// A line between groups of items in a menu.
constexpr Command separator(Where where) { return {.where = where}; }

bool has_selection(T t) { return selection_size() > 0 && canvas_list(t.canvas); }
bool has_figures(T t) { return list_count(canvas_list(t.canvas)) > 0; }
bool can_arrange(T t, Arrangement how) { return canvas_list(t.canvas) && selection_size() >= arrangement_minimum(how); }
bool has_figures_to_copy(T t) { return figures_to_copy(t.canvas).count > 0; }
bool can_undo(T t) { return t.history && t.history->canUndo(); }
bool can_redo(T t) { return t.history && t.history->canRedo(); }

// A tool key is a click on the tool's toggle, between gestures only.
void press_tool(T t, int tool)
{
    QToolButton* toggle = t.tools ? t.tools->toggle(tool) : nullptr;
    if (toggle && !t.canvas->buttons_held()) toggle->click();
}

const Command COMMANDS[] = {
    {.where = Where::File, .text = "&New...", .name = "AtoNovo", .callback = AtoNovo, .standard = SK::New,
     .keys = "Ctrl+N", .item = &MW::item_new, .help = "New"},
    {.where = Where::File, .text = "&Open...", .name = "open_act", .callback = open_act, .standard = SK::Open,
     .keys = "Ctrl+O", .item = &MW::item_open, .help = "Open"},
    separator(Where::File),
    {.where = Where::File, .text = "&Save", .name = "save_act", .callback = save_act, .standard = SK::Save,
     .keys = "Ctrl+S", .item = &MW::item_save, .help = "Save"},
    {.where = Where::File, .text = "Save &As...", .name = "AtoSalvarComo", .callback = AtoSalvarComo,
     .standard = SK::SaveAs, .keys = "Ctrl+Shift+S", .item = &MW::item_save_as, .help = "Save As"},
    separator(Where::File),
    {.where = Where::File, .text = "&Exit", .name = "exit_act", .callback = exit_act, .standard = SK::Quit,
     .keys = "Ctrl+Q", .item = &MW::item_exit, .help = "Exit"},

    {.where = Where::Edit, .text = "&Undo", .name = "undo_act",
     .run = [](T t) { if (t.history) undo_step(t.history, t.canvas); },
     .standard = SK::Undo, .keys = "Ctrl+Z", .offered = can_undo, .item = &MW::item_undo, .help = "Undo"},
    {.where = Where::Edit, .text = "&Redo", .name = "redo_act",
     .run = [](T t) { if (t.history) redo_step(t.history, t.canvas); },
     .standard = SK::Redo, .keys = "Ctrl+Shift+Z; Ctrl+Y", .offered = can_redo, .item = &MW::item_redo,
     .help_keys = "Ctrl+Shift+Z ou Ctrl+Y", .help = "Redo"},
    separator(Where::Edit),
    {.where = Where::Edit, .text = "Recor&tar", .name = "cut_act", .run = [](T t) { cut_figures(t.canvas); },
     .standard = SK::Cut, .keys = "Ctrl+X", .offered = has_selection, .item = &MW::item_cut,
     .help_keys = "Ctrl+X, Ctrl+C, Ctrl+V", .help = "Recortar, Copiar e Colar"},
    {.where = Where::Edit, .text = "&Copiar", .name = "copy_act", .run = [](T t) { copy_figures(t.canvas); },
     .standard = SK::Copy, .keys = "Ctrl+C", .offered = has_figures_to_copy,
     .item = &MW::item_copy},
    {.where = Where::Edit, .text = "Co&lar", .name = "paste_act", .run = [](T t) { paste_from_clipboard(t.canvas); },
     .standard = SK::Paste, .keys = "Ctrl+V", .offered = [](T) { return clipboard_has_figures(); },
     .item = &MW::item_paste},
    {.where = Where::Edit, .text = "&Duplicar", .name = "duplicate_act",
     .run = [](T t) { duplicate_figures(t.canvas); }, .keys = "Ctrl+D",
     .offered = has_figures_to_copy, .item = &MW::item_duplicate,
     .help = "Duplicar"},
    separator(Where::Edit),
    {.where = Where::Edit, .text = "Selecion&ar tudo", .name = "select_all_act",
     .run = [](T t) { select_all(t.canvas); }, .standard = SK::SelectAll, .keys = "Ctrl+A",
     .offered = has_figures, .item = &MW::item_select_all,
     .help = "Selecionar tudo: todas as figuras, com qualquer ferramenta escolhida"},
    {.where = Where::Edit, .text = "&Posição e tamanho...", .name = "points_act",
     .run = [](T t) { type_points_of_selected(t.canvas); }, .keys = "F4",
     .offered = [](T t) { return selection_size() == 1 && canvas_list(t.canvas); }, .item = &MW::item_points,
     .help = "Posicao e tamanho: com uma so figura selecionada, digita os seus pontos (x1, y1, x2, y2 e, num triangulo, "
             "x3, y3, com y para cima a partir do pe da area de desenho); Enter aplica, Esc desiste"},

    {.where = Where::View, .text = "&Grade", .name = "grid_act", .run = [](T t) { toggle_grid(t.canvas); },
     .keys = "Ctrl+G", .checked = [](T t) { return canvas_grid(t.canvas).shown; }, .item = &MW::item_grid,
     .help = "Grade: mostra ou esconde um ponto cinza a cada espacamento da grade (10 pixels ao iniciar)"},
    {.where = Where::View, .text = "&Alinhar à grade", .name = "snap_act", .run = [](T t) { toggle_snapping(t.canvas); },
     .keys = "Ctrl+Shift+G", .checked = [](T t) { return canvas_grid(t.canvas).snapping; }, .item = &MW::item_snap,
     .help = "Alinhar a grade: os pontos que o ponteiro poe vao ao ponto da grade mais proximo; com Ctrl "
             "apertado, ficam onde o ponteiro esta"},
    {.where = Where::View, .text = "&Espaçamento da grade...", .name = "grid_spacing_act",
     .run = [](T t) { ask_grid_spacing(t.canvas); }, .item = &MW::item_grid_spacing},
    separator(Where::View),
    {.where = Where::View, .text = "&Descrever o desenho", .name = "describe_act",
     .run = [](T t) { describe_drawing(t.canvas); }, .keys = "Ctrl+I",
     .help = "Descrever o desenho: um leitor de tela diz quantas figuras ha, de que tipos e onde, e como "
             "as de fora se relacionam"},

    {.where = Where::Arrange, .text = "Trazer para o &topo", .name = "order_act",
     .run = [](T t) { reorder_selection(t.canvas, Place::Top); }, .keys = "Home", .offered = has_selection,
     .item = &MW::item_to_top, .help_keys = "Home, End",
     .help = "levam as figuras selecionadas para o topo ou para o fundo, na ordem em que estao"},
    {.where = Where::Arrange, .text = "Enviar para o &fundo", .name = "order_act",
     .run = [](T t) { reorder_selection(t.canvas, Place::Bottom); }, .keys = "End", .offered = has_selection,
     .item = &MW::item_to_bottom},
    {.where = Where::Arrange, .text = "&Subir uma camada", .name = "order_act",
     .run = [](T t) { reorder_selection(t.canvas, Place::Up); }, .keys = "PgUp", .offered = has_selection,
     .item = &MW::item_raise, .help_keys = "Page Up, Page Down",
     .help = "sobem ou descem cada figura selecionada uma camada, alem da proxima figura nao selecionada"},
    {.where = Where::Arrange, .text = "D&escer uma camada", .name = "order_act",
     .run = [](T t) { reorder_selection(t.canvas, Place::Down); }, .keys = "PgDown", .offered = has_selection,
     .item = &MW::item_lower},
    separator(Where::Arrange),
    {.where = Where::Arrange, .text = "Alinhar à es&querda", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignLeft); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignLeft); },
     .help = "Arrange: alinhar (duas figuras ou mais), distribuir (tres ou mais), espelhar e girar as figuras "
             "selecionadas, pelas suas caixas; cada um e um passo do Undo"},
    {.where = Where::Arrange, .text = "Alinhar ao &centro", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignCentre); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignCentre); }},
    {.where = Where::Arrange, .text = "Alinhar à &direita", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignRight); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignRight); }},
    {.where = Where::Arrange, .text = "Alinhar em ci&ma", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignTop); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignTop); }},
    {.where = Where::Arrange, .text = "Alinhar ao me&io", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignMiddle); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignMiddle); }},
    {.where = Where::Arrange, .text = "Alinhar em&baixo", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::AlignBottom); },
     .offered = [](T t) { return can_arrange(t, Arrangement::AlignBottom); }},
    separator(Where::Arrange),
    {.where = Where::Arrange, .text = "Distribuir na &horizontal", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::DistributeHorizontally); },
     .offered = [](T t) { return can_arrange(t, Arrangement::DistributeHorizontally); }},
    {.where = Where::Arrange, .text = "Distribuir na &vertical", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::DistributeVertically); },
     .offered = [](T t) { return can_arrange(t, Arrangement::DistributeVertically); }},
    separator(Where::Arrange),
    {.where = Where::Arrange, .text = "Es&pelhar na horizontal", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::FlipHorizontally); }, .keys = "Shift+H",
     .offered = [](T t) { return can_arrange(t, Arrangement::FlipHorizontally); }, .help_keys = "Shift+H, Shift+V",
     .help = "espelham as figuras selecionadas na horizontal ou na vertical"},
    {.where = Where::Arrange, .text = "Espe&lhar na vertical", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::FlipVertically); }, .keys = "Shift+V",
     .offered = [](T t) { return can_arrange(t, Arrangement::FlipVertically); }},
    {.where = Where::Arrange, .text = "Gi&rar 90° à direita", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::TurnClockwise); }, .keys = "Ctrl+R",
     .offered = [](T t) { return can_arrange(t, Arrangement::TurnClockwise); }, .help_keys = "Ctrl+R, Ctrl+Shift+R",
     .help = "giram as figuras selecionadas 90 graus, no sentido do relogio ou ao contrario"},
    {.where = Where::Arrange, .text = "Girar 90° à esquerd&a", .name = "arrange_act",
     .run = [](T t) { arrange_selection(t.canvas, Arrangement::TurnCounterClockwise); }, .keys = "Ctrl+Shift+R",
     .offered = [](T t) { return can_arrange(t, Arrangement::TurnCounterClockwise); }},

    {.where = Where::Bar, .text = "&Info", .name = "info_act", .callback = info_act, .item = &MW::item_info},
    {.where = Where::Bar, .text = "&Help", .name = "AtoAjuda", .callback = AtoAjuda, .standard = SK::HelpContents,
     .keys = "F1", .item = &MW::item_help, .help = "Help"},

    {.text = "Sel", .name = "tool_key_act", .run = [](T t) { press_tool(t, TOOL_SEL); }, .keys = "S",
     .help_keys = "S D R E T", .help = "escolhem as ferramentas Sel, Del, Rect, Ellipse e Triang"},
    {.text = "Del", .name = "tool_key_act", .run = [](T t) { press_tool(t, TOOL_DEL); }, .keys = "D"},
    {.text = "Rect", .name = "tool_key_act", .run = [](T t) { press_tool(t, TOOL_RECT); }, .keys = "R"},
    {.text = "Ellipse", .name = "tool_key_act", .run = [](T t) { press_tool(t, TOOL_ELLIPSE); }, .keys = "E"},
    {.text = "Triang", .name = "tool_key_act", .run = [](T t) { press_tool(t, TOOL_TRIANG); }, .keys = "T"},
    {.text = "Inserir figura", .name = "insert_act", .run = [](T t) { insert_at_centre(t.canvas); },
     .keys = "Return; Enter", .help_keys = "Enter",
     .help = "com Rect, Ellipse ou Triang escolhida, poe uma figura desse tipo, 100 por 60 pixels, no "
             "centro da area de desenho, ja selecionada"},
    {.text = "Cancelar", .name = "cancel_act",
     .run = [](T t) { if (!cancel_gesture(t.canvas)) select_none(t.canvas); }, .keys = "Esc",
     .help = "cancela a figura ou o arrasto em andamento; sem nenhum, desfaz a selecao"},
    // Not the platform's Delete: on X11 that is also Ctrl+D, which is Duplicar's.
    {.text = "Apagar", .name = "delete_act", .run = [](T t) { delete_selection(t.canvas); }, .keys = "Del; Backspace",
     .help_keys = "Delete ou Backspace", .help = "remove as figuras selecionadas"},
    {.text = "Próxima figura", .name = "tab_act", .run = [](T t) { step_selection(t.canvas, -1, false); }, .keys = "Tab",
     .help_keys = "Tab, Shift+Tab",
     .help = "selecionam a figura de cima, depois cada uma abaixo dela (Shift+Tab na outra ordem); assim se "
             "chega a qualquer figura, mesmo escondida sob outra, com qualquer ferramenta escolhida"},
    {.text = "Figura anterior", .name = "tab_act", .run = [](T t) { step_selection(t.canvas, 1, false); },
     .keys = "Backtab; Shift+Backtab"},
    {.text = "Juntar a próxima figura", .name = "tab_act", .run = [](T t) { step_selection(t.canvas, -1, true); },
     .keys = "Ctrl+Tab", .help_keys = "Ctrl+Tab, Ctrl+Shift+Tab",
     .help = "juntam a selecao a figura abaixo (acima) da ultima alcancada, para selecionar varias"},
    {.text = "Juntar a figura anterior", .name = "tab_act", .run = [](T t) { step_selection(t.canvas, 1, true); },
     .keys = "Ctrl+Backtab; Ctrl+Shift+Backtab"},
    {.text = "Figura à esquerda", .name = "nearest_act", .run = [](T t) { focus_nearest(t.canvas, Direction::Left); },
     .keys = "Alt+Left", .offered = has_figures, .help_keys = "Alt+setas",
     .help = "selecionam a figura mais proxima naquela direcao; sem nenhuma, a mais perto da borda oposta"},
    {.text = "Figura à direita", .name = "nearest_act", .run = [](T t) { focus_nearest(t.canvas, Direction::Right); },
     .keys = "Alt+Right", .offered = has_figures},
    {.text = "Figura acima", .name = "nearest_act", .run = [](T t) { focus_nearest(t.canvas, Direction::Up); },
     .keys = "Alt+Up", .offered = has_figures},
    {.text = "Figura abaixo", .name = "nearest_act", .run = [](T t) { focus_nearest(t.canvas, Direction::Down); },
     .keys = "Alt+Down", .offered = has_figures},
    {.text = "Mover à esquerda", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, -1, 0); },
     .keys = "Left", .help_keys = "setas, Shift+setas", .help = "movem as figuras selecionadas 1 pixel, ou 10"},
    {.text = "Mover à direita", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 1, 0); },
     .keys = "Right"},
    {.text = "Mover para cima", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 0, -1); },
     .keys = "Up"},
    {.text = "Mover para baixo", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 0, 1); },
     .keys = "Down"},
    {.text = "Mover 10 à esquerda", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, -10, 0); },
     .keys = "Shift+Left"},
    {.text = "Mover 10 à direita", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 10, 0); },
     .keys = "Shift+Right"},
    {.text = "Mover 10 para cima", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 0, -10); },
     .keys = "Shift+Up"},
    {.text = "Mover 10 para baixo", .name = "nudge_act", .run = [](T t) { nudge_selection(t.canvas, 0, 10); },
     .keys = "Shift+Down"},
    {.text = "Esticar à esquerda", .name = "stretch_act", .run = [](T t) { stretch_selection(t.canvas, -1, 0); },
     .keys = "Ctrl+Left", .help_keys = "Ctrl+setas, Ctrl+Shift+setas",
     .help = "esticam cada figura selecionada 1 pixel, ou 10, como o botao direito com Sel: o primeiro ponto "
             "fica, o segundo vai na direcao da seta"},
    {.text = "Esticar à direita", .name = "stretch_act", .run = [](T t) { stretch_selection(t.canvas, 1, 0); },
     .keys = "Ctrl+Right"},
    {.text = "Esticar para cima", .name = "stretch_act", .run = [](T t) { stretch_selection(t.canvas, 0, -1); },
     .keys = "Ctrl+Up"},
    {.text = "Esticar para baixo", .name = "stretch_act", .run = [](T t) { stretch_selection(t.canvas, 0, 1); },
     .keys = "Ctrl+Down"},
    {.text = "Esticar 10 à esquerda", .name = "stretch_act",
     .run = [](T t) { stretch_selection(t.canvas, -10, 0); }, .keys = "Ctrl+Shift+Left"},
    {.text = "Esticar 10 à direita", .name = "stretch_act",
     .run = [](T t) { stretch_selection(t.canvas, 10, 0); }, .keys = "Ctrl+Shift+Right"},
    {.text = "Esticar 10 para cima", .name = "stretch_act",
     .run = [](T t) { stretch_selection(t.canvas, 0, -10); }, .keys = "Ctrl+Shift+Up"},
    {.text = "Esticar 10 para baixo", .name = "stretch_act",
     .run = [](T t) { stretch_selection(t.canvas, 0, 10); }, .keys = "Ctrl+Shift+Down"},
};

const Command& row_of(const QObject* item) { return COMMANDS[item->property("COMMAND").toInt()]; }

CommandTarget target_of(QObject* item)
{
    return {item_canvas(item), get_pointer_attribute<QUndoStack>(item, "history"),
            get_pointer_attribute<Radio>(item, "tools")};
}

// The callback of every row that says what it does in run.
// A checkable item shows what its command left, whatever its click made of it.
int run_command(QObject* item)
{
    const CommandTarget target = target_of(item);
    const Command& row = row_of(item);
    if (target.canvas) row.run(target);
    if (row.checked) static_cast<QAction*>(item)->setChecked(target.canvas && row.checked(target));
    return IUP_DEFAULT;
}

QWidget* home_of(const Command& c, QMainWindow* window, const Menus& menus)
{
    switch (c.where) {
    case Where::File: return menus.file;
    case Where::Edit: return menus.edit;
    case Where::View: return menus.view;
    case Where::Arrange: return menus.arrange;
    case Where::Bar: return window->menuBar();
    case Where::Keys: break;
    }
    return window;
}

}  // namespace

std::span<const Command> commands() { return COMMANDS; }

QList<QKeySequence> keys_of(const Command& command)
{
    QList<QKeySequence> keys = command.standard == QKeySequence::UnknownKey ? QList<QKeySequence>() : QKeySequence::keyBindings(command.standard);
    for (const QString& name : QString::fromUtf8(command.keys).split("; ", Qt::SkipEmptyParts)) {
        const QKeySequence key(name, QKeySequence::PortableText);
        if (!keys.contains(key)) keys.append(key);
    }
    return keys;
}

void register_command_callbacks()
{
    for (const Command& c : COMMANDS)
        if (c.text) set_function(c.name, c.callback ? c.callback : run_command);
}

void build_commands(MainWindow& w, const Menus& menus)
{
    for (const Command& c : COMMANDS) {
        QWidget* home = home_of(c, w.dialog, menus);
        if (!c.text) {
            static_cast<QMenu*>(home)->addSeparator();
            continue;
        }
        QAction* item = create_item(home, c.text, c.name);
        item->setShortcuts(keys_of(c));
        item->setProperty("COMMAND", int(&c - COMMANDS));
        set_pointer_attribute(item, "CanvasContext", w.canvas);
        set_pointer_attribute(item, "history", w.history);
        set_pointer_attribute(item, "tools", w.radio);
        item->setCheckable(c.checked != nullptr);
        if (c.checked) item->setChecked(c.checked(target_of(item)));
        if (c.item) w.*c.item = item;
    }
    for (QMenu* menu : {menus.file, menus.edit, menus.view, menus.arrange}) {
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { grey_idle_items(menu, true); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [menu] { grey_idle_items(menu, false); });
    }
    // Undo and Redo follow the history as it changes, as Qt's own undo actions do.
    QObject::connect(w.history, &QUndoStack::canUndoChanged, w.item_undo, &QAction::setEnabled);
    QObject::connect(w.history, &QUndoStack::canRedoChanged, w.item_redo, &QAction::setEnabled);
    w.item_undo->setEnabled(w.history->canUndo());
    w.item_redo->setEnabled(w.history->canRedo());
}

void grey_idle_items(QMenu* menu, bool shown)
{
    for (QAction* item : menu->actions()) {
        const QVariant row = item->property("COMMAND");
        if (!row.isValid()) continue;
        const Command& c = COMMANDS[row.toInt()];
        if (!c.offered) continue;
        const bool follows_history = c.item == &MW::item_undo || c.item == &MW::item_redo;
        item->setEnabled(shown || follows_history ? c.offered(target_of(item)) : true);
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
