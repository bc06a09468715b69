// Taking a colour from the screen in a Wayland session, through a stand-in for
// the desktop's portal on a private session bus: a colour, a cancel, a missing
// or silent portal, and answers that carry no usable colour.
#include "frmMain.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

using namespace hueprobe;

class PortalPickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pick_data();
    void pick();

private:
    QString swatch() const { return window->findChild<QLabel*>("lblColor")->text(); }
    static QMessageBox* notice();

    QProcess bus;
    std::unique_ptr<frmMain> window;
};

void PortalPickTest::initTestCase() {
    bus.start("dbus-daemon", {"--nofork", "--print-address", "--config-file=" PRIVATE_BUS});
    QVERIFY(bus.waitForReadyRead());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    qputenv("XDG_SESSION_TYPE", "wayland");
    window = std::make_unique<frmMain>();
}

QMessageBox* PortalPickTest::notice() {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    return nullptr;
}

void PortalPickTest::pick_data() {
    QTest::addColumn<QString>("behaviour"); // of the stand-in; none: no portal at all
    QTest::addColumn<QString>("swatch");    // afterwards; 123456 is the colour before
    QTest::addColumn<QString>("says");      // part of the message; empty: no message
    const QString provider = "xdg-desktop-portal-gnome";
    const QString unreadable = "色が読めない";
    QTest::newRow("no portal") << "none"
                               << "123456" << provider;
    QTest::newRow("no PickColor") << "old"
                                  << "123456" << provider;
    QTest::newRow("colour, rounded") << "colour"
                                     << "8033FF"
                                     << "";
    QTest::newRow("cancel") << "cancel"
                            << "123456"
                            << "";
    QTest::newRow("ended otherwise") << "ended"
                                     << "123456"
                                     << "取り終えられません";
    QTest::newRow("no color") << "nocolor"
                              << "123456" << unreadable;
    QTest::newRow("wrong type") << "wrongtype"
                                << "123456" << unreadable;
    QTest::newRow("below 0") << "below"
                             << "123456" << unreadable;
    QTest::newRow("above 1") << "above"
                             << "123456" << unreadable;
    QTest::newRow("NaN") << "nan"
                         << "123456" << unreadable;
    QTest::newRow("never answers") << "never"
                                   << "123456"
                                   << "答えない";
}

void PortalPickTest::pick() {
    QFETCH(QString, behaviour);
    QFETCH(QString, swatch);
    QFETCH(QString, says);
    QProcess standIn;
    if (behaviour != "none") {
        standIn.start(STAND_IN, {behaviour});
        QVERIFY(standIn.waitForReadyRead() && standIn.readLine() == "ready\n");
    }
    window->TakeColour({0x12, 0x34, 0x56});
    window->findChild<QAction*>("mnuPick")->trigger();
    if (says.isEmpty()) {
        // The stand-in answered before it could answer this ping: once the ping is
        // back, the answer waits in the event queue.
        QTRY_VERIFY(standIn.canReadLine());
        QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
            "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
            "org.freedesktop.DBus.Peer", "Ping"));
        QCoreApplication::processEvents();
        QCOMPARE(this->swatch(), swatch);
        QVERIFY(!notice());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(notice() && notice()->text().contains(says), 15'000);
        QCOMPARE(this->swatch(), swatch);
        notice()->close();
    }
}

QTEST_MAIN(PortalPickTest)
#include "tst_portalpick.moc"
