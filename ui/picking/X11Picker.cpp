#include "X11Picker.h"

#include "PickOverlay.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace hueprobe {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

const QString CannotRead = QStringLiteral("画面を読み取れなかったため、色を取れませんでした。");
const QString InputTaken = QStringLiteral(
    "ほかのプログラムがキーボードかマウスを使っているため、画面から色を取れませんでした。"
    "そのプログラムを閉じてから、もう一度お試しください。");

} // namespace

X11Picker::X11Picker(QObject* parent)
    : ScreenPicker(parent) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    connection = x11 ? x11->connection() : nullptr;
    if (connection)
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

X11Picker::~X11Picker() {
    for (PickOverlay* overlay : std::as_const(overlays))
        delete overlay;
}

void X11Picker::requestColour(Answer answer) {
    finish({}); // one picking at a time: an unfinished one counts as cancelled
    waiting = std::move(answer);
    // The root window by its id: the whole X screen, every monitor, in device pixels.
    if (connection)
        desktop = QGuiApplication::primaryScreen()->grabWindow(root).toImage();
    if (desktop.isNull()) {
        finish({std::nullopt, CannotRead});
        return;
    }
    if (!showOverlays()) {
        finish({std::nullopt, InputTaken});
        return;
    }
    followPointer();
}

// Every monitor gets an overlay; the first takes the keyboard and the mouse.
bool X11Picker::showOverlays() {
    for (QScreen* screen : QGuiApplication::screens()) {
        // Qt places a monitor's corner in device pixels and scales only its size.
        const QRect area = screen->geometry();
        auto* overlay = new PickOverlay(
            screen, desktop, QRect(area.topLeft(), area.size() * screen->devicePixelRatio()));
        connect(overlay, &PickOverlay::pointerMoved, this, &X11Picker::followPointer);
        connect(overlay, &PickOverlay::stepRequested, this, &X11Picker::step);
        connect(overlay, &PickOverlay::pickRequested, this, &X11Picker::pick);
        connect(overlay, &PickOverlay::cancelRequested, this, [this] { finish({}); });
        overlay->show();
        overlays.append(overlay);
    }
    PickOverlay* holder = overlays.constFirst();
    QWindow* window = holder->windowHandle();
    if (!window->setKeyboardGrabEnabled(true) || !window->setMouseGrabEnabled(true))
        return false;
    holder->grabKeyboard();
    holder->grabMouse();
    // Focused, so a screen reader announces the overlay and how to use it.
    holder->activateWindow();
    holder->setFocus();
    return true;
}

void X11Picker::followPointer() {
    const std::unique_ptr<xcb_query_pointer_reply_t, FreeReply> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr));
    if (!reply)
        return;
    pointer = QPoint(reply->root_x, reply->root_y);
    for (PickOverlay* overlay : std::as_const(overlays))
        overlay->showPointer(pointer);
}

// Relative to where the pointer is, in device pixels, whatever the scale.
void X11Picker::step(QPoint by) {
    xcb_warp_pointer(connection, XCB_NONE, XCB_NONE, 0, 0, 0, 0, qint16(by.x()), qint16(by.y()));
    followPointer();
}

void X11Picker::pick() {
    followPointer();
    finish(PixelPicked(desktop, pointer));
}

void X11Picker::finish(const PickAnswer& answer) {
    CloseOverlays(overlays);
    desktop = QImage();
    if (const Answer answering = std::exchange(waiting, {}))
        answering(answer);
}

} // namespace hueprobe
