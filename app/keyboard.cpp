#include "app/keyboard.h"

#include "app/main_window.h"
#include "canvas/gesture.h"
#include "canvas/selection.h"
#include "toolkit/canvas_widget.h"

#include <QAction>
#include <QMainWindow>
#include <QToolButton>

namespace {

template <class Fn>
void add_key_action(QMainWindow* window, const QList<QKeySequence>& keys, Fn fn)
{
    auto* action = new QAction(window);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, window, fn);
    window->addAction(action);
}

}  // namespace

QList<QKeySequence> keys_for(QKeySequence::StandardKey standard, const QList<QKeySequence>& ours)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : ours)
        if (!keys.contains(key)) keys.append(key);
    return keys;
}

void add_menu_shortcuts(MainWindow& w)
{
    w.item_new->setShortcuts(keys_for(QKeySequence::New, {QKeySequence("Ctrl+N")}));
    w.item_open->setShortcuts(keys_for(QKeySequence::Open, {QKeySequence("Ctrl+O")}));
    w.item_save->setShortcuts(keys_for(QKeySequence::Save, {QKeySequence("Ctrl+S")}));
    w.item_save_as->setShortcuts(keys_for(QKeySequence::SaveAs, {QKeySequence("Ctrl+Shift+S")}));
    w.item_exit->setShortcuts(keys_for(QKeySequence::Quit, {QKeySequence("Ctrl+Q")}));
    w.item_help->setShortcuts(keys_for(QKeySequence::HelpContents, {QKeySequence("F1")}));
    w.item_undo->setShortcuts(keys_for(QKeySequence::Undo, {QKeySequence("Ctrl+Z")}));
    w.item_redo->setShortcuts(
        keys_for(QKeySequence::Redo, {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
}

void add_canvas_keys(MainWindow& w)
{
    CanvasWidget* canvas = w.canvas;
    for (int i = 0; i < TOOL_COUNT; ++i) {
        QToolButton* toggle = w.toggles[i];
        add_key_action(w.dialog, {QKeySequence(TOOLS[i].key)}, [canvas, toggle] {
            if (!canvas->buttons_held()) toggle->click();  // a tool changes only between gestures
        });
    }
    add_key_action(w.dialog, {QKeySequence(Qt::Key_Escape)}, [canvas] { cancel_gesture(canvas); });
    add_key_action(w.dialog, {QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Backspace)},
                   [canvas] { delete_marked(canvas); });
}
