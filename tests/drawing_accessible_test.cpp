// What assistive technology reads of the drawing area through Qt's accessibility interfaces, and
// the events each command sends. The offscreen platform has no accessibility bridge, so these cases
// turn Qt's accessibility on themselves and read every event through an update handler, as the
// bridge would get it; window/accessible_window_test.sh runs them again with the real bridge.
#include "tests/editor_fixture.h"
#include "tests/test_support.h"

#include "canvas/tool_table.h"
#include "toolkit/canvas_widget.h"

#include <QAccessible>
#include <QMainWindow>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>
#include <functional>

namespace {

std::vector<std::string>* seen_events = nullptr;  // where the update handler writes, while installed
QObject* drawing_area = nullptr;

// Records "Focus 2" for an event of the drawing area's child 2, "Focus -1" for one of the area
// itself or of a child already past the end of the list, and "Say ..." for a sentence shown.
void record_event(QAccessibleEvent* event)
{
    static const std::pair<QAccessible::Event, const char*> NAMES[] = {
        {QAccessible::Focus, "Focus"}, {QAccessible::SelectionAdd, "SelectionAdd"},
        {QAccessible::SelectionRemove, "SelectionRemove"}, {QAccessible::NameChanged, "NameChanged"},
        {QAccessible::DescriptionChanged, "DescriptionChanged"}, {QAccessible::LocationChanged, "LocationChanged"},
        {QAccessible::ObjectCreated, "ObjectCreated"}, {QAccessible::ObjectDestroyed, "ObjectDestroyed"},
        {QAccessible::SelectionWithin, "SelectionWithin"}, {QAccessible::TableModelChanged, "ModelReset"}};
    QAccessibleInterface* area = QAccessible::queryAccessibleInterface(drawing_area);
    QAccessibleInterface* source = event->accessibleInterface();
    const bool of_area = event->object() == drawing_area;
    if (seen_events && source && source->role() == QAccessible::Notification && event->type() == QAccessible::ObjectShow)
        seen_events->push_back("Say " + source->text(QAccessible::Name).toStdString());
    if (!seen_events || !source || (!of_area && source->parent() != area)) return;
    for (const auto& [type, name] : NAMES)
        if (type == event->type())
            seen_events->push_back(name + (" " + std::to_string(of_area ? event->child() : area->indexOfChild(source))));
}

// Qt's accessibility on or off, as a screen reader's arrival turns it on: the offscreen platform
// has no bridge, but with this on Qt builds the interfaces and hands every event to the handler.
void turn_accessibility(bool on)
{
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(on);
}

}  // namespace

class DrawingAccessibleTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        key(Qt::Key_S);  // the window made active
        w.canvas->setFocus();
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {  // the window test's run
            ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000));
        }
        turn_accessibility(true);
        ASSERT_TRUE(QAccessible::isActive());
    }
    void TearDown() override
    {
        if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) turn_accessibility(false);
        EditorTest::TearDown();
    }

    QAccessibleInterface* area() { return QAccessible::queryAccessibleInterface(w.canvas); }
    // A toolkit point (y down) as the trace prints it (y up).
    std::string at(int x, int y) const { return "(" + std::to_string(x) + "," + std::to_string(canvas_height() - 1 - y) + ")"; }

    // A rectangle, an ellipse and a triangle, drawn with the pointer; what they traced.
    std::string draw_three()
    {
        TraceCapture trace;
        draw_rect(40, 40, 120, 100);
        choose(w.toggles[TOOL_ELLIPSE]);
        drag(Qt::LeftButton, 150, 40, 250, 100);
        choose(w.toggles[TOOL_TRIANG]);
        for (int x : {300, 360, 420}) click(Qt::LeftButton, x, x == 360 ? 40 : 120);
        settle();
        return trace.take();
    }

    // "Name | Description" of each child in order, " *" after a selected one.
    std::vector<std::string> children()
    {
        std::vector<std::string> read;
        for (int i = 0; i < area()->childCount(); ++i) {
            QAccessibleInterface* c = area()->child(i);
            read.push_back((c->text(QAccessible::Name) + " | " + c->text(QAccessible::Description)).toStdString() +
                           (c->state().selected ? " *" : ""));
        }
        return read;
    }
};

// Guards: a description unlike the insert line, children out of the drawing's order, names not
// renumbered or a child left behind after a delete, a reorder or an undo, the selected state not
// following the highlight; and a command that tells assistive technology nothing, more than
// happened (a Focus for a nudge), or tells it before the command is done.
TEST_F(DrawingAccessibleTest, TheChildrenAndTheEventsFollowEachCommand)
{
    const std::string trace = draw_three();
    // Each figure in words: its box's width by height, left and bottom (y up), a triangle's points.
    const std::string R = "80 por 60, em 40, 153", E = "100 por 60, em 150, 153";
    const std::string T = "120 por 80, em 300, 133, pontos 300 133, 360 213, 420 133";
    const std::string T1 = "120 por 80, em 301, 133, pontos 301 133, 361 213, 421 133";  // T nudged right
    const std::string E1 = "100 por 60, em 160, 143", N = "50 por 50, em 10, 53", N1 = "50 por 50, em 11, 53";
    const std::string T2 = "120 por 80, em 302, 133, pontos 302 133, 362 213, 422 133";
    for (const char* line : {" Insert rect [(40,213),(120,153)]", " Insert ellipse [(150,213),(250,153)]",
                             " Insert triang [(300,133),(360,213),(420,133)]"})
        EXPECT_NE(trace.find(line), std::string::npos) << line;
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> children;  // " *" after the selected one
        std::vector<std::string> events;    // sorted
    };
    const std::vector<Step> steps = {
        {"Tab", [&] { key(Qt::Key_Tab); }, {"Retângulo 1 de 3 | " + R, "Elipse 2 de 3 | " + E, "Triângulo 3 de 3 | " + T + " *"},
         {"Focus 2", "SelectionAdd 2"}},
        {"Right", [&] { key(Qt::Key_Right); }, {"Retângulo 1 de 3 | " + R, "Elipse 2 de 3 | " + E, "Triângulo 3 de 3 | " + T1 + " *"},
         {"DescriptionChanged 2", "LocationChanged 2", "Say " + T1}},
        {"End", [&] { key(Qt::Key_End); }, {"Triângulo 1 de 3 | " + T1 + " *", "Retângulo 2 de 3 | " + R, "Elipse 3 de 3 | " + E},
         {"DescriptionChanged 0", "DescriptionChanged 1", "DescriptionChanged 2", "Focus 0", "LocationChanged 0",
          "LocationChanged 1", "LocationChanged 2", "NameChanged 0", "NameChanged 1", "NameChanged 2", "SelectionAdd 0",
          "SelectionRemove 2"}},
        {"Delete", [&] { key(Qt::Key_Delete); }, {"Retângulo 1 de 2 | " + R, "Elipse 2 de 2 | " + E},
         {"DescriptionChanged 0", "DescriptionChanged 1", "Focus -1", "LocationChanged 0", "LocationChanged 1",
          "NameChanged 0", "NameChanged 1", "ObjectDestroyed -1", "Say Triângulo removido, 2 figuras", "SelectionRemove 0"}},
        {"Undo", [&] { key(Qt::Key_Z, Qt::ControlModifier); }, {"Triângulo 1 de 3 | " + T1, "Retângulo 2 de 3 | " + R, "Elipse 3 de 3 | " + E},
         {"DescriptionChanged 0", "DescriptionChanged 1", "LocationChanged 0", "LocationChanged 1", "NameChanged 0",
          "NameChanged 1", "ObjectCreated 2", "Say Desfeito: Triângulo removido, 2 figuras"}},
        {"a drag with Sel moves the ellipse", [&] { choose(w.toggles[TOOL_SEL]); drag(Qt::LeftButton, 200, 70, 210, 80); },
         {"Triângulo 1 de 3 | " + T1, "Retângulo 2 de 3 | " + R, "Elipse 3 de 3 | " + E1 + " *"},
         {"DescriptionChanged 2", "Focus 2", "LocationChanged 2", "SelectionAdd 2"}},
        {"a new rectangle", [&] { draw_rect(10, 150, 60, 200); },
         {"Triângulo 1 de 4 | " + T1, "Retângulo 2 de 4 | " + R, "Elipse 3 de 4 | " + E1 + " *", "Retângulo 4 de 4 | " + N},
         {"NameChanged 0", "NameChanged 1", "NameChanged 2", "ObjectCreated 3", "Say Retângulo 4 de 4, " + N}},
        {"Ctrl+A", [&] { key(Qt::Key_A, Qt::ControlModifier); },
         {"Triângulo 1 de 4 | " + T1 + " *", "Retângulo 2 de 4 | " + R + " *", "Elipse 3 de 4 | " + E1 + " *",
          "Retângulo 4 de 4 | " + N + " *"},
         {"Say 4 figuras selecionadas", "SelectionAdd 0", "SelectionAdd 1", "SelectionAdd 3"}},
        {"Esc", [&] { key(Qt::Key_Escape); },
         {"Triângulo 1 de 4 | " + T1, "Retângulo 2 de 4 | " + R, "Elipse 3 de 4 | " + E1, "Retângulo 4 de 4 | " + N},
         {"Focus -1", "Say Nenhuma figura selecionada", "SelectionRemove 0", "SelectionRemove 1", "SelectionRemove 2",
          "SelectionRemove 3"}},
        {"Ctrl+G", [&] { key(Qt::Key_G, Qt::ControlModifier); },
         {"Triângulo 1 de 4 | " + T1, "Retângulo 2 de 4 | " + R, "Elipse 3 de 4 | " + E1, "Retângulo 4 de 4 | " + N},
         {"Say Grade visível, espaçamento 10"}},
        {"Ctrl+A, then Shift+click takes out the rectangle and the ellipse: two apart stay",
         [&] {
             choose(w.toggles[TOOL_SEL]);
             key(Qt::Key_A, Qt::ControlModifier);
             click(Qt::LeftButton, 80, 70, Qt::ShiftModifier);
             click(Qt::LeftButton, 210, 80, Qt::ShiftModifier);
         },
         {"Triângulo 1 de 4 | " + T1 + " *", "Retângulo 2 de 4 | " + R, "Elipse 3 de 4 | " + E1, "Retângulo 4 de 4 | " + N + " *"},
         {"Focus 3", "Say 2 figuras selecionadas", "SelectionAdd 0", "SelectionAdd 3"}},
        {"Right moves the two", [&] { key(Qt::Key_Right); },
         {"Triângulo 1 de 4 | " + T2 + " *", "Retângulo 2 de 4 | " + R, "Elipse 3 de 4 | " + E1, "Retângulo 4 de 4 | " + N1 + " *"},
         {"DescriptionChanged 0", "DescriptionChanged 3", "LocationChanged 0", "LocationChanged 3",
          "Say 2 figuras movidas, 1 para a direita"}},
        {"Delete takes the two apart", [&] { key(Qt::Key_Delete); },
         {"Retângulo 1 de 2 | " + R, "Elipse 2 de 2 | " + E1},
         {"DescriptionChanged 0", "DescriptionChanged 1", "Focus -1", "LocationChanged 0", "LocationChanged 1",
          "NameChanged 0", "NameChanged 1", "ObjectDestroyed -1", "ObjectDestroyed -1",
          "Say Triângulo e Retângulo removidos, 2 figuras", "SelectionRemove 0"}},
        {"Alt+Right with none focused takes the leftmost", [&] { key(Qt::Key_Right, Qt::AltModifier); },
         {"Retângulo 1 de 2 | " + R + " *", "Elipse 2 de 2 | " + E1}, {"Focus 0", "SelectionAdd 0"}},
        {"Alt+Right again reaches the ellipse", [&] { key(Qt::Key_Right, Qt::AltModifier); },
         {"Retângulo 1 de 2 | " + R, "Elipse 2 de 2 | " + E1 + " *"}, {"Focus 1", "SelectionAdd 1", "SelectionRemove 0"}},
        {"Alt+Right with nothing that way says so", [&] { key(Qt::Key_Right, Qt::AltModifier); },
         {"Retângulo 1 de 2 | " + R, "Elipse 2 de 2 | " + E1 + " *"}, {"Say Nenhuma figura à direita"}},
        {"Ctrl+I describes the drawing", [&] { key(Qt::Key_I, Qt::ControlModifier); },
         {"Retângulo 1 de 2 | " + R, "Elipse 2 de 2 | " + E1 + " *"},
         {"Say 2 figuras: 1 retângulo e 1 elipse, de 40, 143 a 260, 213. Retângulo 1, 80 por 60, em 40, 153; "
          "Elipse 2, 100 por 60, em 160, 143"}},
        {"Ctrl+A and Shift+V mirror the two within their box", [&] { key(Qt::Key_A, Qt::ControlModifier); key(Qt::Key_V, Qt::ShiftModifier); },
         {"Retângulo 1 de 2 | 80 por 60, em 40, 143 *", "Elipse 2 de 2 | 100 por 60, em 160, 153 *"},
         {"DescriptionChanged 0", "DescriptionChanged 1", "LocationChanged 0", "LocationChanged 1",
          "Say 2 figuras espelhadas", "SelectionAdd 0"}},
    };
    drawing_area = w.canvas;
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(record_event);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        std::vector<std::string> seen;
        seen_events = &seen;
        step.act();
        EXPECT_TRUE(seen.empty()) << "told before the command was done: " << seen.front();
        settle();
        seen_events = nullptr;
        EXPECT_EQ(children(), step.children);
        int focused = 0;  // however many are selected, one figure at most has the focus
        for (int i = 0; i < area()->childCount(); ++i) focused += area()->child(i)->state().focused ? 1 : 0;
        EXPECT_LE(focused, 1);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, step.events);
    }
    QAccessible::installUpdateHandler(previous);
}

// Guards: the drawing area read as an unnamed filler, a figure with another role, its box not
// where it is on the screen, Focused without the keyboard focus, a point finding the wrong figure.
TEST_F(DrawingAccessibleTest, AFigureIsAGraphicWithItsBoxOnTheScreen)
{
    draw_three();
    key(Qt::Key_Tab);
    EXPECT_EQ(area()->role(), QAccessible::Canvas);
    EXPECT_EQ(area()->text(QAccessible::Name), "Desenho");
    QAccessibleInterface* triangle = area()->child(2);
    ASSERT_TRUE(triangle);
    EXPECT_EQ(triangle->role(), QAccessible::Graphic);
    EXPECT_EQ(triangle->rect(), QRect(w.canvas->mapToGlobal(QPoint(300, 40)), QSize(121, 81)));
    EXPECT_TRUE(triangle->state().focusable && triangle->state().selected && triangle->state().focused);
    EXPECT_EQ(area()->focusChild(), triangle);
    EXPECT_EQ(area()->child(3), nullptr);
    const QPoint in_ellipse = w.canvas->mapToGlobal(QPoint(200, 70));
    EXPECT_EQ(area()->childAt(in_ellipse.x(), in_ellipse.y()), area()->child(1));
    w.canvas->clearFocus();
    EXPECT_TRUE(triangle->state().selected && !triangle->state().focused);
}

// Guards: a command on a drawing of 200 figures telling a screen reader one event per figure (Orca
// then drops events, the sentence among them); a sentence not said, or said as another change.
TEST_F(DrawingAccessibleTest, TwoHundredFiguresAreAHandfulOfEventsPerCommand)
{
    ObjectList many{};
    for (int i = 0; i < LIST_CAPACITY; ++i) many.records[many.count++] = {SHAPE_RECT, i, i + 5, -1, 10, 15, -1};
    TempDir dir;
    write_all(dir.file("many.edt"), std::string(reinterpret_cast<const char*>(many.records), sizeof(ShapeRecord) * 200));
    choose(w.toggles[TOOL_SEL]);
    area()->child(0);  // a reader has read some figures already
    area()->child(199);
    const struct {
        const char* what;
        std::function<void()> act;
        const char* said;
    } steps[] = {
        {"Open", [&] { dialog_answers.push_back(dir.file("many.edt")); w.item_open->trigger(); }, "Desenho aberto, 200 figuras"},
        {"Ctrl+A", [&] { key(Qt::Key_A, Qt::ControlModifier); }, "200 figuras selecionadas"},
        {"Right", [&] { key(Qt::Key_Right); }, "200 figuras movidas, 1 para a direita"},
        {"Delete", [&] { key(Qt::Key_Delete); }, "200 figuras removidas, nenhuma figura"},
        {"Undo", [&] { key(Qt::Key_Z, Qt::ControlModifier); }, "Desfeito: 200 figuras removidas, nenhuma figura"},
        {"Tab reads the figure at its new place", [&] { key(Qt::Key_Tab); }, nullptr},
    };
    drawing_area = w.canvas;
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(record_event);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        std::vector<std::string> seen;
        seen_events = &seen;
        {
            TraceCapture quiet;
            step.act();
            settle();
        }
        seen_events = nullptr;
        EXPECT_LE(seen.size(), 4u);
        if (step.said) {
            EXPECT_NE(std::find(seen.begin(), seen.end(), std::string("Say ") + step.said), seen.end());
        }
    }
    QAccessible::installUpdateHandler(previous);
    ASSERT_EQ(area()->childCount(), 200);
    // Tab went down from the top one, which Undo left focused; its place is the moved one.
    EXPECT_EQ(area()->focusChild()->text(QAccessible::Name).toStdString(), "Retângulo 199 de 200");
    EXPECT_EQ(area()->focusChild()->text(QAccessible::Description).toStdString().rfind("5 por 5, em 199, 10,", 0), 0u);
}
