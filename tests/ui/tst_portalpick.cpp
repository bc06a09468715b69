// Taking a colour in a Wayland session through the desktop's portal, on a private
// bus. The real xdg-desktop-portal takes the call, makes the request object and
// sends its Response, in front of a stand-in backend: a colour, a cancel, a pick
// ended unfinished, a colour that cannot be read, no backend for the desktop. A
// stand-in for the front end itself gives what the real one never does: no portal
// at all, one that never answers, one too old to pick, and a Response sent before
// the reply.
#include "Controls.h"
#include "frmMain.h"
#include "frmPair.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace hueprobe;
using hueprobe::testing::choose;
using hueprobe::testing::control;
using hueprobe::testing::shownNotice;

namespace {

const QString PortalService = "org.freedesktop.portal.Desktop";
const QString Desktop = "hueprobetest"; // the session's desktop, which the backend serves

bool portalServes() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(PortalService);
}

void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(text), text.size());
}

// Names the stand-in backend for the test desktop: 1.16 reads the .portal files
// alone; from 1.18 on, the desktop's portals.conf chooses among them, and both are
// read from XDG_DESKTOP_PORTAL_DIR when it is set.
void nameTheBackend(const QString& folder) {
    write(folder + "/hueprobetest.portal",
          "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.hueprobetest\n"
          "Interfaces=org.freedesktop.impl.portal.Screenshot;"
          "org.freedesktop.impl.portal.Access;\nUseIn=" +
              Desktop.toUtf8() + "\n");
    write(folder + "/" + Desktop + "-portals.conf",
          "[preferred]\ndefault=" + Desktop.toUtf8() + "\n");
}

} // namespace

class PortalPickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pick_data();
    void pick();
    void pickTheSecondColour();
    void cleanup();

public slots:
    void responded() { ++responses; }

private:
    void startFrontEnd(const QString& backend);
    void startStandIn(QProcess& process, const QString& program, const QString& behaviour);
    void pickAndExpect(const QString& swatch, const QString& says);
    QString swatch() const { return control<QLabel>(window.get(), "lblColor")->text(); }

    QProcess bus;
    QProcess frontEnd;
    QProcess backend;
    QProcess standIn;
    std::unique_ptr<QTemporaryDir> setup;
    int responses = 0;
    std::unique_ptr<frmMain> window;
};

void PortalPickTest::initTestCase() {
    bus.start("dbus-daemon", {"--nofork", "--print-address", "--config-file=" PRIVATE_BUS});
    QVERIFY(bus.waitForReadyRead());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    qputenv("XDG_SESSION_TYPE", "wayland");
    // Every request's Response, whatever its path: once the test has seen it, the
    // picker's copy waits in the event queue.
    QVERIFY(QDBusConnection::sessionBus().connect(
        PortalService, {}, "org.freedesktop.portal.Request", "Response", this, SLOT(responded())));
    window = std::make_unique<frmMain>();
}

void PortalPickTest::cleanup() {
    if (QTest::currentTestFailed())
        qWarning().noquote() << "xdg-desktop-portal said:" << frontEnd.readAllStandardError();
    if (shownNotice())
        shownNotice()->close();
    for (QProcess* process : {&frontEnd, &backend, &standIn}) {
        process->terminate();
        process->waitForFinished();
    }
    QTRY_VERIFY(!portalServes());
    setup.reset();
}

void PortalPickTest::startStandIn(QProcess& process, const QString& program,
                                  const QString& behaviour) {
    process.start(program, {behaviour});
    QVERIFY(process.waitForReadyRead() && process.readLine() == "ready\n");
}

void PortalPickTest::startFrontEnd(const QString& backendBehaviour) {
    setup = std::make_unique<QTemporaryDir>();
    if (backendBehaviour != "unnamed") { // "unnamed": no backend for the desktop at all
        nameTheBackend(setup->path());
        startStandIn(backend, PORTAL_BACKEND, backendBehaviour);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DESKTOP_PORTAL_DIR", setup->path());
    environment.insert("XDG_CURRENT_DESKTOP", Desktop);
    frontEnd.setProcessEnvironment(environment);
    frontEnd.start(FRONT_END, QStringList{});
    QVERIFY2(frontEnd.waitForStarted(), qPrintable(frontEnd.errorString()));
    QTRY_VERIFY(portalServes());
}

// A silent portal's message waits for the call's own bound.
void PortalPickTest::pickAndExpect(const QString& swatch, const QString& says) {
    window->TakeColour({0x12, 0x34, 0x56});
    responses = 0;
    choose(window.get(), "mnuPick");
    if (says.isEmpty()) {
        QTRY_COMPARE(responses, 1);
        QCoreApplication::processEvents();
        QVERIFY(!shownNotice());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(shownNotice() && shownNotice()->text().contains(says), 12'000);
    }
    QCOMPARE(this->swatch(), swatch);
}

// On the real front end the rows name the backend's behaviour: one that fails,
// dies, is missing or cannot pick ends the request as "ended" does, with the same
// Response. On the stand-in alone they name the stand-in's; none is no portal at
// all. 123456 is the colour before the pick.
void PortalPickTest::pick_data() {
    QTest::addColumn<bool>("realFrontEnd");
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<QString>("swatch"); // afterwards
    QTest::addColumn<QString>("says");   // part of the message; empty: no message
    // clang-format off
    const QList<QStringList> rows = {
        {"real", "colour", "8033FF", ""}, {"real", "cancel", "123456", ""},
        {"real", "ended", "123456", "取り終えられません"},
        {"real", "nocolor", "123456", "色が読めない"}, {"real", "wrongtype", "123456", "色が読めない"},
        {"real", "below", "123456", "色が読めない"}, {"real", "above", "123456", "色が読めない"},
        {"real", "nan", "123456", "色が読めない"},
        // No backend for the desktop: the front end offers no Screenshot portal.
        {"real", "unnamed", "123456", "機能がありません"},
        {"stand-in", "none", "123456", "見つからない"}, {"stand-in", "never", "123456", "答えない"},
        {"stand-in", "old", "123456", "機能がありません"},
        // Its Response comes before its reply, as a quick portal's may.
        {"stand-in", "colour", "8033FF", ""}};
    // clang-format on
    for (const QStringList& row : rows)
        QTest::addRow("%s %s", qPrintable(row.at(0)), qPrintable(row.at(1)))
            << (row.at(0) == "real") << row.at(1) << row.at(2) << row.at(3);
}

void PortalPickTest::pick() {
    QFETCH(bool, realFrontEnd);
    QFETCH(QString, behaviour);
    QFETCH(QString, swatch);
    QFETCH(QString, says);
    if (realFrontEnd && QString(FRONT_END).isEmpty())
        QSKIP("xdg-desktop-portal is not installed (tools/install-deps test installs it)");
    if (realFrontEnd)
        startFrontEnd(behaviour);
    else if (behaviour != "none")
        startStandIn(standIn, STAND_IN, behaviour);
    pickAndExpect(swatch, says);
    if (realFrontEnd && behaviour != "unnamed") { // the front end asked the backend
        QTRY_VERIFY(backend.canReadLine());
        QCOMPARE(backend.readLine(), "asked\n");
    }
}

// 文字と背景 takes its second colour through the same portal, leaving the current one.
void PortalPickTest::pickTheSecondColour() {
    if (QString(FRONT_END).isEmpty())
        QSKIP("xdg-desktop-portal is not installed (tools/install-deps test installs it)");
    startFrontEnd("colour");
    window->TakeColour({0x12, 0x34, 0x56});
    choose(window.get(), "mnuPair");
    frmPair* dialog = frmPair::ShownInstance();
    control<QPushButton>(dialog, "cmdPick")->click();
    QTRY_COMPARE_WITH_TIMEOUT(control<QLabel>(dialog, "lblSecond")->text(),
                              QStringLiteral("#8033ff"), 15'000);
    QCOMPARE(swatch(), QStringLiteral("123456"));
    frmPair::Unload();
}

QTEST_MAIN(PortalPickTest)
#include "tst_portalpick.moc"
