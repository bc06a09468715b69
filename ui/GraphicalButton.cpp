#include "GraphicalButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

namespace hueprobe {

namespace {

constexpr int EdgeWidth = 2;  // the raised edge, two pixels on each side
constexpr int FocusInset = 4; // the focus mark lies just inside the edge

} // namespace

GraphicalButton::GraphicalButton(QWidget* parent)
    : QPushButton(parent) {}

// Drawn as the classic 3D button: with the focus (when Enter presses it) it is
// outlined in the shadow colour and its face carries a dotted focus mark;
// the styles' own focus marks would tint the face.
void GraphicalButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QRect button = rect();
    if (hasFocus()) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(button.adjusted(0, 0, -1, -1));
        button.adjust(1, 1, -1, -1);
    }
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, button, palette(), isDown(), &face);

    QStyleOptionButton label;
    initStyleOption(&label);
    label.rect = button.adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(button.adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    }
}

} // namespace hueprobe
