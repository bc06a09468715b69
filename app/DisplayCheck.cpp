#include "DisplayCheck.h"

#include <QByteArrayList>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <memory>

#ifdef HUEPROBE_HAS_XCB
#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace hueprobe {

namespace {

#ifdef HUEPROBE_HAS_XCB

struct DisplayServers {
    bool x11 = false;
    bool wayland = false;
};

// The display servers Qt may connect to. QT_QPA_PLATFORM lists the platforms Qt
// tries in turn ("wayland;xcb", "xcb:option=value"); without it Qt chooses between
// X11 and Wayland itself. A listed platform that needs no server means no check.
std::optional<DisplayServers> displayServersToTry() {
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    if (requested.isEmpty())
        return DisplayServers{true, true};
    DisplayServers servers;
    for (const QByteArray& entry : requested.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed();
        if (name == "xcb")
            servers.x11 = true;
        else if (name.startsWith("wayland"))
            servers.wayland = true;
        else
            return std::nullopt;
    }
    return servers;
}

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// The connection that found the X display answering stays open until the program
// ends: a bare X server (Xvfb, a kiosk) resets when its last client leaves, and while
// it resets it refuses the connection Qt opens next.
std::unique_ptr<xcb_connection_t, Disconnect> heldConnection;

bool x11Answers(const QByteArray& display) {
    int screen = 0;
    std::unique_ptr<xcb_connection_t, Disconnect> connection(
        xcb_connect(display.constData(), &screen));
    if (xcb_connection_has_error(connection.get()))
        return false;
    heldConnection = std::move(connection);
    return true;
}

// A Wayland display is a socket: WAYLAND_DISPLAY names it absolutely or in XDG_RUNTIME_DIR.
bool waylandAnswers(const QString& display) {
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!display.startsWith(u'/') && runtimeDir.isEmpty())
        return false;
    const QByteArray path =
        (display.startsWith(u'/') ? display : runtimeDir + u'/' + display).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

QString unsetVariables(const DisplayServers& servers) {
    if (servers.x11 && servers.wayland)
        return QStringLiteral("DISPLAY and WAYLAND_DISPLAY are empty");
    return servers.x11 ? QStringLiteral("DISPLAY is empty")
                       : QStringLiteral("WAYLAND_DISPLAY is empty");
}

#endif

} // namespace

std::optional<QString> missingDisplay() {
#ifdef HUEPROBE_HAS_XCB
    const std::optional<DisplayServers> servers = displayServersToTry();
    if (!servers)
        return std::nullopt;
    QStringList unanswered;
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (servers->wayland && !wayland.isEmpty()) {
        if (waylandAnswers(wayland))
            return std::nullopt;
        unanswered << QStringLiteral("the Wayland display ") + quoted(wayland);
    }
    const QString x11 = qEnvironmentVariable("DISPLAY");
    if (servers->x11 && !x11.isEmpty()) {
        if (x11Answers(x11.toLocal8Bit()))
            return std::nullopt;
        unanswered << QStringLiteral("the display ") + quoted(x11);
    }
    const QString problem =
        unanswered.isEmpty()
            ? QStringLiteral("no display is set (%1)").arg(unsetVariables(*servers))
            : QStringLiteral("cannot open ") + unanswered.join(QStringLiteral(" or "));
    return problem + QStringLiteral("; Hueprobe needs a graphical desktop (X11 or Wayland)");
#else
    return std::nullopt; // the desktops without X11 always give a program its display
#endif
}

bool displayIsUsable() {
    const std::optional<QString> problem = missingDisplay();
    if (problem)
        std::fprintf(stderr, "hueprobe: %s\n", qPrintable(*problem));
    return !problem;
}

} // namespace hueprobe
