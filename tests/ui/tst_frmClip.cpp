// The clipboard-format dialog: its design, the format it opens on, what OK
// and the close box do with lngClipMode, the one program-wide instance, and
// the keyboard.
#include "DialogTesting.h"
#include "FormDesign.h"
#include "Module1.h"
#include "frmClip.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::destroyedAfterClose;
using hueprobe::testing::windowsOf;

namespace {

QRadioButton* optClip(const frmClip* dialog, int index) {
    auto* option = dialog->findChild<QRadioButton*>(QStringLiteral("optClip(%1)").arg(index));
    Q_ASSERT(option);
    return option;
}

QPushButton* okButton(const frmClip* dialog) {
    return dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
}

int selectedOption(const frmClip* dialog) {
    int selected = -1;
    for (int i = 0; i < frmClip::OptionCount; ++i) {
        if (optClip(dialog, i)->isChecked()) {
            if (selected != -1)
                return -2; // more than one: the group is broken
            selected = i;
        }
    }
    return selected;
}

frmClip* openActive() {
    frmClip* dialog = frmClip::Show();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the dialog did not become active");
    return dialog;
}

} // namespace

class ClipDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1 = ProgramState{}; }
    void cleanup() { frmClip::Unload(); }

    void windowIsAFixedUntitledForm1CentredOnTheScreen() {
        frmClip* dialog = frmClip::Show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(dialog->size(), QSize(288, 202));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(dialog->geometry().center(),
                 QGuiApplication::primaryScreen()->availableGeometry().center());
    }

    void opensWithoutOwnerAndWithoutBlocking() {
        frmClip* dialog = frmClip::Show();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), nullptr);
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void controlsFollowTheDesign_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("text");
        // Places in pixels: the design's twips divided by 15, within Frame1 for its contents.
        QTest::newRow("Frame1") << "Frame1"
                                << "" << QPoint(24, 16) << "クリップボードへのコピー方法";
        QTest::newRow("optClip(0)") << "optClip(0)"
                                    << "Frame1" << QPoint(24, 24) << "１６進法";
        QTest::newRow("Label3") << "Label3"
                                << "Frame1" << QPoint(112, 40) << "例：00FFAA";
        QTest::newRow("optClip(1)")
            << "optClip(1)"
            << "Frame1" << QPoint(24, 64) << "１６進法の先頭に「＃」をつける";
        QTest::newRow("Label1") << "Label1"
                                << "Frame1" << QPoint(112, 80) << "例：#00FFAA";
        QTest::newRow("optClip(2)") << "optClip(2)"
                                    << "Frame1" << QPoint(24, 96) << "１０進法ＲＧＢ表示";
        QTest::newRow("Label2") << "Label2"
                                << "Frame1" << QPoint(112, 112) << "例：RGB（0,255,77）";
        QTest::newRow("Command1") << "Command1"
                                  << "" << QPoint(152, 160) << "Ｏ．Ｋ";
    }

    void controlsFollowTheDesign() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QPoint, topLeft);
        QFETCH(QString, text);
        frmClip* dialog = frmClip::Show();
        auto* control = dialog->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->pos(), topLeft);
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        QCOMPARE(shown, text);
    }

    void optionCaptionsAreNotCut() {
        frmClip* dialog = frmClip::Show();
        for (int i = 0; i < frmClip::OptionCount; ++i) {
            QRadioButton* option = optClip(dialog, i);
            QVERIFY2(option->width() >= option->sizeHint().width(),
                     qPrintable(option->objectName()));
        }
    }

    void opensOnTheFormatInForceWithTheFocusOnIt_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("hex") << 0;
        QTest::newRow("#hex") << 1;
        QTest::newRow("RGB") << 2;
    }

    void opensOnTheFormatInForceWithTheFocusOnIt() {
        QFETCH(int, mode);
        Module1.lngClipMode = mode;
        frmClip* dialog = openActive();
        QCOMPARE(selectedOption(dialog), mode);
        QCOMPARE(QApplication::focusWidget(), optClip(dialog, mode));
    }

    void okWithoutAChangeKeepsTheFormat_data() { opensOnTheFormatInForceWithTheFocusOnIt_data(); }

    void okWithoutAChangeKeepsTheFormat() {
        QFETCH(int, mode);
        Module1.lngClipMode = mode;
        QPointer<frmClip> dialog = frmClip::Show();
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QCOMPARE(Module1.lngClipMode, mode);
        QVERIFY(destroyedAfterClose(dialog));
    }

    void okWritesTheSelectedOption_data() {
        QTest::addColumn<int>("inForce");
        QTest::addColumn<int>("chosen");
        QTest::newRow("hex to #hex") << 0 << 1;
        QTest::newRow("hex to RGB") << 0 << 2;
        QTest::newRow("RGB to hex") << 2 << 0;
        QTest::newRow("#hex to RGB") << 1 << 2;
    }

    void okWritesTheSelectedOption() {
        QFETCH(int, inForce);
        QFETCH(int, chosen);
        Module1.lngClipMode = inForce;
        QPointer<frmClip> dialog = frmClip::Show();
        QTest::mouseClick(optClip(dialog, chosen), Qt::LeftButton);
        QCOMPARE(Module1.lngClipMode, inForce); // a selection alone changes nothing
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QCOMPARE(Module1.lngClipMode, chosen);
        QVERIFY(destroyedAfterClose(dialog));

        // Built afresh, the next opening shows the new format.
        QCOMPARE(selectedOption(frmClip::Show()), chosen);
    }

    void closeBoxKeepsTheFormat() {
        Module1.lngClipMode = 1;
        QPointer<frmClip> dialog = frmClip::Show();
        QTest::mouseClick(optClip(dialog, 2), Qt::LeftButton);
        QVERIFY(dialog->close());
        QCOMPARE(Module1.lngClipMode, 1);
        QVERIFY(destroyedAfterClose(dialog));
        QCOMPARE(selectedOption(frmClip::Show()), 1);
    }

    void secondRequestBringsTheSameDialogForwardUnchanged() {
        QWidget other;
        other.show();
        frmClip* dialog = openActive();
        QTest::mouseClick(optClip(dialog, 2), Qt::LeftButton);

        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(frmClip::Show(), dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(selectedOption(dialog), 2);
        QCOMPARE(dialog->findChildren<QRadioButton*>().size(), frmClip::OptionCount);
        QCOMPARE(windowsOf<frmClip>(), 1);
    }

    void arrowKeysMoveTheSelectionWithTheFocus() {
        frmClip* dialog = openActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), optClip(dialog, 1));
        QCOMPARE(selectedOption(dialog), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(selectedOption(dialog), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(selectedOption(dialog), 1);
    }

    // Only the selected option of the group is a tab stop, so Tab alternates
    // between it and the OK button.
    void tabMovesBetweenTheSelectedOptionAndOk_data() {
        opensOnTheFormatInForceWithTheFocusOnIt_data();
    }

    void tabMovesBetweenTheSelectedOptionAndOk() {
        QFETCH(int, mode);
        Module1.lngClipMode = mode;
        frmClip* dialog = openActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), okButton(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), optClip(dialog, mode));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), okButton(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), optClip(dialog, mode));
    }

    void enterPressesOkOnlyWhenItHasTheFocus() {
        QPointer<frmClip> dialog = openActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // optClip(1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(Module1.lngClipMode, 0);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), okButton(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Module1.lngClipMode, 1);
        QVERIFY(destroyedAfterClose(dialog));
    }

    void escapeDoesNothing() {
        frmClip* dialog = openActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTest::keyClick(okButton(dialog), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(frmClip::ShownInstance(), dialog);
    }
};

QTEST_MAIN(ClipDialogTest)
#include "tst_frmClip.moc"
