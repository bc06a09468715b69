// Each chart row against Qt's own table of web colour names.
#include "ColorChart.h"

#include <QColor>
#include <QSet>
#include <QTest>

using namespace hueprobe;

class ColorChartTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1 = {}; }

    void eachRowTakesTheWebColourOfItsName() {
        QSet<QString> names;
        for (int row = 0; row < ColorChartRows; ++row) {
            const auto name = QString::fromLatin1(ColorChart.at(std::size_t(row)).name.data());
            QVERIFY2(!names.contains(name), qPrintable("listed twice: " + name));
            names.insert(name);
            const QColor web(name);
            QVERIFY2(web.isValid(), qPrintable("not a web colour: " + name));
            Color140(row);
            QCOMPARE(Module1.intColor,
                     (Channels{Int16(web.red()), Int16(web.green()), Int16(web.blue())}));
        }
    }

    // No row picked: the last colour looked up again, black before any.
    void noRowReusesTheLastLookUp() {
        Color140(-1);
        QCOMPARE(Module1.intColor, (Channels{0, 0, 0}));
        Color140(112); // Coral
        Module1.intColor = {1, 2, 3};
        Color140(-1);
        QCOMPARE(Module1.intColor, (Channels{255, 127, 80}));
    }
};

QTEST_APPLESS_MAIN(ColorChartTest)
#include "tst_colorchart.moc"
