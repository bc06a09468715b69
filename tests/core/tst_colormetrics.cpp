// The colour measures against published figures: WCAG 2 contrast, the CIEDE2000 test
// data of Sharma, Wu and Dalal (2005), CIELAB and hsl() values of colour tables.
#include "ColorMetrics.h"
#include "CssForms.h"
#include "HexCodec.h"

#include <QTest>

#include <cmath>

using namespace hueprobe;

namespace {

Channels colour(const QString& hex) {
    const std::string text = hex.toStdString();
    return {to10(text.substr(0, 2)), to10(text.substr(2, 2)), to10(text.substr(4, 2))};
}

void columns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<QString>(name);
}

template <class... Texts> void row(const char* name, const Texts&... texts) {
    (QTest::newRow(name) << ... << QString::fromUtf8(texts));
}

} // namespace

Q_DECLARE_METATYPE(Lab)

class ColorMetricsTest : public QObject {
    Q_OBJECT

private slots:
    // Marks for AA, AAA, large AA, large AAA: + passes, - fails. A ratio just short
    // of a level is neither shown as reaching it nor passes it.
    void contrast_data() {
        columns({"text", "background", "shown", "marks"});
        row("white on black", "ffffff", "000000", "21.00:1", "++++");
        row("4.4989, not rounded up to 4.5", "0078d7", "ffffff", "4.49:1", "--+-");
        row("6.99995, not rounded up to 7", "009ee3", "000000", "6.99:1", "+-++");
    }
    void contrast() {
        QFETCH(QString, text);
        QFETCH(QString, background);
        const double ratio = ContrastRatio(colour(text), colour(background));
        QTEST(QString::fromStdString(RatioText(ratio)), "shown");
        QString marks;
        for (const WcagLevel& level : WcagLevels)
            marks += Passes(ratio, level) ? u'+' : u'-';
        QTEST(marks, "marks");
    }

    // Pairs chosen where slips show: the hue mean across 0/360 degrees (pairs 10
    // and 11 differ only there, 16), a grey, the blue rotation term, a large one.
    void deltaE2000_data() {
        QTest::addColumn<Lab>("first");
        QTest::addColumn<Lab>("second");
        QTest::addColumn<QString>("published");
        const auto pair = [](const char* name, const Lab& first, const Lab& second,
                             const char* published) {
            QTest::newRow(name) << first << second << QString::fromLatin1(published);
        };
        pair("pair 1", {50, 2.6772, -79.7751}, {50, 0, -82.7485}, "2.0425");
        pair("pair 7", {50, 0, 0}, {50, -1, 2}, "2.3669");
        pair("pair 10", {50, 2.49, -0.001}, {50, -2.49, 0.0010}, "7.1792");
        pair("pair 11", {50, 2.49, -0.001}, {50, -2.49, 0.0011}, "7.2195");
        pair("pair 16", {50, 2.5, 0}, {50, 0, -2.5}, "4.3065");
        pair("pair 19", {50, 2.5, 0}, {56, -27, -3}, "31.9030");
    }
    void deltaE2000() {
        QFETCH(Lab, first);
        QFETCH(Lab, second);
        QTEST(QString::number(DeltaE2000(first, second), 'f', 4), "published");
    }

    // Every name of the nearest chart colour; "near" where it is not a chart colour.
    void describe_data() {
        columns({"rgb", "lab", "hsl", "names", "match"});
        row("red", "ff0000", "53.24 80.09 67.20", "hsl(0 100% 50%)", "Red", "exact");
        row("blue", "0000ff", "32.30 79.19 -107.86", "hsl(240 100% 50%)", "Blue", "exact");
        row("cyan", "00ffff", "91.11 -48.09 -14.13", "hsl(180 100% 50%)", "Cyan / Aqua", "exact");
        row("next to black", "010101", "0.27 0 0", "hsl(0 0% 0%)", "Black", "near");
    }
    void describe() {
        QFETCH(QString, rgb);
        QFETCH(QString, lab);
        const Lab got = ToLab(colour(rgb));
        const QStringList want = lab.split(u' ');
        const double off = std::hypot(got.L - want.at(0).toDouble(), got.a - want.at(1).toDouble(),
                                      got.b - want.at(2).toDouble());
        QVERIFY2(off < 0.05,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(got.L).arg(got.a).arg(got.b)));
        QTEST(QString::fromStdString(CssHsl(colour(rgb))), "hsl");
        const NearestName nearest = NearestChartName(colour(rgb));
        QTEST(QString::fromStdString(nearest.namesText()), "names");
        QTEST(QString::fromLatin1(nearest.deltaE == 0 ? "exact" : "near"), "match");
    }
};

QTEST_APPLESS_MAIN(ColorMetricsTest)
#include "tst_colormetrics.moc"
