// The design layer's frames, option groups and buttons: controls placed inside
// a frame, the group behaviour of options, and how buttons meet the keyboard
// and show their colour.
#include "FormDesign.h"
#include "GothicFont.h"

#include <QApplication>
#include <QGlyphRun>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

using namespace hueprobe;
using namespace hueprobe::design;

namespace {

// clang-format off
const std::initializer_list<Control> Group = {
    {.name = "Frame1",  .kind = Kind::Frame,                         .place = { 300,  300, 3000, 2000},
     .text = "frame"},
    {.name = "first",   .kind = Kind::Option, .container = "Frame1", .place = { 150,  300, 1500,  300},
     .tab = 1, .text = "first"},
    {.name = "second",  .kind = Kind::Option, .container = "Frame1", .place = { 150,  900, 1500,  300},
     .tab = 2, .text = "second"},
    {.name = "plain",   .kind = Kind::Button,                        .place = { 300, 2400, 1500,  450},
     .tab = 0, .text = "plain"},
    {.name = "painted", .kind = Kind::Button,                        .place = {1950, 2400, 1500,  450},
     .tab = 3, .text = "painted", .background = 0xFF80FF, .style = Graphical},
};
// clang-format on

struct GroupWindow {
    QWidget window;
    Built built = build(&window, Group);

    QRadioButton* option(const char* name) const { return built.get<QRadioButton>(name); }
    QPushButton* button(const char* name) const { return built.get<QPushButton>(name); }
};

} // namespace

class FormDesignControlsTest : public QObject {
    Q_OBJECT

private slots:
    void theInterfaceFontDrawsLatinAndJapaneseInTheGothicFace() {
        const QFont before = QApplication::font();
        useGothicInterfaceFont();
        QCOMPARE(QApplication::font().pointSizeF(), before.pointSizeF());
        QTextLayout menuTitle(QStringLiteral("ファイル(F) White"), QApplication::font());
        menuTitle.beginLayout();
        menuTitle.createLine();
        menuTitle.endLayout();
        QStringList faces;
        for (const QGlyphRun& run : menuTitle.glyphRuns())
            faces.append(run.rawFont().familyName());
        QApplication::setFont(before);
        faces.removeDuplicates();
        QCOMPARE(faces, QStringList{QFontInfo(gothicFont(9)).family()});
    }

    void controlsInAFrameArePlacedWithinIt() {
        GroupWindow group;
        auto* frame = group.built.get<QGroupBox>("Frame1");
        QCOMPARE(frame->title(), QStringLiteral("frame"));
        QCOMPARE(frame->geometry(), QRect(20, 20, 200, 133));
        QCOMPARE(group.option("second")->parentWidget(), frame);
        QCOMPARE(group.option("second")->geometry(), QRect(10, 60, 100, 20));
        QCOMPARE(group.button("plain")->parentWidget(), &group.window);
    }

    void optionsInOneFrameAreExclusive() {
        GroupWindow group;
        QVERIFY(!group.option("first")->isChecked());
        QVERIFY(!group.option("second")->isChecked());
        QTest::mouseClick(group.option("first"), Qt::LeftButton);
        QTest::mouseClick(group.option("second"), Qt::LeftButton);
        QVERIFY(!group.option("first")->isChecked());
        QVERIFY(group.option("second")->isChecked());
    }

    void optionsAnswerToAClickAnywhereInTheirPlace() {
        GroupWindow group;
        QRadioButton* option = group.option("first");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 2, 2));
        QVERIFY(option->isChecked());
    }

    void anOptionTakingTheFocusInAGroupWithoutSelectionIsSelected_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QByteArray>("option");
        QTest::newRow("Tab into the group") << QList<int>{Qt::Key_Tab} << QByteArray("first");
        // Backtab goes round by the last button into the group from its end.
        QTest::newRow("Backtab into the group")
            << QList<int>{Qt::Key_Backtab, Qt::Key_Backtab} << QByteArray("second");
    }

    void anOptionTakingTheFocusInAGroupWithoutSelectionIsSelected() {
        QFETCH(QList<int>, keys);
        QFETCH(QByteArray, option);
        GroupWindow group;
        group.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&group.window));
        QCOMPARE(QApplication::focusWidget(), group.button("plain")); // first in the tab order
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), group.option(option.constData()));
        QVERIFY(group.option(option.constData())->isChecked());
    }

    void anOptionTakingTheFocusLeavesAnExistingSelection() {
        GroupWindow group;
        group.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&group.window));
        group.option("first")->setChecked(true);
        group.option("second")->setFocus();
        QVERIFY(group.option("second")->hasFocus());
        QVERIFY(group.option("first")->isChecked());
        QVERIFY(!group.option("second")->isChecked());
    }

    void enterAndSpacePressTheButtonWithTheFocusAndEscapeDoesNot_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("plain");
        QTest::newRow("graphical") << QByteArray("painted");
    }

    void enterAndSpacePressTheButtonWithTheFocusAndEscapeDoesNot() {
        QFETCH(QByteArray, name);
        GroupWindow group;
        group.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&group.window));
        QPushButton* button = group.button(name.constData());
        QSignalSpy clicks(button, &QPushButton::clicked);
        QTest::keyClick(group.option("first"), Qt::Key_Return); // the focus is elsewhere
        QCOMPARE(clicks.count(), 0);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 3);
    }

    void aGraphicalButtonShowsItsOwnColourAsItsFace() {
        GroupWindow group;
        group.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&group.window));
        QPushButton* button = group.button("painted");
        const QColor designed = QColor::fromRgb(0xFF80FF);
        const QRgb outline = button->palette().color(QPalette::Shadow).rgb();
        QImage face = button->grab().toImage();
        // Points of the face clear of the edge, the focus mark and the caption.
        for (const QPoint point : {QPoint(6, 6), QPoint(face.width() - 7, face.height() - 7),
                                   QPoint(6, face.height() / 2)})
            QCOMPARE(face.pixelColor(point), designed);
        QVERIFY(face.pixel(0, 0) != outline);

        // With the focus, Enter presses it: it is outlined.
        button->setFocus();
        face = button->grab().toImage();
        QCOMPARE(face.pixel(0, 0), outline);
        QCOMPARE(face.pixelColor(6, face.height() / 2), designed);
    }
};

QTEST_MAIN(FormDesignControlsTest)
#include "tst_FormDesignControls.moc"
