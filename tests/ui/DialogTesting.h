#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>

// Checks shared by the tests of the program's dialogs.
namespace hueprobe::testing {

// Closing deletes the window once control is back in the event loop; then the
// program has no open instance of the dialog.
template <class Dialog> bool destroyedAfterClose(const QPointer<Dialog>& dialog) {
    return QTest::qWaitFor([&] { return dialog.isNull(); }) && Dialog::ShownInstance() == nullptr;
}

// How many windows of the dialog exist.
template <class Dialog> int windowsOf() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += qobject_cast<Dialog*>(window) != nullptr;
    return count;
}

} // namespace hueprobe::testing
