#include "StartupFailure.h"

#include <QGuiApplication>
#include <QList>
#include <QScreen>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace hueprobe {

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category; // Qt's categories are static names
    QString text;
};

std::mutex heldMutex;
QList<HeldMessage> held;
QtMessageHandler earlierHandler = nullptr;

// Qt names the reason (a display that does not answer, a plugin it cannot find) in
// a platform message before the one that gives up, which names only the consequence.
QString reasonForGivingUp(const QString& consequence) {
    for (const HeldMessage& message : std::as_const(held))
        if (message.category && QByteArray(message.category).startsWith("qt.qpa"))
            return message.text.section(u'\n', 0, 0).trimmed();
    return consequence.section(u'\n', 0, 0).trimmed();
}

[[noreturn]] void giveUp(const QString& reason) {
    std::fprintf(stderr,
                 "hueprobe: cannot open a window (%s); Hueprobe needs a graphical desktop "
                 "(X11 or Wayland)\n",
                 qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE); // no abort, no core dump
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldMutex);
    if (type == QtFatalMsg)
        giveUp(reasonForGivingUp(text)); // Qt would abort once this handler returns
    held.append({type, context.category, text});
}

} // namespace

void holdMessagesUntilConnected() {
    earlierHandler = qInstallMessageHandler(holdOrGiveUp);
}

void releaseHeldMessages() {
    qInstallMessageHandler(earlierHandler);
    const std::lock_guard lock(heldMutex);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) // a framebuffer platform without a framebuffer
        giveUp(reasonForGivingUp(QStringLiteral("no screen is available")));
    if (screen->depth() <= 8) // Qt paints nothing on it, and no colour shows as it is
        giveUp(QStringLiteral("the display shows only %1-bit colour").arg(screen->depth()));
    for (const HeldMessage& message : std::as_const(held))
        earlierHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                       message.text);
    held.clear();
}

} // namespace hueprobe
