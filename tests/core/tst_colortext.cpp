#include "ColorText.h"

#include <QColor>
#include <QTest>

using namespace hueprobe;
using Refusal = ColorTextRefusal;

// Expected colours come from elsewhere: QColor's parser for hex codes and names;
// for rgb() and hsl() the examples of CSS Color 4 and colours known by name.
class ColorTextTest : public QObject {
    Q_OBJECT

private slots:
    void readsHexAndNamesAsQColorDoes();
    void reads_data();
    void reads();
};

namespace {

QString refused(Refusal refusal) {
    return QStringLiteral("refused %1").arg(int(refusal));
}

// "#rrggbb", marked where alpha was dropped, or the refusal.
QString shown(const QString& text) {
    const ColorTextResult result = ReadColorText(text.toStdString());
    const QString name = QColor(result.colour[0], result.colour[1], result.colour[2]).name();
    return !result.read() ? refused(result.refusal) : name + (result.alphaDropped ? "~" : "");
}

} // namespace

void ColorTextTest::readsHexAndNamesAsQColorDoes() {
    QStringList texts = QColor::colorNames();
    QCOMPARE(texts.removeAll("transparent"), 1);
    texts.removeAll("rebeccapurple"); // unknown to Qt 6.4: a row of reads() stands in
    QCOMPARE(texts.size(), 147);
    for (qsizetype i = 0; i < 147; ++i)
        texts.append(QColor::fromString(texts.at(i)).name());
    for (int rgb = 0; rgb < 0x1000; ++rgb)
        texts.append(QStringLiteral("#%1").arg(rgb, 3, 16, QChar(u'0')));
    for (const QString& text : std::as_const(texts)) {
        for (const QString& written : {text, text.toUpper()})
            QVERIFY2(shown(written) == QColor::fromString(text).name(), qPrintable(written));
    }
}

void ColorTextTest::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // "~": alpha dropped
    const QList<std::pair<QString, QString>> rows = {
        {"00FFAA", "#00ffaa"},
        {"RGB(0,255,170)", "#00ffaa"},
        {" \t#0fA ;\n", "#00ffaa"},
        {"#0fa8", "#00ffaa~"},
        {"#00FFAAFF", "#00ffaa"},
        {"  DarkSlateGrey; ", "#2f4f4f"},
        {"RebeccaPurple", "#663399"},
        {"rgba(0, 255, 170, 0.5)", "#00ffaa~"},
        {"rgb(0 255 170 / 100%)", "#00ffaa"},
        {"rgb(29 164 192 / 95%)", "#1da4c0~"},
        {"rgb(46.27% 32.94% 80.39%)", "#7654cd"},
        {"rgb(50% 0.5 254.49)", "#8001fe"},
        {"rgb(300, -20, 255.4)", "#ff00ff"},
        {"rgb(150% -5% none)", "#ff0000"},
        {"rgb(+1e2 .5e1 0E0)", "#640500"},
        {"hsl(120deg 100% 25%)", "#008000"},
        {"hsl(120deg 100% 75%)", "#80ff80"},
        {"hsl(0.5turn 100% 50%)", "#00ffff"},
        {"hsl(200grad 100% 50%)", "#00ffff"},
        {"hsl(3.14159265rad 100% 50%)", "#00ffff"},
        {"hsl(-240, 100%, 50%)", "#00ff00"},
        {"HSLA(600deg, 100%, 50%, .3)", "#0000ff~"},
        {"hsl(300 -150 50 / 1)", "#808080"},
        {" \r\n; ", refused(Refusal::Empty)},
        {QString(1025, u'f'), refused(Refusal::TooLong)},
        {"#fff\x01", refused(Refusal::NotText)},
        {"Transparent", refused(Refusal::Transparent)},
        {"currentColor;", refused(Refusal::CurrentColor)},
        {"device-cmyk(0 0 0 1)", refused(Refusal::OtherFunction)},
        {"rgb(0, 50%, 0)", refused(Refusal::BadArguments)},
        {"rgb(none, 0, 0)", refused(Refusal::BadArguments)},
        {"rgb(0 0 0 0)", refused(Refusal::BadArguments)},
        {"rgb(0 0 0 / 1 / 1)", refused(Refusal::BadArguments)},
        {"rgb(1px 2 3)", refused(Refusal::BadArguments)},
        {"rgb(1e999 0 0)", refused(Refusal::NotFinite)},
        {"hsl(120, 100, 50)", refused(Refusal::BadArguments)},
        {"hsl(1e308turn 50% 50%)", refused(Refusal::NotFinite)},
        {"#fffff", refused(Refusal::NotAColour)},
        {"rgb (0,0,0)", refused(Refusal::NotAColour)},
        {"#ff0000 red", refused(Refusal::NotAColour)},
    };
    for (const auto& [text, expected] : rows)
        QTest::newRow(qPrintable(text.simplified().left(30))) << text << expected;
}

void ColorTextTest::reads() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(text), expected);
}

QTEST_APPLESS_MAIN(ColorTextTest)
#include "tst_colortext.moc"
