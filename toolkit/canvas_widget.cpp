// Event forwarding of the canvas element. Qt delivers the first resize (and on some platforms the
// first paint) inside show(), before start-up has registered the callbacks, so both are handed to
// the callbacks from the event loop instead. A repaint the window system asks for runs "ACTION";
// a repaint that only shows the editor's own drawing just copies the changed part of the image.
#include "toolkit/canvas_widget.h"

#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace {

int button_code(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return '1';
    case Qt::MiddleButton: return '2';
    case Qt::RightButton: return '3';
    case Qt::BackButton: return '4';
    case Qt::ForwardButton: return '5';
    default: return 0;
    }
}

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // keys and a screen reader can land on the drawing
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(1, 1);
    image_ = QImage(sizeHint(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    QMetaObject::invokeMethod(this, &CanvasWidget::go_live, Qt::QueuedConnection);
}

void CanvasWidget::attach_surface(DrawSurface& surface)
{
    surface.image = &image_;
    surface.damaged = [this](const QRect& rect) { image_changed(rect); };
}

void CanvasWidget::image_changed(const QRect& rect)
{
    own_dirty_ += rect;
    last_update_ = rect;
    update(rect);
}

void CanvasWidget::go_live()
{
    live_ = true;
    deliver_resize();
    if (repaint_owed_) update();
}

void CanvasWidget::deliver_resize()
{
    if (!live_ || !resize_pending_) return;
    resize_pending_ = false;
    if (ResizeFn fn = find_resize(get_name_attribute(this, "RESIZE_CB")))
        fn(this, image_.width(), image_.height());
}

void CanvasWidget::deliver_button(QMouseEvent* event, int pressed)
{
    QPointF p = event->position();
    shift_ = event->modifiers().testFlag(Qt::ShiftModifier);
    ctrl_ = event->modifiers().testFlag(Qt::ControlModifier);
    if (ButtonFn fn = find_button(get_name_attribute(this, "BUTTON_CB")))
        fn(this, button_code(event->button()), pressed, qFloor(p.x()), qFloor(p.y()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    pressed_ |= event->button();
    deliver_button(event, 1);
}

// The second press of a double-click is an ordinary press.
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// A release always ends a press on the canvas; one whose press went elsewhere is dropped, so no
// tool commits a figure from a drag that never began.
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!(pressed_ & event->button())) return;
    pressed_ &= ~Qt::MouseButtons(event->button());
    deliver_button(event, 0);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    QPointF p = event->position();
    ctrl_ = event->modifiers().testFlag(Qt::ControlModifier);
    if (MotionFn fn = find_motion(get_name_attribute(this, "MOTION_CB")))
        fn(this, qFloor(p.x()), qFloor(p.y()));
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    // Drawing coordinates count from the bottom, so old pixels would land in the wrong place:
    // start white and let the resize callback redraw.
    image_ = QImage(event->size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    own_dirty_ = QRegion();
    resize_pending_ = true;
    repaint_owed_ = true;  // the window system repaints a resized window
    QMetaObject::invokeMethod(this, &CanvasWidget::deliver_resize, Qt::QueuedConnection);
}

void CanvasWidget::showEvent(QShowEvent*) { repaint_owed_ = true; }

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QRegion asked = event->region();
    bool foreign = !(asked - own_dirty_).isEmpty();
    own_dirty_ -= asked;
    if (!live_) {
        repaint_owed_ = repaint_owed_ || foreign;
    } else if (foreign || repaint_owed_) {
        repaint_owed_ = false;
        deliver_resize();  // a resize is always handed over before the repaint it caused
        if (RepaintFn fn = find_repaint(get_name_attribute(this, "ACTION"))) fn(this);
    }
    QPainter painter(this);
    for (const QRect& rect : asked) painter.drawImage(rect.topLeft(), image_, rect);
}
