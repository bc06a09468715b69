#pragma once

#include "DialogWindow.h"

#include <array>

class QRadioButton;

namespace hueprobe {

// The clipboard-format dialog: three options for the text the main window's
// copy button puts on the clipboard. It opens on the format in force, changes
// nothing while it is open, and sets lngClipMode only when OK is pressed; the
// close box leaves the format as it was.
class frmClip : public DialogWindow<frmClip> {
    Q_OBJECT

public:
    static constexpr int OptionCount = 3; // optClip(i) selects lngClipMode i

    // OK: the selected option's index becomes the format, and the dialog closes.
    void Command1_Click();

private:
    friend class DialogWindow<frmClip>;

    frmClip(); // built from the design on each opening, by Show

    void buildControls();
    void centreOnScreen();

    std::array<QRadioButton*, OptionCount> optClip{};
};

} // namespace hueprobe
