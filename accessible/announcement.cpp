#include "accessible/announcement.h"

#include <QAccessibleInterface>
#include <QGuiApplication>
#include <QTimer>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

constexpr int AFTER_RETURN_MS = 300;

// What both interfaces answer alike: no children of their own to find, no state, no text to set.
class Quiet : public QAccessibleInterface {
public:
    explicit Quiet(QWidget* area) : area_(area) {}
    bool isValid() const override { return area_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    QPointer<QWidget> area_;
};

class StatusBar : public Quiet {
public:
    StatusBar(QWidget* area, const QAccessible::Id* said) : Quiet(area), said_(said) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(area_.data()); }
    QAccessibleInterface* child(int i) const override
    {
        return i == 0 && *said_ ? QAccessible::accessibleInterface(*said_) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface*) const override { return 0; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }

private:
    const QAccessible::Id* said_;
};

class Notification : public Quiet {
public:
    Notification(QWidget* area, QAccessible::Id bar) : Quiet(area), bar_(bar) {}
    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(bar_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? sentence : QString(); }
    QRect rect() const override { return area_ ? QRect(area_->mapToGlobal(QPoint(0, 0)), QSize(1, 1)) : QRect(); }

    QString sentence;

private:
    QAccessible::Id bar_;
};

}  // namespace

Announcer::~Announcer()
{
    QObject::disconnect(activation_);
    for (QAccessible::Id id : {said_, bar_})
        if (id) QAccessible::deleteAccessibleInterface(id);
}

void Announcer::say(const QString& sentence)
{
    QWidget* window = area_ ? area_->window() : nullptr;
    if (!window || window->isActiveWindow()) {
        waiting_.clear();  // a newer sentence than the one waiting: the latest is the one said
        show(sentence);
        return;
    }
    waiting_ = sentence;
    if (activation_) return;
    activation_ = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [this](QWindow* focus) {
        if (!area_ || focus != area_->window()->windowHandle()) return;
        QObject::disconnect(std::exchange(activation_, {}));
        // After the burst of events the window's return sends, which Orca reads first and may
        // prune the rest of when it floods.
        QTimer::singleShot(AFTER_RETURN_MS, area_, [this] {
            if (!waiting_.isEmpty()) show(std::exchange(waiting_, {}));
        });
    });
}

void Announcer::show(const QString& sentence)
{
    if (!said_) {
        bar_ = QAccessible::registerAccessibleInterface(new StatusBar(area_, &said_));
        said_ = QAccessible::registerAccessibleInterface(new Notification(area_, bar_));
    }
    auto* said = static_cast<Notification*>(QAccessible::accessibleInterface(said_));
    said->sentence = sentence;
    QAccessibleEvent shown(said, QAccessible::ObjectShow);  // the bridge sends state-changed:showing
    QAccessible::updateAccessibility(&shown);
}
