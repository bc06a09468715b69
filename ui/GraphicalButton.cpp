#include "GraphicalButton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

namespace hueprobe {

namespace {

constexpr int EdgeWidth = 2;  // the raised edge, two pixels on each side
constexpr int FocusInset = 4; // the focus mark lies just inside the edge

} // namespace

GraphicalButton::GraphicalButton(QWidget* parent)
    : QPushButton(parent) {}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QStyleOptionButton label;
    initStyleOption(&label);
    label.rect = rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace hueprobe
