#pragma once

#include "DialogWindow.h"

namespace hueprobe {

// The version dialog: the product's name and version and how it was made, on
// coloured labels whose tooltips name their colours. It holds no state; OK,
// Enter on OK or the close box closes it.
class frmVersion : public DialogWindow<frmVersion> {
    Q_OBJECT

public:
    // OK: the dialog closes.
    void Command1_Click();

private:
    friend class DialogWindow<frmVersion>;

    frmVersion(); // built from the design on each opening, by Show
};

} // namespace hueprobe
