// Taking a colour from the clipboard through the main window's menu item and
// its Ctrl+V: copies of every format read back, refusals that say why and
// change nothing, and the chart field keeping Ctrl+V for pasting text.
#include "HexCodec.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace hueprobe;

class ClipReadTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyCopyFormatReadsBack();
    void refusalSaysWhatWasThereAndChangesNothing_data();
    void refusalSaysWhatWasThereAndChangesNothing();
    void droppedAlphaIsToldOnlyWhenThere();
    void ctrlVReadsExceptInTheChartField();

private:
    QString swatch() const { return window->findChild<QLabel*>("lblColor")->text(); }
    void paste(const QString& text) const;
    frmMain* window = nullptr;
};

namespace {

const Channels Coral{255, 127, 80};

QMessageBox* notice() {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    }
    return nullptr;
}

} // namespace

void ClipReadTest::init() {
    Module1 = {};
    window = new frmMain;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->TakeColour(Coral);
}

void ClipReadTest::cleanup() {
    delete notice();
    delete window;
}

void ClipReadTest::paste(const QString& text) const {
    if (text.isNull())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(text);
    window->findChild<QAction*>("mnuPaste")->trigger();
}

void ClipReadTest::everyCopyFormatReadsBack() {
    for (Module1.lngClipMode = 0; Module1.lngClipMode < 3; ++Module1.lngClipMode) {
        for (int step = 0; step < 16 * 16 * 16; ++step) {
            const Channels colour{Int16(step / 256 * 17), Int16(step / 16 % 16 * 17),
                                  Int16(step % 16 * 17)};
            window->TakeColour(colour);
            window->findChild<QPushButton*>("Command1")->click();
            window->TakeColour(InverseColor(colour));
            window->findChild<QAction*>("mnuPaste")->trigger();
            const QString code = QColor(colour[0], colour[1], colour[2]).name().mid(1).toUpper();
            QVERIFY2(swatch() == code, qPrintable(QGuiApplication::clipboard()->text()));
        }
    }
    QVERIFY(!notice());
}

void ClipReadTest::refusalSaysWhatWasThereAndChangesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quote"); // what the message shows between 「」
    const QString forty = QStringLiteral("The colour of the sky on a summer day is");
    QTest::newRow("no text") << QString() << QString();
    QTest::newRow("transparent") << "transparent"
                                 << "transparent";
    QTest::newRow("41 characters") << forty + u'!' << forty + u'…';
    QTest::newRow("40 characters") << forty << forty;
    QTest::newRow("control") << "a\tb\x01\r\n\x7f"
                             << "a␉b␁␍␊␡";
    QTest::newRow("not printing") << QStringLiteral("赤\u202E\uE000") << "赤��";
    QTest::newRow("10 MB") << QString(10'000'000, u'f') << QString(40, u'f') + u'…';
}

void ClipReadTest::refusalSaysWhatWasThereAndChangesNothing() {
    QFETCH(QString, text);
    QFETCH(QString, quote);
    paste(text);
    QVERIFY(notice());
    QCOMPARE(notice()->icon(), QMessageBox::Warning);
    QCOMPARE(notice()->text().contains(u'「' + quote + u'」'), !quote.isNull());
    QCOMPARE(swatch(), QStringLiteral("FF7F50"));
    QCOMPARE(window->findChild<QLabel*>("lblColor10(1)")->text(), QStringLiteral("127"));
}

void ClipReadTest::droppedAlphaIsToldOnlyWhenThere() {
    paste(QStringLiteral("rgb(0 255 170 / 100%)"));
    QCOMPARE(swatch(), QStringLiteral("00FFAA"));
    QVERIFY(!notice());
    paste(QStringLiteral("#f00e"));
    QCOMPARE(swatch(), QStringLiteral("FF0000"));
    QVERIFY(notice());
    QCOMPARE(notice()->icon(), QMessageBox::Information);
}

void ClipReadTest::ctrlVReadsExceptInTheChartField() {
    QGuiApplication::clipboard()->setText(QStringLiteral("#abc"));
    QLineEdit* field = window->findChild<QComboBox*>("cmb140")->lineEdit();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), QStringLiteral("White#abc"));
    QCOMPARE(swatch(), QStringLiteral("FF7F50"));
    window->findChild<QScrollBar*>("scrColor(0)")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(swatch(), QStringLiteral("AABBCC"));
    QCOMPARE(field->text(), QStringLiteral("White#abc"));
}

QTEST_MAIN(ClipReadTest)
#include "tst_clipread.moc"
