// Taking a colour in a Wayland session through the desktop's portal, on a private
// bus. The real xdg-desktop-portal takes the call, makes the request object and
// sends its Response, in front of a stand-in backend: a colour, a cancel, a
// backend that fails, dies, is missing or cannot pick. A stand-in for the front
// end itself gives what the real one never does: no portal at all, one that never
// answers, one too old to pick, and a colour of the wrong type.
#include "frmMain.h"
#include "frmPair.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace hueprobe;

namespace {

const QString PortalService = "org.freedesktop.portal.Desktop";
const QString Desktop = "hueprobetest"; // the session's desktop, which the backend serves

QMessageBox* notice() {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible())
            return box;
    return nullptr;
}

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
    void throughTheDesktopPortal_data();
    void throughTheDesktopPortal();
    void whatOnlyABrokenPortalDoes_data();
    void whatOnlyABrokenPortalDoes();
    void pickTheSecondColour();
    void cleanup();

public slots:
    void responded() { ++responses; }

private:
    void startFrontEnd(const QString& backend);
    void startStandIn(QProcess& process, const QString& program, const QString& behaviour);
    void pickAndExpect(const QString& swatch, const QString& says, int bound = 5'000);
    QString swatch() const { return window->findChild<QLabel*>("lblColor")->text(); }

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
    if (notice())
        notice()->close();
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
    if (backendBehaviour != "unnamed")
        nameTheBackend(setup->path());
    if (backendBehaviour != "unnamed" && backendBehaviour != "absent")
        startStandIn(backend, PORTAL_BACKEND, backendBehaviour);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DESKTOP_PORTAL_DIR", setup->path());
    environment.insert("XDG_CURRENT_DESKTOP", Desktop);
    frontEnd.setProcessEnvironment(environment);
    frontEnd.start(FRONT_END, QStringList{});
    QVERIFY2(frontEnd.waitForStarted(), qPrintable(frontEnd.errorString()));
    QTRY_VERIFY(portalServes());
}

// Waits at most the bound for the message (a silent portal needs the call's own).
void PortalPickTest::pickAndExpect(const QString& swatch, const QString& says, int bound) {
    window->TakeColour({0x12, 0x34, 0x56});
    responses = 0;
    window->findChild<QAction*>("mnuPick")->trigger();
    if (says.isEmpty()) {
        QTRY_COMPARE(responses, 1);
        QCoreApplication::processEvents();
        QCOMPARE(this->swatch(), swatch);
        QVERIFY(!notice());
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(notice() && notice()->text().contains(says), bound);
        QCOMPARE(this->swatch(), swatch);
    }
}

// The rows name the backend's behaviour; 123456 is the colour before the pick.
void PortalPickTest::throughTheDesktopPortal_data() {
    QTest::addColumn<QString>("backend");
    QTest::addColumn<QString>("swatch"); // afterwards
    QTest::addColumn<QString>("says");   // part of the message; empty: no message
    // clang-format off
    const QList<QStringList> rows = {
        {"colour", "8033FF", ""}, {"cancel", "123456", ""}, {"ended", "123456", "取り終えられません"},
        {"error", "123456", "取り終えられません"}, {"gone", "123456", "取り終えられません"},
        {"nocolor", "123456", "色が読めない"}, {"wrongtype", "123456", "色が読めない"},
        {"below", "123456", "色が読めない"}, {"above", "123456", "色が読めない"},
        {"nan", "123456", "色が読めない"},
        // No backend for the desktop: the front end offers no Screenshot portal.
        {"unnamed", "123456", "機能がありません"},
        // Named, but not running: the front end cannot reach it.
        {"absent", "123456", "取り終えられません"},
        // A backend that takes screenshots but cannot pick a colour.
        {"old", "123456", "取り終えられません"}};
    // clang-format on
    for (const QStringList& row : rows)
        QTest::newRow(qPrintable(row.at(0))) << row.at(0) << row.at(1) << row.at(2);
}

void PortalPickTest::throughTheDesktopPortal() {
    if (QString(FRONT_END).isEmpty())
        QSKIP("xdg-desktop-portal is not installed (tools/install-deps test installs it)");
    QFETCH(QString, backend);
    QFETCH(QString, swatch);
    QFETCH(QString, says);
    startFrontEnd(backend);
    pickAndExpect(swatch, says);
    if (backend != "unnamed" && backend != "absent") { // the front end asked the backend
        QTRY_VERIFY(this->backend.canReadLine());
        QCOMPARE(this->backend.readLine(), "asked\n");
    }
}

void PortalPickTest::whatOnlyABrokenPortalDoes_data() {
    QTest::addColumn<QString>("behaviour"); // of the stand-in; none: no portal at all
    QTest::addColumn<QString>("says");
    // clang-format off
    QTest::newRow("none") << "none" << "見つからない";
    QTest::newRow("never") << "never" << "答えない";
    QTest::newRow("old") << "old" << "機能がありません";
    QTest::newRow("wrongtype") << "wrongtype" << "色が読めない";
    // clang-format on
}

void PortalPickTest::whatOnlyABrokenPortalDoes() {
    QFETCH(QString, behaviour);
    QFETCH(QString, says);
    if (behaviour != "none")
        startStandIn(standIn, STAND_IN, behaviour);
    pickAndExpect("123456", says, 12'000);
}

// 文字と背景 takes its second colour through the same portal, leaving the current one.
void PortalPickTest::pickTheSecondColour() {
    if (QString(FRONT_END).isEmpty())
        QSKIP("xdg-desktop-portal is not installed (tools/install-deps test installs it)");
    startFrontEnd("colour");
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
