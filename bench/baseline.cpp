// The floor Hueprobe is measured against: the least Qt Widgets program with a
// window of the main window's shape. A menu bar of three one-item menus with the
// same captions sits over a 540 x 316 client area holding one label, so both
// programs load the same platform plugin, style and fonts for their menus.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hueprobe"));
    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("ファイル(&F)"))->addAction(QStringLiteral("終わる"));
    bar->addMenu(QStringLiteral("機能(&F)"))->addAction(QStringLiteral("クリップボード機能"));
    bar->addMenu(QStringLiteral("ヘルプ(&H)"))->addAction(QStringLiteral("バージョン情報"));
    window.setCentralWidget(new QLabel(QStringLiteral("000000")));
    window.resize(540, 316 + bar->sizeHint().height());
    window.show();
    return QApplication::exec();
}
