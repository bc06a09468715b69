#include "ColorMix.h"
#include "ColorSpaces.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace hueprobe;

Q_DECLARE_METATYPE(hueprobe::Triple)
Q_DECLARE_METATYPE(hueprobe::Channels)

namespace {

// One line of tests/core/data/colour-spaces.tsv, answers of two colour
// libraries made by tools/make-colour-space-reference.
using ReferenceRow = QStringList;

std::vector<ReferenceRow> referenceRows(const QString& kind) {
    QFile file(QStringLiteral(COLOUR_SPACES_DATA));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", COLOUR_SPACES_DATA);
    std::vector<ReferenceRow> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first() == kind)
            rows.push_back(fields);
    }
    return rows;
}

Triple tripleOf(const QString& text) {
    const QStringList numbers = text.split(QLatin1Char(' '));
    Triple result{};
    for (std::size_t i = 0; i < 3; ++i)
        result[i] = numbers[qsizetype(i)] == QLatin1String("none")
                        ? Missing
                        : numbers[qsizetype(i)].toDouble();
    return result;
}

double numberOf(const QString& text) {
    return text == QLatin1String("none") ? Missing : text.toDouble();
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

// How far a converted colour may be from the reference, per channel, in the
// channel's own units: a millionth of what 100% stands for, and for a hue a
// hundredth of a degree, unless the colour is so grey that its hue means nothing.
bool closeEnough(const ColorSpace& target, const Triple& actual, const Triple& expected,
                 QString& why) {
    for (std::size_t i = 0; i < 3; ++i) {
        const ChannelInfo& channel = target.channels[i];
        if (channel.kind == ChannelKind::Hue)
            continue;
        const double tolerance = std::max(channel.percentReference, 1.0) * 2e-6;
        if (std::abs(actual[i] - expected[i]) > tolerance) {
            why = QStringLiteral("channel %1: %2 instead of %3")
                      .arg(i)
                      .arg(actual[i], 0, 'g', 12)
                      .arg(expected[i], 0, 'g', 12);
            return false;
        }
    }
    if (!target.polar())
        return true;
    const auto hue = std::size_t(target.hueChannel);
    if (IsMissing(expected[hue])) {
        if (actual[hue] != 0) {
            why = QStringLiteral("a grey's hue came out %1, not 0").arg(actual[hue]);
            return false;
        }
        return true;
    }
    Triple known = expected;
    known[hue] = 0;
    // Near grey a hue turns with the last digits; compare it only where it shows.
    const double turnWithin = target.hueIsPowerless(known) ? 360 : 0.01;
    if (!target.hueIsPowerless(actual) && hueDistance(actual[hue], expected[hue]) > turnWithin) {
        why = QStringLiteral("hue %1 instead of %2").arg(actual[hue]).arg(expected[hue]);
        return false;
    }
    return true;
}

// The reference's answer in screen steps; -1 each where it gave none.
Channels rounded(const Triple& srgb) {
    if (IsMissing(srgb[0]))
        return {-1, -1, -1};
    Channels channels{};
    for (std::size_t i = 0; i < 3; ++i)
        channels[i] = Int16(std::lround(std::clamp(srgb[i], 0.0, 1.0) * 255));
    return channels;
}

bool withinOneStep(const Channels& actual, const Channels& expected) {
    for (std::size_t i = 0; i < 3; ++i)
        if (std::abs(actual[i] - expected[i]) > 1)
            return false;
    return true;
}

std::string channelsText(const Channels& colour) {
    return std::to_string(colour[0]) + " " + std::to_string(colour[1]) + " " +
           std::to_string(colour[2]);
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
        for (const ReferenceRow& row : referenceRows(QStringLiteral("convert"))) {
            if (row[3] != target)
                continue;
            const ColorSpace& from = space(row[1]);
            const Triple actual = ConvertColour(from, tripleOf(row[2]), space(target));
            QString why;
            if (!closeEnough(space(target), actual, tripleOf(row[4]), why))
                QFAIL(qPrintable(row[1] + " " + row[2] + " to " + target + ": " + why));
            ++compared;
        }
        QVERIFY(compared > 150);
    }

    // Colours beyond the screen, mapped by CSS Color 4's gamut mapping, agree
    // with colorjs.io and culori within one step per channel.
    void mapsOntoTheScreenAsTheReferencesDo_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Triple>("coordinates");
        QTest::addColumn<Channels>("byColorjs");
        QTest::addColumn<Channels>("byCulori");
        QTest::addColumn<bool>("outside");
        for (const ReferenceRow& row : referenceRows(QStringLiteral("map"))) {
            const Triple plain = tripleOf(row[5]);
            const bool outside = std::ranges::any_of(plain, [](double channel) {
                return channel * 255 < -0.5 || channel * 255 > 255.5;
            });
            QTest::newRow(qPrintable(row[1] + " " + row[2]))
                << row[1] << tripleOf(row[2]) << rounded(tripleOf(row[3]))
                << rounded(tripleOf(row[4])) << outside;
        }
    }
    void mapsOntoTheScreenAsTheReferencesDo() {
        QFETCH(QString, from);
        QFETCH(Triple, coordinates);
        QFETCH(Channels, byColorjs);
        QFETCH(Channels, byCulori);
        QFETCH(bool, outside);
        const ScreenColour mapped = ToScreen(space(from), coordinates);
        const std::string got = channelsText(mapped.colour);
        QVERIFY2(withinOneStep(mapped.colour, byColorjs),
                 (got + " against colorjs.io's " + channelsText(byColorjs)).c_str());
        if (byCulori != Channels{-1, -1, -1})
            QVERIFY2(withinOneStep(mapped.colour, byCulori),
                     (got + " against culori's " + channelsText(byCulori)).c_str());
        QCOMPARE(mapped.wasOutside, outside);
    }

    // Worked examples of CSS Color 4: the same colours written in lab() and lch(),
    // and in oklab() and oklch().
    void polarFormsMatchTheWorkedExamples_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Triple>("coordinates");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Triple>("expected");
        // Half the last digit the examples write, per channel.
        QTest::addColumn<Triple>("tolerance");
        const Triple lch{1e-4, 0.05, 0.5};
        const Triple oklch{1e-5, 5e-5, 0.05};
        QTest::newRow("lab dark red") << "lab" << Triple{29.2345, 39.3825, 20.0664} << "lch"
                                      << Triple{29.2345, 44.2, 27} << lch;
        QTest::newRow("lab orange") << "lab" << Triple{52.2345, 40.1645, 59.9971} << "lch"
                                    << Triple{52.2345, 72.2, 56.2} << lch;
        QTest::newRow("lab yellow") << "lab" << Triple{60.2345, -5.3654, 58.956} << "lch"
                                    << Triple{60.2345, 59.2, 95.2} << lch;
        QTest::newRow("lab green") << "lab" << Triple{62.2345, -34.9638, 47.7721} << "lch"
                                   << Triple{62.2345, 59.2, 126.2} << lch;
        QTest::newRow("lab blue") << "lab" << Triple{67.5345, -8.6911, -41.6019} << "lch"
                                  << Triple{67.5345, 42.5, 258.2} << lch;
        QTest::newRow("oklab dark red") << "oklab" << Triple{0.40101, 0.1147, 0.0453} << "oklch"
                                        << Triple{0.40101, 0.12332, 21.555} << oklch;
        QTest::newRow("oklab orange") << "oklab" << Triple{0.59686, 0.1009, 0.1192} << "oklch"
                                      << Triple{0.59686, 0.15619, 49.7694} << oklch;
        QTest::newRow("oklab yellow") << "oklab" << Triple{0.65125, -0.0320, 0.1274} << "oklch"
                                      << Triple{0.65125, 0.13138, 104.097} << oklch;
        QTest::newRow("oklab green") << "oklab" << Triple{0.66016, -0.1084, 0.1114} << "oklch"
                                     << Triple{0.66016, 0.15546, 134.231} << oklch;
        QTest::newRow("oklab blue") << "oklab" << Triple{0.72322, -0.0465, -0.1150} << "oklch"
                                    << Triple{0.72322, 0.12403, 247.996} << oklch;
    }
    void polarFormsMatchTheWorkedExamples() {
        QFETCH(QString, from);
        QFETCH(Triple, coordinates);
        QFETCH(QString, to);
        QFETCH(Triple, expected);
        QFETCH(Triple, tolerance);
        const Triple actual = ConvertColour(space(from), coordinates, space(to));
        for (std::size_t i = 0; i < 3; ++i)
            QVERIFY2(std::abs(actual[i] - expected[i]) <= tolerance[i],
                     qPrintable(QStringLiteral("channel %1 is %2").arg(i).arg(actual[i])));
        // And back again.
        const Triple back = ConvertColour(space(to), actual, space(from));
        for (std::size_t i = 0; i < 3; ++i)
            QVERIFY(std::abs(back[i] - coordinates[i]) < 1e-7);
    }

    // What the dialog writes, as a browser writes a computed colour.
    void writesAsBrowsersDo_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Triple>("coordinates");
        QTest::addColumn<QString>("expected");
        QTest::newRow("oklch of red")
            << "oklch" << Triple{0.627955, 0.257683, 29.2339} << "oklch(0.628 0.25768 29.23)";
        QTest::newRow("trailing zeros dropped")
            << "lab" << Triple{50, 20.5, -0.001} << "lab(50 20.5 0)";
        QTest::newRow("none") << "oklch" << Triple{0.5, Missing, 120} << "oklch(0.5 none 120)";
        QTest::newRow("a full turn is 0") << "lch" << Triple{50, 30, 359.9999} << "lch(50 30 0)";
        QTest::newRow("hwb in percent") << "hwb" << Triple{200, 12.36, 40} << "hwb(200 12.4% 40%)";
        QTest::newRow("color() for a space without a function")
            << "display-p3" << Triple{1, 0.5, 0} << "color(display-p3 1 0.5 0)";
        QTest::newRow("rgb() in 0..255") << "srgb" << Triple{1, 0.5, 0} << "rgb(255 128 0)";
    }
    void writesAsBrowsersDo() {
        QFETCH(QString, form);
        QFETCH(Triple, coordinates);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(SerialiseColour(space(form), coordinates)), expected);
    }

    // A grey reached from another space has hue 0; within its own space a
    // written hue stays, as the relative syntax reads it back.
    void aGreysHueIsZeroUnlessWritten_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Triple>("coordinates");
        QTest::addColumn<QString>("to");
        QTest::addColumn<double>("hue");
        QTest::newRow("grey to oklch") << "srgb" << Triple{0.5, 0.5, 0.5} << "oklch" << 0.0;
        QTest::newRow("white to lch") << "srgb" << Triple{1, 1, 1} << "lch" << 0.0;
        QTest::newRow("black to hsl") << "display-p3" << Triple{0, 0, 0} << "hsl" << 0.0;
        QTest::newRow("within oklch") << "oklch" << Triple{0.5, 0, 120} << "oklch" << 120.0;
        QTest::newRow("none within hwb") << "hwb" << Triple{Missing, 50, 50} << "hwb" << 0.0;
    }
    void aGreysHueIsZeroUnlessWritten() {
        QFETCH(QString, from);
        QFETCH(Triple, coordinates);
        QFETCH(QString, to);
        QFETCH(double, hue);
        const ColorSpace& target = space(to);
        QCOMPARE(ConvertColour(space(from), coordinates, target)[std::size_t(target.hueChannel)],
                 hue);
    }

    // color-mix() against colorjs.io's interpolation: hue ways, greys, `none`
    // carried, alpha premultiplied.
    void mixesAsTheReferenceDoes_data() {
        QTest::addColumn<ReferenceRow>("row");
        int index = 0;
        for (const ReferenceRow& row : referenceRows(QStringLiteral("mix")))
            QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(++index).arg(row[1], row[2])))
                << row;
    }
    void mixesAsTheReferenceDoes() {
        QFETCH(ReferenceRow, row);
        const ColorSpace& in = space(row[1]);
        const HueInterpolation way =
            row[2] == QLatin1String("longer")       ? HueInterpolation::Longer
            : row[2] == QLatin1String("increasing") ? HueInterpolation::Increasing
            : row[2] == QLatin1String("decreasing") ? HueInterpolation::Decreasing
                                                    : HueInterpolation::Shorter;
        const SpacedColour first{&space(row[3]), tripleOf(row[4]), numberOf(row[5])};
        const SpacedColour second{&space(row[6]), tripleOf(row[7]), numberOf(row[8])};
        const double amount = row[9].toDouble();
        const auto mixed = MixColours(in, way, first, (1 - amount) * 100, second, amount * 100);
        QVERIFY(mixed);
        QCOMPARE(mixed->space, &in);
        const Triple expected = tripleOf(row[10]);
        for (std::size_t i = 0; i < 3; ++i) {
            const double got = mixed->coordinates[i];
            if (IsMissing(expected[i])) {
                QVERIFY2(IsMissing(got),
                         qPrintable(QStringLiteral("channel %1 is %2").arg(i).arg(got)));
                continue;
            }
            const double difference = std::cmp_equal(i, in.hueChannel)
                                          ? hueDistance(got, expected[i])
                                          : std::abs(got - expected[i]);
            QVERIFY2(
                difference < 1e-4 * std::max(in.channels[i].percentReference, 1.0),
                qPrintable(
                    QStringLiteral("channel %1 is %2, not %3").arg(i).arg(got).arg(expected[i])));
        }
        QCOMPARE_LT(std::abs(mixed->alpha - row[11].toDouble()), 1e-9);
    }

    // The rules of CSS Color 4 and 5 for `none`, worked by hand where the
    // reference library loses values.
    void missingChannelsTakeTheOtherColours_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<Triple>("first");
        QTest::addColumn<double>("firstAlpha");
        QTest::addColumn<Triple>("second");
        QTest::addColumn<double>("secondAlpha");
        QTest::addColumn<Triple>("expected");
        QTest::addColumn<double>("expectedAlpha");
        QTest::newRow("srgb, one none each")
            << "srgb" << Triple{Missing, 0.2, 0.4} << 1.0 << Triple{0.8, 0.6, Missing} << 1.0
            << Triple{0.8, 0.4, 0.4} << 1.0;
        QTest::newRow("hsl, hue and lightness")
            << "hsl" << Triple{Missing, 50, 50} << 1.0 << Triple{120, 80, Missing} << 1.0
            << Triple{120, 65, 50} << 1.0;
        QTest::newRow("alpha none takes the other's")
            << "srgb" << Triple{1, 0, 0} << Missing << Triple{0, 0, 1} << 0.5 << Triple{0.5, 0, 0.5}
            << 0.5;
        QTest::newRow("alpha missing in both stays missing")
            << "srgb" << Triple{1, 0, 0} << Missing << Triple{0, 0, 1} << Missing
            << Triple{0.5, 0, 0.5} << Missing;
        QTest::newRow("missing in both stays missing")
            << "oklab" << Triple{Missing, 0.1, 0} << 1.0 << Triple{Missing, 0, 0.1} << 1.0
            << Triple{Missing, 0.05, 0.05} << 1.0;
    }
    void missingChannelsTakeTheOtherColours() {
        QFETCH(QString, in);
        QFETCH(Triple, first);
        QFETCH(double, firstAlpha);
        QFETCH(Triple, second);
        QFETCH(double, secondAlpha);
        QFETCH(Triple, expected);
        QFETCH(double, expectedAlpha);
        const ColorSpace& mixing = space(in);
        const auto mixed =
            MixColours(mixing, HueInterpolation::Shorter, {&mixing, first, firstAlpha},
                       std::nullopt, {&mixing, second, secondAlpha}, std::nullopt);
        QVERIFY(mixed);
        for (std::size_t i = 0; i < 3; ++i) {
            if (IsMissing(expected[i]))
                QVERIFY(IsMissing(mixed->coordinates[i]));
            else
                QCOMPARE_LT(std::abs(mixed->coordinates[i] - expected[i]), 1e-9);
        }
        if (IsMissing(expectedAlpha))
            QVERIFY(IsMissing(mixed->alpha));
        else
            QCOMPARE_LT(std::abs(mixed->alpha - expectedAlpha), 1e-9);
    }

    // The percentages of color-mix(), as CSS Color 5 normalises them.
    void normalisesThePercentages_data() {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<double>("expectedRed");
        QTest::addColumn<double>("expectedAlpha");
        constexpr double absent = -1;
        QTest::newRow("both absent") << absent << absent << 0.5 << 1.0;
        QTest::newRow("first only") << 30.0 << absent << 0.3 << 1.0;
        QTest::newRow("second only") << absent << 30.0 << 0.7 << 1.0;
        QTest::newRow("scaled up, alpha lowered") << 20.0 << 60.0 << 0.25 << 0.8;
        QTest::newRow("scaled down") << 150.0 << 50.0 << absent << absent;
        QTest::newRow("more than 100 together") << 80.0 << 70.0 << 80.0 / 150 << 1.0;
        QTest::newRow("sum of 0") << 0.0 << 0.0 << absent << absent;
    }
    void normalisesThePercentages() {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(double, expectedRed);
        QFETCH(double, expectedAlpha);
        auto percent = [](double value) { return value < 0 ? std::nullopt : std::optional(value); };
        const ColorSpace& srgb = SrgbSpace();
        const auto mixed = MixColours(srgb, HueInterpolation::Shorter, {&srgb, {1, 0, 0}, 1},
                                      percent(first), {&srgb, {0, 0, 1}, 1}, percent(second));
        QCOMPARE(mixed.has_value(), expectedRed >= 0);
        if (!mixed)
            return;
        QCOMPARE_LT(std::abs(mixed->coordinates[0] - expectedRed), 1e-12);
        QCOMPARE_LT(std::abs(mixed->alpha - expectedAlpha), 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestColorSpaces)
#include "tst_colorspaces.moc"
