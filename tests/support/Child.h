#pragma once
// Window tests reach a window's parts as a screen reader would: by the object
// names the window gives them. A missing part fails the test at once rather
// than crashing it.

#include <QObject>
#include <QString>
#include <stdexcept>

namespace zorvane::test {

template <class T>
T* Child(const QObject& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        throw std::runtime_error("no " + name.toStdString() + " in " +
                                 parent.objectName().toStdString());
    }
    return child;
}

}  // namespace zorvane::test
