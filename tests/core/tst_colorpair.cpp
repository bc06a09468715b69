// A text colour on a background against references that are not this program:
// contrast ratios and relative luminance from the wcag-contrast npm package, the
// colour-vision filters of the culori npm package (tools/make-contrast-references
// wrote both into data/), and WCAG's own definition of passing for the nearest
// colour that passes: it reaches the mark, and one unit back toward the text
// colour on any channel does not. The pairs include the grey #777777, on which
// nothing reaches AAA.
#include "ColorPair.h"
#include "ColorVision.h"
#include "HexCodec.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace hueprobe;

Q_DECLARE_METATYPE(Channels)

namespace {

// The rows of a reference file as numbers, comment lines left out.
QList<QList<double>> referenceRows(const char* name) {
    QFile file(QStringLiteral(REFERENCE_DATA "/%1").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the reference data %s", name);
    QList<QList<double>> rows;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QList<double> numbers;
        for (const QByteArray& field : line.split('\t'))
            numbers.append(field.toDouble());
        rows.append(numbers);
    }
    return rows;
}

Channels channelsAt(const QList<double>& row, qsizetype first) {
    return {Int16(row.at(first)), Int16(row.at(first + 1)), Int16(row.at(first + 2))};
}

Channels colour(const char* hex) {
    const std::string text = hex;
    return {to10(text.substr(0, 2)), to10(text.substr(2, 2)), to10(text.substr(4, 2))};
}

QString hexOf(const Channels& colour) {
    return QString::fromStdString(
        sixDigitCode({ToHex(colour[0]), ToHex(colour[1]), ToHex(colour[2])}));
}

// WCAG 2 contrast as the wcag-contrast package works it out: its luminance of each
// channel value, summed in the same order, then the ratio as WCAG defines it.
class ReferenceContrast {
public:
    ReferenceContrast() {
        for (const QList<double>& row : referenceRows("luminance-shares.tsv"))
            shares.append({row.at(1), row.at(2), row.at(3)});
    }

    double luminance(const Channels& colour) const {
        return shares.at(colour[0])[0] + shares.at(colour[1])[1] + shares.at(colour[2])[2];
    }

    double ratio(const Channels& one, const Channels& other) const {
        const double lighter = std::max(luminance(one), luminance(other));
        const double darker = std::min(luminance(one), luminance(other));
        return (lighter + 0.05) / (darker + 0.05);
    }

private:
    QList<Triple> shares;
};

const ReferenceContrast& reference() {
    static const ReferenceContrast contrast;
    return contrast;
}

constexpr std::array<double, 2> NormalTextMarks{4.5, 7};

} // namespace

class ColorPairTest : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data() {
        QTest::addColumn<Channels>("first");
        QTest::addColumn<Channels>("second");
        QTest::addColumn<double>("published");
        for (const QList<double>& row : referenceRows("contrast-ratios.tsv"))
            QTest::addRow("%s on %s", qPrintable(hexOf(channelsAt(row, 0))),
                          qPrintable(hexOf(channelsAt(row, 3))))
                << channelsAt(row, 0) << channelsAt(row, 3) << row.at(6);
    }

    // Either way round, the figure is the package's, and every mark (the non-text
    // 3:1 among them) says what the package's figure says.
    void contrastRatio() {
        QFETCH(Channels, first);
        QFETCH(Channels, second);
        QFETCH(double, published);
        for (const double ratio : {ContrastRatio(first, second), ContrastRatio(second, first)}) {
            QVERIFY2(std::abs(ratio - published) <= 1e-12 * published,
                     qPrintable(QString::number(ratio, 'g', 17)));
            for (const WcagLevel& level : WcagLevels)
                QCOMPARE(Passes(ratio, level), published >= level.minimum);
            QCOMPARE(Passes(ratio, NonTextLevel), published >= 3);
        }
    }

    void nearestPassing_data() {
        QTest::addColumn<Channels>("text");
        QTest::addColumn<Channels>("background");
        for (const QList<double>& row : referenceRows("contrast-ratios.tsv"))
            QTest::addRow("%s on %s", qPrintable(hexOf(channelsAt(row, 0))),
                          qPrintable(hexOf(channelsAt(row, 3))))
                << channelsAt(row, 0) << channelsAt(row, 3);
    }

    // At the edge for AA and AAA: the colour found passes by the reference ratio,
    // and each unit back toward the text colour fails; where none is found, not
    // even white or black passes. It is never farther than the nearer of white and
    // black, and a text colour that passes is its own answer.
    void nearestPassing() {
        QFETCH(Channels, text);
        QFETCH(Channels, background);
        const Triple textOklab = OklabFromLinearSrgb(LinearSrgb(text));
        const auto distance = [&](const Channels& c) {
            return DeltaEOK(textOklab, OklabFromLinearSrgb(LinearSrgb(c)));
        };
        for (const double mark : NormalTextMarks) {
            const std::optional<Channels> found = NearestPassing(text, background, mark);
            const Channels white{255, 255, 255};
            const Channels black{0, 0, 0};
            const bool whitePasses = reference().ratio(white, background) >= mark;
            const bool blackPasses = reference().ratio(black, background) >= mark;
            QCOMPARE(found.has_value(), whitePasses || blackPasses);
            if (!found)
                continue;
            QVERIFY(reference().ratio(*found, background) >= mark);
            if (reference().ratio(text, background) >= mark)
                QCOMPARE(*found, text);
            for (std::size_t i = 0; i < 3; ++i) {
                if (found->at(i) == text.at(i))
                    continue;
                Channels closer = *found;
                closer.at(i) += found->at(i) < text.at(i) ? 1 : -1;
                QVERIFY2(reference().ratio(closer, background) < mark,
                         qPrintable(QStringLiteral("%1 passes %2").arg(hexOf(closer)).arg(mark)));
            }
            const double extreme =
                std::min(whitePasses ? distance(white) : 1e9, blackPasses ? distance(black) : 1e9);
            QVERIFY(distance(*found) <= extreme + 1e-12);
        }
    }

    // A colour's hue stays: red text too light for white paper becomes a darker red,
    // not a grey or another hue.
    void nearestKeepsTheHue_data() {
        QTest::addColumn<Channels>("text");
        QTest::addColumn<Channels>("background");
        QTest::newRow("red on white") << colour("FF0000") << colour("FFFFFF");
        QTest::newRow("cornflower on white") << colour("6495ED") << colour("FFFFFF");
        QTest::newRow("navy on black") << colour("000080") << colour("000000");
        QTest::newRow("olive on navy") << colour("808000") << colour("000080");
    }

    void nearestKeepsTheHue() {
        QFETCH(Channels, text);
        QFETCH(Channels, background);
        const Triple wanted = OklchFromOklab(OklabFromLinearSrgb(LinearSrgb(text)));
        for (const double mark : NormalTextMarks) {
            const std::optional<Channels> found = NearestPassing(text, background, mark);
            QVERIFY(found);
            const Triple got = OklchFromOklab(OklabFromLinearSrgb(LinearSrgb(*found)));
            const double turn = std::abs(got[2] - wanted[2]);
            QVERIFY2(std::min(turn, 360 - turn) < 3, qPrintable(hexOf(*found)));
        }
    }

    void seenWith_data() {
        QTest::addColumn<Channels>("colour");
        QTest::addColumn<Channels>("protanopia");
        QTest::addColumn<Channels>("deuteranopia");
        QTest::addColumn<Channels>("tritanopia");
        for (const QList<double>& row : referenceRows("deficiency-filters.tsv"))
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
        const Channels grey = SeenWith(ColorVision::Achromatopsia, colour);
        QVERIFY(grey[0] == grey[1] && grey[1] == grey[2]);
        const double light = reference().luminance(colour);
        const Int16 level = grey[0];
        QVERIFY(level == 0 || reference().luminance(
                                  {Int16(level - 1), Int16(level - 1), Int16(level - 1)}) <= light);
        QVERIFY(level == 255 || reference().luminance({Int16(level + 1), Int16(level + 1),
                                                       Int16(level + 1)}) >= light);
    }
};

QTEST_MAIN(ColorPairTest)
#include "tst_colorpair.moc"
