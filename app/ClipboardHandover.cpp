#include "ClipboardHandover.h"
#include "WaylandClipboardHandover.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

// The keeper needs the X11 native interface too, which Qt built without xcb lacks.
#if defined(HUEPROBE_CLIPBOARD_KEEPER) && QT_CONFIG(xcb)
#define HUEPROBE_KEEPS_CLIPBOARD
#include "XcbAtom.h"

#include <cstdio>
#endif

namespace hueprobe {

#ifdef HUEPROBE_KEEPS_CLIPBOARD

namespace {

// The keeper answers once it owns the clipboard, within milliseconds; past this the
// program ends anyway and the keeper, if it gets there, serves the text all the same.
constexpr int KeeperAnswerMilliseconds = 5000;

// Beside the program in the build tree; in libexec, at the same place relative to
// the program, once installed under any prefix.
QString keeperProgram() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(HUEPROBE_CLIPBOARD_KEEPER);
    for (const QString& candidate :
         {programDir.filePath(name),
          programDir.filePath(QStringLiteral(HUEPROBE_LIBEXEC_FROM_BIN "/") + name)}) {
        if (QFileInfo(candidate).isExecutable())
            return QDir::cleanPath(candidate);
    }
    return {};
}

// The window through which this program owns the clipboard, asked of the X server
// itself: Qt learns only a moment later that another program copied, and a text
// handed over in that moment would replace the newer one. None when it is not ours.
xcb_window_t ownClipboardWindow() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return XCB_NONE;
    xcb_connection_t* const connection = x11->connection();
    const xcb_get_selection_owner_cookie_t cookie =
        xcb_get_selection_owner(connection, internAtom(connection, "CLIPBOARD"));
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(connection, cookie, nullptr), &std::free);
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t owner = reply ? reply->owner : xcb_window_t(XCB_NONE);
    const bool ours = (owner & ~setup->resource_id_mask) == setup->resource_id_base;
    return owner != XCB_NONE && ours ? owner : xcb_window_t(XCB_NONE);
}

// One line saying why the text is gone, from the keeper's own line where it gave one.
QString keeperFailure(QProcess& keeper) {
    const QString said = QString::fromLocal8Bit(keeper.readAllStandardError()).trimmed();
    if (keeper.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("the clipboard keeper crashed");
    if (!said.isEmpty())
        return said.section(u'\n', 0, 0);
    return QStringLiteral("the clipboard keeper ended with status %1").arg(keeper.exitCode());
}

// The keeper asks the owner window when it took the clipboard, and takes it as of that
// moment, so the server refuses it if another program copied since. Hueprobe keeps
// answering the clipboard meanwhile, but takes no input.
void handOverToKeeper(const QByteArray& text, xcb_window_t owner) {
    const QString program = keeperProgram();
    if (program.isEmpty()) {
        std::fprintf(stderr, "hueprobe: %s is missing; the copied text is not kept\n",
                     HUEPROBE_CLIPBOARD_KEEPER);
        return;
    }
    QProcess keeper;
    QEventLoop answering;
    QObject::connect(&keeper, &QProcess::finished, &answering, &QEventLoop::quit);
    QObject::connect(&keeper, &QProcess::errorOccurred, &answering, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &answering, &QEventLoop::quit);
    deadline.start(KeeperAnswerMilliseconds);
    keeper.start(program, {QString::number(owner)});
    keeper.write(text); // through a pipe: the text never shows in a process list
    keeper.closeWriteChannel();
    answering.exec(QEventLoop::ExcludeUserInputEvents);
    if (keeper.state() != QProcess::NotRunning)
        std::fprintf(stderr, "hueprobe: %s did not answer in time; the copied text is not kept\n",
                     HUEPROBE_CLIPBOARD_KEEPER);
    else if (keeper.error() == QProcess::FailedToStart)
        std::fprintf(stderr, "hueprobe: %s: %s; the copied text is not kept\n", qPrintable(program),
                     qPrintable(keeper.errorString()));
    else if (keeper.exitStatus() != QProcess::NormalExit || keeper.exitCode() != 0)
        std::fprintf(stderr, "hueprobe: %s; the copied text is not kept\n",
                     qPrintable(keeperFailure(keeper)));
}

void keepX11ClipboardAfterQuit() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard())
        return; // nothing copied, or another program copied since
    const xcb_window_t owner = ownClipboardWindow();
    const QByteArray text = clipboard->text().toUtf8();
    if (owner != XCB_NONE && !text.isEmpty())
        handOverToKeeper(text, owner);
}

} // namespace

#else

namespace {
void keepX11ClipboardAfterQuit() {} // no keeper here to hand the text to
} // namespace

#endif

void keepClipboardAfterQuit() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        keepX11ClipboardAfterQuit();
    else if (platform.startsWith(QLatin1String("wayland")))
        keepWaylandClipboardAfterQuit();
}

} // namespace hueprobe
