#include <QDir>
#include <QImage>
#include <QTest>

// The installed icons are the 32 x 32 picture and whole-number enlargements of it in
// which every pixel became a square block of one colour: no smoothing, so the block
// letters stay crisp at every size.
class TestInstalledIcons : public QObject {
    Q_OBJECT

private slots:
    void blockForBlock_data();
    void blockForBlock();
};

void TestInstalledIcons::blockForBlock_data() {
    QTest::addColumn<int>("size");
    for (const QByteArray& size : qgetenv("HUEPROBE_ICON_SIZES").split(';'))
        QTest::newRow(size.constData()) << size.toInt();
}

void TestInstalledIcons::blockForBlock() {
    QFETCH(int, size);
    const QImage original =
        QImage(QStringLiteral(HUEPROBE_ICON_SOURCE)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(original.size(), QSize(32, 32));
    const QString path =
        QDir(qEnvironmentVariable("HUEPROBE_ICON_DIR"))
            .filePath(
                QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(QStringLiteral(HUEPROBE_APP_ID)));
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

QTEST_GUILESS_MAIN(TestInstalledIcons)
#include "tst_installedicons.moc"
