#include "Application.h"
#include "ClipboardHandover.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "FormDesign.h"
#include "frmMain.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    if (const auto status = hueprobe::answerCommandLine(argc, argv))
        return *status;
    if (!hueprobe::displayIsUsable())
        return EXIT_FAILURE;
    QGuiApplication::setDesktopFileName(QStringLiteral(HUEPROBE_APP_ID));

    QApplication app(argc, argv);
    hueprobe::identifyApplication();
    hueprobe::design::useGothicInterfaceFont();
    hueprobe::frmMain window;
    window.show();
    const int status = QApplication::exec();

    hueprobe::keepClipboardAfterQuit();
    return status;
}
