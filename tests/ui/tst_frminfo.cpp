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
        QCOMPARE(shown("lblForm(8)"), QStringLiteral("oklch(0.452 0.31321 264.05)"));

        auto* chart = main.findChild<QComboBox*>(QStringLiteral("cmb140"));
        chart->setCurrentIndex(chart->findText(QStringLiteral("Coral")));
        emit chart->activated(chart->currentIndex());
        QCOMPARE(shown("lblName"), QStringLiteral("Coral"));
        // Coral in CSS Color 4's spaces: colorjs.io's values (tests/core/data), rounded.
        const QStringList forms{"#ff7f50",
                                "rgb(255 127 80)",
                                "rgb(255, 127, 80)",
                                "hsl(16 100% 66%)",
                                "hwb(16.11 31.4% 0%)",
                                "lab(67.98 47.38 48.6)",
                                "lch(67.98 67.88 45.73)",
                                "oklab(0.7351 0.12823 0.10854)",
                                "oklch(0.7351 0.16799 40.25)"};
        QCOMPARE(forms.size(), frmInfo::FormCount);
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

    // The colours whose forms are the longest any colour has: each still fits
    // its box, as does every caption of the dialog.
    void showsEveryFormWhole_data() {
        QTest::addColumn<QList<int>>("colour");
        QTest::newRow("longest hwb()") << QList<int>{26, 27, 33};
        QTest::newRow("longest lab()") << QList<int>{0, 0, 220};
        QTest::newRow("longest lch()") << QList<int>{0, 0, 178};
        QTest::newRow("longest oklab() and oklch()") << QList<int>{0, 0, 1};
    }
    void showsEveryFormWhole() {
        QFETCH(QList<int>, colour);
        frmMain main;
        main.findChild<QAction*>(QStringLiteral("mnuInfo"))->trigger();
        for (int channel = 0; channel < 3; ++channel)
            main.findChild<QScrollBar*>(QStringLiteral("scrColor(%1)").arg(channel))
                ->setValue(colour.at(channel));
        const auto labels = frmInfo::ShownInstance()->findChildren<QLabel*>();
        for (const QLabel* label : labels) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(label->objectName() + ": " + label->text()));
            // The boxes are sized for the Gothic face: no text needs condensing.
            const int stretch = label->font().stretch();
            QVERIFY2(
                stretch == QFont::AnyStretch || stretch == QFont::Unstretched,
                qPrintable(label->objectName() + " is condensed to " + QString::number(stretch)));
        }
        QVERIFY(frmInfo::ShownInstance()
                    ->findChild<QLabel*>(QStringLiteral("lblForm(8)"))
                    ->text()
                    .startsWith(QLatin1String("oklch(")));
        frmInfo::ShownInstance()->close();
    }
};

QTEST_MAIN(FrmInfoTest)
#include "tst_frminfo.moc"
