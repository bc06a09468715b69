#include "ColorTextReading.h"

#include "ColorText.h"
#include "Notice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

namespace hueprobe {

namespace {

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

// The message names where the text came from and quotes what it held.
QString refusalMessage(ColorTextSource source, ColorTextRefusal refusal, const QString& text) {
    const bool clipboard = source == ColorTextSource::Clipboard;
    return QStringLiteral("%1を色として読めませんでした。\n%2\n\n%3：「%4」")
        .arg(clipboard ? QStringLiteral("クリップボードの文字") : QStringLiteral("書いた文字"),
             QString::fromUtf8(refusalReason(refusal)),
             clipboard ? QStringLiteral("クリップボードの内容") : QStringLiteral("書いた文字"),
             quoted(text));
}

} // namespace

std::optional<Channels> readColorText(ColorTextSource source, const QString& text) {
    const QString beginning = text.left(qsizetype(ColorTextMaxLength) + 1);
    const ColorTextResult result = ReadColorText(beginning.toStdString());
    if (!result.read()) {
        showNotice(QMessageBox::Warning, refusalMessage(source, result.refusal, text));
        return std::nullopt;
    }
    if (result.alphaDropped)
        showNotice(QMessageBox::Information, QString::fromUtf8(AlphaDroppedMessage));
    return result.colour;
}

std::optional<Channels> readClipboardColor() {
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    if (clip == nullptr || !clip->hasText()) {
        showNotice(QMessageBox::Warning, QString::fromUtf8(NoTextMessage));
        return std::nullopt;
    }
    return readColorText(ColorTextSource::Clipboard, clip->text());
}

} // namespace hueprobe
