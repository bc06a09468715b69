// A text colour on a background against references that are not this program:
// contrast ratios and relative luminance from the wcag-contrast npm package, the
// colour-vision filters of the culori npm package (tools/make-contrast-references
// wrote both into data/), and WCAG's own definition of passing for the nearest
// colour that passes.
#include "ColorPair.h"
#include "ColorVision.h"
#include "HexCodec.h"
#include "ReferenceData.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace hueprobe;

Q_DECLARE_METATYPE(Channels)

namespace {

Channels channelsAt(const QStringList& row, qsizetype first) {
    return {row.at(first).toShort(), row.at(first + 1).toShort(), row.at(first + 2).toShort()};
}

QString hexOf(const Channels& colour) {
    return QString::fromStdString(
        sixDigitCode({ToHex(colour[0]), ToHex(colour[1]), ToHex(colour[2])}));
}

Channels grey(int level) {
    return {Int16(level), Int16(level), Int16(level)};
}

// WCAG 2 luminance as the wcag-contrast package works it out: its share of each
// channel value, summed in the same order.
double referenceLuminance(const Channels& colour) {
    static const QList<QStringList> shares = referenceTable("luminance-shares.tsv");
    return shares.at(colour[0]).at(1).toDouble() + shares.at(colour[1]).at(2).toDouble() +
           shares.at(colour[2]).at(3).toDouble();
}

double referenceRatio(const Channels& one, const Channels& other) {
    const double first = referenceLuminance(one);
    const double second = referenceLuminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Triple oklabOf(const Channels& colour) {
    return OklabFromLinearSrgb(LinearSrgb(colour));
}

constexpr std::array<double, 2> NormalTextMarks{4.5, 7};

} // namespace

class ColorPairTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data() {
        QTest::addColumn<Channels>("text");
        QTest::addColumn<Channels>("background");
        QTest::addColumn<double>("published");
        for (const QStringList& row : referenceTable("contrast-ratios.tsv"))
            QTest::addRow("%s on %s", qPrintable(hexOf(channelsAt(row, 0))),
                          qPrintable(hexOf(channelsAt(row, 3))))
                << channelsAt(row, 0) << channelsAt(row, 3) << row.at(6).toDouble();
    }

    // Either way round, the figure is the package's, and every mark (the non-text
    // 3:1 among them) says what the package's figure says.
    void contrastRatio() {
        QFETCH(Channels, text);
        QFETCH(Channels, background);
        QFETCH(double, published);
        for (const double ratio :
             {ContrastRatio(text, background), ContrastRatio(background, text)}) {
            QVERIFY2(std::abs(ratio - published) <= 1e-12 * published,
                     qPrintable(QString::number(ratio, 'g', 17)));
            for (const WcagLevel& level : WcagLevels)
                QCOMPARE(Passes(ratio, level), published >= level.minimum);
            QCOMPARE(Passes(ratio, NonTextLevel), published >= 3);
        }
    }

    void nearestPassing_data() { contrastRatio_data(); }

    // At the edge for AA and AAA: the colour found passes by the reference ratio,
    // and each unit back toward the text colour fails; where none is found, not
    // even white or black passes. It is never farther than the nearer of white and
    // black, and a text colour that passes is its own answer.
    void nearestPassing() {
        QFETCH(Channels, text);
        QFETCH(Channels, background);
        for (const double mark : NormalTextMarks) {
            const std::optional<Channels> found = NearestPassing(text, background, mark);
            double farthest = 1e9;
            for (const Channels& extreme : {grey(0), grey(255)})
                if (referenceRatio(extreme, background) >= mark)
                    farthest = std::min(farthest, DeltaEOK(oklabOf(extreme), oklabOf(text)));
            QCOMPARE(found.has_value(), farthest < 1e9);
            if (!found)
                continue;
            QVERIFY(referenceRatio(*found, background) >= mark);
            QVERIFY(DeltaEOK(oklabOf(*found), oklabOf(text)) <= farthest + 1e-12);
            if (referenceRatio(text, background) >= mark)
                QCOMPARE(*found, text);
            for (std::size_t i = 0; i < 3; ++i) {
                Channels closer = *found;
                closer.at(i) += found->at(i) < text.at(i) ? 1 : found->at(i) > text.at(i) ? -1 : 0;
                QVERIFY2(closer == *found || referenceRatio(closer, background) < mark,
                         qPrintable(QStringLiteral("%1 passes %2").arg(hexOf(closer)).arg(mark)));
            }
        }
    }

    // A colour's hue stays: red text too light for white paper becomes a darker red,
    // not a grey or another hue.
    void nearestKeepsTheHue_data() {
        QTest::addColumn<Channels>("text");
        QTest::addColumn<Channels>("background");
        QTest::newRow("red on white") << Channels{255, 0, 0} << grey(255);
        QTest::newRow("olive on navy") << Channels{128, 128, 0} << Channels{0, 0, 128};
    }
    void nearestKeepsTheHue() {
        QFETCH(Channels, text);
        QFETCH(Channels, background);
        for (const double mark : NormalTextMarks) {
            const std::optional<Channels> found = NearestPassing(text, background, mark);
            QVERIFY(found);
            const double turn =
                std::abs(OklchFromOklab(oklabOf(*found))[2] - OklchFromOklab(oklabOf(text))[2]);
            QVERIFY2(std::min(turn, 360 - turn) < 3, qPrintable(hexOf(*found)));
        }
    }

    void seenWith_data() {
        QTest::addColumn<Channels>("colour");
        QTest::addColumn<Channels>("protanopia");
        QTest::addColumn<Channels>("deuteranopia");
        QTest::addColumn<Channels>("tritanopia");
        for (const QStringList& row : referenceTable("deficiency-filters.tsv"))
            QTest::addRow("%s", qPrintable(hexOf(channelsAt(row, 0))))
                << channelsAt(row, 0) << channelsAt(row, 3) << channelsAt(row, 6)
                << channelsAt(row, 9);
    }

    // Within one unit per channel of culori's filters in linear light; the grey
    // of achromatopsia is as light, by the reference luminance, as the colour is.
    void seenWith() {
        QFETCH(Channels, colour);
        QFETCH(Channels, protanopia);
        QFETCH(Channels, deuteranopia);
        QFETCH(Channels, tritanopia);
        const std::array<Channels, 3> published{protanopia, deuteranopia, tritanopia};
        for (std::size_t i = 0; i < published.size(); ++i) {
            const Channels seen = SeenWith(ColorVisions.at(i), colour);
            for (std::size_t channel = 0; channel < 3; ++channel)
                QVERIFY2(std::abs(seen.at(channel) - published.at(i).at(channel)) <= 1,
                         qPrintable(QStringLiteral("vision %1: %2, not %3")
                                        .arg(i)
                                        .arg(hexOf(seen), hexOf(published.at(i)))));
        }
        const Channels seen = SeenWith(ColorVision::Achromatopsia, colour);
        const int level = seen[0];
        const double light = referenceLuminance(colour);
        QCOMPARE(seen, grey(level));
        QVERIFY(level == 0 || referenceLuminance(grey(level - 1)) <= light);
        QVERIFY(level == 255 || referenceLuminance(grey(level + 1)) >= light);
    }
};

QTEST_MAIN(ColorPairTest)
#include "tst_colorpair.moc"
