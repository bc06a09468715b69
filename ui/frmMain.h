#pragma once

#include "Channel16.h"
#include "Module1.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QMenu;
class QPushButton;

namespace hueprobe {

class ChannelScrollBar;
class PickListComboBox;
class ScreenPicker;

// The main window: three channel scroll bars with their decimal and hexadecimal
// boxes, the colour chart list, the copy button and the swatch with the code.
// The display always shows intColor: every change goes through scrColor_Change
// and SetColor (a scroll bar moved) or cmb140_Click and ForCmb (a chart pick).
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);

    // Takes the value of scroll bar Index into its channel and shows it.
    void scrColor_Change(int Index);
    // Clamps value to 0..255 (writing the clamp back into the caller's variable)
    // and shows it as channel index: scroll bar, both boxes and the swatch.
    void SetColor(Int16& value, int index);
    // Shows all three channels of intColor after a chart pick.
    void ForCmb();
    // A chart entry was picked from the list.
    void cmb140_Click();
    // The copy button: the colour shown goes to the clipboard in the format lngClipMode names.
    void Command1_Click();
    // A colour taken in from outside the window (the screen, the clipboard, a
    // colour chosen in a dialog) becomes the current colour as a chart pick does;
    // the chart field keeps its text.
    void TakeColour(const Channels& colour);
    // Quit: ends the program at once, the open dialogs included. Ending signals
    // take this way too.
    void mnuEnd_Click();

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void For140();
    void showChannelTexts(int index, Int16 value);
    void refreshSwatch();
    QString clipText() const;
    void describeColour();
    void announceColour();
    void mnuClip_Click();
    void mnuPick_Click();
    // Reads a colour written as text on the clipboard, or says why it cannot.
    void mnuPaste_Click();
    void mnuInfo_Click();
    void mnuPair_Click();
    void mnuVersion_Click();

    std::array<ChannelScrollBar*, ChannelCount> scrColor{};
    std::array<QLabel*, ChannelCount> lblColor10{};
    std::array<QLabel*, ChannelCount> lblColor16{};
    QLabel* lblColor = nullptr;
    PickListComboBox* cmb140 = nullptr;
    QPushButton* Command1 = nullptr;
    ScreenPicker* picker = nullptr; // made on the first pick
};

} // namespace hueprobe
