#include "toolkit/elements.h"

#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <map>

namespace {

std::map<std::string, QImage>& image_handles()
{
    static std::map<std::string, QImage> images;
    return images;
}

void add_picture(QIcon& icon, const QToolButton* toggle, const char* attribute, QIcon::Mode mode,
                 QIcon::State state)
{
    const QImage* image = find_image_handle(get_name_attribute(toggle, attribute));
    if (image) icon.addPixmap(QPixmap::fromImage(*image), mode, state);
}

void run_toggle_action(QToolButton* toggle, int state)
{
    if (ToggleFn fn = find_toggle(get_name_attribute(toggle, "ACTION"))) fn(toggle, state);
}

}  // namespace

QAction* create_item(QWidget* menu, const char* title, const char* action_name)
{
    QAction* item = menu->addAction(QString::fromUtf8(title));  // a menu, or the bar itself
    set_name_attribute(item, "ACTION", action_name);
    QObject::connect(item, &QAction::triggered, item, [item] {
        ActionFn fn = find_action(get_name_attribute(item, "ACTION"));
        if (fn && fn(item) == IUP_CLOSE) QCoreApplication::exit(0);
    });
    return item;
}

QToolButton* create_toggle(const char* title, const char* action_name)
{
    auto* toggle = new QToolButton;
    toggle->setText(QString::fromUtf8(title));
    toggle->setCheckable(true);
    toggle->setFocusPolicy(Qt::NoFocus);  // a key press must not switch tools in the middle of a drag
    set_name_attribute(toggle, "ACTION", action_name);
    return toggle;
}

void set_image_handle(const std::string& name, const QImage& image) { image_handles()[name] = image; }

const QImage* find_image_handle(const std::string& name)
{
    auto it = image_handles().find(name);
    return it == image_handles().end() ? nullptr : &it->second;
}

void set_toggle_picture(QToolButton* toggle, const char* attribute, const char* handle)
{
    set_name_attribute(toggle, attribute, handle);
    QIcon icon;
    add_picture(icon, toggle, "IMAGE", QIcon::Normal, QIcon::Off);
    add_picture(icon, toggle, "IMPRESS", QIcon::Normal, QIcon::On);
    add_picture(icon, toggle, "IMINACTIVE", QIcon::Disabled, QIcon::Off);
    add_picture(icon, toggle, "IMINACTIVE", QIcon::Disabled, QIcon::On);
    toggle->setIcon(icon);
    if (const QImage* image = find_image_handle(get_name_attribute(toggle, "IMAGE")))
        toggle->setIconSize(image->size());
    toggle->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

Radio::Radio(QObject* parent) : QObject(parent), group_(new QButtonGroup(this))
{
    group_->setExclusive(true);
}

void Radio::add(QToolButton* toggle)
{
    group_->addButton(toggle, int(group_->buttons().size()));
    if (!on_) {
        on_ = toggle;
        toggle->setChecked(true);
    }
    connect(toggle, &QToolButton::clicked, this, [this, toggle] { clicked(toggle); });
}

QToolButton* Radio::toggle(int index) const { return static_cast<QToolButton*>(group_->button(index)); }

void Radio::clicked(QToolButton* toggle)
{
    QToolButton* off = on_;
    on_ = toggle;
    if (off && off != toggle) run_toggle_action(off, 0);
    run_toggle_action(toggle, 1);
}
