// A sentence for a screen reader to speak at once, whatever has the focus. Qt 6.4's AT-SPI bridge
// sends name and description changes with the object instead of the new text, which Orca 43
// cannot speak; it does speak a notification as it is shown, and one whose parent is a status bar
// without the word "notification". So a change is said by showing a notification, listed among
// no one's children, under a status bar of its own, both made on the first sentence. Qt 6.8's
// announcement event can replace this when Debian ships it.
#pragma once

#include <QAccessible>
#include <QMetaObject>
#include <QString>

class QWidget;

class Announcer {
public:
    explicit Announcer(QWidget* area) : area_(area) {}
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // Spoken as it stands, even the same sentence again. While the area's window is in the
    // background (a file dialog over it), Orca ignores what it shows: the latest sentence waits
    // until the window is active again.
    void say(const QString& sentence);

private:
    void show(const QString& sentence);

    QWidget* area_;
    QString waiting_;                      // said once the window is active again
    QMetaObject::Connection activation_;   // what tells that it is
    QAccessible::Id bar_ = 0;    // the status bar, parent of
    QAccessible::Id said_ = 0;   // the notification, whose name is the sentence
};
