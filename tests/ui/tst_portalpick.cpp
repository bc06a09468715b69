// Taking a colour in a Wayland session from a stand-in for the desktop's portal on
// a private bus: a colour, a cancel, no or a silent portal, answers without a colour;
// and a colour taken into 文字と背景's second colour, the current colour untouched.
#include "frmMain.h"
#include "frmPair.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace hueprobe;

static QMessageBox* notice() {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    return nullptr;
}

class PortalPickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pick_data();
    void pick();
    void pickTheSecondColour();

private:
    QString swatch() const { return window->findChild<QLabel*>("lblColor")->text(); }

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

void PortalPickTest::pick_data() {
    QTest::addColumn<QString>("behaviour"); // of the stand-in; none: no portal at all
    QTest::addColumn<QString>("swatch");    // afterwards; 123456 is the colour before
    QTest::addColumn<QString>("says");      // part of the message; empty: no message
    // clang-format off
    const QList<QStringList> rows = {
        {"none", "123456", "xdg-desktop-portal-gnome"}, {"old", "123456", "xdg-desktop-portal-gnome"},
        {"colour", "8033FF", ""}, {"cancel", "123456", ""}, {"ended", "123456", "取り終えられません"},
        {"nocolor", "123456", "色が読めない"}, {"wrongtype", "123456", "色が読めない"},
        {"below", "123456", "色が読めない"}, {"above", "123456", "色が読めない"},
        {"nan", "123456", "色が読めない"}, {"never", "123456", "答えない"}};
    // clang-format on
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row.at(0))) << row.at(0) << row.at(1) << row.at(2);
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

void PortalPickTest::pickTheSecondColour() {
    QProcess standIn;
    standIn.start(STAND_IN, {"colour"});
    QVERIFY(standIn.waitForReadyRead() && standIn.readLine() == "ready\n");
    window->TakeColour({0x12, 0x34, 0x56});
    window->findChild<QAction*>("mnuPair")->trigger();
    frmPair* dialog = frmPair::ShownInstance();
    dialog->findChild<QPushButton*>("cmdPick")->click();
    QTRY_COMPARE_WITH_TIMEOUT(dialog->findChild<QLabel*>("lblSecond")->text(),
                              QStringLiteral("#8033ff"), 15'000);
    QCOMPARE(swatch(), QStringLiteral("123456"));
    frmPair::Unload();
}

QTEST_MAIN(PortalPickTest)
#include "tst_portalpick.moc"
