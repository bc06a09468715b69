#pragma once

#include <QPushButton>

namespace hueprobe {

// A command button in the graphical style: a flat face in the button's own
// background colour (the palette's Button role) inside a raised 3D edge, so
// the colour shows exactly whatever the platform style does with buttons.
// It is pressed in when down; with the keyboard focus, which is when Enter
// presses it, it is outlined and marked inside its face.
class GraphicalButton : public QPushButton {
    Q_OBJECT

public:
    explicit GraphicalButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace hueprobe
