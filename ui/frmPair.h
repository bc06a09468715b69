#pragma once

#include "ColorPair.h"
#include "DialogWindow.h"
#include "Module1.h"

#include <array>
#include <optional>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hueprobe {

class OptionButton;
class ScreenPicker;

// The text-and-background dialog: the current colour paired with a second colour
// (white at first), one of them the text and the other the background. It draws
// the pair as body text and large text both ways round, gives the pair's WCAG
// contrast with its marks, the colours nearest to the text colour that reach AA
// and AAA, and how the pair looks with other colour vision. It follows the
// current colour while it is open: the main window hands it every new colour
// through ShowColour; the second colour stays until the user changes it here.
class frmPair : public DialogWindow<frmPair> {
    Q_OBJECT

public:
    ~frmPair() override;

    static constexpr int LevelCount = 5;   // AA, AAA, large AA, large AAA, non-text
    static constexpr int NearestCount = 2; // the nearest colours for AA and AAA
    static constexpr int SampleCount = 4;  // body and large text, each both ways round

    // The current colour has changed.
    void ShowColour(const Channels& colour);
    // The second colour, from its field, the screen or the clipboard.
    void SetSecondColour(const Channels& colour);

    // Option Index: 0 the current colour is the text, 1 the second colour is.
    void optText_Click(int Index);
    // The second colour's field: its text is read when the user ends the edit.
    void txtSecond_EditingFinished();
    void cmdPick_Click();
    void cmdPaste_Click();
    // Copy button Index: the code of nearest colour Index goes to the clipboard.
    void cmdCopy_Click(int Index);
    // Use button Index: nearest colour Index becomes the text colour.
    void cmdUse_Click(int Index);

signals:
    // A colour the user chose here to become the current colour; the main window
    // takes it as it takes a colour from the screen or the clipboard.
    void CurrentColourChosen(const Channels& colour);

protected:
    // Escape closes the dialog, as it closes the message windows of the desktop.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing leaves a colour half written in the field unread.
    void closeEvent(QCloseEvent* event) override;

private:
    friend class DialogWindow<frmPair>;

    frmPair(); // built from the design on each opening, by Show

    void buildControls();
    const Channels& text() const { return currentIsText ? current : second; }
    const Channels& background() const { return currentIsText ? second : current; }
    void showPair();
    void showColours();
    void showSamples();
    void showContrast(double ratio);
    void showNearest(int index, const std::optional<Channels>& colour);
    void showSeen(const PairMeasures& measures);
    void announcePair();

    Channels current{};
    Channels second{255, 255, 255};
    bool currentIsText = true;
    std::array<std::optional<Channels>, NearestCount> nearest{};

    QLabel* lblCurrent = nullptr;
    QLabel* lblSecond = nullptr;
    QLineEdit* txtSecond = nullptr;
    std::array<OptionButton*, 2> optText{};
    std::array<QLabel*, SampleCount> lblSample{};
    QLabel* lblRatio = nullptr;
    std::array<QLabel*, LevelCount> lblPass{};
    std::array<QLabel*, NearestCount> lblNearest{};
    std::array<QLabel*, NearestCount> lblNearestDelta{};
    std::array<QPushButton*, NearestCount> cmdCopy{};
    std::array<QPushButton*, NearestCount> cmdUse{};
    std::array<QLabel*, ColorVisions.size()> lblSeen{};
    std::array<QLabel*, ColorVisions.size()> lblSeenRatio{};
    std::array<QLabel*, ColorVisions.size()> lblSeenPass{};
    std::array<QWidget*, 7> pairControls{}; // the controls whose use changes the pair
    ScreenPicker* picker = nullptr;         // made on the first pick
};

} // namespace hueprobe
