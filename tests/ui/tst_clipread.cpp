// The menu item that reads a colour from the clipboard, in the main window: the
// colour taken, the message and what it quotes and says for each way of failing.
#include "Controls.h"
#include "HexCodec.h"
#include "frmMain.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;
using hueprobe::testing::shownNotice;

class ClipReadTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyCopyFormatReadsBack();
    void paste_data();
    void paste();
    void ctrlVReadsExceptInTheChartField();

private:
    QString swatch() const { return control<QLabel>(window, "lblColor")->text(); }
    frmMain* window = nullptr;
};

void ClipReadTest::init() {
    Module1 = {};
    window = new frmMain;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->TakeColour({255, 127, 80});
}

void ClipReadTest::cleanup() {
    delete shownNotice();
    delete window;
}

void ClipReadTest::everyCopyFormatReadsBack() {
    for (Module1.lngClipMode = 0; Module1.lngClipMode < 3; ++Module1.lngClipMode) {
        for (int step = 0; step < 16 * 16 * 16; ++step) {
            const Channels colour{Int16(step / 256 * 17), Int16(step / 16 % 16 * 17),
                                  Int16(step % 16 * 17)};
            window->TakeColour(colour);
            control<QPushButton>(window, "Command1")->click();
            window->TakeColour(inverseColor(colour));
            choose(window, "mnuPaste");
            const QString code = QColor(colour[0], colour[1], colour[2]).name().mid(1).toUpper();
            QVERIFY2(swatch() == code, qPrintable(QGuiApplication::clipboard()->text()));
        }
    }
}

void ClipReadTest::paste_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("icon"); // of the message, 0 for none
    QTest::addColumn<QString>("quote");
    QTest::addColumn<QString>("says"); // parts of the message, split by "|", when they matter
    const QString forty = "The colour of the sky on a summer day is";
    const int warning = QMessageBox::Warning;
    const int information = QMessageBox::Information;
    const QString outside = "画面で表せる範囲の外|";
    const QString kept = "FF7F50"; // the colour before the paste
    // clang-format off
    QTest::newRow("opaque") << "rgb(0 255 170 / 100%)" << "00FFAA" << 0 << QString() << QString();
    QTest::newRow("translucent") << "#f00e" << "FF0000" << information << QString() << "不透明度";
    QTest::newRow("no text") << QString() << kept << warning << QString() << QString();
    QTest::newRow("transparent") << "transparent" << kept << warning << "transparent" << QString();
    QTest::newRow("40 characters") << forty << kept << warning << forty << QString();
    QTest::newRow("41 characters") << forty + "!" << kept << warning << forty + "…" << QString();
    QTest::newRow("control") << "a\tb\x01\r\n\x7f" << kept << warning << "a\\tb\\u{1}\\r\\n\\u{7F}" << QString();
    QTest::newRow("not printing") << "赤\u202E\uE000" << kept << warning << "赤\\u{202E}\\u{E000}" << QString();
    QTest::newRow("10 MB") << QString(10'000'000, u'f') << kept << warning << QString(40, u'f') + "…" << "長すぎます";
    // A colour beyond the screen: what it became, then that its alpha went.
    QTest::newRow("outside") << "oklch(70% 0.4 150)" << "00C248" << information << QString() << outside + "#00C248 にしました。";
    QTest::newRow("outside, translucent") << "color(display-p3 1 0 0 / 50%)" << "FF0B0C" << information << QString() << outside + "#FF0B0C にしました。この色には不透明度";
    QTest::newRow("mixed") << "color-mix(in srgb, red, blue)" << "800080" << 0 << QString() << QString();
    QTest::newRow("unknown space") << "color(cmyk 0 0 0 1)" << kept << warning << "color(cmyk 0 0 0 1)" << "display-p3、";
    QTest::newRow("calc") << "rgb(calc(50% + 10px) 0 0)" << kept << warning << "rgb(calc(50% + 10px) 0 0)" << "calc()";
    QTest::newRow("infinite") << "rgb(calc(1 / 0) 0 0)" << kept << warning << "rgb(calc(1 / 0) 0 0)" << "無限大";
    QTest::newRow("deep") << QString("color-mix(").repeated(50) << kept << warning << QString("color-mix(").repeated(4) + "…" << "入れ子";
    QTest::newRow("other function") << "var(--brand)" << kept << warning << "var(--brand)" << "oklch()、";
    QTest::newRow("missing value") << "oklch(0.5 0.1)" << kept << warning << "oklch(0.5 0.1)" << "値の数";
    // clang-format on
}

void ClipReadTest::paste() {
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(QString, quote);
    QFETCH(QString, says);
    text.isNull() ? QGuiApplication::clipboard()->clear()
                  : QGuiApplication::clipboard()->setText(text);
    choose(window, "mnuPaste");
    QTEST(swatch(), "swatch");
    QCOMPARE(shownNotice() ? int(shownNotice()->icon()) : 0, icon);
    const QString said = shownNotice() ? shownNotice()->text() : QString();
    if (!quote.isNull())
        QVERIFY2(said.contains("「" + quote + "」"), qPrintable(said));
    for (const QString& part : says.split(u'|', Qt::SkipEmptyParts))
        QVERIFY2(said.contains(part), qPrintable(said));
}

void ClipReadTest::ctrlVReadsExceptInTheChartField() {
    QGuiApplication::clipboard()->setText("#abc");
    QLineEdit* field = control<QComboBox>(window, "cmb140")->lineEdit();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text() + swatch(), "White#abcFF7F50");
    control(window, "scrColor(0)")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text() + swatch(), "White#abcAABBCC");
}

QTEST_MAIN(ClipReadTest)
#include "tst_clipread.moc"
