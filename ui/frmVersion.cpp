#include "frmVersion.h"

#include "Colours.h"
#include "FormDesign.h"

#include <QPushButton>

namespace hueprobe {

namespace {

using namespace design;

// Client area in twips (419 x 386 pixels). The frame is resizable, but the
// controls keep their places.
constexpr Twips ClientArea{0, 0, 6285, 5790};

constexpr int Background = 0x80FF80; // the title names it

// The full-width form of a text in printable ASCII, as the version dialog
// writes its names: "Qt 6.4" becomes "Ｑｔ　６．４".
QString fullWidth(const QString& ascii) {
    constexpr char16_t FullWidthOffset = u'！' - u'!';
    QString text;
    text.reserve(ascii.size());
    for (const QChar c : ascii)
        text += c == u' ' ? QChar(u'　') : QChar(char16_t(c.unicode() + FullWidthOffset));
    return text;
}

// The toolkit the program is built with, and the version it was built against.
const QByteArray ToolName =
    fullWidth(QStringLiteral("Qt %1.%2").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR)).toUtf8();

// Every tooltip names its control's background as the toolkit's colour value
// red + 256 x green + 65536 x blue in hexadecimal, which puts blue first. Screen
// readers would read a control's tooltip as its description, so each control
// says instead what it tells the user.
// clang-format off
const std::initializer_list<Control> Design = {
    {.name = "Command1", .kind = Kind::Button, .place = {2520, 4920, 1695,  615}, .tab = 0,
     .text = "Ｏ．Ｋ", .background = 0xFF80FF, .style = Graphical, .tooltip = "FF80FF",
     .accessibleDescription = "バージョン情報を閉じる"},
    {.name = "Label1",   .kind = Kind::Label,  .place = {1200,  240, 3720, 1020}, .tab = 1,
     .text = "Hueprobe", .background = 0xFFC0C0, .points = 48,
     .style = SunkenBorder | AutoSize, .tooltip = "C0C0FF", .accessibleDescription = "製品名"},
    {.name = "Label2",   .kind = Kind::Label,  .place = {2520, 1440, 1005,  375}, .tab = 2,
     .text = "Ver 1.1", .background = 0xC0FFFF, .points = 15.75,
     .style = SunkenBorder | AutoSize, .tooltip = "FFFFC0", .accessibleDescription = "バージョン"},
    {.name = "Label3",   .kind = Kind::Label,  .place = { 480, 2400, 2670,  420}, .tab = 3,
     .text = "このプログラムは", .background = 0xC0C0FF, .points = 18,
     .style = SunkenBorder | AutoSize, .tooltip = "FFC0C0", .accessibleDescription = "開発環境"},
    {.name = "Label4",   .kind = Kind::Label,  .place = {1320, 2880, 3345,  420}, .tab = 4,
     .text = ToolName.constData(), .background = 0xC0C0FF, .points = 18,
     .style = SunkenBorder | AutoSize, .tooltip = "FFC0C0", .accessibleDescription = "開発環境"},
    {.name = "Label5",   .kind = Kind::Label,  .place = {3000, 3360, 2550,  420}, .tab = 5,
     .text = "で、作られました", .background = 0xC0C0FF, .points = 18,
     .style = SunkenBorder | AutoSize, .tooltip = "FFC0C0", .accessibleDescription = "開発環境"},
    {.name = "Label6",   .kind = Kind::Label,  .place = { 600, 4200, 4800,  420}, .tab = 6,
     .text = "Hueprobe 開発チーム　２０２６", .background = 0xFFC0FF, .points = 18,
     .style = SunkenBorder | AutoSize, .tooltip = "FFC0FF", .accessibleDescription = "著作者"},
};
// clang-format on

} // namespace

frmVersion::frmVersion()
    : DialogWindow(Qt::Window) {
    setWindowTitle(QStringLiteral("Hueprobe-バージョン情報　(背景：80FF80)"));
    setColours(this, QColor(), QColor::fromRgb(Background));
    resize(ClientArea.toPixels().size());
    const Built built = build(this, Design);
    auto* Command1 = built.get<QPushButton>("Command1");
    connect(Command1, &QPushButton::clicked, this, &frmVersion::Command1_Click);
    Command1->setFocus();
}

void frmVersion::Command1_Click() {
    close();
}

} // namespace hueprobe
