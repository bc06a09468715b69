#include "ChannelScrollBar.h"
#include "frmClip.h"
#include "frmMain.h"

#include <QAccessible>
#include <QTest>

using namespace hueprobe;

// Screen readers name every control of the main window and say what it is for; the
// value boxes and the swatch say what they show now.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void labelsNameTheirControls_data();
    void labelsNameTheirControls();
    void everyControlHasAName();
    void valueBoxesAndSwatchSayWhatTheyShow();
    void clipboardOptionsSayWhatTheyCopy();

private:
    QAccessibleInterface* accessible(const char* name) const;

    frmMain* window = nullptr;
};

void TestAccessibility::init() {
    Module1 = ProgramState{};
    window = new frmMain;
}

void TestAccessibility::cleanup() {
    delete window;
    window = nullptr;
}

QAccessibleInterface* TestAccessibility::accessible(const char* name) const {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

void TestAccessibility::namesAndDescriptions_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const char* channels[] = {"赤", "緑", "青"};
    const char* letters[] = {"Ｒ", "Ｇ", "Ｂ"};
    for (int i = 0; i < 3; ++i) {
        const QString channel = QString::fromUtf8(channels[i]);
        const QByteArray index = "(" + QByteArray::number(i) + ")";
        QTest::newRow("scrColor" + index)
            << "scrColor" + index << channel + "（" + QString::fromUtf8(letters[i]) + "）"
            << channel + "の値（０～２５５）、今は 0（１６進法で 0）";
        QTest::newRow("lblColor10" + index) << "lblColor10" + index << channel + "（１０進法） 0"
                                            << channel + "の値を１０進法で表示";
        QTest::newRow("lblColor16" + index) << "lblColor16" + index << channel + "（１６進法） 0"
                                            << channel + "の値を１６進法で表示";
    }
    QTest::newRow("swatch") << QByteArray("lblColor") << "色見本 000000"
                            << "今の色と、その６桁の１６進コード";
    QTest::newRow("copy button") << QByteArray("Command1") << "クリップボードにコピー"
                                 << "「000000」をクリップボードにコピーします";
    QTest::newRow("chart heading") << QByteArray("Label1") << "カラーチャート（１４０色）"
                                   << "";
    QTest::newRow("red heading") << QByteArray("Label2") << "赤（Ｒ）"
                                 << "";
    QTest::newRow("decimal heading") << QByteArray("Label5") << "１０進法"
                                     << "";
}

void TestAccessibility::namesAndDescriptions() {
    QFETCH(QByteArray, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface* interface = accessible(control.constData());
    QVERIFY2(interface, control.constData());
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(interface->text(QAccessible::Description), description);
}

void TestAccessibility::labelsNameTheirControls_data() {
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QByteArray>("label");
    QTest::newRow("red bar") << QByteArray("scrColor(0)") << QByteArray("Label2");
    QTest::newRow("green bar") << QByteArray("scrColor(1)") << QByteArray("Label3");
    QTest::newRow("blue bar") << QByteArray("scrColor(2)") << QByteArray("Label4");
    QTest::newRow("chart") << QByteArray("cmb140") << QByteArray("Label1");
}

void TestAccessibility::labelsNameTheirControls() {
    QFETCH(QByteArray, control);
    QFETCH(QByteArray, label);
    QAccessibleInterface* labelled = accessible(control.constData());
    QAccessibleInterface* labelling = accessible(label.constData());
    const auto relations = labelled->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.constFirst().first, labelling);
}

void TestAccessibility::everyControlHasAName() {
    const QList<QWidget*> controls =
        window->centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 18);
    for (QWidget* control : controls) {
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(!interface->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(control->objectName()));
    }
}

void TestAccessibility::valueBoxesAndSwatchSayWhatTheyShow() {
    window->findChild<ChannelScrollBar*>(QStringLiteral("scrColor(0)"))->setValue(255);

    QCOMPARE(accessible("lblColor10(0)")->text(QAccessible::Name),
             QStringLiteral("赤（１０進法） 255"));
    QCOMPARE(accessible("lblColor16(0)")->text(QAccessible::Name),
             QStringLiteral("赤（１６進法） FF"));
    QCOMPARE(accessible("lblColor")->text(QAccessible::Name), QStringLiteral("色見本 FF0000"));
    QCOMPARE(accessible("lblColor")->text(QAccessible::Value), QStringLiteral("FF0000"));
    QCOMPARE(accessible("scrColor(0)")->valueInterface()->currentValue().toInt(), 255);
}

void TestAccessibility::clipboardOptionsSayWhatTheyCopy() {
    const frmClip* dialog = frmClip::Show();
    const QStringList names = {"１６進法", "１６進法の先頭に「＃」をつける", "１０進法ＲＧＢ表示"};
    const QStringList examples = {"例：00FFAA", "例：#00FFAA", "例：RGB（0,255,77）"};
    for (int i = 0; i < frmClip::OptionCount; ++i) {
        auto* option = dialog->findChild<QWidget*>(QStringLiteral("optClip(%1)").arg(i));
        QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(option);
        QCOMPARE(interface->role(), QAccessible::RadioButton);
        QCOMPARE(interface->text(QAccessible::Name), names.at(i));
        QCOMPARE(interface->text(QAccessible::Description), examples.at(i));
    }
    auto* ok = dialog->findChild<QWidget*>(QStringLiteral("Command1"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ok)->text(QAccessible::Name),
             QStringLiteral("Ｏ．Ｋ"));
    frmClip::Unload();
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
