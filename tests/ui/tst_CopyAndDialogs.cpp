// The main window with its dialogs: the copy button in each clipboard format,
// the menus that open the dialogs, quitting with dialogs open and closing the
// main window before a dialog; and the program's name, version and icon.
#include "ColorChart.h"
#include "Module1.h"
#include "frmClip.h"
#include "frmMain.h"
#include "frmVersion.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace hueprobe;

namespace {

struct Edit {
    enum Kind { Scroll, Pick } kind;
    int target; // channel index for Scroll, chart row for Pick
    int value;  // scroll bar value for Scroll
};
using Edits = QList<Edit>;

Edit scroll(int channel, int value) {
    return {Edit::Scroll, channel, value};
}
Edit pick(std::string_view name) {
    const int row = chartRowNamed(name);
    Q_ASSERT(row >= 0);
    return {Edit::Pick, row, 0};
}

// Turns the program's event loop for as long as it runs; a watchdog ends a
// loop that would otherwise never end, so a fault fails instead of hanging.
int runEventLoop() {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(10'000);
    return QApplication::exec();
}

} // namespace

Q_DECLARE_METATYPE(Edits)

class CopyAndDialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmMain> main;

    template <class W> W* control(const QString& name) const {
        auto* widget = main->findChild<W*>(name);
        Q_ASSERT(widget);
        return widget;
    }

    void apply(const Edit& edit) const {
        if (edit.kind == Edit::Scroll) {
            control<QScrollBar>(QStringLiteral("scrColor(%1)").arg(edit.target))
                ->setValue(edit.value);
        } else {
            auto* chart = control<QComboBox>(QStringLiteral("cmb140"));
            chart->setCurrentIndex(edit.target);
            emit chart->activated(edit.target);
        }
    }

    QString copy() const {
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(control<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        return QGuiApplication::clipboard()->text();
    }

    void trigger(const char* menuItem) const {
        control<QAction>(QString::fromLatin1(menuItem))->trigger();
    }

    // Chooses a format in the clipboard dialog, as the user does: menu, option, OK.
    void chooseFormat(int mode) const {
        trigger("mnuClip");
        frmClip* dialog = frmClip::ShownInstance();
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("optClip(%1)").arg(mode)),
                          Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(Module1.lngClipMode, mode);
    }

private slots:
    void init() {
        Module1 = ProgramState{};
        main = std::make_unique<frmMain>();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }

    void cleanup() {
        frmClip::Unload();
        frmVersion::Unload();
        main.reset();
    }

    void copyWritesTheFormatInForce_data() {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("start, hex") << Edits{} << 0 << "000000";
        QTest::newRow("start, #hex") << Edits{} << 1 << "#000000";
        QTest::newRow("start, RGB") << Edits{} << 2 << "RGB(0,0,0)";
        const Edits scrolled{scroll(0, 5), scroll(2, 255)};
        QTest::newRow("scrolled, hex") << scrolled << 0 << "0500FF";
        QTest::newRow("scrolled, #hex") << scrolled << 1 << "#0500FF";
        QTest::newRow("scrolled, RGB") << scrolled << 2 << "RGB(5,0,255)";
        const Edits picked{pick("Coral")};
        QTest::newRow("Coral, hex") << picked << 0 << "FF7F50";
        QTest::newRow("Coral, #hex") << picked << 1 << "#FF7F50";
        QTest::newRow("Coral, RGB") << picked << 2 << "RGB(255,127,80)";
        const Edits pickedThenScrolled{pick("Cyan"), scroll(1, 170), scroll(0, 10)};
        QTest::newRow("Cyan then scrolled, hex") << pickedThenScrolled << 0 << "0AAAFF";
        QTest::newRow("Cyan then scrolled, RGB") << pickedThenScrolled << 2 << "RGB(10,170,255)";
        const Edits scrolledThenPicked{scroll(2, 7), pick("Coral")};
        QTest::newRow("scrolled then Coral, #hex") << scrolledThenPicked << 1 << "#FF7F50";
    }

    void copyWritesTheFormatInForce() {
        QFETCH(Edits, edits);
        QFETCH(int, mode);
        QFETCH(QString, text);
        for (const Edit& edit : edits)
            apply(edit);
        if (mode != 0)
            chooseFormat(mode);
        QCOMPARE(copy(), text);
        QCOMPARE(copy(), text); // a second copy puts the same text again
    }

    void formatChangesOnlyWithOk() {
        apply(scroll(1, 255));
        chooseFormat(1);
        QCOMPARE(copy(), QStringLiteral("#00FF00"));

        // While the dialog is open with another option chosen, the copy keeps the format in force.
        trigger("mnuClip");
        frmClip* dialog = frmClip::ShownInstance();
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("optClip(2)")),
                          Qt::LeftButton);
        QCOMPARE(copy(), QStringLiteral("#00FF00"));

        // The close box drops the choice.
        QVERIFY(dialog->close());
        QCOMPARE(copy(), QStringLiteral("#00FF00"));
    }

    void menusOpenOneInstanceOfEachDialog() {
        trigger("mnuClip");
        trigger("mnuVersion");
        QPointer<frmClip> clip = frmClip::ShownInstance();
        QPointer<frmVersion> version = frmVersion::ShownInstance();
        QVERIFY(clip && clip->isVisible());
        QVERIFY(version && version->isVisible());
        trigger("mnuClip");
        trigger("mnuVersion");
        QCOMPARE(frmClip::ShownInstance(), clip.data());
        QCOMPARE(frmVersion::ShownInstance(), version.data());
        QVERIFY(main->isVisible()); // the main window stays usable
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void quitEndsTheProgramWithDialogsOpen() {
        trigger("mnuClip");
        trigger("mnuVersion");
        QPointer<frmClip> clip = frmClip::ShownInstance();
        QPointer<frmVersion> version = frmVersion::ShownInstance();
        QTimer::singleShot(0, this, [this] { trigger("mnuEnd"); });
        QCOMPARE(runEventLoop(), 0);
        QVERIFY(clip.isNull());
        QVERIFY(version.isNull());
    }

    void closingTheMainWindowLeavesTheProgramRunningUntilTheDialogCloses() {
        trigger("mnuVersion");
        QPointer<frmVersion> version = frmVersion::ShownInstance();
        bool runningAfterMainClosed = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(main->close());
            QTimer::singleShot(0, this, [&] {
                runningAfterMainClosed = version && version->isVisible();
                version->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            });
        });
        QCOMPARE(runEventLoop(), 0);
        QVERIFY(runningAfterMainClosed);
    }
};

QTEST_MAIN(CopyAndDialogsTest)
#include "tst_CopyAndDialogs.moc"
