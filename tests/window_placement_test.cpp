// Where the window opens. Guards: a window left wherever the platform puts it (the offscreen
// platform's corner, a bare X server's top-left), and a re-show that throws away the user's placement.
#include "tests/editor_fixture.h"

#include <QMainWindow>
#include <QScreen>
#include <QTest>

// Rectangles and points in failure messages as numbers, not bytes.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << "," << p.y() << ")"; }
QT_END_NAMESPACE

namespace {

// Qt's centre of a rectangle rounds down, so an even and an odd size differ by a pixel.
void expect_near(QPoint actual, QPoint expected)
{
    const QPoint off = actual - expected;
    EXPECT_TRUE(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1)
        << ::testing::PrintToString(actual) << " instead of " << ::testing::PrintToString(expected);
}

}  // namespace

TEST_F(EditorTest, FirstShowCentresTheWindowOnItsScreen)
{
    const QRect area = w.dialog->screen()->availableGeometry();
    // The offscreen platform's one screen is 800 by 800 here, room enough for the whole window.
    ASSERT_EQ(area, QRect(0, 0, 800, 800));
    ASSERT_LT(w.dialog->frameGeometry().width(), area.width());
    expect_near(w.dialog->frameGeometry().center(), area.center());
}

TEST_F(EditorTest, LaterShowsKeepWhereTheUserPutTheWindow)
{
    w.dialog->move(30, 40);
    w.dialog->hide();
    w.dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dialog));
    settle();
    EXPECT_EQ(w.dialog->pos(), QPoint(30, 40));
}
