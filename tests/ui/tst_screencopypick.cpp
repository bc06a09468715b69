// Taking a colour from grim's still image of the outputs, with grim replaced by a
// script on PATH: the arrow keys, Enter, Space, a click and the cancels over a
// pattern with a colour of its own in each pixel of a 4x4 square, at the scale the
// test runs at; and grim missing, failing, crashing or writing no image, and an
// output taken away, each with a message and no colour.
#include "picking/ScreencopyPicker.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace hueprobe;

namespace {

// Red by column and green by row within each 4x4 square.
QColor patternAt(QPoint pixel) {
    return {16 + 64 * (pixel.x() % 4), 16 + 64 * (pixel.y() % 4), 128};
}

QString codeOf(QColor colour) {
    return colour.name().mid(1).toUpper();
}
QString codeOf(const std::optional<Channels>& colour) {
    return colour ? codeOf(QColor(colour->at(0), colour->at(1), colour->at(2))) : "none";
}

QWidget* overlay() {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->inherits("hueprobe::PickOverlay") && shown->isVisible())
            return shown;
    return nullptr;
}

} // namespace

class ScreencopyPickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keys_data();
    void keys();
    void click();
    void failures_data();
    void failures();
    void outputTakenAway();

private:
    void useGrim(const QString& script);
    void useGrimOnThePattern() { useGrim("exec /bin/cat '" + folder.filePath("screen.ppm") + "'"); }
    std::optional<PickAnswer> ask();

    QTemporaryDir folder;
    QSize device; // the output in device pixels
    ScreencopyPicker* picker = nullptr;
    std::optional<PickAnswer> answer;
};

void ScreencopyPickTest::initTestCase() {
    QVERIFY(folder.isValid());
    const QScreen* screen = QGuiApplication::primaryScreen();
    device = screen->geometry().size() * screen->devicePixelRatio();
    // No pointer over the overlay, as with a keyboard alone.
    QCursor::setPos(screen->geometry().bottomRight() + QPoint(100, 100));
    QImage pattern(device, QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            pattern.setPixelColor(x, y, patternAt({x, y}));
    QVERIFY(pattern.save(folder.filePath("screen.ppm"), "PPM"));
    picker = new ScreencopyPicker(this);
}

// grim is this script alone on PATH.
void ScreencopyPickTest::useGrim(const QString& script) {
    const QString bin = folder.filePath("bin");
    QDir(bin).removeRecursively();
    QVERIFY(QDir().mkpath(bin));
    qputenv("PATH", bin.toLocal8Bit());
    if (script.isEmpty())
        return;
    QFile grim(bin + "/grim");
    QVERIFY(grim.open(QIODevice::WriteOnly));
    grim.write("#!/bin/sh\n" + script.toLocal8Bit() + '\n');
    grim.close();
    grim.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
}

std::optional<PickAnswer> ScreencopyPickTest::ask() {
    answer.reset();
    picker->requestColour([this](const PickAnswer& given) { answer = given; });
    return answer;
}

void ScreencopyPickTest::keys_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QPoint>("moved"); // from the middle, in device pixels; none: cancelled
    const QPoint none(-9, -9);
    // clang-format off
    QTest::newRow("Enter in the middle") << QList<int>{Qt::Key_Return} << QPoint(0, 0);
    QTest::newRow("Left") << QList<int>{Qt::Key_Left, Qt::Key_Return} << QPoint(-1, 0);
    QTest::newRow("Right") << QList<int>{Qt::Key_Right, Qt::Key_Enter} << QPoint(1, 0);
    QTest::newRow("Up") << QList<int>{Qt::Key_Up, Qt::Key_Space} << QPoint(0, -1);
    QTest::newRow("Down") << QList<int>{Qt::Key_Down, Qt::Key_Return} << QPoint(0, 1);
    QTest::newRow("two left, one up") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Return} << QPoint(-2, -1);
    QTest::newRow("Escape") << QList<int>{Qt::Key_Right, Qt::Key_Escape} << none;
    // clang-format on
}

void ScreencopyPickTest::keys() {
    QFETCH(QList<int>, keys);
    QFETCH(QPoint, moved);
    useGrimOnThePattern();
    QVERIFY(!ask());
    QTRY_VERIFY2(overlay(), answer ? qPrintable(answer->reason) : "no answer");
    for (const int key : std::as_const(keys))
        QTest::keyClick(overlay(), Qt::Key(key));
    QVERIFY(answer);
    QVERIFY(answer->reason.isEmpty());
    const QPoint middle = QRect(QPoint(0, 0), device).center();
    QCOMPARE(codeOf(answer->colour),
             moved.x() < -5 ? QString("none") : codeOf(patternAt(middle + moved)));
    QTRY_VERIFY(!overlay());
}

// A pointer three quarters into a device pixel is over that pixel, not the next.
void ScreencopyPickTest::click() {
    useGrimOnThePattern();
    ask();
    QTRY_VERIFY(overlay());
    const qreal ratio = qreal(device.width()) / overlay()->width();
    const QPointF at(101.75 / ratio, 57.75 / ratio);
    QMouseEvent release(QEvent::MouseButtonRelease, at, overlay()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(overlay(), &release);
    QVERIFY(answer);
    QCOMPARE(codeOf(answer->colour), codeOf(patternAt({101, 57})));
}

void ScreencopyPickTest::failures_data() {
    QTest::addColumn<QString>("grim"); // the script; empty: no grim at all
    QTest::addColumn<QString>("says");
    // clang-format off
    QTest::newRow("missing") << "" << "grim をインストールしてください";
    QTest::newRow("refused") << "echo 'compositor lacks screencopy' >&2; exit 1" << "（grim: compositor lacks screencopy）";
    QTest::newRow("silent failure") << "exit 3" << "終了コード 3";
    QTest::newRow("crash") << "kill -SEGV $$" << "異常終了";
    QTest::newRow("no image") << "echo 'P6 nonsense'" << "画面の画像が読めなかった";
    // clang-format on
}

void ScreencopyPickTest::failures() {
    QFETCH(QString, grim);
    QFETCH(QString, says);
    useGrim(grim);
    ask();
    QTRY_VERIFY(answer);
    QCOMPARE(codeOf(answer->colour), QString("none"));
    QVERIFY2(answer->reason.contains(says), qPrintable(answer->reason));
    QVERIFY(!overlay());
}

void ScreencopyPickTest::outputTakenAway() {
    useGrimOnThePattern();
    ask();
    QTRY_VERIFY(overlay());
    emit qGuiApp->screenRemoved(QGuiApplication::primaryScreen());
    QVERIFY(answer);
    QCOMPARE(codeOf(answer->colour), QString("none"));
    QVERIFY(answer->reason.contains("外された"));
    QTRY_VERIFY(!overlay());
}

QTEST_MAIN(ScreencopyPickTest)
#include "tst_screencopypick.moc"
