// The canvas element: a widget that owns the backing image the editor draws on and forwards
// pointer, resize and repaint events to the callbacks named by its attributes "BUTTON_CB",
// "MOTION_CB", "RESIZE_CB" and "ACTION". Positions are drawing-area pixels from the top-left, y down.
#pragma once

#include "core/canvas_size.h"
#include "toolkit/draw_surface.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    // The image drawn on; it keeps its address when a resize gives it a new size.
    QImage* image() { return &image_; }
    // Wires a drawing surface to the image so the screen shows what it draws, region by region.
    void attach_surface(DrawSurface& surface);
    // True while a button pressed on the canvas has not been released.
    bool buttons_held() const { return pressed_ != Qt::NoButton; }
    // The buttons held now end without their releases reaching the callbacks (a gesture the
    // user abandoned must not be committed by its release).
    void forget_presses() { pressed_ = Qt::NoButton; }
    // Whether Shift was held with the last button event (a button callback carries no keys).
    bool shift_held() const { return shift_; }
    // Whether Ctrl was held with the last button or motion event: a gesture's points go free of the grid.
    bool ctrl_held() const { return ctrl_; }
    // The region the last drawing asked the screen to update (tests read it).
    QRect last_update_rect() const { return last_update_; }

    QSize sizeHint() const override { return {CANVAS_WIDTH, CANVAS_HEIGHT}; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The focus shows nowhere on the drawing, so taking or losing it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}
    void paintEvent(QPaintEvent* event) override;

private:
    void go_live();
    void deliver_resize();
    void deliver_button(QMouseEvent* event, int pressed);
    void image_changed(const QRect& rect);

    QImage image_;
    Qt::MouseButtons pressed_;  // buttons pressed on the canvas and not yet released
    QRegion own_dirty_;        // changed by the editor's drawing, not yet on screen
    QRect last_update_;
    bool shift_ = false;
    bool ctrl_ = false;
    bool live_ = false;        // the event loop has run once: callbacks are registered by now
    bool resize_pending_ = false;
    bool repaint_owed_ = false;  // shown or resized: the next paint is the window system's
};
