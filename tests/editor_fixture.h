// A started editor for offscreen GUI tests: the real window, list, canvas context and callbacks,
// with message boxes and file dialogs answered by the test instead of a person.
#pragma once

#include "app/main_window.h"
#include "core/shape_list.h"
#include "tests/test_support.h"
#include "toolkit/dialogs.h"

#include <QImage>
#include <deque>
#include <memory>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets queued events run (the first resize and repaint arrive this way).
    static void settle();

    // Pointer events through the canvas's real event handlers, at toolkit coordinates (y down).
    void press(int button, int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void release(int button, int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void move(int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Press, a few moves, release, each with mods.
    void drag(int button, int x1, int y1, int x2, int y2, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void click(int button, int x, int y, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        press(button, x, y, mods);
        release(button, x, y, mods);
    }
    // A real click on a tool toggle.
    void choose(QToolButton* toggle);
    // A key pressed and released on the window, made active first (keys reach only it then).
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // A rectangle dragged with the real tool, toolkit coordinates.
    void draw_rect(int x1, int y1, int x2, int y2);

    int canvas_height() const;
    QImage& image();
    // The image the whole drawing gives when redrawn from the list (no highlight, no feedback).
    QImage redrawn_image();

    // Ends the editor without Exit, as a crash would (its recovery copy stays), and starts another,
    // which offers that copy at once; answers of the question come from question_answers.
    void restart();

    MainWindow w;
    std::unique_ptr<TempDir> state_home;                 // this case's XDG_STATE_HOME
    std::vector<std::string> questions;                  // texts of the yes-or-no boxes shown
    std::deque<bool> question_answers;                   // next answers (Nao when none is left)
    std::vector<std::string> messages;                   // texts of the message boxes shown
    std::vector<std::string> message_titles;             // and their titles
    std::deque<std::optional<std::string>> dialog_answers;  // next answers of the file dialog
    std::vector<FileDialogRequest> dialogs_asked;           // every file dialog asked, in order
};

// Pixels of the image with exactly this colour.
int count_pixels(const QImage& image, uint32_t rgb);
int count_non_white(const QImage& image);
// Highlighted figures are the only colour allowed on the canvas; as black they are the drawing.
QImage without_highlight(QImage image);
