// Each installed icon enlarges the 32 x 32 picture pixel for block, unsmoothed,
// so the block letters stay crisp at every size.
#include <QImage>
#include <QTest>

class InstalledIconsTest : public QObject {
    Q_OBJECT

private slots:
    void blockForBlock_data() {
        QTest::addColumn<int>("size");
        for (const QString& size : QStringLiteral(HUEPROBE_ICON_SIZES).split(u','))
            QTest::newRow(qPrintable(size)) << size.toInt();
    }
    void blockForBlock() {
        QFETCH(int, size);
        const QImage original =
            QImage(QStringLiteral(HUEPROBE_ICON_SOURCE)).convertToFormat(QImage::Format_ARGB32);
        const QString path = QStringLiteral(HUEPROBE_ICON_DIR).arg(size);
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!icon.isNull(), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        const int block = size / original.width();
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (icon.pixel(x, y) != original.pixel(x / block, y / block))
                    QFAIL(qPrintable(
                        QStringLiteral("pixel (%1, %2) is not its block's colour").arg(x).arg(y)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(InstalledIconsTest)
#include "tst_installedicons.moc"
