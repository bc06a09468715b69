#include "ColorChart.h"

#include <QColor>
#include <QSet>
#include <QTest>

using namespace hueprobe;

class TestColorChart : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1 = {}; }
    void everyRowIsTheWebColourOfItsName();
    void holdsEveryWebColourOnceBesidesSpellingVariants();
    void lookUp_data();
    void lookUp();
    void noSelectionReusesTheLastLookUp();
};

namespace {

QString nameOf(const ChartRow& row) {
    return QString::fromLatin1(row.name.data(), qsizetype(row.name.size()));
}

QString hexOf(const ChartRow& row) {
    return QString::fromLatin1(row.hex.data(), qsizetype(row.hex.size()));
}

} // namespace

void TestColorChart::everyRowIsTheWebColourOfItsName() {
    QCOMPARE(ColorChart.size(), std::size_t(140));
    QCOMPARE(nameOf(ColorChart.front()), QStringLiteral("White"));
    QCOMPARE(nameOf(ColorChart.back()), QStringLiteral("MediumSlateBlue"));
    QSet<QString> names;
    for (const ChartRow& row : ColorChart) {
        const QString name = nameOf(row);
        QVERIFY2(!names.contains(name), qPrintable("listed twice: " + name));
        names.insert(name);
        // Qt's table of web colour names is independent of ours.
        const QColor web = QColor::fromString(name);
        QVERIFY2(web.isValid(), qPrintable("not a web colour name: " + name));
        QCOMPARE(hexOf(row).size(), 6);
        QCOMPARE(QStringLiteral("#") + hexOf(row), web.name());
    }
}

void TestColorChart::holdsEveryWebColourOnceBesidesSpellingVariants() {
    QSet<QString> listed;
    for (const ChartRow& row : ColorChart)
        listed.insert(nameOf(row).toLower());
    QStringList absent;
    for (const QString& name : QColor::colorNames()) {
        if (!listed.contains(name))
            absent.append(name);
    }
    // Web pages also know the British "grey" spellings, a colour added to
    // the web later, and "transparent"; the chart lists each colour once.
    for (const QString& name : absent) {
        const bool greySpelling = name.contains(QStringLiteral("grey")) &&
                                  listed.contains(QString(name).replace("grey", "gray"));
        QVERIFY2(greySpelling || name == "rebeccapurple" || name == "transparent",
                 qPrintable("missing from the chart: " + name));
    }
}

void TestColorChart::lookUp_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::newRow("Coral") << "Coral" << 255 << 127 << 80;
    QTest::newRow("Cyan") << "Cyan" << 0 << 255 << 255;
    QTest::newRow("Aqua") << "Aqua" << 0 << 255 << 255;
    QTest::newRow("Magenta") << "Magenta" << 255 << 0 << 255;
    QTest::newRow("Fuchsia") << "Fuchsia" << 255 << 0 << 255;
    QTest::newRow("Green") << "Green" << 0 << 128 << 0;
    QTest::newRow("Black") << "Black" << 0 << 0 << 0;
    QTest::newRow("PapayaWhip") << "PapayaWhip" << 255 << 239 << 213;
    QTest::newRow("DarkOrchid") << "DarkOrchid" << 153 << 50 << 204;
}

void TestColorChart::lookUp() {
    QFETCH(QString, name);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    const int index = chartRowNamed(name.toStdString());
    QVERIFY(index >= 0);
    Color140(index);
    QCOMPARE(Module1.intColor, (Channels{Int16(red), Int16(green), Int16(blue)}));
    QCOMPARE(QString::fromStdString(Module1.strColor140), hexOf(ColorChart.at(std::size_t(index))));
}

void TestColorChart::noSelectionReusesTheLastLookUp() {
    Module1.intColor = {1, 2, 3};
    Color140(-1);
    QCOMPARE(Module1.intColor, (Channels{0, 0, 0}));

    Color140(112); // Coral
    Module1.intColor = {1, 2, 3};
    Color140(-1);
    QCOMPARE(Module1.intColor, (Channels{255, 127, 80}));
    Color140(ColorChartRows);
    QCOMPARE(Module1.intColor, (Channels{255, 127, 80}));
}

QTEST_APPLESS_MAIN(TestColorChart)
#include "tst_colorchart.moc"
