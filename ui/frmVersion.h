#pragma once

#include "DialogInstance.h"

#include <QWidget>

namespace hueprobe {

// The version dialog: the product's name and version and how it was made, on
// coloured labels whose tooltips name their colours. It holds no state; OK,
// Enter on OK or the close box closes it.
class frmVersion : public QWidget {
    Q_OBJECT

public:
    // Opens the program's dialog without blocking, or brings the open one to the front.
    static frmVersion* Show();
    // Destroys the open dialog, if any, without further events.
    static void Unload();
    // The open dialog, or null.
    static frmVersion* Open();

    // OK: the dialog closes.
    void Command1_Click();

private:
    friend class DialogInstance<frmVersion>;
    static DialogInstance<frmVersion> Instance;

    frmVersion(); // built from the design on each opening, by Show
};

} // namespace hueprobe
