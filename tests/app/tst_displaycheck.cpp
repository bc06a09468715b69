#include "DisplayCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Without a usable display Hueprobe says in one line what is missing and ends with
// status 1, where Qt would abort with a page of plugin messages and a core dump.
class TestDisplayCheck : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void missingDisplay_data();
    void missingDisplay();
    void aWaylandDisplayThatAnswersIsUsable();
    void programSaysWhatIsMissing_data();
    void programSaysWhatIsMissing();

private:
    QByteArray savedPlatform;
};

namespace {

const QString Needs = QStringLiteral("; Hueprobe needs a graphical desktop (X11 or Wayland)");

// An X display number that no server on this machine claims: no lock file and no
// socket, abstract ones included (a server may hold one without a lock file here).
QString unservedDisplay() {
    QFile sockets(QStringLiteral("/proc/net/unix"));
    const QByteArray listening =
        sockets.open(QIODevice::ReadOnly) ? sockets.readAll() : QByteArray();
    for (int number = 1000; number < 2000; ++number) {
        const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number) + '\n';
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)) &&
            !listening.contains(socket))
            return QStringLiteral(":%1").arg(number);
    }
    qFatal("no free X display number between 1000 and 1999");
}

void setDisplays(const QString& platform, const QString& x11, const QString& wayland) {
    const auto set = [](const char* name, const QString& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    };
    set("QT_QPA_PLATFORM", platform);
    set("DISPLAY", x11);
    set("WAYLAND_DISPLAY", wayland);
}

} // namespace

void TestDisplayCheck::init() {
    savedPlatform = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("XDG_RUNTIME_DIR");
}

void TestDisplayCheck::cleanup() {
    qputenv("QT_QPA_PLATFORM", savedPlatform);
}

void TestDisplayCheck::missingDisplay_data() {
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("problem"); // empty: the display is usable

    const QString none = unservedDisplay();
    const QString noSocket = QStringLiteral("/nonexistent/wayland-hueprobe");
    QTest::newRow("offscreen needs no display") << "offscreen"
                                                << ""
                                                << ""
                                                << "";
    QTest::newRow("a fallback that needs no display") << "xcb;minimal" << none << ""
                                                      << "";
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << "no display is set (DISPLAY and WAYLAND_DISPLAY are empty)" +
                                        Needs;
    QTest::newRow("X11 asked for, only Wayland set")
        << "xcb"
        << "" << noSocket << "no display is set (DISPLAY is empty)" + Needs;
    QTest::newRow("Wayland asked for, only X11 set")
        << "wayland" << none << ""
        << "no display is set (WAYLAND_DISPLAY is empty)" + Needs;
    QTest::newRow("X display nobody serves") << "" << none << ""
                                             << "cannot open the display \"" + none + "\"" + Needs;
    QTest::newRow("X11 with platform options")
        << "xcb:nograb" << none << ""
        << "cannot open the display \"" + none + "\"" + Needs;
    QTest::newRow("neither display answers") << "wayland;xcb" << none << noSocket
                                             << "cannot open the Wayland display \"" + noSocket +
                                                    "\" or the display \"" + none + "\"" + Needs;
    QTest::newRow("Wayland name without a runtime folder")
        << ""
        << ""
        << "wayland-0"
        << "cannot open the Wayland display \"wayland-0\"" + Needs;
}

void TestDisplayCheck::missingDisplay() {
    QFETCH(QString, platform);
    QFETCH(QString, x11);
    QFETCH(QString, wayland);
    QFETCH(QString, problem);
    setDisplays(platform, x11, wayland);
    const std::optional<QString> found = hueprobe::missingDisplay();
    QCOMPARE(found.value_or(QString()), problem);
}

void TestDisplayCheck::aWaylandDisplayThatAnswersIsUsable() {
    QTemporaryDir runtimeDir;
    QVERIFY(runtimeDir.isValid());
    const QByteArray path = runtimeDir.filePath(QStringLiteral("wayland-9")).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    QVERIFY(std::size_t(path.size()) < sizeof address.sun_path);
    std::copy(path.cbegin(), path.cend(), address.sun_path);
    const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(listening >= 0);
    QCOMPARE(bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QCOMPARE(listen(listening, 1), 0);

    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    setDisplays(QString(), unservedDisplay(), QStringLiteral("wayland-9"));
    const std::optional<QString> found = hueprobe::missingDisplay();
    close(listening);
    QCOMPARE(found.value_or(QString()), QString());
}

void TestDisplayCheck::programSaysWhatIsMissing_data() {
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("line");

    const QString none = unservedDisplay();
    QTest::newRow("no display set")
        << ""
        << "hueprobe: no display is set (DISPLAY and WAYLAND_DISPLAY are empty)" + Needs;
    QTest::newRow("a display nobody serves")
        << none << "hueprobe: cannot open the display \"" + none + "\"" + Needs;
}

void TestDisplayCheck::programSaysWhatIsMissing() {
    QFETCH(QString, x11);
    QFETCH(QString, line);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    if (!x11.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), x11);

    QProcess hueprobe;
    hueprobe.setProcessEnvironment(environment);
    hueprobe.start(QStringLiteral(HUEPROBE_PROGRAM), {});
    QVERIFY2(hueprobe.waitForFinished(), qPrintable(hueprobe.errorString()));

    QCOMPARE(hueprobe.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(hueprobe.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(hueprobe.readAllStandardError()), line + u'\n');
    QCOMPARE(hueprobe.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"
