// The drawing area to assistive technology, after Qt's item views: the area's interface makes a
// light interface per figure on demand and finds it again by its place, and that child holds only
// the drawing area and its place, reading the list at every question so it is never stale. A
// child stands for a place in the drawing order: when the figures change, the area compares them
// with what it last told and sends the events for the places that differ, once the command that
// changed them is done (a command may redraw, drop and restore the highlight on its way).
#include "accessible/drawing_accessible.h"

#include "accessible/announcement.h"
#include "canvas/canvas_context.h"
#include "canvas/door.h"
#include "canvas/drawing_change.h"
#include "canvas/figure_words.h"
#include "canvas/selection.h"
#include "canvas/spoken.h"
#include "core/figure_box.h"
#include "core/figure_layout.h"
#include "core/hit_test.h"
#include "core/shape_list.h"
#include "toolkit/canvas_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace {

// The figure's bounding box in the widget's pixels (y down), held far inside int so that mapping it
// to the screen cannot overflow.
QRect widget_box(CanvasWidget* canvas, ShapeRecord r)
{
    const FigureBox box = figure_box(r);
    auto held = [](int64_t v) { return int(std::clamp<int64_t>(v, -(1 << 20), 1 << 20)); };
    return QRect(QPoint(held(box.left), held(canvas_y(canvas, int(held(box.top))))),
                 QPoint(held(box.right), held(canvas_y(canvas, int(held(box.bottom))))));
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
        if (t == QAccessible::Description) {
            const std::string relations = relations_words(list, figure_relations(list, index_));
            return QString::fromStdString(figure_description(r) + (relations.empty() ? "" : ", " + relations));
        }
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
        : QAccessibleWidget(canvas, QAccessible::Canvas), told_count_(childCount()), announcer_(canvas) {}
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

    // A change the door made (or undo or redo replayed), told with the others of the same event.
    void note_change(const DrawingChange& change)
    {
        changes_.push_back(change);
        tell_later();
    }

    // A sentence no change carries (canvas/spoken.h), said as it comes.
    void say(const std::string& sentence) { announcer_.say(QString::fromStdString(sentence)); }

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

    // The places whose figure the changes gave other points (touched), and those among them that
    // may now hold another figure (shifted): above the lowest one taken away or reordered.
    static std::pair<FigureSet, FigureSet> places_touched(const std::vector<DrawingChange>& changes, int count)
    {
        FigureSet touched, shifted;
        for (const DrawingChange& change : changes) {
            if (change.kind != ChangeKind::Removed) touched |= change.figures;
            if (change.kind != ChangeKind::Removed && change.kind != ChangeKind::Reordered) continue;
            int lowest = 0;
            while (lowest < LIST_CAPACITY && !change.figures[lowest]) ++lowest;
            for (int i = lowest; i < count; ++i) shifted.set(i);
        }
        return {touched | shifted, shifted};
    }

    // Tells what the door's changes since the last tell did, and what became of the selection and
    // the focus, then says it in one sentence. The count is in every name ("2 de 3"), so a change of
    // count renames every figure. A change of a few places sends their events; one of more (a new
    // drawing, a move of many, an insert among many) sends one event of the whole area instead,
    // so a screen reader is never flooded and the sentence is not lost behind the flood.
    void tell_changes()
    {
        told_pending_ = false;
        const std::vector<DrawingChange> changes = std::exchange(changes_, {});
        if (!QAccessible::isActive()) return;
        const int before = std::exchange(told_count_, childCount()), after = told_count_;
        const FigureSet selection_was = std::exchange(told_selection_, selected_figures());
        const int focus_was = std::exchange(told_focus_, focused_figure());
        const auto [touched, shifted] = places_touched(changes, after);
        const FigureSet renamed = before != after ? places(0, std::min(before, after)) : shifted;
        const size_t told_places =
            ((touched | renamed) & places(0, std::min(before, after))).count() + size_t(std::abs(after - before));
        if (told_places > MANY_AT_ONCE) tell_whole_area();
        else tell_places(before, after, touched, renamed);
        const bool focus_moved = told_focus_ != focus_was;
        if (told_places <= MANY_AT_ONCE) tell_selection(selection_was, after);
        if (focus_moved && (told_focus_ >= 0 || canvas()->hasFocus())) send(QAccessible::Focus, told_focus_);
        // What happened, in words, since Orca speaks none of the events above but a focus: the
        // last change of the figures, or else the selection.
        std::string said = changes.empty() ? "" : change_sentence(changes.back(), told_focus_, focus_moved);
        if (!changes.empty()) said = with_relation_news(said, changes.back());
        if (changes.empty() && selection_was != told_selection_) {
            const ObjectList* list = canvas_list(canvas());
            const std::vector<ShapeRecord> figures(list->records, list->records + list_count(list));
            said = selection_sentence(figures, int(told_selection_.count()), told_focus_, focus_moved);
        }
        if (!said.empty()) announcer_.say(QString::fromStdString(said));
    }

    // A figure moved, stretched or rewritten alone: what it now touches, or no longer does, after
    // what is said of it ("em 205, 156, agora acima de Retângulo 1"), or alone when its focus
    // event says the rest.
    std::string with_relation_news(const std::string& said, const DrawingChange& change) const
    {
        const ObjectList* list = canvas_list(canvas());
        if (!list || change.records_before.size() != 1) return said;
        int i = 0;
        while (i < list_count(list) && !change.figures[i]) ++i;
        if (i >= list_count(list)) return said;
        ObjectList was = *list;
        was.records[i] = change.records_before[0];
        const std::string news =
            relation_change_words(list, relation_changes(figure_relations(&was, i), figure_relations(list, i)));
        if (news.empty()) return said;
        if (said.empty()) return char(std::toupper(news[0])) + news.substr(1);
        return said + ", " + news;
    }

    // The events of each place: gone, renamed, moved or rewritten, new.
    void tell_places(int before, int after, const FigureSet& touched, const FigureSet& renamed)
    {
        for (int i = after; i < before; ++i) forget_child(i);
        for (int i = 0; i < std::min(before, after); ++i) {
            if (renamed[i]) send(QAccessible::NameChanged, i);
            if (!touched[i]) continue;
            send(QAccessible::LocationChanged, i);
            send(QAccessible::DescriptionChanged, i);
        }
        for (int i = before; i < after; ++i) send(QAccessible::ObjectCreated, i);
    }

    // The whole area changed: every figure's interface is dropped without a word, so whatever a
    // reader kept of one is never read again (each place gets a new one when asked), and one event
    // says the area's children are to be read anew. Qt's AT-SPI bridge sends it as one
    // object:model-changed; the selected states go with it.
    void tell_whole_area()
    {
        for (QAccessible::Id& id : made_)
            if (id) QAccessible::deleteAccessibleInterface(std::exchange(id, 0));
        QAccessibleTableModelChangeEvent reset(canvas(), QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    }

    static FigureSet places(int first, int last)
    {
        FigureSet set;
        for (int i = first; i < last; ++i) set.set(i);
        return set;
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
    int told_count_;                             // the figures there were when last told
    std::vector<DrawingChange> changes_;         // the door's changes since then
    FigureSet told_selection_;                   // the selected figures when last told
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
    QPointer<CanvasWidget> area(canvas);
    const int id = watch_changes([area](const DrawingChange& change) {
        if (!area || !QAccessible::isActive()) return;
        if (auto* drawing = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(area)))
            drawing->note_change(change);
    });
    QObject::connect(canvas, &QObject::destroyed, [id] { stop_watching_changes(id); });
    watch_selection([area] { accessible_drawing_changed(area); });
    // Said once the event in hand is done, as the drawing's changes are.
    listen_to_spoken([area](const std::string& sentence) {
        if (!area || !QAccessible::isActive()) return;
        QMetaObject::invokeMethod(area, [area, sentence] {
            if (auto* drawing = dynamic_cast<DrawingAccessible*>(QAccessible::queryAccessibleInterface(area)))
                drawing->say(sentence);
        }, Qt::QueuedConnection);
    });
    QObject::connect(canvas, &QObject::destroyed, [] { listen_to_spoken({}); });
}
