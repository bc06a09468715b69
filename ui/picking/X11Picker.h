#pragma once

#include "ScreenPicker.h"

#include <QImage>
#include <QList>
#include <QPointer>

struct xcb_connection_t;

namespace hueprobe {

class PickOverlay;

// Picks under X11: a still image of the whole X screen in device pixels, shown
// by one overlay per monitor that holds the keyboard and the mouse until the
// user picks or cancels. The pointer is read and moved in device pixels on Qt's
// own X connection, so on a scaled desktop the pixel picked is the one under the
// pointer and an arrow key moves it by exactly one.
class X11Picker : public ScreenPicker {
    Q_OBJECT

public:
    explicit X11Picker(QObject* parent);
    ~X11Picker() override;

    void requestColour(Answer answer) override;

private:
    bool showOverlays();
    void followPointer();
    void step(QPoint by);
    void pick();
    void finish(const PickAnswer& answer);

    xcb_connection_t* connection = nullptr;
    unsigned root = 0;
    QImage desktop;
    QPoint pointer;
    QList<QPointer<PickOverlay>> overlays;
    Answer waiting;
};

} // namespace hueprobe
