// Attributes on elements: a pointer stored as it is (the editor owns what it points to), and the
// names of callbacks. Both are Qt dynamic properties of the element.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

inline void set_pointer_attribute(QObject* element, const char* name, void* value)
{
    element->setProperty(name, QVariant::fromValue(value));
}

// The pointer stored under name, or null when none is (or it was cleared).
template <class T>
T* get_pointer_attribute(const QObject* element, const char* name)
{
    if (!element) return nullptr;
    return static_cast<T*>(element->property(name).value<void*>());
}

inline void set_name_attribute(QObject* element, const char* name, const char* value)
{
    element->setProperty(name, QString::fromUtf8(value));
}

inline std::string get_name_attribute(const QObject* element, const char* name)
{
    return element->property(name).toString().toStdString();
}
