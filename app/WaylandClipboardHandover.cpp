#include "WaylandClipboardHandover.h"

#include "Desktop.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace hueprobe {

namespace {

// wl-copy takes the clipboard within milliseconds; past this Hueprobe says the text
// is not kept, and ends.
constexpr int KeeperAnswerMilliseconds = 5000;

// GNOME's compositor copies the text of every new clipboard owner and serves it once
// the owner quits. On KDE Plasma, Klipper (there by default) does the same; there a
// handover would also risk a window, as KWin since Plasma 6.5 offers wl-copy only the
// newer data-control protocol, which wl-clipboard 2.2 lacks.
bool desktopKeepsClipboard() {
    return IsGnomeOrKde(qgetenv("XDG_CURRENT_DESKTOP").toStdString());
}

void sayNotKept(const char* why) {
    std::fprintf(stderr, "hueprobe: %s; the copied text is not kept\n", why);
}

bool keeperFailed(const QProcess& keeper) {
    return keeper.error() == QProcess::FailedToStart ||
           keeper.exitStatus() == QProcess::CrashExit || keeper.exitCode() != 0;
}

// One line saying why wl-copy does not serve the text.
void sayWhyNotKept(const QProcess& keeper, const QString& program) {
    if (keeper.error() == QProcess::FailedToStart)
        sayNotKept(qPrintable(program + QStringLiteral(": ") + keeper.errorString()));
    else if (keeper.state() != QProcess::NotRunning || !keeperFailed(keeper))
        sayNotKept("wl-copy did not take the clipboard in time");
    else if (keeper.exitStatus() == QProcess::CrashExit)
        sayNotKept("wl-copy crashed");
    else
        sayNotKept(
            qPrintable(QStringLiteral("wl-copy ended with status %1").arg(keeper.exitCode())));
}

// wl-copy reads the text from a pipe (it never shows in a process list), takes the
// clipboard and leaves a child behind that serves it; that child must hold none of
// Hueprobe's pipes, or it would die writing to one once Hueprobe is gone. Hueprobe
// waits until the clipboard has passed on and wl-copy has left its child behind:
// ending wl-copy before that would end the handover with it.
void handOverToWlCopy(QClipboard& clipboard, const QByteArray& text, const QString& program) {
    QProcess keeper;
    keeper.setStandardOutputFile(QProcess::nullDevice());
    keeper.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop taking;
    const auto quitOnceSettled = [&clipboard, &keeper, &taking] {
        if (keeper.state() == QProcess::NotRunning &&
            (!clipboard.ownsClipboard() || keeperFailed(keeper)))
            taking.quit();
    };
    QObject::connect(&clipboard, &QClipboard::dataChanged, &taking, quitOnceSettled);
    QObject::connect(&keeper, &QProcess::finished, &taking, quitOnceSettled);
    QObject::connect(&keeper, &QProcess::errorOccurred, &taking, quitOnceSettled);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &taking, &QEventLoop::quit);
    deadline.start(KeeperAnswerMilliseconds);
    keeper.start(program, {QStringLiteral("--type"), QStringLiteral("text/plain")});
    keeper.write(text);
    keeper.closeWriteChannel();
    taking.exec(QEventLoop::ExcludeUserInputEvents);
    if (clipboard.ownsClipboard() || keeper.state() != QProcess::NotRunning)
        sayWhyNotKept(keeper, program);
    // Qt would add a line of its own for a wl-copy still running at the deadline.
    keeper.kill();
    keeper.waitForFinished();
}

} // namespace

void keepWaylandClipboardAfterQuit() {
    if (desktopKeepsClipboard())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    // A copy by another program that the compositor has already announced counts.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!clipboard->ownsClipboard())
        return; // nothing copied, or another program copied since
    const QByteArray text = clipboard->text().toUtf8();
    if (text.isEmpty())
        return;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    if (program.isEmpty())
        sayNotKept("wl-copy is missing (install wl-clipboard)");
    else
        handOverToWlCopy(*clipboard, text, program);
}

} // namespace hueprobe
