#include "Application.h"

#include "hueprobe.xpm"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace hueprobe {

const QIcon& appIcon() {
    static const QIcon icon{QPixmap(hueprobe_xpm)};
    return icon;
}

void identifyApplication() {
    QCoreApplication::setApplicationName(QStringLiteral(HUEPROBE_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(HUEPROBE_VERSION));
    QApplication::setWindowIcon(appIcon());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void keepOnScreen(QWidget& window) {
    window.resize(window.minimumSize()); // a fixed size: -geometry may have changed it
    const QRect screen = window.screen()->availableGeometry();
    if (!screen.contains(window.frameGeometry()))
        window.move(screen.topLeft());
}

void endBeforeWaylandTeardown(int status) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    std::fflush(nullptr); // what Hueprobe has said reaches its streams
    std::_Exit(status);
}

} // namespace hueprobe
