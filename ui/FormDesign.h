#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <QWidget>

#include <initializer_list>

// Windows in Hueprobe are drawn from a fixed design: each control has a place in
// twips, a tab position, a text, colours and a font. This layer turns such a
// design table into widgets, so each window's class holds its design as data.
namespace hueprobe::design {

// 1440 twips make an inch; at 96 dpi that is 15 twips to a pixel. Qt scales
// device-independent pixels on high-density screens, so this stays exact.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr QRect toPixels() const {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }
};

enum class Kind {
    Label,      // a text or colour box; takes no focus
    ChannelBar, // horizontal scroll bar for one channel, 0 to 255
    PickList,   // drop-down list with an editable text field
    Button,     // push button; Enter presses it while it has the focus
    Frame,      // a titled frame that holds controls, such as one group of options
    Option,     // option button; the options in one frame form an exclusive group
    TextBox,    // one-line text field
};

inline constexpr int NoColour = -1; // keep the toolkit's colour
inline constexpr int NoTab = -1;    // takes no focus

enum Style : unsigned {
    Plain = 0,
    RightAligned = 1 << 0,
    SunkenBorder = 1 << 1, // thin sunken border, two pixels inside the size
    AutoSize = 1 << 2,     // the label sizes itself to its text, keeping its top-left corner
    Graphical = 1 << 3,    // the button shows its background colour as a flat face
    ShowsValue = 1 << 4,   // the label's text is a live value: screen readers hear the
                           // accessible name followed by the text, "赤（１０進法） 255"
    Centred = 1 << 5,      // a label's text centred across its width, as over a column
};

struct Control {
    const char* name = nullptr;
    Kind kind = Kind::Label;
    const char* container = nullptr; // the frame it sits in; its place is then within the frame
    Twips place;
    int tab = NoTab;
    const char* text = nullptr; // UTF-8
    int textColour = NoColour;  // 0xRRGGBB
    int background = NoColour;  // 0xRRGGBB
    double points = 0;          // 0: the default user-interface font
    unsigned style = Plain;
    const char* tooltip = nullptr;
    // The widest text the control will show: the font is condensed for it to fit
    // the control (condenseToFit).
    const char* widest = nullptr;
    // What screen readers call the control and what they say of it (UTF-8). Without
    // them Qt's own choice stands: a label's or button's text, the tooltip.
    const char* accessibleName = nullptr;
    const char* accessibleDescription = nullptr;
    // For a label: the control it names. Screen readers call that control by the
    // label's text and know which label it is labelled by (QLabel::setBuddy).
    const char* buddy = nullptr;
};

// The widgets built from one design table, by control name.
class Built {
public:
    template <class W> W* get(const char* name) const {
        auto* widget = qobject_cast<W*>(widgets_.value(QString::fromLatin1(name)));
        if (!widget)
            qFatal("Hueprobe design has no %s named %s", W::staticMetaObject.className(), name);
        return widget;
    }

private:
    friend Built build(QWidget*, std::initializer_list<Control>);
    QHash<QString, QWidget*> widgets_;
};

// Creates every control of the design as a child of window, or of the frame it
// sits in (listed before it), places it and chains the focusable ones in the
// design's tab order.
Built build(QWidget* window, std::initializer_list<Control> design);

} // namespace hueprobe::design
