#pragma once

#include "DialogInstance.h"

#include <QWidget>

#include <array>

class QRadioButton;

namespace hueprobe {

// The clipboard-format dialog: three options for the text the main window's
// copy button puts on the clipboard. It opens on the format in force, changes
// nothing while it is open, and sets lngClipMode only when OK is pressed; the
// close box leaves the format as it was.
class frmClip : public QWidget {
    Q_OBJECT

public:
    static constexpr int OptionCount = 3; // optClip(i) selects lngClipMode i

    // Opens the program's dialog without blocking, or brings the open one to the front.
    static frmClip* Show();
    // Destroys the open dialog, if any, without further events.
    static void Unload();
    // The open dialog, or null.
    static frmClip* Open();

    // OK: the selected option's index becomes the format, and the dialog closes.
    void Command1_Click();

private:
    friend class DialogInstance<frmClip>;
    static DialogInstance<frmClip> Instance;

    frmClip(); // built from the design on each opening, by Show

    void buildControls();
    void centreOnScreen();

    std::array<QRadioButton*, OptionCount> optClip{};
};

} // namespace hueprobe
