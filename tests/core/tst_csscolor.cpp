// The CSS Color 4 and 5 notations of the clipboard reader. Expected colours
// come from elsewhere: the committed answers of two colour libraries
// (tools/make-css-color-reference, tools/make-tailwind-reference), results the
// CSS Color 4 and 5 state or that follow from their definitions (red mixed with
// blue half and half, a hue turned by 120 degrees), and pairs of texts that
// the definitions make the same colour (a percentage and the number it stands
// for).
#include "ColorSpaces.h"
#include "ColorText.h"

#include <QColor>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace hueprobe;
using Refusal = ColorTextRefusal;

class CssColorTest : public QObject {
    Q_OBJECT

private slots:
    void readsAsTheLibrariesDo();
    void readsTailwindAsCulori();
    void readsBackWhatTheInformationDialogWrites_data();
    void readsBackWhatTheInformationDialogWrites();
    void reads_data();
    void reads();
    void sameColour_data();
    void sameColour();
    void refuses_data();
    void refuses();
};

namespace {

// "#rrggbb", with "~" where alpha was dropped and "!" where the colour lay
// outside the screen's range, or "refused".
QString shown(const QString& text) {
    const ColorTextResult result = ReadColorText(text.toStdString());
    if (!result.read())
        return QStringLiteral("refused %1").arg(int(result.refusal));
    const QString name = QColor(result.colour[0], result.colour[1], result.colour[2]).name();
    return name + (result.alphaDropped ? "~" : "") + (result.outsideScreen ? "!" : "");
}

int channelsApart(const QString& hex, const Channels& colour) {
    const QColor expected = QColor::fromString(hex);
    return std::max({std::abs(expected.red() - colour[0]), std::abs(expected.green() - colour[1]),
                     std::abs(expected.blue() - colour[2])});
}

// The rows of a committed table, without its comment and heading lines.
QList<QStringList> tableRows(const QString& fileName) {
    QFile file(QStringLiteral(HUEPROBE_TEST_DATA "/") + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i)
        rows.append(lines.at(i).split(u'\t'));
    return rows;
}

} // namespace

// Columns: text, #rrggbb, "~" when translucent, "!" when outside sRGB. Every
// row that differs is listed.
void CssColorTest::readsAsTheLibrariesDo() {
    const QList<QStringList> rows = tableRows(QStringLiteral("css-color-reference.tsv"));
    QVERIFY(rows.size() > 100);
    QStringList differing;
    for (const QStringList& row : rows) {
        QCOMPARE(row.size(), 4);
        const ColorTextResult result = ReadColorText(row[0].toStdString());
        if (!result.read() || channelsApart(row[1], result.colour) > 1 ||
            result.alphaDropped == row[2].isEmpty() || result.outsideScreen == row[3].isEmpty())
            differing.append(row[0] + " " + shown(row[0]) + " not " + row[1] + row[2] + row[3]);
    }
    QVERIFY2(differing.isEmpty(), qPrintable(QStringLiteral("%1 differ: ").arg(differing.size()) +
                                             differing.join(QStringLiteral("; "))));
}

// Every colour of the palette, as culori brings it onto the screen.
void CssColorTest::readsTailwindAsCulori() {
    const QList<QStringList> rows = tableRows(QStringLiteral("tailwind-oklch.tsv"));
    QStringList names;
    int largest = 0;
    for (const QStringList& row : rows) {
        QCOMPARE(row.size(), 3);
        names.append(row[0]);
        const ColorTextResult result = ReadColorText(row[1].toStdString());
        QVERIFY2(result.read(), qPrintable(row[1]));
        largest = std::max(largest, channelsApart(row[2], result.colour));
        QVERIFY2(channelsApart(row[2], result.colour) <= 1,
                 qPrintable(row[0] + " " + shown(row[1])));
    }
    // The palette's 22 hues of Tailwind CSS 4.0, 11 shades each, are all there.
    for (const char* hue :
         {"red",  "orange", "amber", "yellow", "lime",    "green",  "emerald", "teal",
          "cyan", "sky",    "blue",  "indigo", "violet",  "purple", "fuchsia", "pink",
          "rose", "slate",  "gray",  "zinc",   "neutral", "stone"}) {
        for (const char* shade :
             {"50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "950"})
            QVERIFY2(names.contains(QStringLiteral("%1-%2").arg(hue, shade)), hue);
    }
    qInfo("%lld Tailwind colours; largest difference from culori: %d per channel",
          static_cast<long long>(rows.size()), largest);
}

// Every #rrggbb of a 32 x 32 x 32 grid, written in each form the colour
// information dialog shows, reads back as the same colour and inside the
// screen's range.
void CssColorTest::readsBackWhatTheInformationDialogWrites_data() {
    QTest::addColumn<QString>("form");
    for (const char* form : {"rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch"})
        QTest::newRow(form) << QString::fromLatin1(form);
}

void CssColorTest::readsBackWhatTheInformationDialogWrites() {
    QFETCH(QString, form);
    const ColorSpace* space = FindColorFunction(form.toStdString());
    QVERIFY(space != nullptr);
    for (int step = 0; step < 32 * 32 * 32; ++step) {
        auto level = [](int index) { return Int16(index * 255 / 31); };
        const Channels colour{level(step / 1024), level(step / 32 % 32), level(step % 32)};
        const std::string text = SerialiseColour(*space, CoordinatesOf(*space, colour));
        const ColorTextResult result = ReadColorText(text);
        if (!result.read() || result.colour != colour || result.outsideScreen)
            QFAIL(qPrintable(QString::fromStdString(text) + " reads as " + shown(text.c_str())));
    }
}

void CssColorTest::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QList<std::pair<QString, QString>> rows = {
        // hwb() as CSS Color 4 defines it: white and black over the pure hue
        {"hwb(120 0% 50%)", "#008000"},
        {"hwb(0 100% 0%)", "#ffffff"},
        {"hwb(0 70% 70%)", "#808080"}, // whiteness and blackness scaled to add to 100%
        {"hwb(300 0% 0% / 0.2)", "#ff00ff~"},
        {"hwb(none 0% 100%)", "#000000"},
        // A grey's hue written in the mixing space stays (0, the long way to 200 is
        // the short way through 360); one reached by conversion is missing, so the
        // other colour's hue is taken. @csstools/css-color-parser: #868fbc.
        {"color-mix(in lch, lch(50 0 0), lch(70 50 200))", "#868fbc"},
        // half red, half blue in sRGB: 127.5 each, rounded up
        {"color-mix(in srgb, red, blue)", "#800080"},
        {"color-mix(in srgb, red 25%, blue)", "#4000bf"},
        {"color-mix(in srgb, blue, 75% red)", "#bf0040"},
        // percentages adding to less than 100 make it translucent
        {"color-mix(in srgb, red 30%, blue 30%)", "#800080~"},
        // a missing channel takes the other colour's
        {"color-mix(in srgb, color(srgb none 0 0), red)", "#ff0000"},
        {"color-mix(in srgb, color(srgb 0 none none), lime)", "#00ff00"},
        {"color-mix(in hsl, hsl(none 100% 50%), hsl(240 100% 50%))", "#0000ff"},
        // the four ways round the hue wheel from 350 to 10 degrees
        {"color-mix(in hsl, hsl(350 100% 50%), hsl(10 100% 50%))", "#ff0000"},
        {"color-mix(in hsl shorter hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#ff0000"},
        {"color-mix(in hsl longer hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#00ffff"},
        {"color-mix(in hsl increasing hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#ff0000"},
        {"color-mix(in hsl decreasing hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#00ffff"},
        {"color-mix(in hwb increasing hue, hwb(10 0% 0%), hwb(350 0% 0%))", "#00ffff"},
        // relative colours: channels swapped, turned, replaced
        {"rgb(from red b g r)", "#0000ff"},
        {"rgb(from #102030 calc(r * 2) calc(g + 16) calc((b - 8) / 2))", "#203014"},
        {"rgb(from rgb(10 20 30 / 0.5) r g b / alpha)", "#0a141e~"},
        {"rgb(from rgb(10 20 30 / 0.5) r g b)", "#0a141e~"},
        {"rgb(from rgb(10 20 30 / 0.5) r g b / 1)", "#0a141e"},
        {"hsl(from red calc(h + 120) s l)", "#00ff00"},
        {"hsl(from lime calc(h * 2) s l)", "#0000ff"},
        {"hwb(from blue h calc(w + 100) b)", "#ffffff"},
        {"color(from #ff0000 srgb b r g)", "#00ff00"},
        {"color(from color(srgb 0.2 0.4 0.6) srgb calc(r + g) g b)", "#996699"},
        {"rgb(from hsl(from red h s l) r g b)", "#ff0000"},
        {"rgb(from red calc(10 - 2 * 3) 0 0)", "#040000"},
        // a relative colour is not clamped: twice red's red is beyond the screen
        {"rgb(from red calc(r * 2) g b)", "#ffffff!"},
        // colour names, transparent within a mix, none for alpha
        {"color-mix(in srgb, red, transparent)", "#ff0000~"},
        {"oklch(0.5 0 0 / none)", "#636363~"},
        // 14 levels of nesting are read
        {QString("rgb(from ").repeated(13) + "red" + QString(" r g b)").repeated(13), "#ff0000"},
    };
    for (const auto& [text, expected] : rows)
        QTest::newRow(qPrintable(text.left(60))) << text << expected;
}

void CssColorTest::reads() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(shown(text), expected);
}

// Two ways of writing one colour: percentages and the numbers they stand for in
// each space, angle units, letter case, clamping, calc(), relative colours.
void CssColorTest::sameColour_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("same");
    const QList<std::pair<QString, QString>> rows = {
        {"lab(40% 100% -60%)", "lab(40 125 -75)"},
        {"lch(40% 40% 30)", "lch(40 60 30)"},
        {"oklab(60% 50% -25%)", "oklab(0.6 0.2 -0.1)"},
        {"oklch(60% 50% 30)", "oklch(0.6 0.2 30)"},
        {"hwb(30 20 30)", "hwb(30 20% 30%)"},
        {"hsl(30 60 40)", "hsl(30 60% 40%)"},
        {"color(display-p3 50% 20% 90%)", "color(display-p3 0.5 0.2 0.9)"},
        {"color(xyz-d50 30% 20% 10%)", "color(xyz-d50 0.3 0.2 0.1)"},
        {"color(xyz 0.3 0.2 0.1)", "color(xyz-d65 0.3 0.2 0.1)"},
        {"oklch(0.6 0.2 0.25turn)", "oklch(0.6 0.2 90)"},
        {"oklch(0.6 0.2 100grad)", "oklch(0.6 0.2 90deg)"},
        {"lch(50 40 1.5707963268rad)", "lch(50 40 90)"},
        {"lch(50 40 -270)", "lch(50 40 450)"},
        {"OKLCH(0.6 0.2 30DEG)", "oklch(0.6 0.2 30deg)"},
        {"lab(150 0 0)", "lab(100 0 0)"},
        {"lch(-20 30 40)", "lch(0 30 40)"},
        {"oklch(0.7 -0.2 40)", "oklch(0.7 0 40)"},
        {"oklab(1.5 0.1 0.1)", "oklab(1 0.1 0.1)"},
        {"color(srgb 0.2 none 0.4)", "color(srgb 0.2 0 0.4)"},
        {"rgb(calc(255 / 2) calc(1 + 2 * 3) calc((1 + 2) * 3))", "rgb(127.5 7 9)"},
        {"oklch(calc(0.5 + 0.1) 0.2 calc(pi * 10))", "oklch(0.6 0.2 31.4159265)"},
        {"lab(from lab(40 20 -30) l a b)", "lab(40 20 -30)"},
        {"oklch(from oklch(0.6 0.2 30) calc(l + 0.1) c calc(h + 180))", "oklch(0.7 0.2 210)"},
        {"color(from color(display-p3 0.2 0.4 0.6) display-p3 b g r)",
         "color(display-p3 0.6 0.4 0.2)"},
        {"color(from color(xyz 0.3 0.2 0.1) xyz x calc(y * 2) z)", "color(xyz 0.3 0.4 0.1)"},
        {"color-mix(in oklch, oklch(0.6 0.2 30) 100%, blue)", "oklch(0.6 0.2 30)"},
        {"color-mix(in lab, lab(20 10 10) 40%, lab(70 -20 40) 60%)", "lab(50 -8 28)"},
        {"color-mix(in lab, lab(20 10 10) 20%, lab(70 -20 40) 30%)", "lab(50 -8 28 / 0.5)"},
        {"color-mix(in oklch longer hue, oklch(0.6 0.1 20), oklch(0.6 0.1 60))",
         "oklch(0.6 0.1 220)"},
        {"color-mix(in lch decreasing hue, lch(50 30 20), lch(50 30 60))", "lch(50 30 220)"},
        {"color-mix(in lch, lch(50 30 none), lch(70 40 120))", "lch(60 35 120)"},
        {"color-mix(in xyz-d50, color(xyz-d50 0.2 0.4 0.6), color(xyz-d50 0.4 0.2 0))",
         "color(xyz-d50 0.3 0.3 0.3)"},
        {"color-mix(oklab(0.4 0.1 0), oklab(0.6 -0.1 0.2))", "oklab(0.5 0 0.1)"},
    };
    for (const auto& [text, same] : rows)
        QTest::newRow(qPrintable(text.left(60))) << text << same;
}

void CssColorTest::sameColour() {
    QFETCH(QString, text);
    QFETCH(QString, same);
    QVERIFY(ReadColorText(same.toStdString()).read());
    QCOMPARE(shown(text), shown(same));
}

void CssColorTest::refuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusal");
    const QString deepMix =
        QString("color-mix(in srgb, red, ").repeated(40) + "red" + QString(")").repeated(40);
    const QList<std::pair<QString, Refusal>> rows = {
        {"color(foo 1 2 3)", Refusal::UnknownSpace},
        {"color(--brand 1 2 3)", Refusal::UnknownSpace},
        {"color(oklch 0.5 0.1 30)", Refusal::UnknownSpace},
        {"color-mix(in cmyk, red, blue)", Refusal::UnknownSpace},
        {"color(1 0 0)", Refusal::BadArguments},
        {"oklch(0.5 0.1)", Refusal::BadArguments},
        {"oklch(0.5 0.1 30 0.4)", Refusal::BadArguments},
        {"lab(50 40)", Refusal::BadArguments},
        {"lab(50 40 30deg)", Refusal::BadArguments},
        {"oklch(0.5 0.1 30%)", Refusal::BadArguments},
        {"hwb(120, 10%, 20%)", Refusal::BadArguments},
        {"hwb(120 10% 20% / 50deg)", Refusal::BadArguments},
        {"color(srgb 1 0 0 / 1 / 1)", Refusal::BadArguments},
        {"color-mix(in srgb, red)", Refusal::BadArguments},
        {"color-mix(in srgb, red, blue, lime)", Refusal::BadArguments},
        {"color-mix(in srgb red, blue)", Refusal::BadArguments},
        {"color-mix(in srgb longer hue, red, blue)", Refusal::BadArguments},
        {"color-mix(in oklch sideways hue, red, blue)", Refusal::BadArguments},
        {"color-mix(in oklch longer, red, blue)", Refusal::BadArguments},
        {"color-mix(in srgb, red 0%, blue 0%)", Refusal::BadArguments},
        {"color-mix(in srgb, red 150%, blue)", Refusal::BadArguments},
        {"color-mix(in srgb, red -10%, blue)", Refusal::BadArguments},
        {"color-mix(in srgb, 10% red 20%, blue)", Refusal::BadArguments},
        {"rgb(r g b)", Refusal::BadArguments},
        {"rgb(from red r g)", Refusal::BadArguments},
        {"rgb(from red r g b x)", Refusal::BadArguments},
        {"rgb(from red, r, g, b)", Refusal::BadArguments},
        {"lab(from red l c h)", Refusal::BadArguments},
        {"rgb(calc(10px) 0 0)", Refusal::UnsupportedCalc},
        {"rgb(calc(50%) 0 0)", Refusal::UnsupportedCalc},
        {"rgb(min(1, 2) 0 0)", Refusal::UnsupportedCalc},
        {"rgb(var(--red) 0 0)", Refusal::UnsupportedCalc},
        {"rgb(from red calc(r+1) g b)", Refusal::UnsupportedCalc},
        {"rgb(from red calc(r * (g + 1) b)", Refusal::UnsupportedCalc},
        {"rgb(from red calc(foo) g b)", Refusal::UnsupportedCalc},
        {"oklch(calc(1 / 0) 0.1 30)", Refusal::NotFinite},
        {"oklch(calc(0 / 0) 0.1 30)", Refusal::NotFinite},
        {"rgb(calc(infinity) 0 0)", Refusal::NotFinite},
        {"rgb(calc(-infinity) 0 0)", Refusal::NotFinite},
        {"rgb(calc(NaN) 0 0)", Refusal::NotFinite},
        {"lab(1e999 0 0)", Refusal::NotFinite},
        {"oklch(0.5 0.1 1e308turn)", Refusal::NotFinite},
        {"color-mix(in srgb, red 1e999%, blue)", Refusal::NotFinite},
        {"rgb(calc(1e308 * 10) 0 0)", Refusal::NotFinite},
        // finite, but too large to convert
        {"oklch(50% 1e300 0)", Refusal::NotFinite},
        {"color-mix(in oklab, oklch(50% 1e300 0), oklch(50% 1e300 180))", Refusal::NotFinite},
        {"var(--colour)", Refusal::OtherFunction},
        {"device-cmyk(0 0 0 1)", Refusal::OtherFunction},
        {"color-mix(in srgb, red, light-dark(red, blue))", Refusal::OtherFunction},
        {"color-mix(in srgb, currentcolor, red)", Refusal::CurrentColor},
        {"color-mix(in srgb, red, bluish)", Refusal::NotAColour},
        {"color-mix(in srgb, red, #12345)", Refusal::NotAColour},
        {"oklch(0.5 0.1 30) red", Refusal::NotAColour},
        {QString("color-mix(").repeated(100), Refusal::TooDeep},
        {deepMix, Refusal::TooDeep},
        {"rgb(calc(" + QString("(").repeated(300) + "1" + QString(")").repeated(300) + ") 0 0)",
         Refusal::TooDeep},
        {QString("rgb(from ").repeated(60) + "red", Refusal::TooDeep},
        {QString(1025, u' '), Refusal::TooLong},
    };
    for (const auto& [text, refusal] : rows)
        QTest::newRow(qPrintable(text.left(60))) << text << int(refusal);
}

void CssColorTest::refuses() {
    QFETCH(QString, text);
    QFETCH(int, refusal);
    QCOMPARE(shown(text), QStringLiteral("refused %1").arg(refusal));
}

QTEST_APPLESS_MAIN(CssColorTest)
#include "tst_csscolor.moc"
