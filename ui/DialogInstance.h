#pragma once

#include <QPointer>

namespace hueprobe {

// The one program-wide instance of a dialog window. The window exists only
// while the dialog is open: Show builds it afresh from its design when it is
// not open (the window deletes itself when closed), and only brings it to the
// front when it is, so it keeps whatever the user set in it meanwhile.
template <class Dialog> class DialogInstance {
public:
    Dialog* Show() {
        if (!isOpen())
            dialog_ = new Dialog;
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        return dialog_;
    }

    // Destroys the window at once, without the close event: the program is ending.
    void Unload() { delete dialog_.data(); }

    // The open window, or null.
    Dialog* Open() const { return isOpen() ? dialog_.data() : nullptr; }

private:
    // A closed window may still exist until its deferred deletion runs; it no
    // longer counts as the dialog.
    bool isOpen() const { return dialog_ && dialog_->isVisible(); }

    QPointer<Dialog> dialog_;
};

} // namespace hueprobe
