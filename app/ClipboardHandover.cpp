#include "ClipboardHandover.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

namespace hueprobe {

#ifdef HUEPROBE_CLIPBOARD_KEEPER

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

void handOverToKeeper(const QByteArray& text) {
    const QString keeper = keeperProgram();
    if (keeper.isEmpty()) {
        qWarning("hueprobe: %s is missing; the copied text goes with Hueprobe",
                 HUEPROBE_CLIPBOARD_KEEPER);
        return;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels); // its one line of trouble
    process.start(keeper, {});
    process.write(text); // through a pipe: the text never shows in a process list
    process.closeWriteChannel();
    if (!process.waitForFinished(KeeperAnswerMilliseconds))
        qWarning("hueprobe: %s did not answer: %s", HUEPROBE_CLIPBOARD_KEEPER,
                 qPrintable(process.errorString()));
}

} // namespace

void keepClipboardAfterQuit() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard())
        return; // nothing copied, or another program copied since
    const QByteArray text = clipboard->text().toUtf8();
    if (!text.isEmpty())
        handOverToKeeper(text);
}

#else

void keepClipboardAfterQuit() {} // no X11 here: the system keeps what was copied

#endif

} // namespace hueprobe
