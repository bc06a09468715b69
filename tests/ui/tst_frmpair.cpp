// The text-and-background dialog in the main window: the colours in their roles
// reach the right labels (the figures themselves are the colour maths' own, proven
// in tests/core), the second colour comes from its field and the clipboard and
// stays while the current one changes, the nearest colours are copied and put to
// use, and screen readers hear the pair.
#include "ColorPair.h"
#include "Controls.h"
#include "frmMain.h"
#include "frmPair.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;
using hueprobe::testing::shownNotice;

namespace {

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
    void pair_data();
    void pair();
    void secondColourStaysWhileTheCurrentChanges();
    void secondColourFromText_data();
    void secondColourFromText();
    void nearestColourBecomesTheTextColour_data();
    void nearestColourBecomesTheTextColour();
    void readsThePairAndTellsOfChanges();
    void escapeCloses();

private:
    QString shown(const QString& name) const { return control<QLabel>(dialog, name)->text(); }
    QPalette paletteOf(const QString& name) const {
        return control<QLabel>(dialog, name)->palette();
    }
    void typeSecond(const QString& text);
    void chooseText(int option) {
        control<QRadioButton>(dialog, QStringLiteral("optText(%1)").arg(option))->click();
    }
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
    delete shownNotice();
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

void FrmPairTest::pair_data() {
    QTest::addColumn<QColor>("current");
    QTest::addColumn<QString>("second"); // typed; none at opening
    QTest::addColumn<int>("textOption"); // clicked; none at opening
    QTest::addColumn<QColor>("text");    // as drawn on the left, on the background
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("marks"); // AA, AAA, large AA, large AAA, non-text
    const QColor grey(0x77, 0x77, 0x77);
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    // clang-format off
    QTest::newRow("at opening: the current colour as text on white") << black << "" << -1 << black << white << "21.00:1" << "○○○○○";
    QTest::newRow("the current colour as text") << grey << "white" << 0 << grey << white << "4.48:1" << "××○×○";
    QTest::newRow("the second colour as text") << white << "#777" << 1 << grey << white << "4.48:1" << "××○×○";
    QTest::newRow("the current colour as background") << grey << "rgb(255 255 255)" << 1 << white << grey << "4.48:1" << "××○×○";
    // clang-format on
}

// Each measure is shown for the text and the background in their roles; the
// nearest colours are searched for the text colour against the background.
void FrmPairTest::pair() {
    QFETCH(QColor, current);
    QFETCH(QString, second);
    QFETCH(int, textOption);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    window->TakeColour(channels(current));
    if (!second.isEmpty())
        typeSecond(second);
    if (textOption >= 0)
        chooseText(textOption);
    QCOMPARE(shown("lblCurrent"), current.name());
    QCOMPARE(shown("lblSecond"), (textOption == 1 ? text : background).name());
    for (int i = 0; i < frmPair::SampleCount; ++i) {
        const QPalette sample = paletteOf(QStringLiteral("lblSample(%1)").arg(i));
        const bool reversed = i % 2 == 1;
        QCOMPARE(sample.color(QPalette::WindowText), reversed ? background : text);
        QCOMPARE(sample.color(QPalette::Window), reversed ? text : background);
    }
    QTEST(shown("lblRatio"), "ratio");
    QString marks;
    for (int i = 0; i < frmPair::LevelCount; ++i)
        marks += shown(QStringLiteral("lblPass(%1)").arg(i));
    QTEST(marks, "marks");
    for (int i = 0; i < frmPair::NearestCount; ++i) {
        const std::optional<Channels> nearest =
            NearestPassing(channels(text), channels(background), WcagLevels.at(i).minimum);
        QCOMPARE(shown(QStringLiteral("lblNearest(%1)").arg(i)),
                 nearest ? qColour(*nearest).name() : QStringLiteral("ありません"));
    }
    for (std::size_t i = 0; i < ColorVisions.size(); ++i) {
        const QPalette seen = paletteOf(QStringLiteral("lblSeen(%1)").arg(i));
        QCOMPARE(seen.color(QPalette::WindowText),
                 qColour(SeenWith(ColorVisions.at(i), channels(text))));
        QCOMPARE(seen.color(QPalette::Window),
                 qColour(SeenWith(ColorVisions.at(i), channels(background))));
    }
}

void FrmPairTest::secondColourStaysWhileTheCurrentChanges() {
    typeSecond(QStringLiteral("navy"));
    window->TakeColour({0xff, 0xff, 0x00});
    QCOMPARE(shown("lblCurrent"), QStringLiteral("#ffff00"));
    QCOMPARE(shown("lblSecond"), QStringLiteral("#000080"));
    QCOMPARE(shown("lblRatio"), QStringLiteral("14.91:1")); // yellow on navy
}

void FrmPairTest::secondColourFromText_data() {
    QTest::addColumn<bool>("pasted"); // else typed
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("second"); // afterwards
    QTest::addColumn<QString>("says");   // part of the message
    // clang-format off
    QTest::newRow("typed, refused") << false << "transparent" << "#ffffff" << "書いた文字：「transparent」";
    QTest::newRow("pasted, alpha dropped") << true << "rgb(0 128 0 / 50%)" << "#008000" << "不透明度";
    QTest::newRow("pasted, refused") << true << "currentcolor" << "#ffffff" << "クリップボードの内容：「currentcolor」";
    // clang-format on
}

// The current colour stays whatever the second colour's text holds.
void FrmPairTest::secondColourFromText() {
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(QString, says);
    window->TakeColour({0x12, 0x34, 0x56});
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        control<QPushButton>(dialog, "cmdPaste")->click();
    } else {
        typeSecond(text);
    }
    QTEST(shown("lblSecond"), "second");
    QVERIFY(shownNotice() && shownNotice()->text().contains(says));
    QCOMPARE(shown("lblCurrent"), QStringLiteral("#123456"));
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

// The current colour changes as a pick from outside does: the swatch shows it.
void FrmPairTest::nearestColourBecomesTheTextColour() {
    QFETCH(int, textOption);
    window->TakeColour(textOption == 0 ? Channels{0x77, 0x77, 0x77} : Channels{0xff, 0xff, 0xff});
    typeSecond(textOption == 0 ? QStringLiteral("#fff") : QStringLiteral("#777"));
    chooseText(textOption);
    control<QPushButton>(dialog, "cmdCopy(1)")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#595959"));
    control<QPushButton>(dialog, "cmdUse(1)")->click();
    QTEST(control<QLabel>(window, "lblColor")->text(), "swatch");
    QTEST(shown("lblSecond"), "second");
    QCOMPARE(shown("lblNearest(1)"), QStringLiteral("#595959"));
    QVERIFY(!control<QPushButton>(dialog, "cmdUse(1)")->isEnabled()); // it is the text colour now
}

void FrmPairTest::readsThePairAndTellsOfChanges() {
    window->TakeColour({0x77, 0x77, 0x77});
    const auto name = QAccessible::queryAccessibleInterface(control<QLabel>(dialog, "lblRatio"))
                          ->text(QAccessible::Name);
    QCOMPARE(name, QStringLiteral("コントラスト比 4.48:1"));
    QCOMPARE(control<QLabel>(dialog, "lblPass(4)")->accessibleName(),
             QStringLiteral("ＵＩ部品 3:1：合格"));
    typeSecond(QStringLiteral("black"));
    QVERIFY(control<QLineEdit>(dialog, "txtSecond")
                ->accessibleDescription()
                .contains(QStringLiteral("文字 #777777、背景 #000000、コントラスト比 4.69:1")));
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
    QVERIFY(!shownNotice());
}

QTEST_MAIN(FrmPairTest)
#include "tst_frmpair.moc"
