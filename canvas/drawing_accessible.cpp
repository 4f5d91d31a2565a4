// The drawing area to assistive technology, after Qt's item views: the area's interface makes a
// light interface per figure on demand and finds it again by its place, and that child holds only
// the drawing area and its place, reading the list at every question so it is never stale. A
// child stands for a place in the drawing order: when the figures change, the area compares them
// with what it last told and sends the events for the places that differ, once the command that
// changed them is done (a command may redraw, drop and restore the highlight on its way).
#include "canvas/drawing_accessible.h"

#include "canvas/announcement.h"
#include "canvas/canvas_context.h"
#include "canvas/edits.h"
#include "canvas/figure_words.h"
#include "canvas/selection.h"
#include "core/hit_test.h"
#include "core/shape_list.h"
#include "toolkit/canvas_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The figure's bounding box in the widget's pixels (y down), held far inside int so that mapping it
// to the screen cannot overflow.
QRect widget_box(CanvasWidget* canvas, ShapeRecord r)
{
    const int xs[3] = {shape_x1(r), shape_x2(r), shape_x3(r)};
    const int ys[3] = {shape_y1(r), shape_y2(r), shape_y3(r)};
    const int n = uses_third_point(r) ? 3 : 2;
    const auto [xmin, xmax] = std::minmax_element(xs, xs + n);
    const auto [ymin, ymax] = std::minmax_element(ys, ys + n);
    auto held = [](int v) { return std::clamp(v, -(1 << 20), 1 << 20); };
    return QRect(QPoint(held(*xmin), held(canvas_y(canvas, *ymax))),
                 QPoint(held(*xmax), held(canvas_y(canvas, *ymin))));
}

std::vector<ShapeRecord> records_of(const ObjectList* list)
{
    if (!list) return {};
    return std::vector<ShapeRecord>(list->records, list->records + list_count(list));
}

// One figure: the place index of the drawing on canvas.
class FigureAccessible : public QAccessibleInterface {
public:
    FigureAccessible(CanvasWidget* canvas, int index) : canvas_(canvas), index_(index) {}

    bool isValid() const override { return canvas_ && canvas_list(canvas_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return canvas_ ? canvas_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(canvas_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        const ObjectList* list = figures();
        if (!list) return {};
        const ShapeRecord r = list_get(list, index_);
        if (t == QAccessible::Name) return QString::fromStdString(figure_name(r, index_, list_count(list)));
        if (t == QAccessible::Description) return QString::fromStdString(figure_description(r));
        return {};
    }

    QRect rect() const override
    {
        const ObjectList* list = figures();
        if (!list) return {};
        const QRect box = widget_box(canvas_, list_get(list, index_));
        return QRect(canvas_->mapToGlobal(box.topLeft()), canvas_->mapToGlobal(box.bottomRight()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        const ObjectList* list = figures();
        s.selected = list && is_selected(index_);
        s.focused = list && focused_figure() == index_ && canvas_->hasFocus();
        return s;
    }

    CanvasWidget* canvas() const { return canvas_; }
    int index() const { return index_; }

private:
    // The list while this place holds a figure, else null.
    const ObjectList* figures() const
    {
        const ObjectList* list = canvas_ ? canvas_list(canvas_) : nullptr;
        return list && index_ < list_count(list) ? list : nullptr;
    }

    QPointer<CanvasWidget> canvas_;
    int index_;
};

class DrawingAccessible : public QAccessibleWidget {
public:
    explicit DrawingAccessible(CanvasWidget* canvas)
        : QAccessibleWidget(canvas, QAccessible::Canvas), told_(records_of(canvas_list(canvas))), announcer_(canvas) {}
    ~DrawingAccessible() override
    {
        for (QAccessible::Id id : made_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QStringLiteral("Desenho") : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        return s;
    }

    int childCount() const override
    {
        const ObjectList* list = canvas_list(canvas());
        return list ? list_count(list) : 0;
    }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        if (made_.size() <= size_t(index)) made_.resize(index + 1, 0);
        QAccessibleInterface* made = made_[index] ? QAccessible::accessibleInterface(made_[index]) : nullptr;
        if (made) return made;
        made = new FigureAccessible(canvas(), index);
        made_[index] = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* figure = dynamic_cast<const FigureAccessible*>(child);
        return figure && figure->canvas() == canvas() && figure->index() < childCount() ? figure->index() : -1;
    }

    // The figure a click at the screen point would pick.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const ObjectList* list = canvas_list(canvas());
        const QPoint p = canvas()->mapFromGlobal(QPoint(x, y));
        if (!list || !canvas()->rect().contains(p)) return nullptr;
        return child(list_pick(list, p.x(), canvas_y(canvas(), p.y())));
    }

    QAccessibleInterface* focusChild() const override
    {
        const int i = focused_figure();
        return canvas()->hasFocus() && i >= 0 && i < childCount() ? child(i) : QAccessibleWidget::focusChild();
    }

    // Asks for tell_changes once the event in hand is done; asking again meanwhile adds nothing.
    void tell_later()
    {
        if (told_pending_) return;
        told_pending_ = true;
        CanvasWidget* area = canvas();
        QMetaObject::invokeMethod(area, [area] {
            if (auto* self = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(area)))
                self->tell_changes();
        }, Qt::QueuedConnection);
    }

    void say(const std::string& sentence) { announcer_.say(QString::fromStdString(sentence)); }

private:
    CanvasWidget* canvas() const { return static_cast<CanvasWidget*>(widget()); }

    // An event of the figure at index, or of the drawing area itself for -1.
    void send(QAccessible::Event type, int index)
    {
        QAccessibleEvent event(canvas(), type);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }

    // A place past the end of the list: its interface says so to whoever held it, then goes.
    void forget_child(int index)
    {
        if (made_.size() <= size_t(index) || !made_[index]) return;
        if (QAccessibleInterface* gone = QAccessible::accessibleInterface(made_[index])) {
            QAccessibleEvent event(gone, QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&event);
        }
        QAccessible::deleteAccessibleInterface(std::exchange(made_[index], 0));
    }

    // Compares the list with what was last told and sends exactly the events the difference calls
    // for; the count is in every name ("2 de 3"), so a change of count renames every figure.
    void tell_changes()
    {
        told_pending_ = false;
        if (!QAccessible::isActive()) return;
        const ObjectList* list = canvas_list(canvas());
        std::vector<ShapeRecord> was = std::exchange(told_, records_of(list));
        const FigureSet selection_was = std::exchange(told_selection_, selected_figures());
        const int focus_was = std::exchange(told_focus_, focused_figure());
        const int before = int(was.size()), after = int(told_.size());
        for (int i = after; i < before; ++i) forget_child(i);
        for (int i = 0; i < std::min(before, after); ++i) {
            if (before != after || shape_type(was[i]) != shape_type(told_[i])) send(QAccessible::NameChanged, i);
            if (was[i] == told_[i]) continue;
            send(QAccessible::LocationChanged, i);
            send(QAccessible::DescriptionChanged, i);
        }
        for (int i = before; i < after; ++i) send(QAccessible::ObjectCreated, i);
        tell_selection(selection_was, after);
        const bool focus_moved = told_focus_ != focus_was;
        if (focus_moved && (told_focus_ >= 0 || canvas()->hasFocus())) send(QAccessible::Focus, told_focus_);
        // What changed, in words, since Orca speaks none of the events above but a focus: the
        // figures first, or else the selection.
        std::string said = change_sentence(was, told_, told_focus_, focus_moved);
        if (said.empty() && was == told_ && selection_was != told_selection_)
            said = selection_sentence(told_, int(told_selection_.count()), told_focus_, focus_moved);
        if (!said.empty()) announcer_.say(QString::fromStdString(said));
    }

    // Each figure that left or joined the selection, so a screen reader's cache of "selected"
    // states follows (Qt's AT-SPI bridge turns these into state changes); more than a few at once
    // (Ctrl+A over 200) are one event of the drawing area, which has the reader ask again.
    void tell_selection(const FigureSet& was, int count)
    {
        const FigureSet changed = was ^ told_selection_;
        if (changed.count() > MANY_AT_ONCE) {
            send(QAccessible::SelectionWithin, -1);
            return;
        }
        for (int i = 0; i < count; ++i) {
            if (!changed[i]) continue;
            send(told_selection_[i] ? QAccessible::SelectionAdd : QAccessible::SelectionRemove, i);
        }
    }

    static constexpr size_t MANY_AT_ONCE = 4;

    mutable std::vector<QAccessible::Id> made_;  // each place's child interface made so far, 0 for none
    std::vector<ShapeRecord> told_;              // the figures as they were last told
    FigureSet told_selection_;                   // and the selected ones
    int told_focus_ = -1;                        // and the focused one (-1: none, or not yet told)
    bool told_pending_ = false;                  // a tell_changes is on its way
    Announcer announcer_;                        // says each change in words
};

QAccessibleInterface* drawing_factory(const QString&, QObject* object)
{
    auto* canvas = qobject_cast<CanvasWidget*>(object);
    return canvas ? new DrawingAccessible(canvas) : nullptr;
}

}  // namespace

void install_drawing_accessible() { QAccessible::installFactory(drawing_factory); }

void accessible_drawing_changed(CanvasWidget* canvas)
{
    if (!canvas || !QAccessible::isActive()) return;
    if (auto* drawing = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(canvas)))
        drawing->tell_later();
}

void follow_drawing_for_assistive_technology(CanvasWidget* canvas)
{
    const int id = watch_drawing([canvas](const ObjectList&, const std::string&, bool) { accessible_drawing_changed(canvas); });
    QObject::connect(canvas, &QObject::destroyed, [id] { stop_watching(id); });
    QPointer<CanvasWidget> area(canvas);
    watch_selection([area] { accessible_drawing_changed(area); });
}

// Once the event in hand is done, as the drawing's changes are said.
void say_to_assistive_technology(CanvasWidget* canvas, const std::string& sentence)
{
    if (!canvas || !QAccessible::isActive()) return;
    QMetaObject::invokeMethod(canvas, [canvas, sentence] {
        if (auto* drawing = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(canvas)))
            drawing->say(sentence);
    }, Qt::QueuedConnection);
}
