#include "ColorTextReading.h"

#include "ColorSpaces.h"
#include "ColorText.h"
#include "HexCodec.h"
#include "Notice.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

#include <algorithm>

namespace hueprobe {

namespace {

constexpr qsizetype QuoteLength = 40;

const char* const NoTextMessage =
    "クリップボードに文字がないので、色を読めませんでした。\n"
    "#FF8000 や rgb(255 128 0) のように色を書いた文字をコピーしてから、もう一度選んでください。";

const char* const ReadMessage = "色を読みました。";
const char* const AlphaDroppedSentence =
    "この色には不透明度（アルファ値）がありましたが、読み捨てて不透明な色にしました。";
const char* const OutsideScreenSentence =
    "この色は画面で表せる範囲の外にあったので、明るさと色相を保ったまま、"
    "範囲の中でいちばん近く見える #%1 にしました。";

QString ascii(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The functions and the color() spaces the reader knows, as the colour-space
// table lists them: "rgb()、hsl()、…".
QString functionNames() {
    QStringList names;
    for (const ColorSpace& space : ColorSpaces()) {
        if (!space.functionName.empty())
            names.append(ascii(space.functionName) + "()");
    }
    return names.join(u'、') + QStringLiteral("、color()、color-mix()");
}

QString colorFunctionSpaces() {
    QStringList names;
    for (const ColorSpace& space : ColorSpaces()) {
        if (space.inColorFunction)
            names.append(ascii(space.name));
    }
    return names.join(u'、');
}

QString refusalReason(ColorTextRefusal refusal) {
    switch (refusal) {
    case ColorTextRefusal::Empty:
        return QStringLiteral("空白しかありません。");
    case ColorTextRefusal::TooLong:
        return QStringLiteral("色の書き方としては長すぎます。");
    case ColorTextRefusal::NotText:
        return QStringLiteral("文字でないデータ（制御文字）が含まれています。");
    case ColorTextRefusal::Transparent:
        return QStringLiteral("transparent（透明）は色を持ちません。");
    case ColorTextRefusal::CurrentColor:
        return QStringLiteral(
            "currentcolor は周りの文字の色を指す言葉で、色そのものではありません。");
    case ColorTextRefusal::OtherFunction:
        return QStringLiteral("色を表す関数ではありません。読める関数は %1 です。")
            .arg(functionNames());
    case ColorTextRefusal::BadArguments:
        return QStringLiteral("色の関数の中の値の書き方が正しくありません"
                              "（値の数、単位、%、区切りの , や / を確かめてください）。");
    case ColorTextRefusal::UnknownSpace:
        return QStringLiteral("知らない色空間の名前です。color() で読める色空間は %1 です。")
            .arg(colorFunctionSpaces());
    case ColorTextRefusal::UnsupportedCalc:
        return QStringLiteral("calc() の中で読めるのは、数、チャンネルの名前（r や l など）、"
                              "e、pi、+ - * / と括弧だけです。単位や %、min() や var() "
                              "などの関数には対応していません。");
    case ColorTextRefusal::NotFinite:
        return QStringLiteral("大きすぎる値、または無限大や非数（NaN）になる値があります。");
    case ColorTextRefusal::TooDeep:
        return QStringLiteral("色や括弧の入れ子が深すぎます。");
    case ColorTextRefusal::NotAColour:
    case ColorTextRefusal::None:
        break;
    }
    return QStringLiteral("読めるのは、#FF8000 のような１６進数、色の名前（orange など）、"
                          "rgb() や oklch() などの色の関数、color()、color-mix() です。");
}

// What the reader changed on its way, said once the colour is read; empty when
// it took the colour as written.
QString readingNotice(const ColorTextResult& result) {
    if (!result.outsideScreen && !result.alphaDropped)
        return {};
    QString notice = QString::fromUtf8(ReadMessage);
    if (result.outsideScreen) {
        const Channels& colour = result.colour;
        notice += QString::fromUtf8(OutsideScreenSentence)
                      .arg(ascii(ToHex(colour[0]) + ToHex(colour[1]) + ToHex(colour[2])));
    }
    if (result.alphaDropped)
        notice += QString::fromUtf8(AlphaDroppedSentence);
    return notice;
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
             refusalReason(refusal),
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
    if (const QString notice = readingNotice(result); !notice.isEmpty())
        showNotice(QMessageBox::Information, notice);
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
