// The program's identity: its name and version on the application object, and
// the icon that every window shows unless it has its own.
#include "Application.h"
#include "frmMain.h"
#include "frmVersion.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <QTest>

using namespace hueprobe;

class TestApplication : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { identifyApplication(); }

    void carriesNameAndVersion() {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Hueprobe"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    }

    void theMainWindowAndTheVersionDialogShowTheIcon() {
        QCOMPARE(QApplication::windowIcon().cacheKey(), appIcon().cacheKey());
        frmMain main;
        QCOMPARE(main.windowIcon().cacheKey(), appIcon().cacheKey());
        frmVersion* version = frmVersion::Show();
        QCOMPARE(version->windowIcon().cacheKey(), appIcon().cacheKey());
        frmVersion::Unload();
    }

    void iconIs32By32In16ColoursOnATransparentBackground() {
        QCOMPARE(appIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        const QImage image = appIcon().pixmap(32, 32).toImage();
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 15).alpha(), 0);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() <= 16);
        QVERIFY(colours.size() > 8); // the letters each have their own colour
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
