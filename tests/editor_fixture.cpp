#include "tests/editor_fixture.h"

#include "app/recovery_copy.h"
#include "canvas/canvas_context.h"
#include "canvas/figure_raster.h"
#include "canvas/interaction_state.h"
#include "canvas/selection.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

void EditorTest::SetUp()
{
    state_home = std::make_unique<TempDir>();
    setenv("XDG_STATE_HOME", state_home->path().c_str(), 1);
    reset_interaction_state();
    forget_selection();
    set_question_handler([this](const std::string&, const std::string& text) {
        questions.push_back(text);
        if (question_answers.empty()) return false;
        const bool answer = question_answers.front();
        question_answers.pop_front();
        return answer;
    });
    set_message_handler([this](const std::string& title, const std::string& text) {
        message_titles.push_back(title);
        messages.push_back(text);
    });
    set_file_dialog_handler([this](const FileDialogRequest& request) -> std::optional<std::string> {
        dialogs_asked.push_back(request);
        if (dialog_answers.empty()) return std::nullopt;
        auto answer = dialog_answers.front();
        dialog_answers.pop_front();
        return answer;
    });
    ASSERT_TRUE(start_editor(w));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dialog));
    settle();
}

void EditorTest::TearDown()
{
    ObjectList* list = canvas_list(w.canvas);
    if (canvas_context(w.canvas)) canvas_context_free(w.canvas);
    delete w.dialog;
    list_free(list);
    clear_functions();
    set_message_handler({});
    set_file_dialog_handler({});
    set_question_handler({});
    reset_interaction_state();
    forget_selection();
}

void EditorTest::restart()
{
    ObjectList* list = canvas_list(w.canvas);
    if (w.recovery) w.recovery->wait_written(std::chrono::seconds(5));
    if (canvas_context(w.canvas)) canvas_context_free(w.canvas);
    delete w.dialog;
    list_free(list);
    clear_functions();
    reset_interaction_state();
    forget_selection();
    ASSERT_TRUE(start_editor(w));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dialog));
    settle();
}

void EditorTest::settle()
{
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void EditorTest::press(int button, int x, int y, Qt::KeyboardModifiers mods)
{
    QTest::mousePress(w.canvas, static_cast<Qt::MouseButton>(button), mods, QPoint(x, y));
}

void EditorTest::release(int button, int x, int y, Qt::KeyboardModifiers mods)
{
    QTest::mouseRelease(w.canvas, static_cast<Qt::MouseButton>(button), mods, QPoint(x, y));
}

// A move event of its own rather than QTest's, which moves the cursor instead when no button is
// held and so sends nothing when the pointer is already there.
void EditorTest::move(int x, int y, Qt::KeyboardModifiers mods)
{
    Qt::MouseButtons held = QGuiApplication::mouseButtons();
    QMouseEvent event(QEvent::MouseMove, QPointF(x, y), w.canvas->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                      held, mods);
    QApplication::sendEvent(w.canvas, &event);
}

void EditorTest::drag(int button, int x1, int y1, int x2, int y2, Qt::KeyboardModifiers mods)
{
    press(button, x1, y1, mods);
    move((x1 + x2) / 2, y1, mods);
    move(x2, (y1 + y2) / 2, mods);
    move(x2, y2, mods);
    release(button, x2, y2, mods);
}

void EditorTest::choose(QToolButton* toggle) { QTest::mouseClick(toggle, Qt::LeftButton); }

int EditorTest::canvas_height() const { return w.canvas->height(); }

QImage& EditorTest::image() { return *w.canvas->image(); }

// Drawn on an image of its own, so the live canvas and its feedback state stay as they are.
QImage EditorTest::redrawn_image()
{
    QImage clean(image().size(), QImage::Format_RGB32);
    DrawSurface surface;
    surface.image = &clean;
    surface_activate(surface);
    draw_list(surface, canvas_list(w.canvas));
    return clean;
}

int count_pixels(const QImage& image, uint32_t rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == rgb) ++n;
    return n;
}

int count_non_white(const QImage& image) { return image.width() * image.height() - count_pixels(image, 0xFFFFFF); }

void EditorTest::key(Qt::Key k, Qt::KeyboardModifiers mods)
{
    if (!w.dialog->isActiveWindow()) {
        w.dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.dialog));
    }
    QTest::keyClick(w.dialog, k, mods);
}

void EditorTest::draw_rect(int x1, int y1, int x2, int y2)
{
    choose(w.toggles[TOOL_RECT]);
    drag(Qt::LeftButton, x1, y1, x2, y2);
}

QImage without_highlight(QImage image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y) & 0xFFFFFF;
            if (c == 0xFF0000 || c == 0x0000FF) image.setPixel(x, y, 0xFF000000);
        }
    return image;
}
