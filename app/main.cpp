#include "Application.h"
#include "ClipboardHandover.h"
#include "CommandLine.h"
#include "GothicFont.h"
#include "QuitSignals.h"
#include "StandardStreams.h"
#include "StartupFailure.h"
#include "Utf8Characters.h"
#include "frmMain.h"

#include <QApplication>

namespace {

// The main window lives until the user quits, and the copied text is handed on
// before it goes.
int runUntilQuit() {
    hueprobe::frmMain window;
    hueprobe::quitOnSignals(&window, [&window] { window.mnuEnd_Click(); });
    window.show();
    hueprobe::keepOnScreen(window);
    const int status = QApplication::exec();
    hueprobe::keepClipboardAfterQuit();
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    hueprobe::openClosedStandardStreams();
    hueprobe::useUtf8Characters();
    if (const auto status = hueprobe::answerCommandLine(argc, argv))
        return *status;
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEPROBE_APP_ID));

    hueprobe::holdMessagesUntilConnected();
    QApplication app(argc, argv);
    hueprobe::releaseHeldMessages();
    hueprobe::identifyApplication();
    hueprobe::useGothicInterfaceFont();
    const int status = runUntilQuit();
    hueprobe::endBeforeWaylandTeardown(status);
    return status;
}
