// The dialogs as the menus open them: one non-blocking instance each, Escape leaves
// the clipboard-format and version dialogs open, quit closes them; the clipboard
// format, the version dialog's colour and OK; the colour information following the
// colour, copying the forms it shows whole, and closing on Escape.
#include "Controls.h"
#include "frmClip.h"
#include "frmInfo.h"
#include "frmMain.h"
#include "frmVersion.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;

namespace {

QWidget* openDialog(const QString& menuItem) {
    if (menuItem == QLatin1String("mnuInfo"))
        return frmInfo::ShownInstance();
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
        frmInfo::Unload();
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

    void infoFollowsTheColourCopiesItsFormsAndClosesOnEscape() {
        QWidget* dialog = openActive("mnuInfo");
        QCOMPARE(openActive("mnuInfo"), dialog);
        const auto shown = [dialog](const char* name) {
            return control<QLabel>(dialog, QLatin1String(name))->text();
        };
        control<QScrollBar>(window.get(), QStringLiteral("scrColor(2)"))->setValue(255);
        QCOMPARE(shown("lblForm(0)"), QStringLiteral("#0000ff"));
        QCOMPARE(shown("lblRatio(0)"), QStringLiteral("8.59:1")); // blue on white
        QCOMPARE(shown("lblForm(8)"), QStringLiteral("oklch(0.452 0.31321 264.05)"));

        auto* chart = control<QComboBox>(window.get(), QStringLiteral("cmb140"));
        chart->setCurrentIndex(chart->findText(QStringLiteral("Coral")));
        emit chart->activated(chart->currentIndex());
        QCOMPARE(shown("lblName"), QStringLiteral("Coral"));
        // Coral in CSS Color 4's spaces: colorjs.io's values (tests/core/data), rounded.
        const QStringList forms{"#ff7f50",
                                "rgb(255 127 80)",
                                "rgb(255, 127, 80)",
                                "hsl(16 100% 66%)",
                                "hwb(16.11 31.4% 0%)",
                                "lab(67.98 47.38 48.6)",
                                "lch(67.98 67.88 45.73)",
                                "oklab(0.7351 0.12823 0.10854)",
                                "oklch(0.7351 0.16799 40.25)"};
        QCOMPARE(forms.size(), frmInfo::FormCount);
        for (int i = 0; i < forms.size(); ++i) {
            control<QPushButton>(dialog, QStringLiteral("cmdCopy(%1)").arg(i))->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), forms.at(i));
        }
        const QPointer<QWidget> closing = dialog;
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return closing.isNull(); }));
        QVERIFY(!frmInfo::ShownInstance());
    }

    // The colours whose forms are the longest any colour has: each still fits
    // its box, as does every caption of the dialog.
    void infoShowsEveryFormWhole_data() {
        QTest::addColumn<QList<int>>("colour");
        QTest::newRow("longest hwb()") << QList<int>{26, 27, 33};
        QTest::newRow("longest lab()") << QList<int>{0, 0, 220};
        QTest::newRow("longest lch()") << QList<int>{0, 0, 178};
        QTest::newRow("longest oklab() and oklch()") << QList<int>{0, 0, 1};
    }
    void infoShowsEveryFormWhole() {
        QFETCH(QList<int>, colour);
        choose(window.get(), "mnuInfo");
        for (int channel = 0; channel < 3; ++channel)
            control<QScrollBar>(window.get(), QStringLiteral("scrColor(%1)").arg(channel))
                ->setValue(colour.at(channel));
        QVERIFY(frmInfo::ShownInstance()
                    ->findChild<QLabel*>(QStringLiteral("lblForm(8)"))
                    ->text()
                    .startsWith(QLatin1String("oklch(")));
        for (const QLabel* label : frmInfo::ShownInstance()->findChildren<QLabel*>()) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(label->objectName() + ": " + label->text()));
            // The boxes are sized for the Gothic face: no text needs condensing.
            const int stretch = label->font().stretch();
            QVERIFY2(
                stretch == QFont::AnyStretch || stretch == QFont::Unstretched,
                qPrintable(label->objectName() + " is condensed to " + QString::number(stretch)));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
