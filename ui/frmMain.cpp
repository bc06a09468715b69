#include "frmMain.h"

#include "AccessKeyMenuBar.h"
#include "Accessibility.h"
#include "ChannelScrollBar.h"
#include "ColorChart.h"
#include "ColorText.h"
#include "Colours.h"
#include "FormDesign.h"
#include "HexCodec.h"
#include "Notice.h"
#include "PickListComboBox.h"
#include "frmClip.h"
#include "frmInfo.h"
#include "frmVersion.h"
#include "picking/ScreenPicker.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

#include <algorithm>

namespace hueprobe {

namespace {

using namespace design;

// Client area below the menu bar, in twips (540 x 316 pixels).
constexpr Twips ClientArea{0, 0, 8100, 4740};

constexpr int Red = 0xFF0000;
constexpr int Green = 0x00FF00;
constexpr int Blue = 0x0000FF;

// clang-format off
const std::initializer_list<Control> Design = {
    {.name = "scrColor(0)",   .kind = Kind::ChannelBar, .place = {1200,  360, 5120,  495}, .tab = 0,
     .accessibleDescription = "赤の値（０～２５５）"},
    {.name = "scrColor(1)",   .kind = Kind::ChannelBar, .place = {1200, 1080, 5120,  495}, .tab = 1,
     .accessibleDescription = "緑の値（０～２５５）"},
    {.name = "scrColor(2)",   .kind = Kind::ChannelBar, .place = {1200, 1800, 5120,  495}, .tab = 2,
     .accessibleDescription = "青の値（０～２５５）"},
    {.name = "lblColor",      .kind = Kind::Label,      .place = {2880, 2640, 4995, 1875}, .tab = 3,
     .points = 12, .style = RightAligned | SunkenBorder | ShowsValue,
     .accessibleName = "色見本", .accessibleDescription = "今の色と、その６桁の１６進コード"},
    {.name = "Label2",        .kind = Kind::Label,      .place = { 120,  360,  990,  360}, .tab = 4,
     .text = "赤（Ｒ）", .textColour = Red, .points = 18, .style = AutoSize,
     .buddy = "scrColor(0)"},
    {.name = "Label3",        .kind = Kind::Label,      .place = { 120, 1080, 1005,  360}, .tab = 5,
     .text = "緑（Ｇ）", .textColour = Green, .points = 18, .style = AutoSize,
     .buddy = "scrColor(1)"},
    {.name = "Label4",        .kind = Kind::Label,      .place = { 120, 1800, 1005,  360}, .tab = 6,
     .text = "青（Ｂ）", .textColour = Blue, .points = 18, .style = AutoSize,
     .buddy = "scrColor(2)"},
    {.name = "Label5",        .kind = Kind::Label,      .place = {6360,    0,  810,  240}, .tab = 7,
     .text = "１０進法", .points = 12, .style = AutoSize},
    {.name = "Label6",        .kind = Kind::Label,      .place = {7200,    0,  810,  240}, .tab = 8,
     .text = "１６進法", .points = 12, .style = AutoSize},
    {.name = "lblColor10(0)", .kind = Kind::Label,      .place = {6480,  360,  600,  420}, .tab = 9,
     .background = Red, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "赤（１０進法）", .widest = "255",
     .accessibleName = "赤（１０進法）",
     .accessibleDescription = "赤の値を１０進法で表示"},
    {.name = "lblColor16(0)", .kind = Kind::Label,      .place = {7320,  360,  540,  420}, .tab = 10,
     .background = Red, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "赤（１６進法）", .widest = "DD",
     .accessibleName = "赤（１６進法）",
     .accessibleDescription = "赤の値を１６進法で表示"},
    {.name = "lblColor10(1)", .kind = Kind::Label,      .place = {6480, 1080,  600,  420}, .tab = 11,
     .background = Green, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "緑（１０進法）", .widest = "255",
     .accessibleName = "緑（１０進法）",
     .accessibleDescription = "緑の値を１０進法で表示"},
    {.name = "lblColor16(1)", .kind = Kind::Label,      .place = {7320, 1080,  540,  420}, .tab = 12,
     .background = Green, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "緑（１６進法）", .widest = "DD",
     .accessibleName = "緑（１６進法）",
     .accessibleDescription = "緑の値を１６進法で表示"},
    {.name = "lblColor10(2)", .kind = Kind::Label,      .place = {6480, 1800,  600,  420}, .tab = 13,
     .background = Blue, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "青（１０進法）", .widest = "255",
     .accessibleName = "青（１０進法）",
     .accessibleDescription = "青の値を１０進法で表示"},
    {.name = "lblColor16(2)", .kind = Kind::Label,      .place = {7320, 1800,  540,  420}, .tab = 14,
     .background = Blue, .points = 18, .style = RightAligned | SunkenBorder | ShowsValue,
     .tooltip = "青（１６進法）", .widest = "DD",
     .accessibleName = "青（１６進法）",
     .accessibleDescription = "青の値を１６進法で表示"},
    {.name = "cmb140",        .kind = Kind::PickList,   .place = { 240, 3000, 2175,  300}, .tab = 15,
     .text = "White", .tooltip = "HTML用カラーチャート"},
    {.name = "Label1",        .kind = Kind::Label,      .place = { 360, 2640, 1815,  180}, .tab = 16,
     .text = "カラーチャート（１４０色）", .style = AutoSize, .buddy = "cmb140"},
    {.name = "Command1",      .kind = Kind::Button,     .place = { 240, 3600, 2175,  855}, .tab = 17,
     .text = "クリップボードにコピー", .tooltip = "１６進数でクリップボードにコピーします"},
};
// clang-format on

QString ascii(const std::string& text) {
    return QString::fromLatin1(text);
}

int longestChartName() {
    std::size_t longest = 0;
    for (const ChartRow& row : ColorChart)
        longest = std::max(longest, row.name.size());
    return static_cast<int>(longest);
}

QColor toQColor(const Channels& colour) {
    return QColor(colour.at(0), colour.at(1), colour.at(2));
}

// ---- Messages of the clipboard reader

constexpr qsizetype QuoteLength = 40;

const char* const NoTextMessage =
    "クリップボードに文字がないので、色を読めませんでした。\n"
    "#FF8000 や rgb(255 128 0) のように色を書いた文字をコピーしてから、もう一度選んでください。";

const char* const AlphaDroppedMessage = "色を読みました。この色には不透明度（アルファ値）がありまし"
                                        "たが、読み捨てて不透明な色にしました。";

const char* refusalReason(ColorTextRefusal refusal) {
    switch (refusal) {
    case ColorTextRefusal::Empty:
        return "空白しかありません。";
    case ColorTextRefusal::TooLong:
        return "色の書き方としては長すぎます。";
    case ColorTextRefusal::NotText:
        return "文字でないデータ（制御文字）が含まれています。";
    case ColorTextRefusal::Transparent:
        return "transparent（透明）は色を持ちません。";
    case ColorTextRefusal::CurrentColor:
        return "currentcolor は周りの文字の色を指す言葉で、色そのものではありません。";
    case ColorTextRefusal::OtherFunction:
        return "関数の形で読めるのは rgb() と hsl() だけです。color() や lab() など、"
               "ほかの書き方には対応していません。";
    case ColorTextRefusal::BadArguments:
        return "rgb() または hsl() の中の値の書き方が正しくありません。";
    case ColorTextRefusal::NotAColour:
    case ColorTextRefusal::None:
        break;
    }
    return "読めるのは、#FF8000 のような１６進数、rgb()、hsl()、色の名前（orange など）です。";
}

// A character that prints nothing, as a web author writes it in a script: tab,
// line feed and carriage return by their letters, any other by its code.
QString escaped(char32_t code) {
    switch (code) {
    case U'\t':
        return QStringLiteral("\\t");
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    default:
        return QStringLiteral("\\u{%1}").arg(QString::number(uint(code), 16).toUpper());
    }
}

// The first QuoteLength characters of the text, as one line of the interface
// face that a screen reader can read: characters that print nothing (control,
// format, private) are shown escaped.
QString quoted(const QString& text) {
    const QList<uint> codes = text.left(2 * QuoteLength + 1).toUcs4();
    QString shown;
    for (qsizetype i = 0; i < std::min(codes.size(), QuoteLength); ++i) {
        const auto code = char32_t(codes.at(i));
        shown += QChar::isPrint(code) ? QString::fromUcs4(&code, 1) : escaped(code);
    }
    return codes.size() > QuoteLength ? shown + u'…' : shown;
}

QString refusalMessage(ColorTextRefusal refusal, const QString& text) {
    return QStringLiteral("クリップボードの文字を色として読めませんでした。\n%1\n\n"
                          "クリップボードの内容：「%2」")
        .arg(QString::fromUtf8(refusalReason(refusal)), quoted(text));
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Hueprobe"));
    buildControls();
    buildMenus();
    const QRect area = ClientArea.toPixels();
    setFixedSize(area.width(), area.height() + menuBar()->sizeHint().height());
    Form_Load();
    describeColour();
}

void frmMain::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    const Built built = build(client, Design);
    for (int i = 0; i < ChannelCount; ++i) {
        const QByteArray index = QByteArray::number(i);
        scrColor.at(i) = built.get<ChannelScrollBar>("scrColor(" + index + ")");
        lblColor10.at(i) = built.get<QLabel>("lblColor10(" + index + ")");
        lblColor16.at(i) = built.get<QLabel>("lblColor16(" + index + ")");
        connect(scrColor.at(i), &QAbstractSlider::valueChanged, this,
                [this, i] { scrColor_Change(i); });
    }
    lblColor = built.get<QLabel>("lblColor");
    cmb140 = built.get<PickListComboBox>("cmb140");
    // The field takes what a chart name can be: a paste of any size is cut at once,
    // and a copy from the field stays small enough to outlive the program.
    cmb140->lineEdit()->setMaxLength(longestChartName());
    Command1 = built.get<QPushButton>("Command1");
    connect(cmb140, &QComboBox::activated, this, &frmMain::cmb140_Click);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    scrColor.at(0)->setFocus();
}

void frmMain::buildMenus() {
    setMenuBar(new AccessKeyMenuBar(this)); // File and Functions share the access key F
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuEnd = mnuFile->addAction(QStringLiteral("終わる"), this, &frmMain::mnuEnd_Click);
    mnuEnd->setObjectName(QStringLiteral("mnuEnd"));

    QMenu* mnuFunction = menuBar()->addMenu(QStringLiteral("機能(&F)"));
    mnuFunction->setObjectName(QStringLiteral("mnuFunction"));
    QAction* mnuClip =
        mnuFunction->addAction(QStringLiteral("クリップボード機能"), this, &frmMain::mnuClip_Click);
    mnuClip->setObjectName(QStringLiteral("mnuClip"));
    QAction* mnuPick =
        mnuFunction->addAction(QStringLiteral("画面から色を取る"), this, &frmMain::mnuPick_Click);
    mnuPick->setObjectName(QStringLiteral("mnuPick"));
    mnuPick->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    // A text field keeps Ctrl+V for pasting text: it claims the key before the menu does.
    QAction* mnuPaste = mnuFunction->addAction(QStringLiteral("クリップボードから色を読む"), this,
                                               &frmMain::mnuPaste_Click);
    mnuPaste->setObjectName(QStringLiteral("mnuPaste"));
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction* mnuInfo =
        mnuFunction->addAction(QStringLiteral("色の情報"), this, &frmMain::mnuInfo_Click);
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    mnuInfo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    QAction* mnuVersion =
        mnuHelp->addAction(QStringLiteral("バージョン情報"), this, &frmMain::mnuVersion_Click);
    mnuVersion->setObjectName(QStringLiteral("mnuVersion"));
}

void frmMain::Form_Load() {
    for (int i = 0; i < ChannelCount; ++i) {
        lblColor10.at(i)->setText(QStringLiteral("0"));
        lblColor16.at(i)->setText(QStringLiteral("0"));
        scrColor.at(i)->setValue(0);
    }
    setColours(lblColor, Qt::white, Qt::black);
    lblColor->setText(QStringLiteral("000000"));
    For140();
}

void frmMain::For140() {
    QStringList names;
    names.reserve(ColorChartRows);
    for (const ChartRow& row : ColorChart)
        names.append(QString::fromLatin1(row.name.data(), qsizetype(row.name.size())));
    cmb140->fillPickList(names);
}

void frmMain::scrColor_Change(int Index) {
    Int16& channel = Module1.intColor.at(Index);
    channel = checkedInt16(scrColor.at(Index)->value(), "scroll bar value");
    SetColor(channel, Index);
}

void frmMain::SetColor(Int16& value, int index) {
    if (value > 255)
        value = 255;
    if (value < 0)
        value = 0;
    scrColor.at(index)->setValue(value);
    showChannelTexts(index, value);
    refreshSwatch();
}

void frmMain::ForCmb() {
    for (int i = 0; i < ChannelCount; ++i) {
        const Int16 value = Module1.intColor.at(i);
        scrColor.at(i)->setValue(value); // runs scrColor_Change(i) when it moves the bar
        showChannelTexts(i, value);
        refreshSwatch();
    }
    announceColour();
}

void frmMain::cmb140_Click() {
    Color140(cmb140->currentIndex());
    ForCmb();
}

void frmMain::TakeColour(const Channels& colour) {
    Module1.intColor = colour;
    ForCmb();
}

void frmMain::showChannelTexts(int index, Int16 value) {
    lblColor10.at(index)->setText(ascii(decimalText(value)));
    lblColor16.at(index)->setText(ascii(shortHex(value)));
}

void frmMain::refreshSwatch() {
    const Channels& colour = Module1.intColor;
    setColours(lblColor, toQColor(inverseColor(colour)), toQColor(colour));
    for (int i = 0; i < ChannelCount; ++i)
        Module1.strHex.at(i) = ToHex(colour.at(i));
    Module1.strColor = sixDigitCode(Module1.strHex);
    lblColor->setText(ascii(Module1.strColor));
    describeColour();
    if (frmInfo* info = frmInfo::ShownInstance())
        info->ShowColour(colour);
}

// The controls that take the focus say what the colour is now: the scroll bars
// their value, which the boxes beside them show, and the copy button the text
// it will copy in the format in force.
void frmMain::describeColour() {
    for (int i = 0; i < ChannelCount; ++i) {
        describeNow(scrColor.at(i), QStringLiteral("今は %1（１６進法で %2）")
                                        .arg(lblColor10.at(i)->text(), lblColor16.at(i)->text()));
    }
    describeNow(Command1, QStringLiteral("「%1」をクリップボードにコピーします").arg(clipText()));
}

// A change of all three channels at once, which no control under the focus shows.
void frmMain::announceColour() {
    announce(lblColor, QStringLiteral("今の色 %1、赤 %2、緑 %3、青 %4")
                           .arg(lblColor->text(), lblColor10.at(0)->text(),
                                lblColor10.at(1)->text(), lblColor10.at(2)->text()));
}

// The text is read from the swatch and the decimal boxes, so it is what the user sees.
QString frmMain::clipText() const {
    switch (Module1.lngClipMode) {
    case 0:
        return lblColor->text();
    case 1:
        return u'#' + lblColor->text();
    default:
        return QStringLiteral("RGB(%1,%2,%3)")
            .arg(lblColor10.at(0)->text(), lblColor10.at(1)->text(), lblColor10.at(2)->text());
    }
}

void frmMain::Command1_Click() {
    QGuiApplication::clipboard()->setText(clipText());
}

// Quit ends the program at once, the open dialogs included: they are destroyed
// without any event, and the event loop ends with status 0.
void frmMain::mnuEnd_Click() {
    frmClip::Unload();
    frmVersion::Unload();
    frmInfo::Unload();
    QApplication::exit(0);
}

void frmMain::mnuClip_Click() {
    // The format may change when the dialog closes.
    connect(frmClip::Show(), &QObject::destroyed, this, &frmMain::describeColour,
            Qt::UniqueConnection);
}

void frmMain::mnuInfo_Click() {
    frmInfo::Show();
}

// Only the beginning of the text is read, so a huge clipboard is answered at once.
void frmMain::mnuPaste_Click() {
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (clip == nullptr || !clip->hasText()) {
        showNotice(QMessageBox::Warning, QString::fromUtf8(NoTextMessage));
        return;
    }
    const QString text = clip->text();
    const QString beginning = text.left(qsizetype(ColorTextMaxLength) + 1);
    const ColorTextResult result = ReadColorText(beginning.toStdString());
    if (!result.read()) {
        showNotice(QMessageBox::Warning, refusalMessage(result.refusal, text));
        return;
    }
    TakeColour(result.colour);
    if (result.alphaDropped)
        showNotice(QMessageBox::Information, QString::fromUtf8(AlphaDroppedMessage));
}

// The picked colour comes in as any colour from outside does; a cancel changes
// nothing and says nothing, and a pick that could not be made says why.
void frmMain::mnuPick_Click() {
    if (!picker)
        picker = ScreenPicker::forThisSession(this);
    picker->requestColour([this](const PickAnswer& answer) {
        if (answer.colour)
            TakeColour(*answer.colour);
        else if (!answer.reason.isEmpty())
            showNotice(QMessageBox::Warning, answer.reason);
    });
}

void frmMain::mnuVersion_Click() {
    frmVersion::Show();
}

} // namespace hueprobe
