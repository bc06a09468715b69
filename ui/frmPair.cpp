#include "frmPair.h"

#include "Accessibility.h"
#include "ColorTextReading.h"
#include "Colours.h"
#include "CssForms.h"
#include "FormDesign.h"
#include "GothicFont.h"
#include "Notice.h"
#include "OptionButton.h"
#include "picking/ScreenPicker.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hueprobe {

namespace {

using namespace design;

// Client area in twips (600 x 536 pixels); the frame cannot be resized.
constexpr Twips ClientArea{0, 0, 9000, 8040};

constexpr double UiFontPoints = 9;

// Five frames: the two colours and which is the text; samples of the pair;
// its contrast with a mark for each level; the nearest text colours that reach
// AA and AAA, each with copy and use buttons; and the pair as seen with other
// colour vision, with its contrast and AA mark.
// clang-format off
const std::initializer_list<Control> Design = {
    {.name = "Frame1", .kind = Kind::Frame, .place = {120, 90, 8760, 1590},
     .text = "二つの色"},
    {.name = "Label1", .kind = Kind::Label, .container = "Frame1", .place = {180, 360, 1140, 240},
     .text = "今の色"},
    {.name = "lblCurrent", .kind = Kind::Label, .container = "Frame1", .place = {1350, 315, 1560, 330},
     .style = Centred | SunkenBorder | ShowsValue, .accessibleName = "今の色"},
    {.name = "Label2", .kind = Kind::Label, .container = "Frame1", .place = {3120, 360, 1260, 240},
     .text = "二つめの色"},
    {.name = "lblSecond", .kind = Kind::Label, .container = "Frame1", .place = {4410, 315, 1560, 330},
     .style = Centred | SunkenBorder | ShowsValue, .accessibleName = "二つめの色"},
    {.name = "Label3", .kind = Kind::Label, .container = "Frame1", .place = {180, 765, 1140, 240},
     .text = "色を書く", .buddy = "txtSecond"},
    {.name = "txtSecond", .kind = Kind::TextBox, .container = "Frame1", .place = {1350, 720, 1560, 330},
     .tab = 0, .tooltip = "#FF8000、rgb(255 128 0)、orange などを書いて Enter",
     .accessibleName = "二つめの色を書く",
     .accessibleDescription = "#FF8000、rgb(255 128 0)、orange などを書いて Enter で二つめの色にします"},
    {.name = "cmdPick", .kind = Kind::Button, .container = "Frame1", .place = {3120, 705, 2400, 360},
     .tab = 1, .text = "画面から色を取る", .accessibleName = "画面から二つめの色を取る"},
    {.name = "cmdPaste", .kind = Kind::Button, .container = "Frame1", .place = {5640, 705, 2940, 360},
     .tab = 2, .text = "クリップボードから読む", .accessibleName = "クリップボードから二つめの色を読む"},
    {.name = "Label4", .kind = Kind::Label, .container = "Frame1", .place = {180, 1185, 1140, 240},
     .text = "文字の色"},
    {.name = "optText(0)", .kind = Kind::Option, .container = "Frame1", .place = {1350, 1155, 3300, 300},
     .tab = 3, .text = "今の色（背景は二つめの色）"},
    {.name = "optText(1)", .kind = Kind::Option, .container = "Frame1", .place = {4800, 1155, 3780, 300},
     .tab = 4, .text = "二つめの色（背景は今の色）"},

    {.name = "Frame2", .kind = Kind::Frame, .place = {120, 1770, 8760, 1410},
     .text = "見本（左は文字と背景、右はその逆）"},
    {.name = "lblSample(0)", .kind = Kind::Label, .container = "Frame2", .place = {180, 300, 4140, 360},
     .text = "本文の見本です。Sample text", .style = Centred | SunkenBorder},
    {.name = "lblSample(1)", .kind = Kind::Label, .container = "Frame2", .place = {4440, 300, 4140, 360},
     .text = "本文の見本です。Sample text", .style = Centred | SunkenBorder},
    {.name = "lblSample(2)", .kind = Kind::Label, .container = "Frame2", .place = {180, 750, 4140, 540},
     .text = "大きな文字 Aa", .points = 18, .style = Centred | SunkenBorder},
    {.name = "lblSample(3)", .kind = Kind::Label, .container = "Frame2", .place = {4440, 750, 4140, 540},
     .text = "大きな文字 Aa", .points = 18, .style = Centred | SunkenBorder},

    {.name = "Frame3", .kind = Kind::Frame, .place = {120, 3270, 8760, 1260},
     .text = "文字の読みやすさ（ＷＣＡＧ ２.２のコントラスト比）"},
    {.name = "Label5", .kind = Kind::Label, .container = "Frame3", .place = {2160, 300, 1260, 240},
     .text = "通常の文字", .style = Centred},
    {.name = "Label6", .kind = Kind::Label, .container = "Frame3", .place = {3480, 300, 1260, 240},
     .text = "大きな文字", .style = Centred, .tooltip = "１８ポイント以上、または１４ポイント以上の太字"},
    {.name = "Label7", .kind = Kind::Label, .container = "Frame3", .place = {4800, 300, 1260, 240},
     .text = "ＵＩ部品", .style = Centred, .tooltip = "入力欄やボタンの縁、アイコンなど、文字でないもの"},
    {.name = "Label8", .kind = Kind::Label, .container = "Frame3", .place = {180, 570, 1860, 240},
     .text = "コントラスト比"},
    {.name = "Label9", .kind = Kind::Label, .container = "Frame3", .place = {2160, 570, 600, 240},
     .text = "AA", .style = Centred},
    {.name = "Label10", .kind = Kind::Label, .container = "Frame3", .place = {2820, 570, 600, 240},
     .text = "AAA", .style = Centred},
    {.name = "Label11", .kind = Kind::Label, .container = "Frame3", .place = {3480, 570, 600, 240},
     .text = "AA", .style = Centred},
    {.name = "Label12", .kind = Kind::Label, .container = "Frame3", .place = {4140, 570, 600, 240},
     .text = "AAA", .style = Centred},
    {.name = "Label13", .kind = Kind::Label, .container = "Frame3", .place = {4800, 570, 1260, 240},
     .text = "3:1", .style = Centred},
    {.name = "lblRatio", .kind = Kind::Label, .container = "Frame3", .place = {180, 840, 1860, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "コントラスト比"},
    {.name = "lblPass(0)", .kind = Kind::Label, .container = "Frame3", .place = {2160, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(1)", .kind = Kind::Label, .container = "Frame3", .place = {2820, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(2)", .kind = Kind::Label, .container = "Frame3", .place = {3480, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(3)", .kind = Kind::Label, .container = "Frame3", .place = {4140, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(4)", .kind = Kind::Label, .container = "Frame3", .place = {4800, 840, 1260, 300},
     .style = Centred | SunkenBorder},

    {.name = "Frame4", .kind = Kind::Frame, .place = {120, 4620, 8760, 1260},
     .text = "届くいちばん近い文字の色（通常の文字、色差ΔEOK）"},
    {.name = "Label14", .kind = Kind::Label, .container = "Frame4", .place = {180, 345, 600, 240},
     .text = "AA"},
    {.name = "lblNearest(0)", .kind = Kind::Label, .container = "Frame4", .place = {840, 300, 2100, 330},
     .style = Centred | SunkenBorder | ShowsValue, .accessibleName = "AA に届くいちばん近い色"},
    {.name = "lblNearestDelta(0)", .kind = Kind::Label, .container = "Frame4", .place = {3060, 300, 2100, 330},
     .style = SunkenBorder | ShowsValue, .accessibleName = "AA の色との色差"},
    {.name = "cmdCopy(0)", .kind = Kind::Button, .container = "Frame4", .place = {5280, 285, 1200, 360},
     .tab = 5, .text = "コピー", .accessibleName = "AA に届く色をコピー"},
    {.name = "cmdUse(0)", .kind = Kind::Button, .container = "Frame4", .place = {6600, 285, 1980, 360},
     .tab = 6, .text = "文字の色にする", .accessibleName = "AA に届く色を文字の色にする"},
    {.name = "Label15", .kind = Kind::Label, .container = "Frame4", .place = {180, 780, 600, 240},
     .text = "AAA"},
    {.name = "lblNearest(1)", .kind = Kind::Label, .container = "Frame4", .place = {840, 735, 2100, 330},
     .style = Centred | SunkenBorder | ShowsValue, .accessibleName = "AAA に届くいちばん近い色"},
    {.name = "lblNearestDelta(1)", .kind = Kind::Label, .container = "Frame4", .place = {3060, 735, 2100, 330},
     .style = SunkenBorder | ShowsValue, .accessibleName = "AAA の色との色差"},
    {.name = "cmdCopy(1)", .kind = Kind::Button, .container = "Frame4", .place = {5280, 720, 1200, 360},
     .tab = 7, .text = "コピー", .accessibleName = "AAA に届く色をコピー"},
    {.name = "cmdUse(1)", .kind = Kind::Button, .container = "Frame4", .place = {6600, 720, 1980, 360},
     .tab = 8, .text = "文字の色にする", .accessibleName = "AAA に届く色を文字の色にする"},

    {.name = "Frame5", .kind = Kind::Frame, .place = {120, 5970, 8760, 1950},
     .text = "色覚による見え方（模擬）"},
    {.name = "Label16", .kind = Kind::Label, .container = "Frame5", .place = {180, 360, 2940, 240},
     .text = "１型２色覚（Ｐ型）"},
    {.name = "lblSeen(0)", .kind = Kind::Label, .container = "Frame5", .place = {3180, 330, 2580, 300},
     .text = "見本 Sample", .style = Centred | SunkenBorder},
    {.name = "lblSeenRatio(0)", .kind = Kind::Label, .container = "Frame5", .place = {5880, 330, 1500, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "１型２色覚のコントラスト比"},
    {.name = "lblSeenPass(0)", .kind = Kind::Label, .container = "Frame5", .place = {7500, 330, 1080, 300},
     .style = Centred | SunkenBorder},
    {.name = "Label17", .kind = Kind::Label, .container = "Frame5", .place = {180, 750, 2940, 240},
     .text = "２型２色覚（Ｄ型）"},
    {.name = "lblSeen(1)", .kind = Kind::Label, .container = "Frame5", .place = {3180, 720, 2580, 300},
     .text = "見本 Sample", .style = Centred | SunkenBorder},
    {.name = "lblSeenRatio(1)", .kind = Kind::Label, .container = "Frame5", .place = {5880, 720, 1500, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "２型２色覚のコントラスト比"},
    {.name = "lblSeenPass(1)", .kind = Kind::Label, .container = "Frame5", .place = {7500, 720, 1080, 300},
     .style = Centred | SunkenBorder},
    {.name = "Label18", .kind = Kind::Label, .container = "Frame5", .place = {180, 1140, 2940, 240},
     .text = "３型２色覚（Ｔ型）"},
    {.name = "lblSeen(2)", .kind = Kind::Label, .container = "Frame5", .place = {3180, 1110, 2580, 300},
     .text = "見本 Sample", .style = Centred | SunkenBorder},
    {.name = "lblSeenRatio(2)", .kind = Kind::Label, .container = "Frame5", .place = {5880, 1110, 1500, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "３型２色覚のコントラスト比"},
    {.name = "lblSeenPass(2)", .kind = Kind::Label, .container = "Frame5", .place = {7500, 1110, 1080, 300},
     .style = Centred | SunkenBorder},
    {.name = "Label19", .kind = Kind::Label, .container = "Frame5", .place = {180, 1530, 2940, 240},
     .text = "１色覚（明るさだけ）"},
    {.name = "lblSeen(3)", .kind = Kind::Label, .container = "Frame5", .place = {3180, 1500, 2580, 300},
     .text = "見本 Sample", .style = Centred | SunkenBorder},
    {.name = "lblSeenRatio(3)", .kind = Kind::Label, .container = "Frame5", .place = {5880, 1500, 1500, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "１色覚のコントラスト比"},
    {.name = "lblSeenPass(3)", .kind = Kind::Label, .container = "Frame5", .place = {7500, 1500, 1080, 300},
     .style = Centred | SunkenBorder},
};
// clang-format on

// What each mark is called when read aloud.
constexpr std::array<const char*, frmPair::LevelCount> LevelNames{
    "通常の文字 AA", "通常の文字 AAA", "大きな文字 AA", "大きな文字 AAA", "ＵＩ部品 3:1"};
constexpr std::array<const char*, ColorVisions.size()> VisionNames{"１型２色覚", "２型２色覚",
                                                                   "３型２色覚", "１色覚"};

constexpr std::array<WcagLevel, frmPair::LevelCount> Levels{
    WcagLevels[0], WcagLevels[1], WcagLevels[2], WcagLevels[3], NonTextLevel};

QString ascii(const std::string& text) {
    return QString::fromLatin1(text);
}

QColor toQColor(const Channels& colour) {
    return QColor(colour.at(0), colour.at(1), colour.at(2));
}

QByteArray indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index).toLatin1();
}

QString mark(bool passes) {
    return passes ? QStringLiteral("○") : QStringLiteral("×");
}

QString verdict(bool passes) {
    return passes ? QStringLiteral("合格") : QStringLiteral("不合格");
}

// A colour box: the colour's code on the colour, in black or white, whichever reads better.
void showSwatch(QLabel* label, const Channels& colour) {
    const Channels white{255, 255, 255};
    const Channels black{0, 0, 0};
    const bool whiteReads = ContrastRatio(white, colour) >= ContrastRatio(black, colour);
    setColours(label, whiteReads ? Qt::white : Qt::black, toQColor(colour));
    label->setText(ascii(CssHex(colour)));
}

} // namespace

frmPair::frmPair()
    : DialogWindow(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("文字と背景"));
    setFont(gothicFont(UiFontPoints));
    setFixedSize(ClientArea.toPixels().size());
    buildControls();
    current = Module1.intColor;
    showPair();
}

// The field loses the focus while the window is destroyed, and must then no
// longer reach this half-destroyed dialog.
frmPair::~frmPair() {
    disconnect(txtSecond, nullptr, this, nullptr);
}

void frmPair::buildControls() {
    const Built built = build(this, Design);
    lblCurrent = built.get<QLabel>("lblCurrent");
    lblSecond = built.get<QLabel>("lblSecond");
    txtSecond = built.get<QLineEdit>("txtSecond");
    connect(txtSecond, &QLineEdit::editingFinished, this, &frmPair::txtSecond_EditingFinished);
    connect(built.get<QPushButton>("cmdPick"), &QPushButton::clicked, this,
            &frmPair::cmdPick_Click);
    connect(built.get<QPushButton>("cmdPaste"), &QPushButton::clicked, this,
            &frmPair::cmdPaste_Click);
    for (int i = 0; i < int(optText.size()); ++i) {
        optText.at(i) = built.get<OptionButton>(indexed("optText", i));
        connect(optText.at(i), &QAbstractButton::clicked, this, [this, i] { optText_Click(i); });
    }
    optText.at(0)->setChecked(true);
    for (std::size_t i = 0; i < lblSample.size(); ++i)
        lblSample.at(i) = built.get<QLabel>(indexed("lblSample", i));
    lblRatio = built.get<QLabel>("lblRatio");
    for (std::size_t i = 0; i < lblPass.size(); ++i)
        lblPass.at(i) = built.get<QLabel>(indexed("lblPass", i));
    for (int i = 0; i < NearestCount; ++i) {
        lblNearest.at(i) = built.get<QLabel>(indexed("lblNearest", i));
        lblNearestDelta.at(i) = built.get<QLabel>(indexed("lblNearestDelta", i));
        cmdCopy.at(i) = built.get<QPushButton>(indexed("cmdCopy", i));
        cmdUse.at(i) = built.get<QPushButton>(indexed("cmdUse", i));
        connect(cmdCopy.at(i), &QPushButton::clicked, this, [this, i] { cmdCopy_Click(i); });
        connect(cmdUse.at(i), &QPushButton::clicked, this, [this, i] { cmdUse_Click(i); });
    }
    for (std::size_t i = 0; i < ColorVisions.size(); ++i) {
        lblSeen.at(i) = built.get<QLabel>(indexed("lblSeen", i));
        lblSeenRatio.at(i) = built.get<QLabel>(indexed("lblSeenRatio", i));
        lblSeenPass.at(i) = built.get<QLabel>(indexed("lblSeenPass", i));
    }
    pairControls = {txtSecond,
                    built.get<QPushButton>("cmdPick"),
                    built.get<QPushButton>("cmdPaste"),
                    optText.at(0),
                    optText.at(1),
                    cmdUse.at(0),
                    cmdUse.at(1)};
    txtSecond->setFocus();
}

void frmPair::ShowColour(const Channels& colour) {
    current = colour;
    showPair();
}

void frmPair::SetSecondColour(const Channels& colour) {
    second = colour;
    showPair();
}

void frmPair::optText_Click(int Index) {
    currentIsText = Index == 0;
    showPair();
}

// Bad text changes no colour; it stays in the field until a colour changes.
void frmPair::txtSecond_EditingFinished() {
    if (!txtSecond->isModified())
        return;
    txtSecond->setModified(false);
    if (const std::optional<Channels> colour =
            readColorText(ColorTextSource::Typed, txtSecond->text()))
        SetSecondColour(*colour);
}

// The picked colour becomes the second colour; a cancel changes nothing and says
// nothing, and a pick that could not be made says why.
void frmPair::cmdPick_Click() {
    if (!picker)
        picker = ScreenPicker::forThisSession(this);
    picker->requestColour([this](const PickAnswer& answer) {
        if (answer.colour)
            SetSecondColour(*answer.colour);
        else if (!answer.reason.isEmpty())
            showNotice(QMessageBox::Warning, answer.reason);
    });
}

void frmPair::cmdPaste_Click() {
    if (const std::optional<Channels> colour = readClipboardColor())
        SetSecondColour(*colour);
}

void frmPair::cmdCopy_Click(int Index) {
    if (const std::optional<Channels>& colour = nearest.at(Index))
        QGuiApplication::clipboard()->setText(ascii(CssHex(*colour)));
}

// The text colour is the current colour or the second one, as the options say;
// the current colour changes only the way every other colour from outside does.
void frmPair::cmdUse_Click(int Index) {
    const std::optional<Channels> colour = nearest.at(Index);
    if (!colour)
        return;
    if (currentIsText)
        emit CurrentColourChosen(*colour);
    else
        SetSecondColour(*colour);
}

void frmPair::showPair() {
    const PairMeasures measures = MeasurePair(text(), background());
    showColours();
    showSamples();
    showContrast(measures.ratio);
    showNearest(0, measures.nearestAA);
    showNearest(1, measures.nearestAAA);
    showSeen(measures);
    announcePair();
}

void frmPair::showColours() {
    showSwatch(lblCurrent, current);
    showSwatch(lblSecond, second);
    if (!txtSecond->isModified())
        txtSecond->setText(ascii(CssHex(second)));
}

// On the left the text on the background, on the right the other way round.
void frmPair::showSamples() {
    for (std::size_t i = 0; i < lblSample.size(); ++i) {
        const bool reversed = i % 2 == 1;
        setColours(lblSample.at(i), toQColor(reversed ? background() : text()),
                   toQColor(reversed ? text() : background()));
    }
}

void frmPair::showContrast(double ratio) {
    lblRatio->setText(ascii(RatioText(ratio)));
    for (std::size_t level = 0; level < Levels.size(); ++level) {
        const bool passes = Passes(ratio, Levels.at(level));
        lblPass.at(level)->setText(mark(passes));
        lblPass.at(level)->setAccessibleName(
            QStringLiteral("%1：%2").arg(QString::fromUtf8(LevelNames.at(level)), verdict(passes)));
    }
}

void frmPair::showNearest(int index, const std::optional<Channels>& colour) {
    nearest.at(index) = colour;
    QLabel* swatch = lblNearest.at(index);
    cmdCopy.at(index)->setEnabled(colour.has_value());
    cmdUse.at(index)->setEnabled(colour.has_value() && *colour != text());
    if (!colour) {
        setColours(swatch, palette().color(QPalette::WindowText),
                   palette().color(QPalette::Window));
        swatch->setText(QStringLiteral("ありません"));
        lblNearestDelta.at(index)->setText(QStringLiteral("白でも黒でも届きません"));
        return;
    }
    setColours(swatch, toQColor(*colour), toQColor(background()));
    swatch->setText(ascii(CssHex(*colour)));
    const double difference =
        DeltaEOK(OklabFromLinearSrgb(LinearSrgb(text())), OklabFromLinearSrgb(LinearSrgb(*colour)));
    lblNearestDelta.at(index)->setText(*colour == text()
                                           ? QStringLiteral("今の文字の色で届きます")
                                           : QStringLiteral("%1").arg(difference, 0, 'f', 3));
}

void frmPair::showSeen(const PairMeasures& measures) {
    for (std::size_t i = 0; i < measures.seen.size(); ++i) {
        const SeenPair& seen = measures.seen.at(i);
        setColours(lblSeen.at(i), toQColor(seen.text), toQColor(seen.background));
        lblSeenRatio.at(i)->setText(ascii(RatioText(seen.ratio)));
        const bool passes = Passes(seen.ratio, WcagLevels.at(0));
        lblSeenPass.at(i)->setText(QStringLiteral("AA %1").arg(mark(passes)));
        lblSeenPass.at(i)->setAccessibleName(
            QStringLiteral("%1、通常の文字 AA：%2")
                .arg(QString::fromUtf8(VisionNames.at(i)), verdict(passes)));
    }
}

// Either colour may change without the focus moving: the pair and its contrast
// are said at once, and the controls whose use changes the pair say it too.
void frmPair::announcePair() {
    const QString pair =
        QStringLiteral("文字 %1、背景 %2、コントラスト比 %3")
            .arg(ascii(CssHex(text())), ascii(CssHex(background())), lblRatio->text());
    for (QWidget* control : pairControls)
        describeNow(control, pair);
    announce(lblRatio, pair);
}

void frmPair::closeEvent(QCloseEvent* event) {
    txtSecond->setModified(false);
    QWidget::closeEvent(event);
}

void frmPair::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace hueprobe
