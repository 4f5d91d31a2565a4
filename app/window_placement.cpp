// The centring runs in the window's first show event: by then the window has its final size and its
// native window exists but is not yet mapped, so the move reaches the window system before the
// window appears, with or without a window manager, and there is no visible jump.
#include "app/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

void centre_on_screen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    // A window larger than the screen keeps its title bar reachable rather than staying centred.
    window->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

class FirstShowCentring : public QObject {
public:
    explicit FirstShowCentring(QWidget* window) : QObject(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            centre_on_screen(static_cast<QWidget*>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centre_on_first_show(QWidget* window) { window->installEventFilter(new FirstShowCentring(window)); }
