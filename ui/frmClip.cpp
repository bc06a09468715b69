#include "frmClip.h"

#include "FormDesign.h"
#include "GothicFont.h"
#include "Module1.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace hueprobe {

namespace {

using namespace design;

// Client area in twips (288 x 202 pixels); the frame cannot be resized.
constexpr Twips ClientArea{0, 0, 4320, 3030};

constexpr double UiFontPoints = 9;

// Each option has an example of its clipboard text under it, indented. The
// examples are fixed texts; the decimal one shows full-width parentheses.
// The options sit in Frame1, their places measured from the frame's corner.
// clang-format off
const std::initializer_list<Control> Design = {
    {.name = "Frame1",     .kind = Kind::Frame,                          .place = { 360,  240, 3615, 2055},
     .tab = 0, .text = "クリップボードへのコピー方法"},
    {.name = "optClip(0)", .kind = Kind::Option, .container = "Frame1", .place = { 360,  360, 2895,  180},
     .tab = 1, .text = "１６進法", .accessibleDescription = "例：00FFAA"},
    {.name = "Label3",     .kind = Kind::Label,  .container = "Frame1", .place = {1680,  600,  900,  180},
     .tab = 7, .text = "例：00FFAA", .style = AutoSize},
    {.name = "optClip(1)", .kind = Kind::Option, .container = "Frame1", .place = { 360,  960, 2655,  180},
     .tab = 2, .text = "１６進法の先頭に「＃」をつける", .accessibleDescription = "例：#00FFAA"},
    {.name = "Label1",     .kind = Kind::Label,  .container = "Frame1", .place = {1680, 1200,  990,  180},
     .tab = 4, .text = "例：#00FFAA", .style = AutoSize},
    {.name = "optClip(2)", .kind = Kind::Option, .container = "Frame1", .place = { 360, 1440, 1695,  180},
     .tab = 5, .text = "１０進法ＲＧＢ表示", .accessibleDescription = "例：RGB（0,255,77）"},
    {.name = "Label2",     .kind = Kind::Label,  .container = "Frame1", .place = {1680, 1680, 1410,  180},
     .tab = 6, .text = "例：RGB（0,255,77）", .style = AutoSize},
    {.name = "Command1",   .kind = Kind::Button,                         .place = {2280, 2400, 1695,  495},
     .tab = 3, .text = "Ｏ．Ｋ", .accessibleDescription = "選んだコピー方法にして閉じる"},
};
// clang-format on

} // namespace

frmClip::frmClip()
    : DialogWindow(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Form1"));
    // The controls' widths fit the Japanese desktop's interface face at 9 points;
    // in a wider default face the options' captions would be cut short.
    setFont(gothicFont(UiFontPoints));
    setFixedSize(ClientArea.toPixels().size());
    buildControls();
    centreOnScreen();
}

void frmClip::buildControls() {
    const Built built = build(this, Design);
    for (int i = 0; i < OptionCount; ++i)
        optClip.at(i) = built.get<QRadioButton>("optClip(" + QByteArray::number(i) + ")");
    connect(built.get<QPushButton>("Command1"), &QPushButton::clicked, this,
            &frmClip::Command1_Click);
    // The dialog shows the format in force, so OK without a change keeps it.
    QRadioButton* inForce = optClip.at(Module1.lngClipMode);
    inForce->setChecked(true);
    inForce->setFocus();
}

void frmClip::centreOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen));
}

void frmClip::Command1_Click() {
    for (int i = 0; i < OptionCount; ++i) {
        if (optClip.at(i)->isChecked()) {
            Module1.lngClipMode = i;
            break;
        }
    }
    close();
}

} // namespace hueprobe
