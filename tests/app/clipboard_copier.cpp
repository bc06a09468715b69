// Test driver for the clipboard kept after quit: a window that is one button. A click
// puts the text given as the argument on the clipboard and quits, and the program then
// ends the way Hueprobe does, through keepClipboardAfterQuit(). The real-window test
// clicks it as a person would, so the copy carries a real X server time.

#include "ClipboardHandover.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: clipboard_copier TEXT\n");
        return EXIT_FAILURE;
    }
    const QString text = QString::fromLocal8Bit(argv[1]);
    QPushButton button(QStringLiteral("copy"));
    button.setWindowTitle(QStringLiteral("clipboard copier"));
    button.resize(200, 100);
    QObject::connect(&button, &QPushButton::clicked, [&text] {
        QGuiApplication::clipboard()->setText(text);
        QCoreApplication::quit();
    });
    button.show();
    const int status = QApplication::exec();
    hueprobe::keepClipboardAfterQuit();
    return status;
}
