#include "Application.h"

#include "hueprobe.xpm"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace hueprobe {

const QIcon& appIcon() {
    static const QIcon icon{QPixmap(hueprobe_xpm)};
    return icon;
}

void identifyApplication() {
    QCoreApplication::setApplicationName(QStringLiteral(HUEPROBE_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(HUEPROBE_VERSION));
    QApplication::setWindowIcon(appIcon());
}

} // namespace hueprobe
