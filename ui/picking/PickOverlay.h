#pragma once

#include "ScreenPicker.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

class QScreen;

namespace hueprobe {

// A frameless full-screen window over one monitor while a colour is taken from
// the screen: it shows the still image of the screen, so what the user aims at
// cannot change under the pointer, and a magnifier beside the pointer with the
// pixels around it enlarged, the centre one framed and its six-digit code below.
// It only reports what the user does; the picker decides where the aim is.
class PickOverlay : public QWidget {
    Q_OBJECT

public:
    // desktop holds every monitor's image in device pixels; the overlay covers
    // screen, whose image is deviceArea within desktop.
    PickOverlay(QScreen* screen, const QImage& desktop, QRect deviceArea);

    // Moves the magnifier to a device pixel of the desktop (anywhere: it shows
    // only on the overlay of the monitor that holds the pixel).
    void showPointer(QPoint devicePixel);

    // Marks the aim with a crosshair of its own, where the pointer's cursor
    // cannot be moved to it.
    void drawCrosshair();

signals:
    // The device pixel of the desktop under the pointer.
    void pointerMoved(QPoint devicePixel);
    void stepRequested(QPoint step);
    void pickRequested();
    void cancelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint devicePixelAt(QPointF position) const;
    QPointF pointerOnOverlay() const;
    QRect magnifierArea() const;
    QRect crosshairArea() const;
    void paintMagnifier(QPainter& painter) const;
    void paintCrosshair(QPainter& painter) const;

    QImage desktop;
    QRect deviceArea; // the monitor within the desktop, in device pixels
    qreal ratio = 1;  // device pixels per pixel of the overlay
    QPoint pointer{-1, -1};
    bool drawsCrosshair = false;
};

// The answer for the desktop pixel the user picked.
PickAnswer PixelPicked(const QImage& desktop, QPoint devicePixel);

// Ends a pick on every monitor: gives back the keyboard and the mouse where an
// overlay holds them, and takes the overlays away.
void CloseOverlays(QList<QPointer<PickOverlay>>& overlays);

} // namespace hueprobe
