#include "ColorText.h"

#include <QColor>
#include <QTest>

using namespace hueprobe;
using Refusal = ColorTextRefusal;
Q_DECLARE_METATYPE(Refusal)

// Expected colours come from elsewhere: QColor's own parser for hex codes and
// names, and for rgb() and hsl() the worked examples of CSS Color 4 and colours
// whose names say what they are.
class ColorTextTest : public QObject {
    Q_OBJECT

private slots:
    void readsHexAndNamesAsQColorDoes();
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
};

namespace {

ColorTextResult read(const QString& text) {
    return ReadColorText(text.toStdString());
}

QString shown(const ColorTextResult& result) {
    if (!result.read())
        return QStringLiteral("refused as %1").arg(int(result.refusal));
    return QColor(result.colour[0], result.colour[1], result.colour[2]).name();
}

} // namespace

void ColorTextTest::readsHexAndNamesAsQColorDoes() {
    QStringList texts = QColor::colorNames();
    QCOMPARE(texts.removeAll(QStringLiteral("transparent")), 1);
    // Qt 6.4 does not know rebeccapurple yet: its row in reads() stands in for it.
    texts.removeAll(QStringLiteral("rebeccapurple"));
    QCOMPARE(texts.size(), 147);
    for (qsizetype i = 0; i < 147; ++i)
        texts.append(QColor::fromString(texts.at(i)).name());
    for (int rgb = 0; rgb < 0x1000; ++rgb)
        texts.append(QStringLiteral("#%1").arg(rgb, 3, 16, QChar(u'0')));
    for (const QString& text : std::as_const(texts)) {
        for (const QString& written : {text, text.toUpper()})
            QVERIFY2(shown(read(written)) == QColor::fromString(text).name(), qPrintable(written));
    }
}

void ColorTextTest::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("alphaDropped");
    const QList<std::tuple<const char*, const char*, bool>> rows = {
        {"00FFAA", "#00ffaa", false},
        {"RGB(0,255,170)", "#00ffaa", false},
        {" \t#0fA ;\n", "#00ffaa", false},
        {"#0fa8", "#00ffaa", true},
        {"#0faf", "#00ffaa", false},
        {"#00FFAA7F", "#00ffaa", true},
        {"  DarkSlateGrey; ", "#2f4f4f", false},
        {"RebeccaPurple", "#663399", false},
        {"rgba(0, 255, 170, 0.5)", "#00ffaa", true},
        {"rgb(0 255 170 / 100%)", "#00ffaa", false},
        {"rgba(0 255 170/0)", "#00ffaa", true},
        {"rgb(29 164 192 / 95%)", "#1da4c0", true},
        {"rgb(46.27% 32.94% 80.39%)", "#7654cd", false},
        {"rgb(46.27%,32.94%,80.39%,1)", "#7654cd", false},
        {"rgb(50% 0.5 254.49)", "#8001fe", false},
        {"rgb(300, -20, 255.4)", "#ff00ff", false},
        {"rgb(150% -5% none)", "#ff0000", false},
        {"rgb(+1e2 .5e1 0E0)", "#640500", false},
        {"hsl(120deg 100% 50%)", "#00ff00", false},
        {"hsl(120deg 100% 25%)", "#008000", false},
        {"hsl(120deg 100% 75%)", "#80ff80", false},
        {"hsl(0.5turn 100% 50%)", "#00ffff", false},
        {"hsl(200grad 100% 50%)", "#00ffff", false},
        {"hsl(3.14159265rad 100% 50%)", "#00ffff", false},
        {"hsl(-240, 100%, 50%)", "#00ff00", false},
        {"HSLA(600deg, 100%, 50%, .3)", "#0000ff", true},
        {"hsl(300 -150 50 / 1)", "#808080", false},
        {"hsl(none 100% 50%)", "#ff0000", false},
        {"hsl(0, 0%, -10%)", "#000000", false},
    };
    for (const auto& [text, colour, alphaDropped] : rows)
        QTest::newRow(text) << QString::fromLatin1(text) << QString::fromLatin1(colour)
                            << alphaDropped;
}

void ColorTextTest::reads() {
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QFETCH(bool, alphaDropped);
    const ColorTextResult result = read(text);
    QCOMPARE(shown(result), colour);
    QCOMPARE(result.alphaDropped, alphaDropped);
}

void ColorTextTest::refuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Refusal>("refusal");
    const QList<std::pair<QString, Refusal>> rows = {
        {" \r\n; ", Refusal::Empty},
        {QString(257, u'f'), Refusal::TooLong},
        {QStringLiteral("#fff\x01"), Refusal::NotText},
        {QStringLiteral("\x7f"), Refusal::NotText},
        {QStringLiteral("Transparent"), Refusal::Transparent},
        {QStringLiteral("currentColor;"), Refusal::CurrentColor},
        {QStringLiteral("color(srgb 1 0 0)"), Refusal::OtherFunction},
        {QStringLiteral("lab(50% 40 59.5)"), Refusal::OtherFunction},
        {QStringLiteral("rgb(0, 50%, 0)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0, 0, 0 / 1)"), Refusal::BadArguments},
        {QStringLiteral("rgb(none, 0, 0)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0 0 0 0)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0 0 / 1)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0 0 0 / 1 / 1)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0,0,0,1,1)"), Refusal::BadArguments},
        {QStringLiteral("rgb(1px 2 3)"), Refusal::BadArguments},
        {QStringLiteral("rgb(5. 0 0)"), Refusal::BadArguments},
        {QStringLiteral("rgb(1e999 0 0)"), Refusal::BadArguments},
        {QStringLiteral("rgb(0 0 0 / 90deg)"), Refusal::BadArguments},
        {QStringLiteral("hsl(120, 100, 50)"), Refusal::BadArguments},
        {QStringLiteral("hsl(10% 50% 50%)"), Refusal::BadArguments},
        {QStringLiteral("hsl(1e308turn 50% 50%)"), Refusal::BadArguments},
        {QStringLiteral("#ff"), Refusal::NotAColour},
        {QStringLiteral("#fffff"), Refusal::NotAColour},
        {QStringLiteral("#ggg"), Refusal::NotAColour},
        {QStringLiteral("ffff"), Refusal::NotAColour},
        {QStringLiteral("bluish"), Refusal::NotAColour},
        {QStringLiteral("rgb (0,0,0)"), Refusal::NotAColour},
        {QStringLiteral("#ff0000 red"), Refusal::NotAColour},
        {QStringLiteral("赤"), Refusal::NotAColour},
    };
    for (const auto& [text, refusal] : rows)
        QTest::newRow(qPrintable(text.left(20))) << text << refusal;
}

void ColorTextTest::refuses() {
    QFETCH(QString, text);
    QFETCH(Refusal, refusal);
    QCOMPARE(read(text).refusal, refusal);
}

QTEST_APPLESS_MAIN(ColorTextTest)
#include "tst_colortext.moc"
