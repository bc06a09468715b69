// Conversions, gamut mapping and color-mix() against the committed answers of
// colorjs.io and culori (tools/make-colour-space-reference wrote them into
// data/colour-spaces.tsv), and the text the information dialog writes.
#include "ColorMix.h"
#include "ColorSpaces.h"
#include "ReferenceData.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace hueprobe;

Q_DECLARE_METATYPE(hueprobe::Triple)

namespace {

// The reference lines of one kind: "convert", "map" or "mix".
QList<QStringList> referenceRows(const char* kind) {
    QList<QStringList> rows = referenceTable("colour-spaces.tsv");
    rows.removeIf([kind](const QStringList& row) { return row.first() != QLatin1String(kind); });
    return rows;
}

// A number of the reference, or `none`.
double numberOf(const QString& text) {
    return text == QLatin1String("none") ? Missing : text.toDouble();
}

Triple tripleOf(const QString& text) {
    const QStringList numbers = text.split(u' ');
    return {numberOf(numbers.at(0)), numberOf(numbers.at(1)), numberOf(numbers.at(2))};
}

const ColorSpace& space(const QString& name) {
    const ColorSpace* found = FindColorSpace(name.toStdString());
    if (!found)
        qFatal("no colour space %s", qPrintable(name));
    return *found;
}

double hueDistance(double hue, double other) {
    const double difference = std::fmod(std::abs(hue - other), 360);
    return std::min(difference, 360 - difference);
}

// Why a converted colour is farther from the reference than a millionth of what
// 100% stands for per channel, or a hundredth of a degree of hue; empty when it
// is not. A grey (no hue in the reference) must come out with hue 0, and near
// grey, where a hue turns with the last digits, the hue is not compared.
QString mismatch(const ColorSpace& target, const Triple& actual, const Triple& expected) {
    for (std::size_t i = 0; i < 3; ++i) {
        const double tolerance = std::max(target.channels[i].percentReference, 1.0) * 2e-6;
        if (std::cmp_not_equal(i, target.hueChannel) &&
            std::abs(actual[i] - expected[i]) > tolerance)
            return QStringLiteral("channel %1: %2, not %3")
                .arg(i)
                .arg(actual[i], 0, 'g', 12)
                .arg(expected[i], 0, 'g', 12);
    }
    if (!target.polar())
        return {};
    const auto hue = std::size_t(target.hueChannel);
    if (IsMissing(expected[hue]))
        return actual[hue] == 0 ? QString() : QStringLiteral("a grey's hue is %1").arg(actual[hue]);
    Triple known = expected;
    known[hue] = 0;
    if (target.hueIsPowerless(known) || target.hueIsPowerless(actual) ||
        hueDistance(actual[hue], expected[hue]) <= 0.01)
        return {};
    return QStringLiteral("hue %1, not %2").arg(actual[hue]).arg(expected[hue]);
}

// The reference's sRGB 0..1 in screen steps, which a colour must be within one of.
bool withinOneStep(const Channels& actual, const Triple& srgb) {
    for (std::size_t i = 0; i < 3; ++i)
        if (std::abs(actual[i] - std::clamp(srgb[i], 0.0, 1.0) * 255) > 1.5)
            return false;
    return true;
}

} // namespace

class TestColorSpaces : public QObject {
    Q_OBJECT

private slots:
    // Every CSS colour name and colours sampled in every space, converted to
    // every other space, against colorjs.io's answers.
    void convertsAsTheReferenceDoes_data() {
        QTest::addColumn<QString>("target");
        for (const ColorSpace& target : ColorSpaces())
            QTest::newRow(target.name.data()) << QString::fromUtf8(target.name.data());
    }
    void convertsAsTheReferenceDoes() {
        QFETCH(QString, target);
        int compared = 0;
        for (const QStringList& row : referenceRows("convert")) {
            if (row[3] != target)
                continue;
            const Triple actual = ConvertColour(space(row[1]), tripleOf(row[2]), space(target));
            const QString why = mismatch(space(target), actual, tripleOf(row[4]));
            if (!why.isEmpty())
                QFAIL(qPrintable(row[1] + " " + row[2] + " to " + target + ": " + why));
            ++compared;
        }
        QVERIFY(compared > 150);
    }

    // Colours beyond the screen, mapped by CSS Color 4's gamut mapping, agree
    // with colorjs.io and culori (where it gives an answer) within one step.
    void mapsOntoTheScreenAsTheReferencesDo_data() {
        QTest::addColumn<QStringList>("row");
        for (const QStringList& row : referenceRows("map"))
            QTest::newRow(qPrintable(row[1] + " " + row[2])) << row;
    }
    void mapsOntoTheScreenAsTheReferencesDo() {
        QFETCH(QStringList, row);
        const ScreenColour mapped = ToScreen(space(row[1]), tripleOf(row[2]));
        QVERIFY2(withinOneStep(mapped.colour, tripleOf(row[3])), "differs from colorjs.io");
        if (!row[4].startsWith(QLatin1String("none")))
            QVERIFY2(withinOneStep(mapped.colour, tripleOf(row[4])), "differs from culori");
        QCOMPARE(mapped.wasOutside, std::ranges::any_of(tripleOf(row[5]), [](double channel) {
                     return channel * 255 < -0.5 || channel * 255 > 255.5;
                 }));
    }

    // What the dialog writes, as a browser writes a computed colour.
    void writesAsBrowsersDo_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Triple>("coordinates");
        QTest::addColumn<QString>("expected");
        QTest::newRow("oklch of red")
            << "oklch" << Triple{0.627955, 0.257683, 29.2339} << "oklch(0.628 0.25768 29.23)";
        QTest::newRow("none") << "oklch" << Triple{0.5, Missing, 120} << "oklch(0.5 none 120)";
        QTest::newRow("a full turn is 0") << "lch" << Triple{50, 30, 359.9999} << "lch(50 30 0)";
        QTest::newRow("hwb in percent") << "hwb" << Triple{200, 12.36, 40} << "hwb(200 12.4% 40%)";
        QTest::newRow("color() for a space without a function")
            << "display-p3" << Triple{1, 0.5, 0} << "color(display-p3 1 0.5 0)";
    }
    void writesAsBrowsersDo() {
        QFETCH(QString, form);
        QFETCH(Triple, coordinates);
        QTEST(QString::fromStdString(SerialiseColour(space(form), coordinates)), "expected");
    }

    // color-mix() against colorjs.io's interpolation: hue ways, greys, `none`
    // carried, alpha premultiplied.
    void mixesAsTheReferenceDoes_data() {
        QTest::addColumn<QStringList>("row");
        int index = 0;
        for (const QStringList& row : referenceRows("mix"))
            QTest::addRow("%d %s %s", ++index, qPrintable(row[1]), qPrintable(row[2])) << row;
    }
    void mixesAsTheReferenceDoes() {
        QFETCH(QStringList, row);
        const ColorSpace& in = space(row[1]);
        const QStringList ways{"shorter", "longer", "increasing", "decreasing"};
        const auto way = HueInterpolation(ways.indexOf(row[2]));
        const SpacedColour first{&space(row[3]), tripleOf(row[4]), numberOf(row[5])};
        const SpacedColour second{&space(row[6]), tripleOf(row[7]), numberOf(row[8])};
        const double amount = row[9].toDouble();
        const auto mixed = MixColours(in, way, first, (1 - amount) * 100, second, amount * 100);
        QVERIFY(mixed);
        QCOMPARE(mixed->space, &in);
        const Triple expected = tripleOf(row[10]);
        for (std::size_t i = 0; i < 3; ++i) {
            const double got = mixed->coordinates[i];
            const double off = std::cmp_equal(i, in.hueChannel) ? hueDistance(got, expected[i])
                                                                : std::abs(got - expected[i]);
            QVERIFY2(
                IsMissing(expected[i])
                    ? IsMissing(got)
                    : off < 1e-4 * std::max(in.channels[i].percentReference, 1.0),
                qPrintable(
                    QStringLiteral("channel %1 is %2, not %3").arg(i).arg(got).arg(expected[i])));
        }
        QCOMPARE_LT(std::abs(mixed->alpha - row[11].toDouble()), 1e-9);
    }
};

QTEST_APPLESS_MAIN(TestColorSpaces)
#include "tst_colorspaces.moc"
