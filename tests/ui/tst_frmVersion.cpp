// The version dialog: its texts, tooltips, colours, fonts and places, the
// icon, the keys that close it or not, and the one program-wide instance.
#include "DialogTesting.h"
#include "frmVersion.h"

#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::destroyedAfterClose;
using hueprobe::testing::windowsOf;

namespace {

QPushButton* okButton(const frmVersion* dialog) {
    return dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
}

// The version of Qt this test was built with, written with full-width digits.
QString fullWidthQtVersion() {
    const QString digits = QStringLiteral("０１２３４５６７８９");
    QString text;
    for (const QChar c : QStringLiteral("%1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR))
        text += c == u'.' ? QChar(u'．') : digits.at(c.digitValue());
    return text;
}

} // namespace

class VersionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { frmVersion::Unload(); }

    void windowHasItsTitleBackgroundAndSize() {
        frmVersion* dialog = frmVersion::Show();
        QCOMPARE(dialog->windowTitle(),
                 QStringLiteral("Hueprobe-バージョン情報\u3000(背景：80FF80)"));
        QCOMPARE(dialog->size(), QSize(419, 386));
        QVERIFY(dialog->autoFillBackground());
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor::fromRgb(0x80FF80));
        QCOMPARE(dialog->parentWidget(), nullptr);
        QCOMPARE(dialog->windowModality(), Qt::NonModal);
    }

    void frameIsAnOrdinaryResizableWindow() {
        frmVersion* dialog = frmVersion::Show();
        QCOMPARE(dialog->windowType(), Qt::Window);
        QVERIFY(!(dialog->windowFlags() & Qt::CustomizeWindowHint)); // all the usual buttons
        QVERIFY(dialog->minimumSize() != dialog->maximumSize());
    }

    void labelsFollowTheDesign_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<double>("points");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("tooltip");
        // Each tooltip names the background in blue-green-red order.
        QTest::newRow("Label1") << "Label1"
                                << "Hueprobe" << QPoint(80, 16) << 48.0 << QColor(0xFFC0C0)
                                << "C0C0FF";
        QTest::newRow("Label2") << "Label2"
                                << "Ver 1.1" << QPoint(168, 96) << 15.75 << QColor(0xC0FFFF)
                                << "FFFFC0";
        QTest::newRow("Label3") << "Label3"
                                << "このプログラムは" << QPoint(32, 160) << 18.0 << QColor(0xC0C0FF)
                                << "FFC0C0";
        QTest::newRow("Label4") << "Label4" << QStringLiteral("Ｑｔ\u3000") + fullWidthQtVersion()
                                << QPoint(88, 192) << 18.0 << QColor(0xC0C0FF) << "FFC0C0";
        QTest::newRow("Label5") << "Label5"
                                << "で、作られました" << QPoint(200, 224) << 18.0
                                << QColor(0xC0C0FF) << "FFC0C0";
        QTest::newRow("Label6") << "Label6" << QStringLiteral("Hueprobe 開発チーム\u3000２０２６")
                                << QPoint(40, 280) << 18.0 << QColor(0xFFC0FF) << "FFC0FF";
    }

    void labelsFollowTheDesign() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, topLeft);
        QFETCH(double, points);
        QFETCH(QColor, background);
        QFETCH(QString, tooltip);
        frmVersion* dialog = frmVersion::Show();
        auto* label = dialog->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->toolTip(), tooltip);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->size(), label->sizeHint()); // sized to its text
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().weight(), QFont::Normal);
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), background);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(label->frameShadow(), QFrame::Sunken);
        QCOMPARE(label->frameWidth(), 2);
    }

    void okButtonFollowsTheDesignAndShowsItsColour() {
        frmVersion* dialog = frmVersion::Show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QPushButton* ok = okButton(dialog);
        QCOMPARE(ok->text(), QStringLiteral("Ｏ．Ｋ"));
        QCOMPARE(ok->toolTip(), QStringLiteral("FF80FF"));
        QCOMPARE(ok->geometry(), QRect(168, 328, 113, 41));
        QCOMPARE(ok->font(), dialog->font());
        QCOMPARE(ok->grab().toImage().pixelColor(6, 6), QColor::fromRgb(0xFF80FF));
    }

    void theFocusStartsOnOkAndEnterCloses() {
        QPointer<frmVersion> dialog = frmVersion::Show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), okButton(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(destroyedAfterClose(dialog));
    }

    void okClosesAndReopeningShowsTheSameContent() {
        QPointer<frmVersion> dialog = frmVersion::Show();
        const QString before = dialog->findChild<QLabel*>(QStringLiteral("Label4"))->text();
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QVERIFY(destroyedAfterClose(dialog));
        QCOMPARE(frmVersion::Show()->findChild<QLabel*>(QStringLiteral("Label4"))->text(), before);
    }

    void escapeDoesNothing() {
        frmVersion* dialog = frmVersion::Show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(frmVersion::ShownInstance(), dialog);
    }

    void resizingMovesNoControl() {
        frmVersion* dialog = frmVersion::Show();
        QList<QRect> places;
        const auto controls = dialog->findChildren<QWidget*>();
        for (const QWidget* control : controls)
            places.append(control->geometry());
        dialog->resize(700, 600);
        QTest::qWait(0);
        dialog->resize(200, 150);
        QTest::qWait(0);
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls.at(i)->geometry(), places.at(i));
    }

    void secondRequestBringsTheSameDialogForward() {
        QWidget other;
        other.show();
        frmVersion* dialog = frmVersion::Show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(frmVersion::Show(), dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(windowsOf<frmVersion>(), 1);
    }
};

QTEST_MAIN(VersionDialogTest)
#include "tst_frmVersion.moc"
