#pragma once

#include "ScreenPicker.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>

class QProcess;
class QScreen;

namespace hueprobe {

class PickOverlay;

// Picks on wlroots desktops (sway and the others), whose portal has no picker
// but which let a client copy what an output shows (wlr-screencopy). grim takes
// a still image of each output in that output's own device pixels, and one
// full-screen overlay per output shows it with the magnifier. Under Wayland a
// program can neither read nor move the pointer, so the aim is kept here: it
// follows the pointer over an overlay, the arrow keys move it one device pixel,
// and without a pointer it starts in the middle of the output the window is on.
class ScreencopyPicker : public ScreenPicker {
    Q_OBJECT

public:
    explicit ScreencopyPicker(QObject* parent);
    ~ScreencopyPicker() override;

    void requestColour(Answer answer) override;

private:
    struct Output {
        QPointer<QScreen> screen;
        QPointer<QProcess> grim;
        QImage image;
        QRect deviceArea; // where the image sits in the desktop, side by side
    };

    void capture(QScreen* screen, const QString& grim);
    void captured(QProcess* grim);
    bool everyOutputCaptured() const;
    void showOverlays();
    void aimAt(QPoint devicePixel);
    void step(QPoint by);
    void pick();
    void finish(const PickAnswer& answer);

    QList<Output> outputs;
    QImage desktop;
    QPoint aim;
    QList<QPointer<PickOverlay>> overlays;
    Answer waiting;
};

} // namespace hueprobe
