// The colour measures against published figures, not against themselves: WCAG 2
// contrast ratios, the CIEDE2000 test data of Sharma, Wu and Dalal (2005),
// reference sRGB to CIELAB values and the hsl() of CSS colours.
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

QString joined(const std::vector<std::string_view>& names) {
    QStringList list;
    for (const std::string_view name : names)
        list.append(QString::fromLatin1(name.data(), qsizetype(name.size())));
    return list.join(QStringLiteral(", "));
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
    void contrast_data() {
        columns({"text", "background", "shown", "passes"});
        row("white on black", "ffffff", "000000", "21.00:1", "AA, AAA, AA large, AAA large");
        row("#777 on white", "777777", "ffffff", "4.48:1", "AA large");
        row("#333 on white", "333333", "ffffff", "12.63:1", "AA, AAA, AA large, AAA large");
        // 4.4989 and 6.99995: rounding must not show a level that is not reached.
        row("just short of 4.5", "0078d7", "ffffff", "4.49:1", "AA large");
        row("just short of 7", "009ee3", "000000", "6.99:1", "AA, AA large, AAA large");
    }
    void contrast() {
        QFETCH(QString, text);
        QFETCH(QString, background);
        const double ratio = ContrastRatio(colour(text), colour(background));
        QTEST(QString::fromStdString(RatioText(ratio)), "shown");
        std::vector<std::string_view> passed;
        for (const WcagLevel& level : WcagLevels)
            if (Passes(ratio, level))
                passed.push_back(level.name);
        QTEST(joined(passed), "passes");
    }

    // Pairs chosen where slips show: the hue mean across 0/360 degrees (pairs 10
    // and 11 differ only there), a grey, the blue rotation term, large and dark.
    void deltaE2000_data() {
        QTest::addColumn<Lab>("first");
        QTest::addColumn<Lab>("second");
        QTest::addColumn<QString>("published");
        const auto pair = [](const char* name, Lab first, Lab second, const char* published) {
            QTest::newRow(name) << first << second << QString::fromLatin1(published);
        };
        pair("pair 1", {50, 2.6772, -79.7751}, {50, 0, -82.7485}, "2.0425");
        pair("pair 4", {50, -1.3802, -84.2814}, {50, 0, -82.7485}, "1.0000");
        pair("pair 7", {50, 0, 0}, {50, -1, 2}, "2.3669");
        pair("pair 10", {50, 2.49, -0.001}, {50, -2.49, 0.0010}, "7.1792");
        pair("pair 11", {50, 2.49, -0.001}, {50, -2.49, 0.0011}, "7.2195");
        pair("pair 15", {50, -0.001, 2.49}, {50, 0.0011, -2.49}, "4.7461");
        pair("pair 16", {50, 2.5, 0}, {50, 0, -2.5}, "4.3065");
        pair("pair 19", {50, 2.5, 0}, {56, -27, -3}, "31.9030");
        pair("pair 34", {2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, "0.9082");
    }
    void deltaE2000() {
        QFETCH(Lab, first);
        QFETCH(Lab, second);
        QTEST(QString::number(DeltaE2000(first, second), 'f', 4), "published");
        QTEST(QString::number(DeltaE2000(second, first), 'f', 4), "published");
    }

    void toLab_data() {
        columns({"rgb", "published"});
        row("red", "ff0000", "53.24 80.09 67.20");
        row("blue", "0000ff", "32.30 79.19 -107.86");
        row("grey", "808080", "53.59 0 0");
    }
    void toLab() {
        QFETCH(QString, rgb);
        QFETCH(QString, published);
        const Lab lab = ToLab(colour(rgb));
        const QStringList want = published.split(u' ');
        const Lab wanted{want.at(0).toDouble(), want.at(1).toDouble(), want.at(2).toDouble()};
        const double off = std::hypot(lab.L - wanted.L, lab.a - wanted.a, lab.b - wanted.b);
        QVERIFY2(off < 0.05,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(lab.L).arg(lab.a).arg(lab.b)));
    }

    // hsl() as CSS colour tables give it; the names of a chart colour, all of them.
    void hslAndNearestName_data() {
        columns({"rgb", "hsl", "names", "match"});
        row("red", "ff0000", "hsl(0 100% 50%)", "Red", "exact");
        row("gray", "808080", "hsl(0 0% 50%)", "Gray", "exact");
        row("cyan", "00ffff", "hsl(180 100% 50%)", "Cyan, Aqua", "exact");
        row("magenta", "ff00ff", "hsl(300 100% 50%)", "Magenta, Fuchsia", "exact");
        row("deeppink, hue past 300", "ff1493", "hsl(328 100% 54%)", "DeepPink", "exact");
        row("next to black", "010101", "hsl(0 0% 0%)", "Black", "near");
    }
    void hslAndNearestName() {
        QFETCH(QString, rgb);
        QTEST(QString::fromStdString(CssHsl(colour(rgb))), "hsl");
        const NearestName nearest = NearestChartName(colour(rgb));
        QTEST(joined(nearest.names), "names");
        QTEST(QString::fromLatin1(nearest.deltaE == 0 ? "exact" : "near"), "match");
        QVERIFY(nearest.deltaE < 1);
    }
};

QTEST_APPLESS_MAIN(ColorMetricsTest)
#include "tst_colormetrics.moc"
