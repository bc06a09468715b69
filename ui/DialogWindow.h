#pragma once

#include "Accessibility.h"

#include <QPointer>
#include <QWidget>

namespace hueprobe {

// A dialog window of which the program has one instance, which exists only
// while the dialog is open: Show builds it afresh from its design when it is
// not open (the window deletes itself when closed) and only brings it to the
// front when it is, so it keeps whatever the user set in it meanwhile. The
// dialog opens without an owner and without blocking any other window, and
// screen readers know it as a dialog.
// Dialog derives from DialogWindow<Dialog> and lets it call its constructor.
template <class Dialog> class DialogWindow : public QWidget {
public:
    static Dialog* Show() {
        if (!ShownInstance())
            instance = new Dialog;
        instance->show();
        instance->raise();
        instance->activateWindow();
        return instance.data();
    }

    // Destroys the window at once, without the close event: the program is ending.
    static void Unload() { delete instance.data(); }

    // The dialog shown now, or null. A closed window may still exist until its
    // deferred deletion runs; it no longer counts as the dialog.
    static Dialog* ShownInstance() {
        return instance && instance->isVisible() ? instance.data() : nullptr;
    }

protected:
    explicit DialogWindow(Qt::WindowFlags flags)
        : QWidget(nullptr, flags) {
        setAttribute(Qt::WA_DeleteOnClose);
        exposeAsDialog(this);
    }

private:
    static inline QPointer<Dialog> instance;
};

} // namespace hueprobe
