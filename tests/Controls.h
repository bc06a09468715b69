#pragma once

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace hueprobe::testing {

// A window's control (or menu item) by the name it has in the window's design.
template <class Control = QWidget> Control* control(const QObject* window, const QString& name) {
    auto* found = window->findChild<Control*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Chooses a menu item as a click or its key would.
inline void choose(const QObject* window, const char* item) {
    control<QAction>(window, QString::fromLatin1(item))->trigger();
}

// The message window on screen, if there is one.
inline QMessageBox* shownNotice() {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace hueprobe::testing
