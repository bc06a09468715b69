// The main window driven as a person would; what it shows is checked against
// Qt's own colour names, not the program's conversions.
#include "Controls.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::control;

class FrmMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> window;

    QScrollBar* bar(int channel) const {
        return control<QScrollBar>(window.get(), QStringLiteral("scrColor(%1)").arg(channel));
    }
    QLabel* label(const QString& name) const { return control<QLabel>(window.get(), name); }
    QComboBox* chart() const { return control<QComboBox>(window.get(), QStringLiteral("cmb140")); }

    // The bars, both value boxes of each channel, and the swatch: its colour,
    // its code, and the code's text in the inverse colour so it stays readable.
    void verifyShows(const QColor& colour) const {
        const int channels[] = {colour.red(), colour.green(), colour.blue()};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar(i)->value(), channels[i]);
            QCOMPARE(label(QStringLiteral("lblColor10(%1)").arg(i))->text(),
                     QString::number(channels[i]));
            QCOMPARE(label(QStringLiteral("lblColor16(%1)").arg(i))->text(),
                     QString::number(channels[i], 16).toUpper());
        }
        const QLabel* swatch = label(QStringLiteral("lblColor"));
        QCOMPARE(swatch->text(), colour.name().mid(1).toUpper());
        QCOMPARE(swatch->palette().color(QPalette::Window), colour);
        QCOMPARE(swatch->palette().color(QPalette::WindowText),
                 QColor(255 - channels[0], 255 - channels[1], 255 - channels[2]));
    }

private slots:
    void init() {
        Module1 = {};
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void startState() {
        verifyShows(Qt::black);
        QCOMPARE(QApplication::focusWidget(), bar(0));
        QCOMPARE(chart()->count(), 140);
        QCOMPARE(chart()->currentIndex(), -1); // reads White with nothing picked
        QCOMPARE(chart()->currentText(), QStringLiteral("White"));
    }

    void tabMovesThroughTheControlsInOrder() {
        for (const char* next :
             {"scrColor(1)", "scrColor(2)", "cmb140", "Command1", "scrColor(0)"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void keysMoveTheFocusedBar_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("start");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Right raises") << 0 << 100 << Qt::Key_Right << 101;
        QTest::newRow("Left lowers") << 1 << 100 << Qt::Key_Left << 99;
        QTest::newRow("PageDown a page up") << 1 << 100 << Qt::Key_PageDown << 110;
        QTest::newRow("PageUp a page down") << 2 << 100 << Qt::Key_PageUp << 90;
        QTest::newRow("Home to 0") << 0 << 100 << Qt::Key_Home << 0;
        QTest::newRow("End to 255") << 1 << 100 << Qt::Key_End << 255;
        QTest::newRow("Right stops at 255") << 2 << 255 << Qt::Key_Right << 255;
    }
    void keysMoveTheFocusedBar() {
        QFETCH(int, channel);
        QFETCH(int, start);
        QFETCH(Qt::Key, key);
        QFETCH(int, expected);
        bar(channel)->setValue(start);
        bar(channel)->setFocus();
        QTest::keyClick(bar(channel), key);
        int shown[3] = {0, 0, 0};
        shown[channel] = expected;
        verifyShows(QColor(shown[0], shown[1], shown[2]));
    }

    void setColorClampsAndWritesBack_data() {
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("shown");
        QTest::newRow("above") << 300 << 255;
        QTest::newRow("below") << -4 << 0;
        QTest::newRow("inside") << 77 << 77;
    }
    void setColorClampsAndWritesBack() {
        QFETCH(int, given);
        QFETCH(int, shown);
        Int16& green = Module1.intColor.at(1);
        green = Int16(given);
        window->SetColor(green, 1);
        QCOMPARE(int(green), shown);
        verifyShows(QColor(0, shown, 0));
    }

    // A pick from the open list by keyboard.
    void pickFromTheList_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("the first") << 0 << "White";
        QTest::newRow("Green") << 62 << "Green";
        QTest::newRow("Coral") << 112 << "Coral";
        QTest::newRow("the last") << 139 << "MediumSlateBlue";
    }
    void pickFromTheList() {
        QFETCH(int, row);
        QFETCH(QString, name);
        chart()->showPopup();
        QAbstractItemView* list = chart()->view();
        QVERIFY(QTest::qWaitFor([list] { return list->isVisible(); }));
        list->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(chart()->currentText(), name);
        const QColor colour(name);
        verifyShows(colour);
    }

    void typingInTheChartFieldPicksNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a name") << "Coral";
        QTest::newRow("no name") << "not a colour";
    }
    void typingInTheChartFieldPicksNothing() {
        QFETCH(QString, typed);
        QSignalSpy picks(chart(), &QComboBox::activated);
        chart()->setFocus();
        chart()->lineEdit()->selectAll();
        QTest::keyClicks(chart(), typed);
        QTest::keyClick(chart(), Qt::Key_Return);
        QTest::keyClick(chart(), Qt::Key_Tab);
        QCOMPARE(picks.count(), 0);
        QCOMPARE(chart()->currentText(), typed);
        verifyShows(Qt::black);
    }

    void copyWritesTheFormatInForce_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex") << 0 << "0500FF";
        QTest::newRow("#hex") << 1 << "#0500FF";
        QTest::newRow("RGB") << 2 << "RGB(5,0,255)";
    }
    void copyWritesTheFormatInForce() {
        QFETCH(int, mode);
        QFETCH(QString, text);
        Module1.lngClipMode = mode;
        bar(0)->setValue(5);
        bar(2)->setValue(255);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(control<QPushButton>(window.get(), QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // File and Functions share the access key F: each press opens the next, with Alt
    // held or after a tap on Alt has put the menu bar under the keyboard.
    void sharedAccessKeyOpensEachMenuInTurn_data() {
        QTest::addColumn<bool>("altTapFirst");
        QTest::newRow("Alt+F each time") << false;
        QTest::newRow("Alt, then F each time") << true;
    }
    void sharedAccessKeyOpensEachMenuInTurn() {
        QFETCH(bool, altTapFirst);
        if (altTapFirst) {
            QTest::keyPress(bar(0), Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(bar(0), Qt::Key_Alt, Qt::NoModifier);
            QTRY_VERIFY(QApplication::focusWidget() == window->menuBar());
        }
        for (const char* menu : {"mnuFile", "mnuFunction", "mnuFile"}) {
            QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                : QApplication::focusWidget();
            QTest::keyClick(target, Qt::Key_F, altTapFirst ? Qt::NoModifier : Qt::AltModifier);
            QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
            QCOMPARE(QApplication::activePopupWidget()->objectName(), QString::fromLatin1(menu));
        }
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
};

QTEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
