#include "PickOverlay.h"

#include "HexCodec.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace hueprobe {

namespace {

constexpr int Cells = 11; // pixels across the magnifier, the pointer's in the middle
constexpr int Zoom = 8;   // each pixel shown as a square this many pixels wide
constexpr int Side = Cells * Zoom;
constexpr int CodeHeight = 22;
constexpr int Gap = 24;      // between the pointer and the magnifier, clear of the cursor
constexpr int CrossGap = 3;  // the crosshair's arms leave the aimed pixel itself in view
constexpr int CrossArm = 12; // and reach this far from it

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

PickOverlay::PickOverlay(QScreen* screen, const QImage& desktop, QRect deviceArea)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                           Qt::WindowStaysOnTopHint)
    , desktop(desktop)
    , deviceArea(deviceArea)
    , ratio(qreal(deviceArea.width()) / screen->geometry().width()) {
    setScreen(screen);
    setGeometry(screen->geometry());
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
    const QRect before = magnifierArea().united(crosshairArea());
    pointer = devicePixel;
    if (wasShown)
        update(before);
    if (deviceArea.contains(pointer))
        update(magnifierArea().united(crosshairArea()));
}

void PickOverlay::drawCrosshair() {
    drawsCrosshair = true;
}

QPointF PickOverlay::pointerOnOverlay() const {
    return QPointF(pointer - deviceArea.topLeft()) / ratio;
}

QRect PickOverlay::crosshairArea() const {
    if (!drawsCrosshair)
        return {};
    const QPoint at = pointerOnOverlay().toPoint();
    return QRect(at - QPoint(CrossArm + 2, CrossArm + 2),
                 QSize(2 * CrossArm + 5, 2 * CrossArm + 5));
}

// Beside the pointer, below and to the right unless that would leave the monitor.
QRect PickOverlay::magnifierArea() const {
    const QPointF at = pointerOnOverlay();
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
    if (!deviceArea.contains(pointer))
        return;
    if (drawsCrosshair)
        paintCrosshair(painter);
    paintMagnifier(painter);
}

// Four arms around the aimed pixel, left open, white over black to show on any colour.
void PickOverlay::paintCrosshair(QPainter& painter) const {
    const QPointF centre = pointerOnOverlay() + QPointF(0.5, 0.5) / ratio;
    for (const QPointF arm : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        const QLineF line(centre + arm * CrossGap, centre + arm * CrossArm);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(line);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(line);
    }
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

// The pixel whose square holds the position: at scale 2 a pointer half-way into
// a pixel of the overlay is over the second of its two device pixels.
QPoint PickOverlay::devicePixelAt(QPointF position) const {
    const QPoint inside(int(std::floor(position.x() * ratio)),
                        int(std::floor(position.y() * ratio)));
    const QRect onMonitor(QPoint(0, 0), deviceArea.size());
    return deviceArea.topLeft() + QPoint(std::clamp(inside.x(), 0, onMonitor.right()),
                                         std::clamp(inside.y(), 0, onMonitor.bottom()));
}

// Where a pointer comes in, the aim follows it from there.
void PickOverlay::enterEvent(QEnterEvent* event) {
    emit pointerMoved(devicePixelAt(event->position()));
}

void PickOverlay::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(devicePixelAt(event->position()));
}

void PickOverlay::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pointerMoved(devicePixelAt(event->position()));
        emit pickRequested();
    } else if (event->button() == Qt::RightButton) {
        emit cancelRequested();
    }
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

PickAnswer PixelPicked(const QImage& desktop, QPoint devicePixel) {
    const QColor colour(desktop.pixel(devicePixel));
    return {Channels{Int16(colour.red()), Int16(colour.green()), Int16(colour.blue())}, {}};
}

void CloseOverlays(QList<QPointer<PickOverlay>>& overlays) {
    for (PickOverlay* overlay : std::as_const(overlays)) {
        if (overlay) {
            overlay->releaseKeyboard();
            overlay->releaseMouse();
            overlay->hide();
            overlay->deleteLater();
        }
    }
    overlays.clear();
}

} // namespace hueprobe
