// Menu items and tool toggles bound to callbacks by name.
#pragma once

#include <QObject>
#include <QToolButton>
#include <string>

class QAction;
class QButtonGroup;
class QImage;
class QWidget;

// A menu item whose choice runs the action registered under action_name; an action returning
// IUP_CLOSE ends the event loop.
QAction* create_item(QWidget* menu, const char* title, const char* action_name);

// A checkable tool button whose state changes run the toggle action registered under action_name.
QToolButton* create_toggle(const char* title, const char* action_name);

// Pictures registered under a handle name, for toggles to name in their picture attributes.
void set_image_handle(const std::string& name, const QImage& image);
const QImage* find_image_handle(const std::string& name);

// Names the picture of one state of a toggle: "IMAGE" (off), "IMPRESS" (on) or "IMINACTIVE"
// (disabled). A toggle with a picture shows it at its own size, without its title.
void set_toggle_picture(QToolButton* toggle, const char* attribute, const char* handle);

// Toggles of which exactly one is on. The first added is on at start and no action runs then;
// picking another runs the action of the toggle turned off (state 0), then that of the toggle
// turned on (state 1); clicking the one already on runs only its own action (state 1).
class Radio : public QObject {
    Q_OBJECT
public:
    explicit Radio(QObject* parent = nullptr);
    void add(QToolButton* toggle);
    QToolButton* on() const { return on_; }
    // The index-th toggle added (from 0), or null.
    QToolButton* toggle(int index) const;

private:
    void clicked(QToolButton* toggle);

    QButtonGroup* group_;
    QToolButton* on_ = nullptr;
};
