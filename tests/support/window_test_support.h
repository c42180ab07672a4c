#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace pelicast::testing {

// The control `name` of `window`; a missing one ends the test run, since
// every check after it would be meaningless.
template <typename T>
T* control(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Windows closed with WA_DeleteOnClose are deleted later; do it now.
inline void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace pelicast::testing
