#include "Application.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    hueprobe::identifyApplication();
    hueprobe::frmMain window;
    window.show();
    return QApplication::exec();
}
