#include "ChannelScrollBar.h"
#include "PickListComboBox.h"
#include "ScrollBarParts.h"
#include "frmMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace hueprobe;

// The main window driven through its real widgets, as a person would: keys,
// clicks, drags and picks. What it shows is checked against values computed
// here independently of the program's own text conversions.
class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void noTextIsClipped();
    void tabMovesThroughTheControlsInOrder();
    void keysMoveTheFocusedBar_data();
    void keysMoveTheFocusedBar();
    void arrowsAndTrackClicksMoveAtOnce();
    void dragShowsTheValueWhenReleased();
    void wheelMovesAsThePointerSuggests();
    void eachChannelShowsEverywhere_data();
    void eachChannelShowsEverywhere();
    void pickFromTheList_data();
    void pickFromTheList();
    void pickWithArrowKeysOnTheClosedBox();
    void pickOfTheShownColourMovesNoBar();
    void scrollingAfterAPickKeepsTheChartText();
    void setColorClampsAndWritesBack_data();
    void setColorClampsAndWritesBack();
    void typingInTheChartFieldPicksNothing_data();
    void typingInTheChartFieldPicksNothing();
    void sharedAccessKeyOpensEachMenuInTurn_data();
    void sharedAccessKeyOpensEachMenuInTurn();
    void quitEndsTheProgramWithStatusZero();

private:
    ChannelScrollBar* bar(int channel) const;
    QLabel* label(const char* name) const;
    PickListComboBox* chart() const;
    void verifyShows(int red, int green, int blue) const;
    void pickRowByMouse(int row) const;
    QRect barPart(int channel, QStyle::SubControl part) const;

    frmMain* window = nullptr;
};

namespace {

constexpr int CoralRow = 112;
constexpr int BlackRow = 23;

QColor labelText(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
QColor labelBackground(const QLabel* label) {
    return label->palette().color(QPalette::Window);
}

} // namespace

void TestFrmMain::init() {
    Module1 = {};
    window = new frmMain;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestFrmMain::cleanup() {
    delete window;
    window = nullptr;
}

ChannelScrollBar* TestFrmMain::bar(int channel) const {
    auto* found = window->findChild<ChannelScrollBar*>(QStringLiteral("scrColor(%1)").arg(channel));
    Q_ASSERT(found);
    return found;
}

QLabel* TestFrmMain::label(const char* name) const {
    auto* found = window->findChild<QLabel*>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

PickListComboBox* TestFrmMain::chart() const {
    return window->findChild<PickListComboBox*>(QStringLiteral("cmb140"));
}

void TestFrmMain::verifyShows(int red, int green, int blue) const {
    const int channels[] = {red, green, blue};
    for (int i = 0; i < 3; ++i) {
        const QByteArray index = QByteArray::number(i);
        QCOMPARE(bar(i)->value(), channels[i]);
        QCOMPARE(label("lblColor10(" + index + ")")->text(), QString::number(channels[i]));
        QCOMPARE(label("lblColor16(" + index + ")")->text(),
                 QString::number(channels[i], 16).toUpper());
        QCOMPARE(Module1.intColor.at(i), channels[i]);
    }
    const QColor colour(red, green, blue);
    QLabel* swatch = label("lblColor");
    QCOMPARE(swatch->text(), colour.name().mid(1).toUpper());
    QCOMPARE(labelBackground(swatch), colour);
    QCOMPARE(labelText(swatch), QColor(255 - red, 255 - green, 255 - blue));
}

void TestFrmMain::startState() {
    for (int i = 0; i < 3; ++i) {
        const QByteArray index = QByteArray::number(i);
        QCOMPARE(bar(i)->value(), 0);
        QCOMPARE(label("lblColor10(" + index + ")")->text(), QStringLiteral("0"));
        QCOMPARE(label("lblColor16(" + index + ")")->text(), QStringLiteral("0")); // not "00"
    }
    QLabel* swatch = label("lblColor");
    QCOMPARE(swatch->text(), QStringLiteral("000000"));
    QCOMPARE(labelBackground(swatch), QColor(Qt::black));
    QCOMPARE(labelText(swatch), QColor(Qt::white));
    // The chart reads "White" with nothing picked, although the colour is black.
    QCOMPARE(chart()->count(), 140);
    QCOMPARE(chart()->currentIndex(), -1);
    QCOMPARE(chart()->currentText(), QStringLiteral("White"));
    QCOMPARE(chart()->itemText(0), QStringLiteral("White"));
    QCOMPARE(chart()->itemText(139), QStringLiteral("MediumSlateBlue"));
    QCOMPARE(QApplication::focusWidget(), bar(0));
    QCOMPARE(window->windowTitle(), QStringLiteral("Hueprobe"));
    QCOMPARE(window->centralWidget()->size(), QSize(540, 316));
}

namespace {

// Whether the label shows all of its text (digits and capitals have no
// descenders, so the descent may fall outside a value box).
bool showsAllOf(const QLabel* label) {
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(room, int(label->alignment()), label->text());
    return room.contains(needed.adjusted(0, 0, 0, -metrics.descent()));
}

} // namespace

void TestFrmMain::noTextIsClipped() {
    for (QLabel* each : window->findChildren<QLabel*>()) {
        QVERIFY2(showsAllOf(each), qPrintable(each->objectName() + " clips " + each->text()));
        QVERIFY2(window->centralWidget()->rect().contains(each->geometry()),
                 qPrintable(each->objectName() + " lies outside the window"));
    }
    for (Int16 value = 0; value <= 255; ++value) {
        for (int channel = 0; channel < 3; ++channel) {
            Int16& shown = Module1.intColor.at(channel);
            shown = value;
            window->SetColor(shown, channel);
        }
        for (QLabel* each : window->findChildren<QLabel*>())
            QVERIFY2(showsAllOf(each), qPrintable(each->objectName() + " clips " + each->text()));
    }
}

void TestFrmMain::tabMovesThroughTheControlsInOrder() {
    const QList<QWidget*> order = {bar(1), bar(2), chart(),
                                   window->findChild<QPushButton*>("Command1"), bar(0)};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected->objectName());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestFrmMain::keysMoveTheFocusedBar_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("Right raises") << 100 << int(Qt::Key_Right) << 101;
    QTest::newRow("Left lowers") << 100 << int(Qt::Key_Left) << 99;
    QTest::newRow("Down raises") << 100 << int(Qt::Key_Down) << 101;
    QTest::newRow("Up lowers") << 100 << int(Qt::Key_Up) << 99;
    QTest::newRow("PageDown a page up") << 100 << int(Qt::Key_PageDown) << 110;
    QTest::newRow("PageUp a page down") << 100 << int(Qt::Key_PageUp) << 90;
    QTest::newRow("Home to 0") << 100 << int(Qt::Key_Home) << 0;
    QTest::newRow("End to 255") << 100 << int(Qt::Key_End) << 255;
    QTest::newRow("Right stops at 255") << 255 << int(Qt::Key_Right) << 255;
    QTest::newRow("Left stops at 0") << 0 << int(Qt::Key_Left) << 0;
    QTest::newRow("PageDown stops at 255") << 250 << int(Qt::Key_PageDown) << 255;
}

void TestFrmMain::keysMoveTheFocusedBar() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    for (int channel = 0; channel < 3; ++channel) {
        bar(channel)->setValue(start);
        bar(channel)->setFocus();
        QTest::keyClick(bar(channel), Qt::Key(key));
        int shown[3] = {0, 0, 0};
        for (int i = 0; i <= channel; ++i)
            shown[i] = i == channel ? expected : bar(i)->value();
        verifyShows(shown[0], shown[1], shown[2]);
    }
}

QRect TestFrmMain::barPart(int channel, QStyle::SubControl part) const {
    return testing::scrollBarPart(bar(channel), part);
}

void TestFrmMain::arrowsAndTrackClicksMoveAtOnce() {
    QTest::mouseClick(bar(1), Qt::LeftButton, {}, barPart(1, QStyle::SC_ScrollBarAddLine).center());
    verifyShows(0, 1, 0);
    QTest::mouseClick(bar(1), Qt::LeftButton, {}, barPart(1, QStyle::SC_ScrollBarAddPage).center());
    verifyShows(0, 11, 0);
    QTest::mouseClick(bar(1), Qt::LeftButton, {}, barPart(1, QStyle::SC_ScrollBarSubLine).center());
    verifyShows(0, 10, 0);
    QTest::mouseClick(bar(2), Qt::LeftButton, {}, barPart(2, QStyle::SC_ScrollBarAddPage).center());
    verifyShows(0, 10, 10);
    QTest::mouseClick(bar(2), Qt::LeftButton, {}, barPart(2, QStyle::SC_ScrollBarSubPage).center());
    verifyShows(0, 10, 0);
}

void TestFrmMain::dragShowsTheValueWhenReleased() {
    ChannelScrollBar* red = bar(0);
    QSignalSpy changes(red, &QAbstractSlider::valueChanged);
    const QPoint grab = barPart(0, QStyle::SC_ScrollBarSlider).center();
    const QPoint drop = grab + QPoint(red->width() / 2, 0);
    QTest::mousePress(red, Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, drop, red->mapToGlobal(drop), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(red, &move);
    QVERIFY(red->sliderPosition() > 0);
    QCOMPARE(changes.count(), 0);
    verifyShows(0, 0, 0); // the display follows at the end of the drag
    QTest::mouseRelease(red, Qt::LeftButton, {}, drop);
    QCOMPARE(changes.count(), 1);
    QVERIFY(red->value() > 100);
    verifyShows(red->value(), 0, 0);
}

void TestFrmMain::wheelMovesAsThePointerSuggests() {
    ChannelScrollBar* blue = bar(2);
    const QPointF at = blue->rect().center();
    auto turn = [&](int delta) {
        QWheelEvent wheel(at, blue->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(blue, &wheel);
    };
    turn(-120); // towards the user: right, like a horizontal list scrolls
    const int raised = blue->value();
    QVERIFY(raised > 0);
    verifyShows(0, 0, raised);
    turn(120);
    verifyShows(0, 0, 0);
}

void TestFrmMain::eachChannelShowsEverywhere_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("value");
    QTest::newRow("red full") << 0 << 255;
    QTest::newRow("green one digit") << 1 << 5;
    QTest::newRow("blue letters") << 2 << 170;
    QTest::newRow("red first two-digit") << 0 << 16;
}

void TestFrmMain::eachChannelShowsEverywhere() {
    QFETCH(int, channel);
    QFETCH(int, value);
    bar(channel)->setFocus();
    QTest::keyClick(bar(channel), Qt::Key_End);
    QTest::keyClick(bar(channel), Qt::Key_Home);
    for (int step = 0; step < value; ++step)
        QTest::keyClick(bar(channel), Qt::Key_Right);
    int shown[3] = {0, 0, 0};
    shown[channel] = value;
    verifyShows(shown[0], shown[1], shown[2]);
}

void TestFrmMain::pickRowByMouse(int row) const {
    PickListComboBox* list = chart();
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(row, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

void TestFrmMain::pickFromTheList_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("Coral") << CoralRow << 255 << 127 << 80;
    QTest::newRow("White, the first") << 0 << 255 << 255 << 255;
    QTest::newRow("MediumSlateBlue, the last") << 139 << 123 << 104 << 238;
    QTest::newRow("Green") << 62 << 0 << 128 << 0;
}

void TestFrmMain::pickFromTheList() {
    QFETCH(int, row);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    pickRowByMouse(row);
    QTRY_COMPARE(chart()->currentIndex(), row);
    verifyShows(red, green, blue);
}

void TestFrmMain::pickWithArrowKeysOnTheClosedBox() {
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Down); // from no entry to the first
    verifyShows(255, 255, 255);
    QTest::keyClick(chart(), Qt::Key_Down); // Snow
    verifyShows(255, 250, 250);
    QTest::keyClick(chart(), Qt::Key_Up);
    verifyShows(255, 255, 255);
    QCOMPARE(chart()->currentText(), QStringLiteral("White"));
}

void TestFrmMain::pickOfTheShownColourMovesNoBar() {
    QList<QSignalSpy*> spies;
    for (int i = 0; i < 3; ++i)
        spies.append(new QSignalSpy(bar(i), &QAbstractSlider::valueChanged));
    pickRowByMouse(BlackRow); // black is what the window shows at start
    QTRY_COMPARE(chart()->currentIndex(), BlackRow);
    for (QSignalSpy* spy : spies)
        QCOMPARE(spy->count(), 0);
    verifyShows(0, 0, 0);
    qDeleteAll(spies);
}

void TestFrmMain::scrollingAfterAPickKeepsTheChartText() {
    pickRowByMouse(CoralRow);
    QTRY_COMPARE(chart()->currentText(), QStringLiteral("Coral"));
    bar(2)->setFocus();
    QTest::keyClick(bar(2), Qt::Key_End);
    verifyShows(255, 127, 255);
    QCOMPARE(chart()->currentText(), QStringLiteral("Coral"));
}

void TestFrmMain::setColorClampsAndWritesBack_data() {
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("shown");
    QTest::newRow("above") << 300 << 255;
    QTest::newRow("below") << -4 << 0;
    QTest::newRow("inside") << 77 << 77;
}

void TestFrmMain::setColorClampsAndWritesBack() {
    QFETCH(int, given);
    QFETCH(int, shown);
    Int16& green = Module1.intColor.at(1);
    green = Int16(given);
    window->SetColor(green, 1);
    QCOMPARE(int(green), shown); // written back into the caller's variable
    verifyShows(0, shown, 0);
}

void TestFrmMain::typingInTheChartFieldPicksNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveByClick");
    QTest::newRow("a name, Enter, Tab") << "Coral" << false;
    QTest::newRow("a name, Enter, click elsewhere") << "Red" << true;
    QTest::newRow("the start of a name") << "Cor" << false;
    QTest::newRow("no name") << "not a colour" << false;
    QTest::newRow("empty") << QString() << true;
}

void TestFrmMain::typingInTheChartFieldPicksNothing() {
    QFETCH(QString, typed);
    QFETCH(bool, leaveByClick);
    QSignalSpy picks(chart(), &QComboBox::activated);
    chart()->setFocus();
    chart()->lineEdit()->selectAll();
    QTest::keyClick(chart(), Qt::Key_Backspace);
    QTest::keyClicks(chart(), typed);
    QTest::keyClick(chart(), Qt::Key_Return);
    if (leaveByClick)
        QTest::mouseClick(bar(1), Qt::LeftButton, {},
                          barPart(1, QStyle::SC_ScrollBarSubLine).center());
    else
        QTest::keyClick(chart(), Qt::Key_Tab);
    QVERIFY(!chart()->hasFocus());
    QCOMPARE(picks.count(), 0);
    QCOMPARE(chart()->currentIndex(), -1);
    QCOMPARE(chart()->count(), 140);
    QCOMPARE(chart()->currentText(), typed);
    verifyShows(0, 0, 0);
}

void TestFrmMain::sharedAccessKeyOpensEachMenuInTurn_data() {
    QTest::addColumn<bool>("withAlt");
    QTest::newRow("Alt+F each time") << true;
    QTest::newRow("Alt, then F each time") << false;
}

void TestFrmMain::sharedAccessKeyOpensEachMenuInTurn() {
    QFETCH(bool, withAlt);
    QMenuBar* menus = window->menuBar();
    const Qt::KeyboardModifiers modifiers = withAlt ? Qt::AltModifier : Qt::NoModifier;
    if (!withAlt) { // a tap on Alt puts the menu bar under the keyboard
        QTest::keyPress(bar(0), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(bar(0), Qt::Key_Alt, Qt::NoModifier);
        QTRY_COMPARE(QApplication::focusWidget(), menus);
    }
    const QStringList expected = {"mnuFile", "mnuFunction", "mnuFile"};
    for (const QString& menu : expected) {
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : QApplication::focusWidget();
        QTest::keyClick(target, Qt::Key_F, modifiers);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
    }
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuHelp"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

void TestFrmMain::quitEndsTheProgramWithStatusZero() {
    auto* quit = window->findChild<QAction*>(QStringLiteral("mnuEnd"));
    QVERIFY(quit);
    QTimer::singleShot(0, quit, &QAction::trigger);
    QTimer::singleShot(5000, [] { QApplication::exit(99); }); // the quit item did nothing
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
