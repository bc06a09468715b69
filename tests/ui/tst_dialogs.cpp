// The dialogs as the menus open them: one non-blocking instance each, Escape leaves
// them open, quit closes them; the clipboard format, the version dialog's colour and OK.
#include "Controls.h"
#include "frmClip.h"
#include "frmMain.h"
#include "frmVersion.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;

namespace {

QWidget* openDialog(const QString& menuItem) {
    return menuItem == QLatin1String("mnuClip") ? static_cast<QWidget*>(frmClip::ShownInstance())
                                                : frmVersion::ShownInstance();
}

int selectedFormat(const QWidget* dialog) {
    for (int i = 0; i < 3; ++i) {
        if (control<QRadioButton>(dialog, QStringLiteral("optClip(%1)").arg(i))->isChecked())
            return i;
    }
    return -1;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> window;

    QWidget* openActive(const char* menuItem) {
        choose(window.get(), menuItem);
        QWidget* dialog = openDialog(QString::fromLatin1(menuItem));
        if (!dialog || !QTest::qWaitForWindowActive(dialog))
            qWarning("%s did not open an active dialog", menuItem);
        return dialog;
    }

private slots:
    void init() {
        Module1 = {};
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        frmClip::Unload();
        frmVersion::Unload();
        window.reset();
    }

    void eachDialog_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("clipboard format") << "mnuClip";
        QTest::newRow("version") << "mnuVersion";
    }

    // A second use of the menu brings the open dialog forward, and the main window stays usable.
    void eachDialog() {
        QFETCH(QString, menuItem);
        const QByteArray item = menuItem.toLatin1();
        QWidget* first = openActive(item.constData());
        QVERIFY(first);
        QCOMPARE(first->parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(first->isVisible());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(openActive(item.constData()), first);
    }

    void quitClosesTheDialogsAndEndsWithStatusZero() {
        const QPointer<QWidget> clip = openActive("mnuClip");
        const QPointer<QWidget> version = openActive("mnuVersion");
        QTimer::singleShot(0, window.get(), [this] { choose(window.get(), "mnuEnd"); });
        QTimer::singleShot(10'000, [] { QApplication::exit(99); }); // the quit item did nothing
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(clip.isNull());
        QVERIFY(version.isNull());
    }

    // The dialog opens on the format in force; arrow keys move the choice, Enter
    // on an option does nothing, and only OK makes the choice the format.
    void formatChangesOnlyWithOk_data() {
        QTest::addColumn<int>("inForce");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("chosen");
        QTest::newRow("OK keeps hex") << 0 << QList<Qt::Key>{} << 0;
        QTest::newRow("hex to #hex") << 0 << QList<Qt::Key>{Qt::Key_Down} << 1;
        QTest::newRow("hex to RGB") << 0 << QList{Qt::Key_Down, Qt::Key_Down} << 2;
        QTest::newRow("RGB to #hex") << 2 << QList<Qt::Key>{Qt::Key_Up} << 1;
        QTest::newRow("#hex kept") << 1 << QList<Qt::Key>{} << 1;
    }
    void formatChangesOnlyWithOk() {
        QFETCH(int, inForce);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, chosen);
        Module1.lngClipMode = inForce;
        const QPointer<QWidget> dialog = openActive("mnuClip");
        QCOMPARE(selectedFormat(dialog), inForce);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QStringLiteral("optClip(%1)").arg(inForce));
        for (Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(selectedFormat(dialog), chosen);
        QCOMPARE(Module1.lngClipMode, inForce);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // OK
        QCOMPARE(Module1.lngClipMode, chosen);
        QVERIFY(QTest::qWaitFor([&] { return dialog.isNull(); }));
    }

    // The title names the background; the OK button, which starts with the
    // focus, shows its own colour and Enter on it closes the dialog.
    void versionDialogShowsItsColoursAndOkCloses() {
        const QPointer<QWidget> dialog = openActive("mnuVersion");
        const QString named = dialog->windowTitle().section(u'：', 1).left(6);
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(u'#' + named));
        auto* ok = control<QPushButton>(dialog, QStringLiteral("Command1"));
        QCOMPARE(ok->grab().toImage().pixelColor(6, 6), ok->palette().color(QPalette::Button));
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return dialog.isNull(); }));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
