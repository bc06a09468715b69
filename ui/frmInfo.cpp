#include "frmInfo.h"

#include "ColorMetrics.h"
#include "ColorSpaces.h"
#include "Colours.h"
#include "CssForms.h"
#include "FormDesign.h"
#include "GothicFont.h"
#include "HexCodec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace hueprobe {

namespace {

using namespace design;

// Client area in twips (456 x 512 pixels); the frame cannot be resized.
constexpr Twips ClientArea{0, 0, 6840, 7680};

constexpr double UiFontPoints = 9;

// Four frames: the CSS forms with their copy buttons, the forms of CSS Color 4's
// colour spaces (each written with the decimals that read back as the same
// #rrggbb) with theirs, the nearest chart name,
// and a grid of contrast ratios, one row per text colour (white, black, the
// swatch's code text) with a sample of that text on the colour and a mark for
// each WCAG level.
// clang-format off
const std::initializer_list<Control> Design = {
    {.name = "Frame1", .kind = Kind::Frame, .place = {120, 90, 6600, 1890},
     .text = "ＣＳＳでの書き方"},
    {.name = "Label1", .kind = Kind::Label, .container = "Frame1", .place = {180, 375, 2040, 240},
     .text = "１６進"},
    {.name = "lblForm(0)", .kind = Kind::Label, .container = "Frame1", .place = {2250, 345, 2790, 300},
     .style = SunkenBorder | ShowsValue, .accessibleName = "１６進"},
    {.name = "cmdCopy(0)", .kind = Kind::Button, .container = "Frame1", .place = {5160, 315, 1260, 360},
     .tab = 0, .text = "コピー", .accessibleName = "１６進をコピー"},
    {.name = "Label2", .kind = Kind::Label, .container = "Frame1", .place = {180, 765, 2040, 240},
     .text = "ＲＧＢ（空白区切り）"},
    {.name = "lblForm(1)", .kind = Kind::Label, .container = "Frame1", .place = {2250, 735, 2790, 300},
     .style = SunkenBorder | ShowsValue, .accessibleName = "ＲＧＢ（空白区切り）"},
    {.name = "cmdCopy(1)", .kind = Kind::Button, .container = "Frame1", .place = {5160, 705, 1260, 360},
     .tab = 1, .text = "コピー", .accessibleName = "ＲＧＢ（空白区切り）をコピー"},
    {.name = "Label3", .kind = Kind::Label, .container = "Frame1", .place = {180, 1155, 2040, 240},
     .text = "ＲＧＢ（カンマ区切り）"},
    {.name = "lblForm(2)", .kind = Kind::Label, .container = "Frame1", .place = {2250, 1125, 2790, 300},
     .style = SunkenBorder | ShowsValue, .accessibleName = "ＲＧＢ（カンマ区切り）"},
    {.name = "cmdCopy(2)", .kind = Kind::Button, .container = "Frame1", .place = {5160, 1095, 1260, 360},
     .tab = 2, .text = "コピー", .accessibleName = "ＲＧＢ（カンマ区切り）をコピー"},
    {.name = "Label4", .kind = Kind::Label, .container = "Frame1", .place = {180, 1545, 2040, 240},
     .text = "ＨＳＬ"},
    {.name = "lblForm(3)", .kind = Kind::Label, .container = "Frame1", .place = {2250, 1515, 2790, 300},
     .style = SunkenBorder | ShowsValue, .accessibleName = "ＨＳＬ"},
    {.name = "cmdCopy(3)", .kind = Kind::Button, .container = "Frame1", .place = {5160, 1485, 1260, 360},
     .tab = 3, .text = "コピー", .accessibleName = "ＨＳＬをコピー"},
    {.name = "Frame4", .kind = Kind::Frame, .place = {120, 2100, 6600, 2280},
     .text = "ＣＳＳ Ｃｏｌｏｒ ４ の書き方"},
    {.name = "Label18", .kind = Kind::Label, .container = "Frame4", .place = {180, 375, 1200, 240},
     .text = "ＨＷＢ"},
    {.name = "lblForm(4)", .kind = Kind::Label, .container = "Frame4", .place = {1410, 345, 3630, 300},
     .style = SunkenBorder | ShowsValue, .widest = "hwb(888.88 88.8% 88.8%)", .accessibleName = "ＨＷＢ"},
    {.name = "cmdCopy(4)", .kind = Kind::Button, .container = "Frame4", .place = {5160, 315, 1260, 360},
     .tab = 4, .text = "コピー", .accessibleName = "ＨＷＢをコピー"},
    {.name = "Label19", .kind = Kind::Label, .container = "Frame4", .place = {180, 765, 1200, 240},
     .text = "Ｌａｂ"},
    {.name = "lblForm(5)", .kind = Kind::Label, .container = "Frame4", .place = {1410, 735, 3630, 300},
     .style = SunkenBorder | ShowsValue, .widest = "lab(88.88 -88.88 -888.88)", .accessibleName = "Ｌａｂ"},
    {.name = "cmdCopy(5)", .kind = Kind::Button, .container = "Frame4", .place = {5160, 705, 1260, 360},
     .tab = 5, .text = "コピー", .accessibleName = "Ｌａｂをコピー"},
    {.name = "Label20", .kind = Kind::Label, .container = "Frame4", .place = {180, 1155, 1200, 240},
     .text = "ＬＣｈ"},
    {.name = "lblForm(6)", .kind = Kind::Label, .container = "Frame4", .place = {1410, 1125, 3630, 300},
     .style = SunkenBorder | ShowsValue, .widest = "lch(88.88 888.88 888.88)", .accessibleName = "ＬＣｈ"},
    {.name = "cmdCopy(6)", .kind = Kind::Button, .container = "Frame4", .place = {5160, 1095, 1260, 360},
     .tab = 6, .text = "コピー", .accessibleName = "ＬＣｈをコピー"},
    {.name = "Label21", .kind = Kind::Label, .container = "Frame4", .place = {180, 1545, 1200, 240},
     .text = "ＯＫＬａｂ"},
    {.name = "lblForm(7)", .kind = Kind::Label, .container = "Frame4", .place = {1410, 1515, 3630, 300},
     .style = SunkenBorder | ShowsValue, .widest = "oklab(0.8888 -0.88888 -0.88888)", .accessibleName = "ＯＫＬａｂ"},
    {.name = "cmdCopy(7)", .kind = Kind::Button, .container = "Frame4", .place = {5160, 1485, 1260, 360},
     .tab = 7, .text = "コピー", .accessibleName = "ＯＫＬａｂをコピー"},
    {.name = "Label22", .kind = Kind::Label, .container = "Frame4", .place = {180, 1935, 1200, 240},
     .text = "ＯＫＬＣｈ"},
    {.name = "lblForm(8)", .kind = Kind::Label, .container = "Frame4", .place = {1410, 1905, 3630, 300},
     .style = SunkenBorder | ShowsValue, .widest = "oklch(0.8888 0.88888 888.88)", .accessibleName = "ＯＫＬＣｈ"},
    {.name = "cmdCopy(8)", .kind = Kind::Button, .container = "Frame4", .place = {5160, 1875, 1260, 360},
     .tab = 8, .text = "コピー", .accessibleName = "ＯＫＬＣｈをコピー"},
    {.name = "Frame2", .kind = Kind::Frame, .place = {120, 4500, 6600, 840},
     .text = "いちばん近い色の名前"},
    {.name = "lblName", .kind = Kind::Label, .container = "Frame2", .place = {180, 330, 3900, 300},
     .style = SunkenBorder | ShowsValue, .accessibleName = "いちばん近い色の名前"},
    {.name = "Label5", .kind = Kind::Label, .container = "Frame2", .place = {4260, 360, 960, 240},
     .text = "色差ΔE00"},
    {.name = "lblDeltaE", .kind = Kind::Label, .container = "Frame2", .place = {5250, 330, 1170, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "色差ΔE00"},
    {.name = "Frame3", .kind = Kind::Frame, .place = {120, 5460, 6600, 2100},
     .text = "文字の読みやすさ（ＷＣＡＧ ２のコントラスト比）"},
    {.name = "Label6", .kind = Kind::Label, .container = "Frame3", .place = {3930, 300, 1230, 240},
     .text = "通常の文字", .style = Centred},
    {.name = "Label7", .kind = Kind::Label, .container = "Frame3", .place = {5190, 300, 1230, 240},
     .text = "大きな文字", .style = Centred, .tooltip = "１８ポイント以上、または１４ポイント以上の太字"},
    {.name = "Label8", .kind = Kind::Label, .container = "Frame3", .place = {180, 570, 1140, 240},
     .text = "文字の色"},
    {.name = "Label9", .kind = Kind::Label, .container = "Frame3", .place = {1350, 570, 1140, 240},
     .text = "見本"},
    {.name = "Label10", .kind = Kind::Label, .container = "Frame3", .place = {2550, 570, 1320, 240},
     .text = "コントラスト比"},
    {.name = "Label11", .kind = Kind::Label, .container = "Frame3", .place = {3930, 570, 600, 240},
     .text = "AA", .style = Centred},
    {.name = "Label12", .kind = Kind::Label, .container = "Frame3", .place = {4560, 570, 600, 240},
     .text = "AAA", .style = Centred},
    {.name = "Label13", .kind = Kind::Label, .container = "Frame3", .place = {5190, 570, 600, 240},
     .text = "AA", .style = Centred},
    {.name = "Label14", .kind = Kind::Label, .container = "Frame3", .place = {5820, 570, 600, 240},
     .text = "AAA", .style = Centred},
    {.name = "Label15", .kind = Kind::Label, .container = "Frame3", .place = {180, 885, 1140, 240},
     .text = "白の文字"},
    {.name = "lblSample(0)", .kind = Kind::Label, .container = "Frame3", .place = {1350, 840, 1140, 300},
     .text = "見本 Aa", .style = Centred | SunkenBorder},
    {.name = "lblRatio(0)", .kind = Kind::Label, .container = "Frame3", .place = {2550, 840, 1290, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "白の文字のコントラスト比"},
    {.name = "lblPass(0)", .kind = Kind::Label, .container = "Frame3", .place = {3930, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(1)", .kind = Kind::Label, .container = "Frame3", .place = {4560, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(2)", .kind = Kind::Label, .container = "Frame3", .place = {5190, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(3)", .kind = Kind::Label, .container = "Frame3", .place = {5820, 840, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "Label16", .kind = Kind::Label, .container = "Frame3", .place = {180, 1275, 1140, 240},
     .text = "黒の文字"},
    {.name = "lblSample(1)", .kind = Kind::Label, .container = "Frame3", .place = {1350, 1230, 1140, 300},
     .text = "見本 Aa", .style = Centred | SunkenBorder},
    {.name = "lblRatio(1)", .kind = Kind::Label, .container = "Frame3", .place = {2550, 1230, 1290, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "黒の文字のコントラスト比"},
    {.name = "lblPass(4)", .kind = Kind::Label, .container = "Frame3", .place = {3930, 1230, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(5)", .kind = Kind::Label, .container = "Frame3", .place = {4560, 1230, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(6)", .kind = Kind::Label, .container = "Frame3", .place = {5190, 1230, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(7)", .kind = Kind::Label, .container = "Frame3", .place = {5820, 1230, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "Label17", .kind = Kind::Label, .container = "Frame3", .place = {180, 1665, 1140, 240},
     .text = "色見本の文字"},
    {.name = "lblSample(2)", .kind = Kind::Label, .container = "Frame3", .place = {1350, 1620, 1140, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblRatio(2)", .kind = Kind::Label, .container = "Frame3", .place = {2550, 1620, 1290, 300},
     .style = RightAligned | SunkenBorder | ShowsValue, .accessibleName = "色見本の文字のコントラスト比"},
    {.name = "lblPass(8)", .kind = Kind::Label, .container = "Frame3", .place = {3930, 1620, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(9)", .kind = Kind::Label, .container = "Frame3", .place = {4560, 1620, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(10)", .kind = Kind::Label, .container = "Frame3", .place = {5190, 1620, 600, 300},
     .style = Centred | SunkenBorder},
    {.name = "lblPass(11)", .kind = Kind::Label, .container = "Frame3", .place = {5820, 1620, 600, 300},
     .style = Centred | SunkenBorder},
};
// clang-format on

// The colour spaces of the second frame's forms, from lblForm(4) on.
constexpr std::size_t FirstSpaceForm = 4;
constexpr std::array<std::string_view, frmInfo::FormCount - FirstSpaceForm> SpaceForms{
    "hwb", "lab", "lch", "oklab", "oklch"};

// What each row of the contrast grid and each level is called when read aloud.
constexpr std::array<const char*, frmInfo::TextColourCount> TextColourNames{"白の文字", "黒の文字",
                                                                            "色見本の文字"};
constexpr std::array<const char*, frmInfo::LevelCount> LevelNames{
    "通常の文字 AA", "通常の文字 AAA", "大きな文字 AA", "大きな文字 AAA"};

QString ascii(const std::string& text) {
    return QString::fromLatin1(text);
}

QColor toQColor(const Channels& colour) {
    return QColor(colour.at(0), colour.at(1), colour.at(2));
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmInfo::frmInfo()
    : DialogWindow(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("色の情報"));
    setFont(gothicFont(UiFontPoints));
    setFixedSize(ClientArea.toPixels().size());
    buildControls();
    ShowColour(Module1.intColor);
}

void frmInfo::buildControls() {
    const Built built = build(this, Design);
    for (int i = 0; i < FormCount; ++i) {
        lblForm.at(i) = built.get<QLabel>(indexed("lblForm", i).toLatin1());
        connect(built.get<QPushButton>(indexed("cmdCopy", i).toLatin1()), &QPushButton::clicked,
                this, [this, i] { cmdCopy_Click(i); });
    }
    lblName = built.get<QLabel>("lblName");
    lblDeltaE = built.get<QLabel>("lblDeltaE");
    for (int row = 0; row < TextColourCount; ++row) {
        lblSample.at(row) = built.get<QLabel>(indexed("lblSample", row).toLatin1());
        lblRatio.at(row) = built.get<QLabel>(indexed("lblRatio", row).toLatin1());
    }
    for (int i = 0; i < int(lblPass.size()); ++i)
        lblPass.at(i) = built.get<QLabel>(indexed("lblPass", i).toLatin1());
    built.get<QPushButton>("cmdCopy(0)")->setFocus();
}

void frmInfo::ShowColour(const Channels& colour) {
    showForms(colour);
    showNearestName(colour);
    showContrast(0, {255, 255, 255}, colour);
    showContrast(1, {0, 0, 0}, colour);
    showContrast(2, inverseColor(colour), colour);
    lblSample.at(2)->setText(
        ascii(sixDigitCode({ToHex(colour[0]), ToHex(colour[1]), ToHex(colour[2])})));
}

void frmInfo::showForms(const Channels& colour) {
    lblForm.at(0)->setText(ascii(CssHex(colour)));
    lblForm.at(1)->setText(ascii(CssRgb(colour)));
    lblForm.at(2)->setText(ascii(CssRgbCommas(colour)));
    lblForm.at(3)->setText(ascii(CssHsl(colour)));
    for (std::size_t i = 0; i < SpaceForms.size(); ++i) {
        const ColorSpace& space = *FindColorSpace(SpaceForms.at(i));
        lblForm.at(FirstSpaceForm + i)
            ->setText(ascii(SerialiseColour(space, CoordinatesOf(space, colour))));
    }
}

void frmInfo::showNearestName(const Channels& colour) {
    const NearestName nearest = NearestChartName(colour);
    lblName->setText(ascii(nearest.namesText()));
    lblDeltaE->setText(nearest.deltaE == 0 ? QStringLiteral("一致")
                                           : QString::number(nearest.deltaE, 'f', 2));
}

void frmInfo::showContrast(int row, const Channels& text, const Channels& background) {
    setColours(lblSample.at(row), toQColor(text), toQColor(background));
    const double ratio = ContrastRatio(text, background);
    lblRatio.at(row)->setText(ascii(RatioText(ratio)));
    for (int level = 0; level < LevelCount; ++level) {
        const bool passes = Passes(ratio, WcagLevels.at(level));
        QLabel* mark = lblPass.at(row * LevelCount + level);
        mark->setText(passes ? QStringLiteral("○") : QStringLiteral("×"));
        mark->setAccessibleName(
            QStringLiteral("%1、%2：%3")
                .arg(QString::fromUtf8(TextColourNames.at(row)),
                     QString::fromUtf8(LevelNames.at(level)),
                     passes ? QStringLiteral("合格") : QStringLiteral("不合格")));
    }
}

void frmInfo::cmdCopy_Click(int Index) {
    QGuiApplication::clipboard()->setText(lblForm.at(Index)->text());
}

void frmInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

} // namespace hueprobe
