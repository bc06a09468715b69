#pragma once

#include "DialogWindow.h"
#include "Module1.h"

#include <array>

class QKeyEvent;
class QLabel;

namespace hueprobe {

// The colour-information dialog: the current colour in the forms a style sheet
// takes, CSS Color 4's colour spaces included, each with a copy button; the nearest chart name; and
// how readable white, black and the swatch's own code text are on the colour (WCAG 2 contrast). It
// follows the current colour while it is open: the main window hands it every
// new colour through ShowColour.
class frmInfo : public DialogWindow<frmInfo> {
    Q_OBJECT

public:
    // #rrggbb, rgb(r g b), rgb(r, g, b), hsl(), then hwb(), lab(), lch(), oklab(), oklch()
    static constexpr int FormCount = 9;
    static constexpr int TextColourCount = 3; // white, black, the swatch's code text
    static constexpr int LevelCount = 4;      // AA, AAA, then AA and AAA for large text

    // Works every figure out again for a new current colour.
    void ShowColour(const Channels& colour);

    // Copy button Index: the text of form Index goes to the clipboard.
    void cmdCopy_Click(int Index);

protected:
    // Escape closes the dialog, as it closes the message windows of the desktop.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class DialogWindow<frmInfo>;

    frmInfo(); // built from the design on each opening, by Show

    void buildControls();
    void showForms(const Channels& colour);
    void showNearestName(const Channels& colour);
    void showContrast(int row, const Channels& text, const Channels& background);

    std::array<QLabel*, FormCount> lblForm{};
    QLabel* lblName = nullptr;
    QLabel* lblDeltaE = nullptr;
    std::array<QLabel*, TextColourCount> lblSample{};
    std::array<QLabel*, TextColourCount> lblRatio{};
    std::array<QLabel*, std::size_t{TextColourCount} * LevelCount> lblPass{};
};

} // namespace hueprobe
