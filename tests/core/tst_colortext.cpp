// Reading a colour from the clipboard's text. Expected colours come from elsewhere:
// QColor's parser for hex codes and names, the committed answers of colour libraries
// (tools/make-css-color-reference, make-tailwind-reference), and results that follow
// from CSS Color 4 and 5 (a percentage and the number it stands for).
#include "ColorSpaces.h"
#include "ColorText.h"
#include "ReferenceData.h"

#include <QColor>
#include <QTest>

#include <algorithm>

using namespace hueprobe;
using Refusal = ColorTextRefusal;

namespace {

QString refused(Refusal refusal) {
    return QStringLiteral("refused %1").arg(int(refusal));
}

// "#rrggbb", with "~" where alpha was dropped and "!" where the colour lay
// outside the screen's range, or the refusal.
QString shown(const QString& text) {
    const ColorTextResult result = ReadColorText(text.toStdString());
    if (!result.read())
        return refused(result.refusal);
    const QString name = QColor(result.colour[0], result.colour[1], result.colour[2]).name();
    return name + (result.alphaDropped ? "~" : "") + (result.outsideScreen ? "!" : "");
}

} // namespace

class ColorTextTest : public QObject {
    Q_OBJECT

private slots:
    // Every name, every #rgb, in either letter case.
    void readsHexAndNamesAsQColorDoes() {
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

    // Within one unit per channel of the libraries' #rrggbb, and marked as they
    // mark it ("~" translucent, "!" outside sRGB); the palette's table gives no marks.
    // Both tables start with a heading.
    void readsAsTheLibrariesDo_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("marks");
        for (const QStringList& row : referenceTable("css-color-reference.tsv").mid(1))
            QTest::newRow(qPrintable(row.at(0))) << row.at(0) << row.at(1) << row.at(2) + row.at(3);
        for (const QStringList& row : referenceTable("tailwind-oklch.tsv").mid(1))
            QTest::newRow(qPrintable(row.at(0))) << row.at(1) << row.at(2) << QString();
    }
    void readsAsTheLibrariesDo() {
        QFETCH(QString, text);
        QFETCH(QString, hex);
        QFETCH(QString, marks);
        const ColorTextResult result = ReadColorText(text.toStdString());
        const QColor expected = QColor::fromString(hex);
        const int apart = std::max({std::abs(expected.red() - result.colour[0]),
                                    std::abs(expected.green() - result.colour[1]),
                                    std::abs(expected.blue() - result.colour[2])});
        QVERIFY2(result.read() && apart <= 1, qPrintable(shown(text)));
        if (!marks.isNull())
            QCOMPARE(shown(text).mid(7), marks);
    }

    // Every #rrggbb of a 32 x 32 x 32 grid, written in each form the colour
    // information dialog shows, reads back as the same colour, inside the screen.
    void readsBackWhatTheInformationDialogWrites_data() {
        QTest::addColumn<QString>("form");
        for (const char* form : {"rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch"})
            QTest::newRow(form) << QString::fromLatin1(form);
    }
    void readsBackWhatTheInformationDialogWrites() {
        QFETCH(QString, form);
        const ColorSpace& space = *FindColorFunction(form.toStdString());
        for (int step = 0; step < 32 * 32 * 32; ++step) {
            auto level = [](int index) { return Int16(index * 255 / 31); };
            const Channels colour{level(step / 1024), level(step / 32 % 32), level(step % 32)};
            const std::string text = SerialiseColour(space, CoordinatesOf(space, colour));
            const ColorTextResult result = ReadColorText(text);
            if (!result.read() || result.colour != colour || result.outsideScreen)
                QFAIL(
                    qPrintable(QString::fromStdString(text) + " reads as " + shown(text.c_str())));
        }
    }

    // Edge cases the libraries' tables leave out, and texts for each reason a text
    // is refused. A row's answer is a #rrggbb, a refusal, or another text that
    // must read as the same colour.
    void reads_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<QString, QString>> rows = {
            // the program's own six digits, blanks and a semicolon around a colour
            {"00FFAA", "#00ffaa"},
            {" \t#0fA ;\n", "#00ffaa"},
            {"#0faf", "#00ffaa"},
            {"#00FFAA80", "#00ffaa~"},
            {"  DarkSlateGrey; ", "#2f4f4f"},
            {"RebeccaPurple", "#663399"},
            // clamping, none and number syntax
            {"rgb(50% 0.5 254.49)", "#8001fe"},
            {"rgb(150% -5% none)", "#ff0000"},
            {"rgb(+1e2 .5e1 0E0)", "#640500"},
            {"hsl(300 -150 50 / 1)", "#808080"},
            {QString(1017, u' ') + "#ff0000", "#ff0000"}, // 1024 characters
            // a grey's hue written in the mixing space stays (0, the long way round to 200
            // is the short way through 360); @csstools/css-color-parser: #868fbc
            {"color-mix(in lch, lch(50 0 0), lch(70 50 200))", "#868fbc"},
            // a missing channel or alpha takes the other colour's, also across spaces
            {"color-mix(in srgb, color(srgb none 0 0), red)", "#ff0000"},
            {"color-mix(in hwb, hsl(none 100% 50%), hwb(120 0% 0%))", "#00ff00"},
            {"color-mix(in srgb, rgb(255 0 0 / none), rgb(0 0 255 / 0.5))", "#800080~"},
            {"color-mix(in srgb, rgb(255 0 0 / none), rgb(0 0 255 / none))", "#800080~"},
            // relative colours: channels swapped and worked out, alpha kept or replaced
            {"rgb(from #102030 calc(r * 2) calc(g + 16) calc((b - 8) / 2))", "#203014"},
            {"rgb(from red calc(10 - 2 * 3) 0 0)", "#040000"},
            {"color(from #ff0000 srgb b r g)", "#00ff00"},
            {"rgb(from rgb(10 20 30 / 0.5) r g b)", "#0a141e~"},
            {"rgb(from rgb(10 20 30 / 0.5) r g b / 1)", "#0a141e"},
            // a relative colour is not clamped: twice red's red is beyond the screen
            {"rgb(from red calc(r * 2) g b)", "#ffffff!"},
            {"oklch(0.5 0 0 / none)", "#636363~"},
            {QString("rgb(from ").repeated(13) + "red" + QString(" r g b)").repeated(13),
             "#ff0000"},
            // two ways of writing one colour: percentages and the numbers they stand
            // for in each space, angle units, clamping, calc(), relative colours, mixes
            {"lab(40% 100% -60%)", "lab(40 125 -75)"},
            {"lch(40% 40% 30)", "lch(40 60 30)"},
            {"oklab(60% 50% -25%)", "oklab(0.6 0.2 -0.1)"},
            {"oklch(60% 50% 30)", "oklch(0.6 0.2 30)"},
            {"hwb(30 20 30)", "hwb(30 20% 30%)"},
            {"oklch(0.6 0.2 0.25turn)", "oklch(0.6 0.2 90)"},
            {"oklch(0.6 0.2 100grad)", "oklch(0.6 0.2 90deg)"},
            {"lch(50 40 1.5707963268rad)", "lch(50 40 90)"},
            {"oklch(0.7 -0.2 40)", "oklch(0.7 0 40)"},
            {"rgb(calc(255 / 2) calc(1 + 2 * 3) calc((1 + 2) * 3))", "rgb(127.5 7 9)"},
            {"oklch(calc(0.5 + 0.1) 0.2 calc(pi * 10))", "oklch(0.6 0.2 31.4159265)"},
            {"oklch(from oklch(0.6 0.2 30) calc(l + 0.1) c calc(h + 180))", "oklch(0.7 0.2 210)"},
            {"color(from color(display-p3 0.2 0.4 0.6) display-p3 b g r)",
             "color(display-p3 0.6 0.4 0.2)"},
            {"color-mix(in lab, lab(20 10 10) 40%, lab(70 -20 40) 60%)", "lab(50 -8 28)"},
            {"color-mix(in lab, lab(20 10 10) 20%, lab(70 -20 40) 30%)", "lab(50 -8 28 / 0.5)"},
            // the hue ways, with weights that are not half and half
            {"color-mix(in hsl, hsl(10 100% 50%) 25%, hsl(300 100% 50%))", "hsl(317.5 100% 50%)"},
            {"color-mix(in oklch longer hue, oklch(0.6 0.1 20), oklch(0.6 0.1 60))",
             "oklch(0.6 0.1 220)"},
            {"color-mix(in lch decreasing hue, lch(50 30 20), lch(50 30 60))", "lch(50 30 220)"},
            {"color-mix(oklab(0.4 0.1 0), oklab(0.6 -0.1 0.2))", "oklab(0.5 0 0.1)"},
            // refused, and why
            {" \r\n; ", refused(Refusal::Empty)},
            {QString(1025, u'f'), refused(Refusal::TooLong)},
            {"#fff\x01", refused(Refusal::NotText)},
            {"Transparent", refused(Refusal::Transparent)},
            {"currentColor;", refused(Refusal::CurrentColor)},
            {"device-cmyk(0 0 0 1)", refused(Refusal::OtherFunction)},
            {"#fffff", refused(Refusal::NotAColour)},
            {"#ff0000 red", refused(Refusal::NotAColour)},
            {"color-mix(in srgb, red, bluish)", refused(Refusal::NotAColour)},
            {"color(foo 1 2 3)", refused(Refusal::UnknownSpace)},
            {"color(oklch 0.5 0.1 30)", refused(Refusal::UnknownSpace)},
            {"color-mix(in cmyk, red, blue)", refused(Refusal::UnknownSpace)},
            {"rgb(0, 50%, 0)", refused(Refusal::BadArguments)},
            {"rgb(none, 0, 0)", refused(Refusal::BadArguments)},
            {"hsl(120, 100, 50)", refused(Refusal::BadArguments)},
            {"rgb(0 0 0 / 1 / 1)", refused(Refusal::BadArguments)},
            {"rgb(1px 2 3)", refused(Refusal::BadArguments)},
            {"lab(50 40 30deg)", refused(Refusal::BadArguments)},
            {"oklch(0.5 0.1 30%)", refused(Refusal::BadArguments)},
            {"hwb(120 10% 20% / 50deg)", refused(Refusal::BadArguments)},
            {"color-mix(in srgb, red)", refused(Refusal::BadArguments)},
            {"color-mix(in srgb #f00, blue)", refused(Refusal::BadArguments)},
            {"color-mix(in srgb longer hue, red, blue)", refused(Refusal::BadArguments)},
            {"color-mix(in oklch longer, red, blue)", refused(Refusal::BadArguments)},
            {"color-mix(in srgb, red 0%, blue 0%)", refused(Refusal::BadArguments)},
            {"color-mix(in srgb, red 150%, blue)", refused(Refusal::BadArguments)},
            {"lab(from red l c h)", refused(Refusal::BadArguments)},
            {"rgb(calc(10px) 0 0)", refused(Refusal::UnsupportedCalc)},
            {"rgb(min(1, 2) 0 0)", refused(Refusal::UnsupportedCalc)},
            {"rgb(from red calc(r+1) g b)", refused(Refusal::UnsupportedCalc)},
            {"rgb(from red calc(r * (g + 1) b)", refused(Refusal::UnsupportedCalc)},
            {"rgb(from red calc(foo) g b)", refused(Refusal::UnsupportedCalc)},
            {"rgb(1e999 0 0)", refused(Refusal::NotFinite)},
            {"oklch(calc(1 / 0) 0.1 30)", refused(Refusal::NotFinite)},
            {"rgb(calc(-infinity) 0 0)", refused(Refusal::NotFinite)},
            {"color-mix(in srgb, red 1e999%, blue)", refused(Refusal::NotFinite)},
            // finite, but too large to convert
            {"oklch(50% 1e300 0)", refused(Refusal::NotFinite)},
            {"color-mix(in oklab, oklch(50% 1e300 0), oklch(50% 1e300 180))",
             refused(Refusal::NotFinite)},
            {QString("color-mix(in srgb, red, ").repeated(40) + "red" + QString(")").repeated(40),
             refused(Refusal::TooDeep)},
            {"rgb(calc(" + QString("(").repeated(300) + "1" + QString(")").repeated(300) + ") 0 0)",
             refused(Refusal::TooDeep)},
        };
        for (const auto& [text, expected] : rows)
            QTest::newRow(qPrintable(text.simplified().left(60))) << text << expected;
    }
    void reads() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const bool written = expected.startsWith(u'#') || expected.startsWith(u"refused");
        QVERIFY(written || ReadColorText(expected.toStdString()).read());
        QCOMPARE(shown(text), written ? expected : shown(expected));
    }
};

QTEST_APPLESS_MAIN(ColorTextTest)
#include "tst_colortext.moc"
