// The colour-information dialog follows scroll-bar moves and chart picks, stays one
// window on two menu uses, copies the forms it shows, and closes on Escape.
#include "Controls.h"
#include "frmInfo.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace hueprobe;

class FrmInfoTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheColourCopiesItsFormsAndClosesOnEscape() {
        frmMain main;
        auto* mnuInfo = main.findChild<QAction*>(QStringLiteral("mnuInfo"));
        mnuInfo->trigger();
        mnuInfo->trigger();
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<frmInfo*>(w) != nullptr; }),
                 1);
        frmInfo* dialog = frmInfo::ShownInstance();
        const auto shown = [dialog](const char* name) {
            return dialog->findChild<QLabel*>(QLatin1String(name))->text();
        };
        main.findChild<QScrollBar*>(QStringLiteral("scrColor(2)"))->setValue(255);
        QCOMPARE(shown("lblForm(0)"), QStringLiteral("#0000ff"));
        QCOMPARE(shown("lblRatio(0)"), QStringLiteral("8.59:1")); // blue on white

        auto* chart = main.findChild<QComboBox*>(QStringLiteral("cmb140"));
        chart->setCurrentIndex(chart->findText(QStringLiteral("Coral")));
        emit chart->activated(chart->currentIndex());
        QCOMPARE(shown("lblName"), QStringLiteral("Coral"));
        const QStringList forms{"#ff7f50", "rgb(255 127 80)", "rgb(255, 127, 80)",
                                "hsl(16 100% 66%)"};
        for (int i = 0; i < forms.size(); ++i) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCopy(%1)").arg(i)),
                              Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), forms.at(i));
        }
        const QPointer<frmInfo> closing = dialog;
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return closing.isNull(); }));
        QVERIFY(!frmInfo::ShownInstance());
    }
};

QTEST_MAIN(FrmInfoTest)
#include "tst_frminfo.moc"
