#include "PickOverlay.h"

#include "HexCodec.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace hueprobe {

namespace {

constexpr int Cells = 11; // pixels across the magnifier, the pointer's in the middle
constexpr int Zoom = 8;   // each pixel shown as a square this many pixels wide
constexpr int Side = Cells * Zoom;
constexpr int CodeHeight = 22;
constexpr int Gap = 24; // between the pointer and the magnifier, clear of the cursor

QColor pixelAt(const QImage& image, QPoint at) {
    return image.rect().contains(at) ? QColor(image.pixel(at)) : QColor(Qt::black);
}

// Written as the swatch writes it, so the two can be compared at a glance.
QString codeOf(QColor colour) {
    const std::array<std::string, ChannelCount> hex = {
        ToHex(Int16(colour.red())), ToHex(Int16(colour.green())), ToHex(Int16(colour.blue()))};
    return QString::fromStdString(sixDigitCode(hex));
}

} // namespace

PickOverlay::PickOverlay(QScreen* screen, const QImage& desktop)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                           Qt::WindowStaysOnTopHint)
    , desktop(desktop)
    , ratio(screen->devicePixelRatio()) {
    // Qt places a monitor's corner in device pixels and scales only its size.
    const QRect area = screen->geometry();
    deviceArea = QRect(area.topLeft(), area.size() * ratio);
    setGeometry(area);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    setWindowTitle(QStringLiteral("画面から色を取る"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(QStringLiteral(
        "マウスか矢印キー（１画素ずつ）で色を選び、クリック、Enter か Space で取ります。"
        "Esc か右クリックでやめます。"));
}

void PickOverlay::showPointer(QPoint devicePixel) {
    const bool wasShown = deviceArea.contains(pointer);
    const QRect before = magnifierArea();
    pointer = devicePixel;
    if (wasShown)
        update(before);
    if (deviceArea.contains(pointer))
        update(magnifierArea());
}

// Beside the pointer, below and to the right unless that would leave the monitor.
QRect PickOverlay::magnifierArea() const {
    const QPointF at = QPointF(pointer - deviceArea.topLeft()) / ratio;
    QRect box(0, 0, Side + 2, Side + CodeHeight + 2);
    int left = qRound(at.x()) + Gap;
    if (left + box.width() > width())
        left = qRound(at.x()) - Gap - box.width();
    int top = qRound(at.y()) + Gap;
    if (top + box.height() > height())
        top = qRound(at.y()) - Gap - box.height();
    box.moveTo(left, top);
    return box;
}

void PickOverlay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF dirty(event->rect());
    painter.drawImage(
        dirty, desktop,
        QRectF(QPointF(deviceArea.topLeft()) + dirty.topLeft() * ratio, dirty.size() * ratio));
    if (deviceArea.contains(pointer))
        paintMagnifier(painter);
}

void PickOverlay::paintMagnifier(QPainter& painter) const {
    const QRect box = magnifierArea();
    painter.fillRect(box, Qt::black);
    const QPoint corner = box.topLeft() + QPoint(1, 1);
    for (int row = 0; row < Cells; ++row) {
        for (int column = 0; column < Cells; ++column) {
            const QPoint cell(column, row);
            painter.fillRect(QRect(corner + cell * Zoom, QSize(Zoom, Zoom)),
                             pixelAt(desktop, pointer + cell - QPoint(Cells / 2, Cells / 2)));
        }
    }
    // The centre pixel is framed white inside black, so the frame shows on any colour.
    const QRect centre(corner + QPoint(Cells / 2, Cells / 2) * Zoom, QSize(Zoom, Zoom));
    painter.setPen(Qt::black);
    painter.drawRect(centre.adjusted(-2, -2, 1, 1));
    painter.setPen(Qt::white);
    painter.drawRect(centre.adjusted(-1, -1, 0, 0));
    const QRect codeArea(corner.x(), corner.y() + Side, Side, CodeHeight);
    painter.drawText(codeArea, Qt::AlignCenter, codeOf(pixelAt(desktop, pointer)));
}

void PickOverlay::mouseMoveEvent(QMouseEvent* /*event*/) {
    emit pointerMoved();
}

void PickOverlay::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pickRequested();
    else if (event->button() == Qt::RightButton)
        emit cancelRequested();
}

void PickOverlay::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        emit stepRequested(QPoint(-1, 0));
        break;
    case Qt::Key_Right:
        emit stepRequested(QPoint(1, 0));
        break;
    case Qt::Key_Up:
        emit stepRequested(QPoint(0, -1));
        break;
    case Qt::Key_Down:
        emit stepRequested(QPoint(0, 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit pickRequested();
        break;
    case Qt::Key_Escape:
        emit cancelRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace hueprobe
