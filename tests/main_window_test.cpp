// The window as a user finds it at start: title, menus, tool bar, canvas size, and the trace of
// pointer events before any tool is chosen.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "canvas/canvas_context.h"
#include "canvas/selection.h"
#include "canvas/rubber_band.h"
#include "canvas/shape_drawing.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"
#include "toolkit/elements.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

namespace {

QStringList texts_of(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* a : actions) texts << (a->isSeparator() ? QString("-") : a->text());
    return texts;
}

}  // namespace

// Guards: a wrong title, missing or misplaced menu items, a toggle bound to the wrong action.
TEST_F(EditorTest, WindowHasTitleMenusAndFiveExclusiveToggles)
{
    EXPECT_EQ(w.dialog->windowTitle(), "Editor de Objetos");
    QList<QAction*> bar = w.dialog->menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(texts_of(bar), QStringList({"&File", "&Edit", "&View", "&Arrange", "&Info", "&Help"}));
    ASSERT_NE(bar[0]->menu(), nullptr);
    EXPECT_EQ(texts_of(bar[0]->menu()->actions()),
              QStringList({"&New...", "&Open...", "-", "&Save", "Save &As...", "-", "&Exit"}));
    ASSERT_NE(bar[1]->menu(), nullptr);
    EXPECT_EQ(texts_of(bar[1]->menu()->actions()),
              QStringList({"&Undo", "&Redo", "-", "Recor&tar", "&Copiar", "Co&lar", "&Duplicar", "-",
                           "Selecion&ar tudo", "&Posição e tamanho..."}));
    ASSERT_NE(bar[2]->menu(), nullptr);
    EXPECT_EQ(texts_of(bar[2]->menu()->actions()),
              QStringList({"&Grade", "&Alinhar à grade", "&Espaçamento da grade...", "-", "&Descrever o desenho"}));
    ASSERT_NE(bar[3]->menu(), nullptr);
    EXPECT_EQ(texts_of(bar[3]->menu()->actions()),
              QStringList({"Trazer para o &topo", "Enviar para o &fundo", "&Subir uma camada", "D&escer uma camada",
                           "-", "Alinhar à es&querda", "Alinhar ao &centro", "Alinhar à &direita", "Alinhar em ci&ma",
                           "Alinhar ao me&io", "Alinhar em&baixo", "-", "Distribuir na &horizontal",
                           "Distribuir na &vertical", "-", "Es&pelhar na horizontal", "Espe&lhar na vertical",
                           "Gi&rar 90° à direita", "Girar 90° à esquerd&a"}));
    EXPECT_EQ(bar[4]->menu(), nullptr);  // Info and Help are plain items on the bar
    EXPECT_EQ(bar[5]->menu(), nullptr);

    const char* actions[] = {"sel_act", "del_act", "rect_act", "ellipse_act", "triang_act"};
    const char* titles[] = {"Sel: ", "Del: ", "Rect: ", "Ellipse: ", "Triang: "};
    for (int i = 0; i < TOOL_COUNT; ++i) {
        EXPECT_TRUE(w.toggles[i]->isCheckable());
        EXPECT_EQ(w.toggles[i]->property("ACTION").toString(), actions[i]);
        EXPECT_EQ(w.toggles[i]->isChecked(), i == 0);
        // Named for a screen reader and on hover, while the button shows only its picture.
        EXPECT_TRUE(w.toggles[i]->toolTip().startsWith(titles[i])) << i;
        EXPECT_GT(w.toggles[i]->toolTip().size(), QString(titles[i]).size() + 5);
        EXPECT_EQ(w.toggles[i]->accessibleName(), w.toggles[i]->toolTip());
        EXPECT_EQ(w.toggles[i]->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    choose(w.toggles[TOOL_TRIANG]);
    EXPECT_FALSE(w.toggles[TOOL_SEL]->isChecked());
    EXPECT_TRUE(w.toggles[TOOL_TRIANG]->isChecked());
}

// Guards: the drawing area starting at another size, or the list not reachable from the elements.
TEST_F(EditorTest, CanvasStartsAt510By254WithListAndContextAttached)
{
    EXPECT_EQ(w.canvas->size(), QSize(510, 254));
    EXPECT_EQ(w.canvas->image()->size(), QSize(510, 254));
    EXPECT_NE(canvas_context(w.canvas), nullptr);
    EXPECT_EQ(canvas_list(w.canvas), w.list);
    for (QAction* item : {w.item_new, w.item_open, w.item_exit})
        EXPECT_EQ(item->property("CanvasContext").value<void*>(), w.canvas);
    EXPECT_EQ(w.item_save->property("objetos").value<void*>(), w.list);
    EXPECT_EQ(w.item_info->property("objetos").value<void*>(), nullptr);
}

// Guards: trace bytes that differ from what users and scripts read on the console.
TEST_F(EditorTest, ButtonsAndMotionBeforeAnyToolOnlyTrace)
{
    TraceCapture trace;
    press(Qt::LeftButton, 10, 20);
    release(Qt::LeftButton, 10, 20);
    move(11, 21);
    press(Qt::RightButton, 5, 6);
    release(Qt::RightButton, 5, 6);
    press(Qt::MiddleButton, 1, 1);
    release(Qt::MiddleButton, 1, 1);
    EXPECT_EQ(trace.take(),
              "\nBotao 1 pressionado em (10, 20)\nBotao 1 solto em (10, 20)\n<11,21>"
              "\nBotao 3 pressionado em (5, 6)\nBotao 3 solto em (5, 6)\n"
              "\nBotao 2 pressionado em (1, 1)\nBotao 2 solto em (1, 1)\n");
    EXPECT_EQ(w.list->count, 0);
    EXPECT_EQ(count_non_white(image()), 0);
}

// Guards: a resize that reaches the callback with the wrong size, or without redrawing.
TEST_F(EditorTest, ResizeTracesNewSizeAndRedraws)
{
    list_add_rect(w.list, 10, 10, 40, 30);
    TraceCapture trace;
    w.dialog->resize(w.dialog->width() + 100, w.dialog->height() + 50);
    settle();
    std::string out = trace.take();
    EXPECT_NE(out.find("\nResize:w=610,h=304"), std::string::npos) << out;
    EXPECT_GT(count_pixels(image(), 0x000000), 0);
}

// Guards: the first resize being lost because Qt delivers it before the callbacks are bound.
TEST(StartUp, TraceBeginsWithFirstResizeThenRepaint)
{
    TraceCapture trace;
    MainWindow w;
    ASSERT_TRUE(start_editor(w));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dialog));
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    std::string out = trace.take();
    EXPECT_EQ(out.rfind("\nResize:w=510,h=254\n Repaint", 0), 0u) << out;
    canvas_context_free(w.canvas);
    delete w.dialog;
    list_free(w.list);
    clear_functions();
}

// Guards: a name bound to nothing crashing the event, and re-binding not taking effect at once.
TEST(Callbacks, LookupByNameAtEveryEvent)
{
    clear_functions();
    EXPECT_EQ(find_button("button_act"), nullptr);
    ButtonFn first = [](CanvasWidget*, int, int, int, int) { return 1; };
    ButtonFn second = [](CanvasWidget*, int, int, int, int) { return 2; };
    set_function("button_act", first);
    EXPECT_EQ(find_button("button_act")(nullptr, 0, 0, 0, 0), 1);
    set_function("button_act", second);
    EXPECT_EQ(find_button("button_act")(nullptr, 0, 0, 0, 0), 2);
    EXPECT_EQ(find_motion("button_act"), nullptr);  // a name holds one kind of function
    clear_functions();
}

// Guards: a picture bound to the wrong toggle or state, scaled, or shown beside the title.
TEST_F(EditorTest, TogglesShowTheirPicturesAtNaturalSizeWithoutTitles)
{
    struct Expected { QToolButton* toggle; const char* plain; const char* pressed; };
    const Expected expected[] = {{w.toggles[TOOL_SEL], "sel", "sel_press"}, {w.toggles[TOOL_DEL], "del", "del_press"},
                                 {w.toggles[TOOL_RECT], "rect", "rect_press"}, {w.toggles[TOOL_ELLIPSE], "ellipse", "ellipse_press"},
                                 {w.toggles[TOOL_TRIANG], "triang", "triang_press"}};
    for (const Expected& e : expected) {
        EXPECT_EQ(e.toggle->property("IMAGE").toString(), e.plain);
        EXPECT_EQ(e.toggle->property("IMPRESS").toString(), e.pressed);
        EXPECT_EQ(e.toggle->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_EQ(e.toggle->iconSize(), QSize(23, 22));
        QImage off = e.toggle->icon().pixmap(QSize(23, 22), QIcon::Normal, QIcon::Off).toImage();
        QImage on = e.toggle->icon().pixmap(QSize(23, 22), QIcon::Normal, QIcon::On).toImage();
        EXPECT_EQ(off.convertToFormat(QImage::Format_RGB32),
                  find_image_handle(e.plain)->convertToFormat(QImage::Format_RGB32)) << e.plain;
        EXPECT_EQ(on.convertToFormat(QImage::Format_RGB32),
                  find_image_handle(e.pressed)->convertToFormat(QImage::Format_RGB32)) << e.pressed;
    }
    EXPECT_EQ(w.toggles[TOOL_DEL]->property("IMINACTIVE").toString(), "del_inactive");
    QImage inactive = w.toggles[TOOL_DEL]->icon().pixmap(QSize(23, 22), QIcon::Disabled, QIcon::Off).toImage();
    EXPECT_EQ(inactive.convertToFormat(QImage::Format_RGB32),
              find_image_handle("del_inactive")->convertToFormat(QImage::Format_RGB32));
}
