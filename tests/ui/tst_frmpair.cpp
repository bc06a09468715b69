// The text-and-background dialog in the main window: the pair it measures in
// each role, the second colour from its field and the clipboard (with the colour
// reader's messages), the second colour kept while the current one changes, the
// nearest colours copied and put to use, and what screen readers hear.
#include "ColorPair.h"
#include "Controls.h"
#include "frmMain.h"
#include "frmPair.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;

namespace {

QMessageBox* notice() {
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    }
    return nullptr;
}

QString hexOf(const QColor& colour) {
    return colour.name();
}

QColor qColour(const Channels& colour) {
    return QColor(colour[0], colour[1], colour[2]);
}

Channels channels(const QColor& colour) {
    return {Int16(colour.red()), Int16(colour.green()), Int16(colour.blue())};
}

} // namespace

class FrmPairTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnceWithTheCurrentColourOnWhite();
    void pair_data();
    void pair();
    void secondColourStaysWhileTheCurrentChanges();
    void badTextChangesNoColour_data();
    void badTextChangesNoColour();
    void clipboardGivesTheSecondColour();
    void nearestColourBecomesTheTextColour_data();
    void nearestColourBecomesTheTextColour();
    void readsAsNameAndValueAndTellsOfChanges();
    void escapeCloses();

private:
    QString shown(const char* name) const { return control<QLabel>(dialog, name)->text(); }
    void typeSecond(const QString& text);
    void setCurrent(const QColor& colour) { window->TakeColour(channels(colour)); }
    frmMain* window = nullptr;
    frmPair* dialog = nullptr;
};

void FrmPairTest::init() {
    Module1 = {};
    window = new frmMain;
    window->show();
    choose(window, "mnuPair");
    dialog = frmPair::ShownInstance();
    QVERIFY(dialog);
}

void FrmPairTest::cleanup() {
    delete notice();
    frmPair::Unload();
    delete window;
}

void FrmPairTest::typeSecond(const QString& text) {
    auto* field = control<QLineEdit>(dialog, "txtSecond");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void FrmPairTest::opensOnceWithTheCurrentColourOnWhite() {
    choose(window, "mnuPair");
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* w) { return qobject_cast<frmPair*>(w) != nullptr; }),
             1);
    QCOMPARE(shown("lblCurrent"), QStringLiteral("#000000"));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#ffffff"));
    QVERIFY(control<QRadioButton>(dialog, "optText(0)")->isChecked());
    QCOMPARE(shown("lblRatio"), QStringLiteral("21.00:1"));
    const QPalette body = control<QLabel>(dialog, "lblSample(0)")->palette();
    QCOMPARE(hexOf(body.color(QPalette::WindowText)), QStringLiteral("#000000"));
    QCOMPARE(hexOf(body.color(QPalette::Window)), QStringLiteral("#ffffff"));
}

void FrmPairTest::pair_data() {
    QTest::addColumn<QColor>("current");
    QTest::addColumn<QString>("second"); // typed
    QTest::addColumn<int>("textOption");
    QTest::addColumn<QColor>("text"); // as drawn on the left, on the background
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("marks"); // AA, AAA, large AA, large AAA, non-text
    const QColor grey(0x77, 0x77, 0x77);
    const QColor white(Qt::white);
    QTest::newRow("the current colour as text") << grey << "white" << 0 << grey << white << "4.48:1"
                                                << "××○×○";
    QTest::newRow("the second colour as text") << white << "#777" << 1 << grey << white << "4.48:1"
                                               << "××○×○";
    QTest::newRow("the current colour as background: nothing reaches AAA")
        << grey << "rgb(255 255 255)" << 1 << white << grey << "4.48:1"
        << "××○×○";
    QTest::newRow("2.999, shown as 2.99:1 beside a 3:1 cross")
        << QColor(0x45, 0x9c, 0xd8) << "#fff" << 0 << QColor(0x45, 0x9c, 0xd8) << white << "2.99:1"
        << "×××××";
    QTest::newRow("black on yellow, both ways round")
        << QColor(Qt::yellow) << "black" << 1 << QColor(Qt::black) << QColor(Qt::yellow)
        << "19.56:1"
        << "○○○○○";
}

// The dialog shows each measure for the text and the background in their roles;
// the nearest colours are searched for the text colour against the background.
void FrmPairTest::pair() {
    QFETCH(QColor, current);
    QFETCH(QString, second);
    QFETCH(int, textOption);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    setCurrent(current);
    typeSecond(second);
    QTest::mouseClick(control<QRadioButton>(dialog, QStringLiteral("optText(%1)").arg(textOption)),
                      Qt::LeftButton);
    for (int i = 0; i < frmPair::SampleCount; ++i) {
        const QPalette sample =
            control<QLabel>(dialog, QStringLiteral("lblSample(%1)").arg(i))->palette();
        const bool reversed = i % 2 == 1;
        QCOMPARE(sample.color(QPalette::WindowText), reversed ? background : text);
        QCOMPARE(sample.color(QPalette::Window), reversed ? text : background);
    }
    QTEST(shown("lblRatio"), "ratio");
    QString marks;
    for (int i = 0; i < frmPair::LevelCount; ++i)
        marks += shown(qPrintable(QStringLiteral("lblPass(%1)").arg(i)));
    QTEST(marks, "marks");
    const Channels textChannels = channels(text);
    const Channels backgroundChannels = channels(background);
    for (int i = 0; i < frmPair::NearestCount; ++i) {
        const std::optional<Channels> nearest =
            NearestPassing(textChannels, backgroundChannels, WcagLevels.at(i).minimum);
        QCOMPARE(shown(qPrintable(QStringLiteral("lblNearest(%1)").arg(i))),
                 nearest ? qColour(*nearest).name() : QStringLiteral("ありません"));
    }
    for (std::size_t i = 0; i < ColorVisions.size(); ++i) {
        const QPalette sample =
            control<QLabel>(dialog, QStringLiteral("lblSeen(%1)").arg(i))->palette();
        QCOMPARE(sample.color(QPalette::WindowText),
                 qColour(SeenWith(ColorVisions.at(i), textChannels)));
        QCOMPARE(sample.color(QPalette::Window),
                 qColour(SeenWith(ColorVisions.at(i), backgroundChannels)));
    }
}

void FrmPairTest::secondColourStaysWhileTheCurrentChanges() {
    typeSecond(QStringLiteral("navy"));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#000080"));
    control<QScrollBar>(window, "scrColor(0)")->setValue(255);
    setCurrent(QColor(0xff, 0xff, 0x00));
    QCOMPARE(shown("lblCurrent"), QStringLiteral("#ffff00"));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#000080"));
    QCOMPARE(control<QLineEdit>(dialog, "txtSecond")->text(), QStringLiteral("#000080"));
    QCOMPARE(shown("lblRatio"), QStringLiteral("14.91:1")); // yellow on navy
}

void FrmPairTest::badTextChangesNoColour_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown colour space") << "color(cmyk 0 0 0)"
                                          << "知らない色空間";
    QTest::newRow("transparent") << "transparent"
                                 << "色を持ちません";
    QTest::newRow("a sentence") << "the sky at noon"
                                << "#FF8000 のような";
}

void FrmPairTest::badTextChangesNoColour() {
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    setCurrent(QColor(0x12, 0x34, 0x56));
    typeSecond(typed);
    QVERIFY(notice());
    QVERIFY(notice()->text().contains(reason));
    QVERIFY(notice()->text().contains(QStringLiteral("書いた文字：「%1」").arg(typed)));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#ffffff"));
    QCOMPARE(shown("lblCurrent"), QStringLiteral("#123456"));
    QCOMPARE(Module1.intColor, (Channels{0x12, 0x34, 0x56}));
}

void FrmPairTest::clipboardGivesTheSecondColour() {
    setCurrent(QColor(0x12, 0x34, 0x56));
    QGuiApplication::clipboard()->setText(QStringLiteral("rgb(0 128 0 / 50%)"));
    control<QPushButton>(dialog, "cmdPaste")->click();
    QCOMPARE(shown("lblSecond"), QStringLiteral("#008000"));
    QVERIFY(notice() && notice()->text().contains(QStringLiteral("不透明度")));
    QGuiApplication::clipboard()->setText(QStringLiteral("currentcolor"));
    control<QPushButton>(dialog, "cmdPaste")->click();
    QVERIFY(notice()->text().contains(QStringLiteral("クリップボードの内容：「currentcolor」")));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#008000"));
    QCOMPARE(Module1.intColor, (Channels{0x12, 0x34, 0x56}));
}

void FrmPairTest::nearestColourBecomesTheTextColour_data() {
    QTest::addColumn<int>("textOption");
    QTest::addColumn<QString>("swatch"); // the main window's, afterwards
    QTest::addColumn<QString>("second");
    QTest::newRow("the current colour is the text") << 0 << "595959"
                                                    << "#ffffff";
    QTest::newRow("the second colour is the text") << 1 << "FFFFFF"
                                                   << "#595959";
}

// The current colour changes as a pick from outside does: the scroll bars and the
// swatch show it.
void FrmPairTest::nearestColourBecomesTheTextColour() {
    QFETCH(int, textOption);
    setCurrent(textOption == 0 ? QColor(0x77, 0x77, 0x77) : QColor(Qt::white));
    typeSecond(textOption == 0 ? QStringLiteral("#fff") : QStringLiteral("#777"));
    control<QRadioButton>(dialog, QStringLiteral("optText(%1)").arg(textOption))->click();
    control<QPushButton>(dialog, "cmdCopy(1)")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#595959"));
    control<QPushButton>(dialog, "cmdUse(1)")->click();
    QTEST(control<QLabel>(window, "lblColor")->text(), "swatch");
    QTEST(shown("lblSecond"), "second");
    const int red = textOption == 0 ? 0x59 : 0xff;
    QCOMPARE(control<QScrollBar>(window, "scrColor(0)")->value(), red);
    QCOMPARE(shown("lblNearest(1)"), QStringLiteral("#595959"));
    QVERIFY(!control<QPushButton>(dialog, "cmdUse(1)")->isEnabled()); // it is the text colour now
}

void FrmPairTest::readsAsNameAndValueAndTellsOfChanges() {
    setCurrent(QColor(0x77, 0x77, 0x77));
    const auto name = [this](const char* label) {
        return QAccessible::queryAccessibleInterface(control<QLabel>(dialog, label))
            ->text(QAccessible::Name);
    };
    QCOMPARE(name("lblRatio"), QStringLiteral("コントラスト比 4.48:1"));
    QCOMPARE(name("lblNearest(1)"), QStringLiteral("AAA に届くいちばん近い色 #595959"));
    QCOMPARE(control<QLabel>(dialog, "lblPass(0)")->accessibleName(),
             QStringLiteral("通常の文字 AA：不合格"));
    QCOMPARE(control<QLabel>(dialog, "lblPass(4)")->accessibleName(),
             QStringLiteral("ＵＩ部品 3:1：合格"));
    auto* field = control<QLineEdit>(dialog, "txtSecond");
    QVERIFY(field->accessibleDescription().contains(
        QStringLiteral("文字 #777777、背景 #ffffff、コントラスト比 4.48:1")));
    typeSecond(QStringLiteral("black"));
    QVERIFY(field->accessibleDescription().contains(
        QStringLiteral("文字 #777777、背景 #000000、コントラスト比 4.69:1")));
}

// A colour half written when the dialog closes is not read: no message follows.
void FrmPairTest::escapeCloses() {
    const QPointer<frmPair> closing = dialog;
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto* field = control<QLineEdit>(dialog, "txtSecond");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("rgb(12"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&] { return closing.isNull(); }));
    QVERIFY(!frmPair::ShownInstance());
    QVERIFY(!notice());
}

QTEST_MAIN(FrmPairTest)
#include "tst_frmpair.moc"
