#pragma once

#include <QScrollBar>

namespace hueprobe {

// The horizontal scroll bar of one colour channel, 0 to 255.
// Unlike a plain QScrollBar it takes the keyboard focus (Tab and click), shows
// that it has it, and its keys move the way the bar looks: Right and Down raise,
// Left and Up lower, PageDown and PageUp by a page, Home and End to the ends.
// The value changes when a key, an arrow or the track is used, and at the end of
// a drag of the thumb; valueChanged is emitted only when it really changes.
class ChannelScrollBar : public QScrollBar {
    Q_OBJECT

public:
    static constexpr int ArrowStep = 1;
    static constexpr int PageStep = 10;

    explicit ChannelScrollBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hueprobe
