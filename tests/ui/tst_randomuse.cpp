// Random use: a long run of random actions on the real windows, keys and
// clicks as a person makes them, checked after every action against a small
// model of what the program should show.
//
// The model holds the three channel values, the clipboard format, the chart
// entry the closed list stands on and the text of its field, which dialogs are
// open and the option the clipboard dialog has selected. It computes every expected text itself and
// knows the chart's colours from their names as Qt reads them, so it shares no
// code with the program. After each action the whole window must show the
// model's colour, and the copy button must put the model's text on the
// clipboard; every few actions, and whenever the format changes, the copy is
// made with a real click on the button.
//
// Replaying a failure
//   A failure names its seed, its step (counted from 0), the action and what
//   differed, for example
//     seed 20261206, step 21: key End on scrColor(1), reached by a click on its
//     thumb: scrColor(1) value is 248, expected 255; lblColor10(1) is 248, expected 255; ...
//   The same seed gives the same actions, so the failure comes back with
//     HUEPROBE_SEED=20261206 HUEPROBE_ACTIONS=22 build/tests/ui/tst_randomuse
//   (HUEPROBE_ACTIONS = step + 1 ends the run at the failing action; run it
//   with QT_QPA_PLATFORM=offscreen, as CTest does). HUEPROBE_TRACE=1 prints
//   each action and what the window should show after it. Without these the
//   run takes a fixed seed and 10,000 actions.
#include "ChannelScrollBar.h"
#include "Module1.h"
#include "PickListComboBox.h"
#include "ScrollBarParts.h"
#include "frmClip.h"
#include "frmMain.h"
#include "frmVersion.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cstdio>
#include <optional>

using namespace hueprobe;

namespace {

constexpr quint32 DefaultSeed = 20261206;
constexpr int DefaultActions = 10000;
constexpr int ClickedCopyEvery = 20; // actions between copies by a real click on the button
constexpr int ChartRows = 140;
constexpr int OptionCount = 3;

// What the person expects the program to show.
struct Model {
    std::array<int, 3> channels{};
    int mode = 0;
    int chartRow = -1; // the entry the closed list stands on
    std::optional<QString> chartText = QStringLiteral("White"); // the chart field, if foreseeable
    bool clipOpen = false;
    int clipOption = -1; // the option selected in the open clipboard dialog
    bool versionOpen = false;

    QColor colour() const { return QColor(channels[0], channels[1], channels[2]); }
    QColor inverse() const {
        return QColor(255 - channels[0], 255 - channels[1], 255 - channels[2]);
    }
    QString code() const { return colour().name().mid(1).toUpper(); }
    QString copyText() const {
        switch (mode) {
        case 0:
            return code();
        case 1:
            return u'#' + code();
        default:
            return QStringLiteral("RGB(%1,%2,%3)")
                .arg(channels[0])
                .arg(channels[1])
                .arg(channels[2]);
        }
    }
    void setChannel(int channel, int value) { channels.at(channel) = qBound(0, value, 255); }
};

// A control or variable of an array, as the program names it: "scrColor(1)".
QString arrayItem(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// A text as the trace and the failure messages show it: control characters
// and the halves of surrogate pairs escaped, long texts cut short.
QString quoted(const QString& text) {
    constexpr int Shown = 40;
    QString out;
    for (const QChar c : text.left(Shown)) {
        if (c.isPrint() && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    if (text.size() > Shown)
        out += QStringLiteral("... (%1 characters)").arg(text.size());
    return u'"' + out + u'"';
}

QString keyName(int key) {
    return QKeySequence(key).toString();
}

// The offscreen platform reports each window operation it lacks (raise,
// keyboard grab) as a warning; thousands of dialogs and popups would bury
// the test's own output in them.
QtMessageHandler passedOn = nullptr;
void quietOffscreenNotices(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    passedOn(type, context, message);
}

// Notes in found where what the window shows differs from what was expected.
template <class T>
void expect(QStringList& found, const QString& what, const T& shown, const T& expected) {
    if (shown != expected)
        found << QStringLiteral("%1 is %2, expected %3")
                     .arg(what, QVariant(shown).toString(), QVariant(expected).toString());
}

// The trace goes straight to the error stream: Qt Test keeps only the first
// 2000 messages of a test function.
void traceLine(const QString& line) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

std::optional<quint32> environmentNumber(const char* name, quint32 fallback) {
    if (!qEnvironmentVariableIsSet(name))
        return fallback;
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// A piece of what the person puts into the chart field, and how it arrives:
// key by key, as the input method's committed text (Japanese), or pasted from
// the clipboard by Ctrl+V.
struct Piece {
    enum Way { Keys, InputMethod, Paste } way = Keys;
    QString text;
};

QString joined(const QList<Piece>& pieces) {
    QString text;
    for (const Piece& piece : pieces)
        text += piece.text;
    return text;
}

const QStringList OtherScripts = {QStringLiteral("é"), QStringLiteral("ß"),    QStringLiteral("Ø"),
                                  QStringLiteral("λ"), QStringLiteral("Ж"),    QStringLiteral("ش"),
                                  QStringLiteral("ñ"), QStringLiteral("€"),    QStringLiteral("🎨"),
                                  QStringLiteral("👍"), QStringLiteral("🏽"), QStringLiteral("½")};
const QStringList Japanese = {QStringLiteral("赤"), QStringLiteral("カラーチャート"),
                              QStringLiteral("ｱｲｳ"), QStringLiteral("１２３"),
                              QStringLiteral("みどり")};

} // namespace

class RandomUse : public QObject {
    Q_OBJECT

    enum Kind {
        BarKey,
        BarClick,
        BarDrag,
        BarWheel,
        PickFromList,
        PickByKeys,
        TypeInChart,
        Copy,
        OpenClipDialog,
        ChooseFormat,
        ConfirmFormat,
        CloseClipDialog,
        OpenVersionDialog,
        CloseVersionDialog,
    };
    struct Weighted {
        Kind kind;
        int weight;
        const char* name;
    };
    static const std::array<Weighted, 14> Kinds;

    Kind drawKind();
    void run(Kind kind);
    void act(const QString& description);
    void fail(const QString& what);
    QStringList displayDifferences() const;
    QStringList differences();
    void checkClickedCopy();

    // The person's ways of reaching things.
    bool bringToFront(QWidget* target);
    static QWidget* focused();
    bool tabTo(QWidget* target);
    QRect barPart(int channel, QStyle::SubControl part) const;
    QAbstractItemView* openChartList(const QString& how);
    QMenu* openMenu(QMenu* menu, int presses, Qt::Key accessKey);
    bool chooseMenuItem(QMenu* menu, QAction* item, int presses, Qt::Key accessKey);
    bool waitUntilClosed(QPointer<QWidget> dialog, const char* name);

    // The actions.
    void pressBarKey();
    void clickBarPart();
    void dragThumb();
    void turnWheel();
    void pickFromList();
    void pickByKeys();
    void typeInChart();
    void typeText(QWidget* field, const QList<Piece>& pieces);
    static void typeKeys(QWidget* field, const QString& text);
    QList<Piece> printableText();
    QString controlCharacters();
    QString pastedText();
    void leaveChartField(QWidget* field);
    void copy();
    void openClipDialog();
    void chooseFormat();
    void confirmFormat();
    void closeClipDialog();
    void openVersionDialog();
    void closeVersionDialog();

    int draw(int bound) { return int(random.bounded(bound)); }
    bool chance(int inEvery) { return draw(inEvery) == 0; }

    frmMain* window = nullptr;
    std::array<ChannelScrollBar*, 3> scrColor{};
    std::array<QLabel*, 3> lblColor10{};
    std::array<QLabel*, 3> lblColor16{};
    QLabel* lblColor = nullptr;
    PickListComboBox* cmb140 = nullptr;
    QPushButton* copyButton = nullptr;
    QMenu* mnuFunction = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuClip = nullptr;
    QAction* mnuVersion = nullptr;

    Model model;
    QRandomGenerator random;
    quint32 seed = DefaultSeed;
    int step = 0;
    bool trace = false;
    QString action;
    QString problem;
    bool modeChanged = false;
    QMap<QString, int> counts;

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUseKeepsTheWindowEqualToTheModel();
};

const std::array<RandomUse::Weighted, 14> RandomUse::Kinds = {{
    {BarKey, 22, "scroll bar keys"},
    {BarClick, 14, "scroll bar arrow and track clicks"},
    {BarDrag, 8, "thumb drags"},
    {BarWheel, 4, "wheel turns on a scroll bar"},
    {PickFromList, 10, "picks from the open list"},
    {PickByKeys, 7, "picks by keys on the closed list"},
    {TypeInChart, 12, "edits of the chart field"},
    {Copy, 6, "copies"},
    {OpenClipDialog, 4, "clipboard dialog openings"},
    {ChooseFormat, 5, "format choices"},
    {ConfirmFormat, 4, "clipboard dialog OKs"},
    {CloseClipDialog, 2, "clipboard dialog close boxes"},
    {OpenVersionDialog, 3, "version dialog openings"},
    {CloseVersionDialog, 3, "version dialog closings"},
}};

void RandomUse::initTestCase() {
    passedOn = qInstallMessageHandler(quietOffscreenNotices);
    const std::optional<quint32> seedSet = environmentNumber("HUEPROBE_SEED", DefaultSeed);
    QVERIFY2(seedSet, "HUEPROBE_SEED must be a whole number");
    seed = *seedSet;
    random.seed(seed);
    trace = qEnvironmentVariableIntValue("HUEPROBE_TRACE") != 0;

    window = new frmMain;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int i = 0; i < 3; ++i) {
        scrColor.at(i) = window->findChild<ChannelScrollBar*>(arrayItem("scrColor", i));
        lblColor10.at(i) = window->findChild<QLabel*>(arrayItem("lblColor10", i));
        lblColor16.at(i) = window->findChild<QLabel*>(arrayItem("lblColor16", i));
        QVERIFY(scrColor.at(i) && lblColor10.at(i) && lblColor16.at(i));
    }
    lblColor = window->findChild<QLabel*>(QStringLiteral("lblColor"));
    cmb140 = window->findChild<PickListComboBox*>(QStringLiteral("cmb140"));
    copyButton = window->findChild<QPushButton*>(QStringLiteral("Command1"));
    mnuFunction = window->findChild<QMenu*>(QStringLiteral("mnuFunction"));
    mnuHelp = window->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    mnuClip = window->findChild<QAction*>(QStringLiteral("mnuClip"));
    mnuVersion = window->findChild<QAction*>(QStringLiteral("mnuVersion"));
    QVERIFY(lblColor && cmb140 && copyButton && mnuFunction && mnuHelp && mnuClip && mnuVersion);
    QCOMPARE(cmb140->count(), ChartRows);
}

void RandomUse::cleanupTestCase() {
    frmClip::Unload();
    frmVersion::Unload();
    delete window;
    qInstallMessageHandler(passedOn);
}

void RandomUse::randomUseKeepsTheWindowEqualToTheModel() {
    const std::optional<quint32> actions = environmentNumber("HUEPROBE_ACTIONS", DefaultActions);
    QVERIFY2(actions, "HUEPROBE_ACTIONS must be a whole number");
    qInfo("seed %u, %u actions", seed, *actions);

    action = QStringLiteral("the start");
    const QStringList start = differences();
    QVERIFY2(start.isEmpty(), qPrintable(start.join(QStringLiteral("; "))));
    for (step = 0; step < int(*actions); ++step) {
        problem.clear();
        modeChanged = false;
        run(drawKind());
        if (problem.isEmpty() && (modeChanged || step % ClickedCopyEvery == 0))
            checkClickedCopy();
        if (problem.isEmpty())
            problem = differences().join(QStringLiteral("; "));
        if (trace)
            traceLine(
                QStringLiteral("  then expected %1 in format %2%3%4")
                    .arg(model.code())
                    .arg(model.mode)
                    .arg(model.clipOpen ? QStringLiteral(", clipboard dialog on option %1")
                                              .arg(model.clipOption)
                                        : QString(),
                         model.versionOpen ? QStringLiteral(", version dialog open") : QString()));
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3: %4")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(action, problem)));
    }
    for (const Weighted& each : Kinds)
        qInfo("%5d %s", counts.value(QLatin1String(each.name)), each.name);
}

RandomUse::Kind RandomUse::drawKind() {
    int total = 0;
    for (const Weighted& each : Kinds)
        total += each.weight;
    int ticket = draw(total);
    for (const Weighted& each : Kinds) {
        if (ticket < each.weight)
            return each.kind;
        ticket -= each.weight;
    }
    Q_UNREACHABLE();
}

void RandomUse::run(Kind kind) {
    // A dialog action with the dialog closed opens it instead, so the run
    // spends its steps on what a person can do at that moment.
    if ((kind == ChooseFormat || kind == ConfirmFormat || kind == CloseClipDialog) &&
        !model.clipOpen)
        kind = OpenClipDialog;
    if (kind == CloseVersionDialog && !model.versionOpen)
        kind = OpenVersionDialog;
    ++counts[QLatin1String(Kinds.at(kind).name)];

    switch (kind) {
    case BarKey:
        return pressBarKey();
    case BarClick:
        return clickBarPart();
    case BarDrag:
        return dragThumb();
    case BarWheel:
        return turnWheel();
    case PickFromList:
        return pickFromList();
    case PickByKeys:
        return pickByKeys();
    case TypeInChart:
        return typeInChart();
    case Copy:
        return copy();
    case OpenClipDialog:
        return openClipDialog();
    case ChooseFormat:
        return chooseFormat();
    case ConfirmFormat:
        return confirmFormat();
    case CloseClipDialog:
        return closeClipDialog();
    case OpenVersionDialog:
        return openVersionDialog();
    case CloseVersionDialog:
        return closeVersionDialog();
    }
}

void RandomUse::act(const QString& description) {
    action = description;
    if (trace)
        traceLine(QStringLiteral("step %1: %2").arg(step).arg(description));
}

void RandomUse::fail(const QString& what) {
    if (problem.isEmpty())
        problem = what;
}

// --- What the window shows ------------------------------------------------

QStringList RandomUse::displayDifferences() const {
    QStringList found;
    for (int i = 0; i < 3; ++i) {
        const int value = model.channels.at(i);
        expect(found, arrayItem("scrColor", i) + QStringLiteral(" value"), scrColor.at(i)->value(),
               value);
        expect(found, arrayItem("lblColor10", i), lblColor10.at(i)->text(), QString::number(value));
        expect(found, arrayItem("lblColor16", i), lblColor16.at(i)->text(),
               QString::number(value, 16).toUpper());
        expect(found, arrayItem("intColor", i), int(Module1.intColor.at(i)), value);
    }
    const QPalette swatch = lblColor->palette();
    expect(found, QStringLiteral("lblColor text"), lblColor->text(), model.code());
    expect(found, QStringLiteral("lblColor background"), swatch.color(QPalette::Window).name(),
           model.colour().name());
    expect(found, QStringLiteral("lblColor text colour"), swatch.color(QPalette::WindowText).name(),
           model.inverse().name());
    return found;
}

QStringList RandomUse::differences() {
    QStringList found = displayDifferences();
    expect(found, QStringLiteral("cmb140 entry"), cmb140->currentIndex(), model.chartRow);
    expect(found, QStringLiteral("cmb140 entries"), cmb140->count(), ChartRows);
    if (model.chartText && cmb140->currentText() != *model.chartText)
        found << QStringLiteral("cmb140 reads %1, expected %2")
                     .arg(quoted(cmb140->currentText()), quoted(*model.chartText));
    if (QWidget* popup = QApplication::activePopupWidget())
        found << QStringLiteral("a popup is left open: ") + popup->metaObject()->className();

    const frmClip* clip = frmClip::Open();
    expect(found, QStringLiteral("clipboard dialog open"), clip != nullptr, model.clipOpen);
    if (clip && model.clipOpen) {
        for (int i = 0; i < OptionCount; ++i) {
            const auto* option = clip->findChild<QRadioButton*>(arrayItem("optClip", i));
            expect(found, arrayItem("optClip", i) + QStringLiteral(" selected"),
                   option->isChecked(), i == model.clipOption);
        }
    }
    expect(found, QStringLiteral("version dialog open"), frmVersion::Open() != nullptr,
           model.versionOpen);

    // The button's own click, without moving the focus: what a copy gives now.
    QGuiApplication::clipboard()->clear();
    copyButton->click();
    expect(found, QStringLiteral("the copied text"), QGuiApplication::clipboard()->text(),
           model.copyText());
    return found;
}

// A copy as the person makes it: a click on the button.
void RandomUse::checkClickedCopy() {
    if (!bringToFront(window))
        return;
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(copyButton, Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied != model.copyText())
        fail(QStringLiteral("then a click on the copy button copied %1, expected %2")
                 .arg(quoted(copied), quoted(model.copyText())));
}

// --- Reaching things --------------------------------------------------------

// The person clicks on a window to work in it; it becomes the active one.
bool RandomUse::bringToFront(QWidget* target) {
    if (QApplication::activeWindow() == target)
        return true;
    target->activateWindow();
    if (QTest::qWaitFor([target] { return QApplication::activeWindow() == target; }, 2000))
        return true;
    fail(QStringLiteral("%1 did not become the active window")
             .arg(QLatin1String(target->metaObject()->className())));
    return false;
}

// Where the keys go: the focused control of the active window.
QWidget* RandomUse::focused() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : QApplication::activeWindow();
}

bool RandomUse::tabTo(QWidget* target) {
    if (!bringToFront(window))
        return false;
    constexpr int FocusStops = 5; // three scroll bars, the chart, the copy button
    for (int press = 0; press <= FocusStops; ++press) {
        if (QApplication::focusWidget() == target)
            return true;
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    fail(QStringLiteral("Tab does not reach ") + target->objectName());
    return false;
}

QRect RandomUse::barPart(int channel, QStyle::SubControl part) const {
    return testing::scrollBarPart(scrColor.at(channel), part);
}

// --- Scroll bars --------------------------------------------------------------

void RandomUse::pressBarKey() {
    static const std::array<std::pair<Qt::Key, int>, 8> Keys = {{
        {Qt::Key_Left, -1},
        {Qt::Key_Right, +1},
        {Qt::Key_Up, -1},
        {Qt::Key_Down, +1},
        {Qt::Key_PageUp, -10},
        {Qt::Key_PageDown, +10},
        {Qt::Key_Home, -255},
        {Qt::Key_End, +255},
    }};
    const int channel = draw(3);
    const auto [key, change] = Keys.at(draw(int(Keys.size())));
    const bool byClick = chance(4);
    act(QStringLiteral("key %1 on %2, reached by %3")
            .arg(keyName(key), arrayItem("scrColor", channel),
                 byClick ? QStringLiteral("a click on its thumb") : QStringLiteral("Tab")));
    if (byClick) {
        if (!bringToFront(window))
            return;
        QTest::mouseClick(scrColor.at(channel), Qt::LeftButton, {},
                          barPart(channel, QStyle::SC_ScrollBarSlider).center());
        if (QApplication::focusWidget() != scrColor.at(channel))
            return fail(QStringLiteral("the click on the thumb did not give the bar the focus"));
    } else if (!tabTo(scrColor.at(channel))) {
        return;
    }
    QTest::keyClick(focused(), key);
    model.setChannel(channel, model.channels.at(channel) + change);
}

void RandomUse::clickBarPart() {
    const int channel = draw(3);
    const int value = model.channels.at(channel);
    QStyle::SubControl part = QStyle::SC_None;
    int change = 0;
    switch (draw(4)) {
    case 0:
        part = QStyle::SC_ScrollBarSubLine;
        change = -1;
        break;
    case 1:
        part = QStyle::SC_ScrollBarAddLine;
        change = +1;
        break;
    default: // the track on one side of the thumb; at an end only the other side is there
        const bool below = value == 255 || (value > 0 && chance(2));
        part = below ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage;
        change = below ? -10 : +10;
        break;
    }
    static const QMap<QStyle::SubControl, QString> Names = {
        {QStyle::SC_ScrollBarSubLine, QStringLiteral("left arrow")},
        {QStyle::SC_ScrollBarAddLine, QStringLiteral("right arrow")},
        {QStyle::SC_ScrollBarSubPage, QStringLiteral("track left of the thumb")},
        {QStyle::SC_ScrollBarAddPage, QStringLiteral("track right of the thumb")},
    };
    act(QStringLiteral("click on the %1 of %2")
            .arg(Names.value(part), arrayItem("scrColor", channel)));
    if (!bringToFront(window))
        return;
    QTest::mouseClick(scrColor.at(channel), Qt::LeftButton, {}, barPart(channel, part).center());
    model.setChannel(channel, value + change);
}

// The thumb is dragged past an end or to a place inside the track, where the
// person sees it land; the window follows only when the thumb is let go.
void RandomUse::dragThumb() {
    const int channel = draw(3);
    ChannelScrollBar* bar = scrColor.at(channel);
    const int where = draw(4); // 0: past the left end, 1: past the right end, else inside
    const int x = where == 0 ? -40 : where == 1 ? bar->width() + 40 : draw(bar->width());
    act(QStringLiteral("drag the thumb of %1 to x = %2")
            .arg(arrayItem("scrColor", channel))
            .arg(x));
    if (!bringToFront(window))
        return;
    const QPoint grab = barPart(channel, QStyle::SC_ScrollBarSlider).center();
    const QPoint drop(x, grab.y());
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    QTest::mouseMove(bar, (grab + drop) / 2);
    QTest::mouseMove(bar, drop);
    const int landed = bar->sliderPosition();
    const QStringList early = displayDifferences();
    QTest::mouseRelease(bar, Qt::LeftButton, {}, drop);
    if (!early.isEmpty())
        return fail(QStringLiteral("before the thumb was let go: ") +
                    early.join(QStringLiteral("; ")));
    if ((where == 0 && landed != 0) || (where == 1 && landed != 255))
        return fail(QStringLiteral("the thumb stands at %1 past the end").arg(landed));
    model.setChannel(channel, landed);
}

// A notch of the wheel towards the person moves the thumb right, as a
// horizontal list scrolls, by the lines the desktop sets per notch.
void RandomUse::turnWheel() {
    const int channel = draw(3);
    const bool towards = chance(2);
    act(QStringLiteral("turn the wheel one notch %1 over %2")
            .arg(towards ? QStringLiteral("towards the person") : QStringLiteral("away"),
                 arrayItem("scrColor", channel)));
    if (!bringToFront(window))
        return;
    ChannelScrollBar* bar = scrColor.at(channel);
    const QPointF at = bar->rect().center();
    constexpr int Notch = 120;
    QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, towards ? -Notch : Notch),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    const int lines = QApplication::wheelScrollLines();
    model.setChannel(channel, model.channels.at(channel) + (towards ? lines : -lines));
}

// --- The colour chart ---------------------------------------------------------

QAbstractItemView* RandomUse::openChartList(const QString& how) {
    if (!bringToFront(window))
        return nullptr;
    if (how == u"F4" || how == u"Alt+Down") {
        if (!tabTo(cmb140))
            return nullptr;
        QTest::keyClick(focused(), how == u"F4" ? Qt::Key_F4 : Qt::Key_Down,
                        how == u"F4" ? Qt::NoModifier : Qt::AltModifier);
    } else {
        QStyleOptionComboBox option;
        option.initFrom(cmb140);
        option.editable = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow = cmb140->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                            QStyle::SC_ComboBoxArrow, cmb140);
        QTest::mouseClick(cmb140, Qt::LeftButton, {}, arrow.center());
    }
    QAbstractItemView* list = cmb140->view();
    if (!list->isVisible()) {
        fail(QStringLiteral("the list did not open"));
        return nullptr;
    }
    return list;
}

void RandomUse::pickFromList() {
    static const QStringList Ways = {QStringLiteral("a click on the arrow"), QStringLiteral("F4"),
                                     QStringLiteral("Alt+Down")};
    const QString& how = Ways.at(draw(int(Ways.size())));
    const bool dismiss = chance(8);
    const int row = draw(ChartRows);
    const QString name = cmb140->itemText(row);
    act(dismiss ? QStringLiteral("open the chart list by %1 and close it by Escape").arg(how)
                : QStringLiteral("pick %1 (row %2) from the chart list opened by %3")
                      .arg(name)
                      .arg(row)
                      .arg(how));
    QAbstractItemView* list = openChartList(how);
    if (!list)
        return;
    if (dismiss) {
        QTest::keyClick(list, Qt::Key_Escape);
        return;
    }
    const QModelIndex item = list->model()->index(row, 0);
    list->scrollTo(item);
    // The pointer moves onto the entry, which lights up, and clicks it.
    const QPoint at = list->visualRect(item).center();
    QMouseEvent hover(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &hover);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);

    const QColor colour = QColor::fromString(name);
    if (!colour.isValid())
        return fail(QStringLiteral("Qt knows no colour named ") + name);
    model.channels = {colour.red(), colour.green(), colour.blue()};
    model.chartRow = row;
    model.chartText = name;
}

// Up and Down (and PageUp, PageDown) on the closed list pick the entry above
// or below, when there is one.
void RandomUse::pickByKeys() {
    static const std::array<std::pair<Qt::Key, int>, 4> Keys = {{
        {Qt::Key_Up, -1},
        {Qt::Key_Down, +1},
        {Qt::Key_PageUp, -1},
        {Qt::Key_PageDown, +1},
    }};
    const int presses = 1 + draw(3);
    QList<std::pair<Qt::Key, int>> keys;
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        keys << Keys.at(draw(int(Keys.size())));
        names << keyName(keys.last().first);
    }
    act(QStringLiteral("keys %1 on the closed chart list").arg(names.join(u' ')));
    if (!tabTo(cmb140))
        return;
    for (const auto& [key, move] : keys) {
        QTest::keyClick(focused(), key);
        const int row = model.chartRow + move;
        if (row < 0 || row >= ChartRows)
            continue;
        const QString name = cmb140->itemText(row);
        const QColor colour = QColor::fromString(name);
        model.channels = {colour.red(), colour.green(), colour.blue()};
        model.chartRow = row;
        model.chartText = name;
    }
}

// Whatever is typed or pasted into the chart's text field, and however the
// edit ends, nothing is picked and the colour stays.
void RandomUse::typeInChart() {
    static const QStringList Ways = {QStringLiteral("type %1"),
                                     QStringLiteral("type %1 with control characters"),
                                     QStringLiteral("paste %1 by Ctrl+V")};
    const int way = draw(int(Ways.size()));
    QList<Piece> pieces = way == 2 ? QList<Piece>{{Piece::Paste, pastedText()}} : printableText();
    if (way == 1)
        pieces.insert(draw(int(pieces.size()) + 1), {Piece::Keys, controlCharacters()});
    const bool replace = !chance(3);
    const bool byClick = chance(2);
    act(QStringLiteral("%1 into the chart field %2, reached by %3")
            .arg(Ways.at(way).arg(quoted(joined(pieces))),
                 replace ? QStringLiteral("in place of its text")
                         : QStringLiteral("after its text"),
                 byClick ? QStringLiteral("a click") : QStringLiteral("Tab")));

    if (byClick) {
        if (!bringToFront(window))
            return;
        QLineEdit* field = cmb140->lineEdit();
        QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
    } else if (!tabTo(cmb140)) {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus != cmb140)
        return fail(QStringLiteral("the chart field did not take the focus"));
    QTest::keyClick(focus, replace ? Qt::Key_A : Qt::Key_End,
                    replace ? Qt::ControlModifier : Qt::NoModifier);
    typeText(focus, pieces);
    // Printable text reads as typed (typing nothing replaces nothing); what the
    // field keeps of control characters and pasted lines is the toolkit's affair.
    const QString typed = joined(pieces);
    if (way != 0)
        model.chartText.reset();
    else if (replace && !typed.isEmpty())
        model.chartText = typed;
    else if (model.chartText)
        *model.chartText += typed;
    leaveChartField(focus);
}

void RandomUse::typeText(QWidget* field, const QList<Piece>& pieces) {
    for (const Piece& piece : pieces) {
        switch (piece.way) {
        case Piece::Paste:
            QGuiApplication::clipboard()->setText(piece.text); // as if copied in another program
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case Piece::InputMethod: {
            QInputMethodEvent committed;
            committed.setCommitString(piece.text);
            QApplication::sendEvent(field, &committed);
            break;
        }
        case Piece::Keys:
            typeKeys(field, piece.text);
            break;
        }
    }
}

// One key per character, a pair of surrogates making one character.
void RandomUse::typeKeys(QWidget* field, const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        const bool ascii = code > u' ' && code < 0x7F;
        const int key = ascii          ? int(QChar::toUpper(code))
                        : code == u' ' ? int(Qt::Key_Space)
                                       : int(Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(key), QString::fromUcs4(&code, 1),
                            Qt::NoModifier);
    }
}

QList<Piece> RandomUse::printableText() {
    QList<Piece> pieces;
    const int count = chance(10) ? 20 + draw(40) : draw(5); // now and then a long text
    for (int i = 0; i < count; ++i) {
        switch (draw(5)) {
        case 0: { // plain ASCII, blanks included
            QString text;
            for (int length = 1 + draw(12); length > 0; --length)
                text += QChar(char16_t(0x20 + draw(0x7F - 0x20)));
            pieces << Piece{Piece::Keys, text};
            break;
        }
        case 1: { // a chart name, as it stands or in other letters
            QString name = cmb140->itemText(draw(ChartRows));
            pieces << Piece{Piece::Keys, chance(2) ? name : name.toLower()};
            break;
        }
        case 2:
            pieces << Piece{Piece::Keys, OtherScripts.at(draw(int(OtherScripts.size())))};
            break;
        case 3:
            pieces << Piece{Piece::InputMethod, Japanese.at(draw(int(Japanese.size())))};
            break;
        default:
            pieces << Piece{Piece::Keys, QString::number(draw(1000))};
            break;
        }
    }
    return pieces;
}

QString RandomUse::controlCharacters() {
    QString text;
    for (int length = 1 + draw(4); length > 0; --length) {
        const int range = draw(3);
        text += QChar(char16_t(range == 0   ? draw(0x20) // C0, NUL included
                               : range == 1 ? 0x7F
                                            : 0x80 + draw(0x20))); // C1
    }
    return text;
}

// Text another program put on the clipboard: lines, tabs, control characters,
// colour names, now and then thousands of characters.
QString RandomUse::pastedText() {
    QString text;
    const int parts = chance(10) ? 200 + draw(400) : 1 + draw(6);
    for (int i = 0; i < parts; ++i) {
        switch (draw(4)) {
        case 0:
            text += cmb140->itemText(draw(ChartRows));
            break;
        case 1:
            text +=
                QStringList{QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\t")}.at(
                    draw(3));
            break;
        case 2:
            text += controlCharacters();
            break;
        default:
            text += joined(printableText());
            break;
        }
    }
    return text;
}

void RandomUse::leaveChartField(QWidget* field) {
    switch (draw(5)) {
    case 0:
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case 1:
        QTest::keyClick(field, Qt::Key_Tab);
        break;
    case 2: { // a click on another control: a scroll bar's thumb, which moves nothing
        const int channel = draw(3);
        QTest::mouseClick(scrColor.at(channel), Qt::LeftButton, {},
                          barPart(channel, QStyle::SC_ScrollBarSlider).center());
        break;
    }
    case 3:
        QTest::keyClick(field, Qt::Key_Escape);
        break;
    default: // the field keeps the focus
        break;
    }
}

// --- Copy -----------------------------------------------------------------------

void RandomUse::copy() {
    static const QStringList Ways = {QStringLiteral("a click"), QStringLiteral("Space"),
                                     QStringLiteral("Enter")};
    const QString& how = Ways.at(chance(3) ? 1 + draw(2) : 0);
    act(QStringLiteral("copy by %1 on the copy button").arg(how));
    QGuiApplication::clipboard()->clear();
    if (how == u"a click") {
        if (!bringToFront(window))
            return;
        QTest::mouseClick(copyButton, Qt::LeftButton);
    } else {
        if (!tabTo(copyButton))
            return;
        QTest::keyClick(focused(), how == u"Space" ? Qt::Key_Space : Qt::Key_Return);
    }
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied != model.copyText())
        fail(QStringLiteral("the clipboard holds %1, expected %2")
                 .arg(quoted(copied), quoted(model.copyText())));
}

// --- Menus and dialogs ------------------------------------------------------------

// Opens a menu of the menu bar by a click on its title, or by its access key
// pressed as often as it takes (File and Functions share F).
QMenu* RandomUse::openMenu(QMenu* menu, int presses, Qt::Key accessKey) {
    if (!bringToFront(window))
        return nullptr;
    QMenuBar* bar = window->menuBar();
    if (presses == 0) {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
    } else {
        for (int press = 0; press < presses; ++press) {
            QWidget* target = QApplication::activePopupWidget();
            QTest::keyClick(target ? target : focused(), accessKey, Qt::AltModifier);
        }
    }
    if (QApplication::activePopupWidget() != menu) {
        fail(menu->objectName() + QStringLiteral(" did not open"));
        return nullptr;
    }
    return menu;
}

// Chooses the item by a click, or by Down to it and Enter; now and then the person
// thinks better of it and closes the menu by Escape. Returns whether the item
// was chosen.
bool RandomUse::chooseMenuItem(QMenu* menu, QAction* item, int presses, Qt::Key accessKey) {
    const bool byKeys = chance(2);
    const bool dismiss = chance(10);
    const QString opened =
        byKeys ? QStringLiteral("Alt+%1%2")
                     .arg(keyName(accessKey), presses > 1 ? QStringLiteral(" twice") : QString())
               : QStringLiteral("a click on its title");
    act(dismiss
            ? QStringLiteral("open %1 by %2 and close it by Escape").arg(menu->objectName(), opened)
            : QStringLiteral("choose %1 in %2 opened by %3, then %4")
                  .arg(item->objectName(), menu->objectName(), opened,
                       byKeys ? QStringLiteral("Down to it and Enter")
                              : QStringLiteral("a click")));
    if (!openMenu(menu, byKeys ? presses : 0, accessKey))
        return false;
    if (dismiss) {
        QTest::keyClick(menu, Qt::Key_Escape);
        // A menu bar reached by the keyboard keeps it until a second Escape.
        if (QApplication::focusWidget() == window->menuBar())
            QTest::keyClick(window->menuBar(), Qt::Key_Escape);
        return false;
    }
    if (byKeys) { // a menu opened by its access key starts on its first item
        for (int step = 0; menu->activeAction() != item && step < menu->actions().size(); ++step)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    } else {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    return true;
}

void RandomUse::openClipDialog() {
    if (!chooseMenuItem(mnuFunction, mnuClip, 2, Qt::Key_F))
        return;
    frmClip* dialog = frmClip::Open();
    if (!dialog)
        return fail(QStringLiteral("the clipboard dialog did not open"));
    if (!model.clipOpen) // a new dialog shows the format in force; an open one keeps its choice
        model.clipOption = model.mode;
    model.clipOpen = true;
    bringToFront(dialog);
}

void RandomUse::chooseFormat() {
    frmClip* dialog = frmClip::Open();
    const bool byKeys = chance(2);
    if (!byKeys) {
        const int option = draw(OptionCount);
        act(QStringLiteral("click on %1").arg(arrayItem("optClip", option)));
        if (!bringToFront(dialog))
            return;
        QTest::mouseClick(dialog->findChild<QRadioButton*>(arrayItem("optClip", option)),
                          Qt::LeftButton);
        model.clipOption = option;
        return;
    }
    const int presses = 1 + draw(2);
    QList<int> moves;
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        moves << (chance(2) ? -1 : +1);
        names << keyName(moves.last() < 0 ? Qt::Key_Up : Qt::Key_Down);
    }
    act(QStringLiteral("keys %1 among the format options").arg(names.join(u' ')));
    if (!bringToFront(dialog))
        return;
    if (!qobject_cast<QRadioButton*>(QApplication::focusWidget()))
        QTest::keyClick(focused(), Qt::Key_Tab); // from OK back to the options
    for (const int move : moves) {
        QTest::keyClick(focused(), move < 0 ? Qt::Key_Up : Qt::Key_Down);
        model.clipOption = qBound(0, model.clipOption + move, OptionCount - 1);
    }
}

bool RandomUse::waitUntilClosed(QPointer<QWidget> dialog, const char* name) {
    if (QTest::qWaitFor([&dialog] { return dialog.isNull(); }, 2000))
        return true;
    fail(QStringLiteral("the %1 was not destroyed when it closed").arg(QLatin1String(name)));
    return false;
}

void RandomUse::confirmFormat() {
    static const QStringList Ways = {QStringLiteral("a click"), QStringLiteral("Enter"),
                                     QStringLiteral("Space")};
    const QString& how = Ways.at(chance(2) ? 0 : 1 + draw(2));
    act(QStringLiteral("OK in the clipboard dialog by %1").arg(how));
    QPointer<QWidget> dialog = frmClip::Open();
    if (!bringToFront(dialog))
        return;
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
    if (how == u"a click") {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        if (QApplication::focusWidget() != ok)
            QTest::keyClick(focused(), Qt::Key_Tab);
        QTest::keyClick(focused(), how == u"Enter" ? Qt::Key_Return : Qt::Key_Space);
    }
    modeChanged = model.mode != model.clipOption;
    model.mode = model.clipOption;
    model.clipOpen = false;
    model.clipOption = -1;
    waitUntilClosed(dialog, "clipboard dialog");
}

void RandomUse::closeClipDialog() {
    const bool escape = chance(6);
    act(escape ? QStringLiteral("Escape in the clipboard dialog, which closes nothing")
               : QStringLiteral("close the clipboard dialog by its close box"));
    QPointer<QWidget> dialog = frmClip::Open();
    if (!bringToFront(dialog))
        return;
    if (escape) {
        QTest::keyClick(focused(), Qt::Key_Escape);
        return;
    }
    dialog->close();
    model.clipOpen = false;
    model.clipOption = -1;
    waitUntilClosed(dialog, "clipboard dialog");
}

void RandomUse::openVersionDialog() {
    if (!chooseMenuItem(mnuHelp, mnuVersion, 1, Qt::Key_H))
        return;
    if (!frmVersion::Open())
        return fail(QStringLiteral("the version dialog did not open"));
    model.versionOpen = true;
}

void RandomUse::closeVersionDialog() {
    static const QStringList Ways = {QStringLiteral("a click on OK"), QStringLiteral("Enter"),
                                     QStringLiteral("Space"), QStringLiteral("its close box"),
                                     QStringLiteral("Escape, which closes nothing")};
    const QString& how = Ways.at(draw(int(Ways.size())));
    act(QStringLiteral("close the version dialog by %1").arg(how));
    QPointer<QWidget> dialog = frmVersion::Open();
    if (!bringToFront(dialog))
        return;
    if (how == u"a click on OK")
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
    else if (how == u"its close box")
        dialog->close();
    else
        QTest::keyClick(focused(), how == u"Enter"   ? Qt::Key_Return
                                   : how == u"Space" ? Qt::Key_Space
                                                     : Qt::Key_Escape);
    if (how.startsWith(u"Escape"))
        return;
    model.versionOpen = false;
    waitUntilClosed(dialog, "version dialog");
}

QTEST_MAIN(RandomUse)
#include "tst_randomuse.moc"
