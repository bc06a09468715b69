#include "ScreenPicker.h"

#include "Desktop.h"
#include "PortalPicker.h"
#include "ScreencopyPicker.h"
#ifdef HUEPROBE_HAS_XCB
#include "X11Picker.h"
#endif

#include <QGuiApplication>

namespace hueprobe {

namespace {

// Under Wayland, natively or through XWayland, only the desktop may read the
// screen: reading the X root window there gives black.
bool isWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

// Where the screen can be read neither way.
class NoPicker : public ScreenPicker {
public:
    using ScreenPicker::ScreenPicker;

    void requestColour(Answer answer) override {
        answer({std::nullopt, QStringLiteral("この画面では色を取れません。X11 か Wayland "
                                             "のデスクトップでお使いください。")});
    }
};

// Hueprobe's own overlay can cover the outputs only as a window of the Wayland
// session itself, and screencopy is a wlroots protocol: GNOME's and KDE's
// compositors offer none, and pick through their portal.
bool canScreencopy() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
           !IsGnomeOrKde(qgetenv("XDG_CURRENT_DESKTOP").toStdString());
}

} // namespace

ScreenPicker* ScreenPicker::forThisSession(QObject* parent) {
    // The desktop's own picker where it has one (GNOME, KDE), else a still image
    // of the outputs taken by screencopy (wlroots).
    if (isWaylandSession())
        return new PortalPicker(parent, canScreencopy() ? new ScreencopyPicker(parent) : nullptr);
#ifdef HUEPROBE_HAS_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return new X11Picker(parent);
#endif
    return new NoPicker(parent);
}

} // namespace hueprobe
