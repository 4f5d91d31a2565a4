// Start-up: the window is built and shown and the canvas context created before any callback is
// registered, so no editor callback runs before the canvas can be drawn on.
#include "app/main_window.h"

#include "app/canvas_callbacks.h"
#include "app/file_drop.h"
#include "app/key_table.h"
#include "app/recovery_copy.h"
#include "app/recovery_offer.h"
#include "app/undo_history.h"
#include "app/window_placement.h"
#include "canvas/canvas_context.h"
#include "accessible/drawing_accessible.h"
#include "canvas/idle_handlers.h"
#include "canvas/interaction_state.h"
#include "canvas/tool_table.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"
#include "toolkit/elements.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

QFrame* framed(QLayout* content)
{
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::Box);
    frame->setLayout(content);
    return frame;
}

QHBoxLayout* row_of(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (QWidget* widget : widgets) row->addWidget(widget);
    return row;
}

// The menus and every key, from the key table.
void build_menus(MainWindow& w)
{
    w.history = create_history(w.dialog, w.canvas);
    QMenuBar* bar = w.dialog->menuBar();
    QMenu* file = bar->addMenu("&File");
    QMenu* edit = bar->addMenu("&Edit");
    QMenu* view = bar->addMenu("&View");
    QMenu* arrange = bar->addMenu("&Arrange");
    build_commands(w, {file, edit, view, arrange});
    // After the Exit command (connected first) has freed the list, its history goes too.
    QObject::connect(w.item_exit, &QAction::triggered, w.history, &QUndoStack::clear);
}

// The list on the canvas and the commands that need it; the commands that draw also get the
// canvas element (under "CanvasContext", where they find the context on it).
void hang_pointers(MainWindow& w)
{
    set_pointer_attribute(w.canvas, "objetos", w.list);
    for (QAction* item : {w.item_new, w.item_open, w.item_exit}) {
        set_pointer_attribute(item, "objetos", w.list);
        set_pointer_attribute(item, "CanvasContext", w.canvas);
    }
    for (QAction* item : {w.item_save, w.item_save_as}) set_pointer_attribute(item, "objetos", w.list);
}

QWidget* build_canvas(MainWindow& w)
{
    w.canvas = new CanvasWidget;
    set_name_attribute(w.canvas, "ACTION", "repaint_act");
    set_name_attribute(w.canvas, "RESIZE_CB", "resize_act");
    set_name_attribute(w.canvas, "BUTTON_CB", "button_act");
    set_name_attribute(w.canvas, "MOTION_CB", "motion_act");
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(w.canvas);
    return framed(layout);
}

}  // namespace

QWidget* build_toolbar(MainWindow& w)
{
    w.radio = new Radio(w.dialog);
    QHBoxLayout* groups[2] = {row_of({}), row_of({})};
    for (int i = 0; i < TOOL_COUNT; ++i) {
        const Tool& tool = TOOLS[i];
        QToolButton* toggle = create_toggle(tool.title, tool.action_name);
        w.toggles[i] = toggle;
        toggle->setToolTip(QString::fromUtf8(tool.hint));
        toggle->setAccessibleName(QString::fromUtf8(tool.hint));  // the picture says nothing to a screen reader
        w.radio->add(toggle);
        for (const ToolPicture& picture : tool.pictures) {
            if (!picture.handle) continue;
            set_image_handle(picture.handle, picture.build());
            set_toggle_picture(toggle, picture.attribute, picture.handle);
        }
        groups[tool.group]->addWidget(toggle);
    }
    QHBoxLayout* bar = row_of({framed(groups[0]), framed(groups[1])});
    bar->addStretch(1);
    return framed(bar);
}

MainWindow build_main_dialog()
{
    MainWindow w;
    w.dialog = new QMainWindow;
    QWidget* toolbar = build_toolbar(w);
    QWidget* canvas_frame = build_canvas(w);  // before the menus: the history redraws it
    build_menus(w);
    accept_dropped_drawings(w);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(toolbar);
    column->addWidget(canvas_frame, 1);
    w.dialog->setCentralWidget(central);
    w.list = list_create();
    if (w.list) hang_pointers(w);
    w.dialog->setWindowTitle("Editor de Objetos");
    return w;
}

void register_callbacks()
{
    set_function("button_act", button_trace);      // canvas buttons until a tool is chosen
    set_function("motion_act", motion_trace);      // canvas motion when nothing is being drawn
    set_function("resize_act", resize_act);        // canvas resized
    set_function("repaint_act", repaint_act);      // canvas exposed
    register_tool("sel_act");                      // tool: select
    register_tool("rect_act");                     // tool: rectangle
    register_tool("ellipse_act");                  // tool: ellipse
    register_tool("triang_act");                   // tool: triangle
    register_tool("del_act");                      // tool: delete
    register_command_callbacks();                  // every menu item's and key's (app/key_table.h)
}

bool start_editor(MainWindow& w)
{
    install_drawing_accessible();  // before the window exists: Qt keeps the first interface it makes
    w = build_main_dialog();
    if (!w.list) return false;
    centre_on_first_show(w.dialog);
    w.dialog->show();
    canvas_context_create(w.canvas);
    register_callbacks();
    start_drawing();
    follow_drawing_for_assistive_technology(w.canvas);
    w.recovery = new RecoveryCopy(w.dialog);
    QTimer::singleShot(0, w.dialog, [recovery = w.recovery, canvas = w.canvas] { offer_left_copy(recovery, canvas); });
    return true;
}
