// In-process benchmarks of the main window's two ways of changing the colour:
// a chart pick with every refresh it causes, and one scroll bar change; then one
// scroll bar change with the text-and-background dialog open, which works out
// everything it shows again (both nearest-colour searches included), and those
// measures alone. Each window case runs once with the handlers alone and once
// with the repaint of what they changed, and checks that the display shows the
// colour set (and was painted).
#include "ChannelScrollBar.h"
#include "ColorChart.h"
#include "ColorPair.h"
#include "PickListComboBox.h"
#include "frmMain.h"
#include "frmPair.h"

#include <QAction>

#include <QEvent>
#include <QLabel>
#include <QTest>

#include <memory>

namespace hueprobe {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class InteractionBenchmark : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        cmb140 = window->findChild<PickListComboBox*>(QStringLiteral("cmb140"));
        scrRed = window->findChild<ChannelScrollBar*>(QStringLiteral("scrColor(0)"));
        lblColor = window->findChild<QLabel*>(QStringLiteral("lblColor"));
        QVERIFY(cmb140 && scrRed && lblColor);
        lblColor->installEventFilter(&swatchPaints);
    }

    void chartPick_data() { repaintColumn(); }

    // White and Black alternate, so every pick moves all three scroll bars and
    // runs all three change handlers besides the pick's own refreshes.
    void chartPick() {
        QFETCH(bool, repaint);
        const int white = chartRowNamed("White");
        const int black = chartRowNamed("Black");
        int picks = 0;
        swatchPaints.paints = 0;
        QBENCHMARK {
            const int row = lblColor->text() == QStringLiteral("FFFFFF") ? black : white;
            cmb140->setCurrentIndex(row);
            emit cmb140->activated(row);
            ++picks;
            if (repaint)
                paintPending();
        }
        const bool lastWasWhite = cmb140->currentIndex() == white;
        QCOMPARE(lblColor->text(),
                 lastWasWhite ? QStringLiteral("FFFFFF") : QStringLiteral("000000"));
        if (repaint)
            QCOMPARE(swatchPaints.paints, picks);
    }

    void scrollChange_data() { repaintColumn(); }

    // The red bar swings between its ends, so every set is a real change.
    void scrollChange() {
        QFETCH(bool, repaint);
        int changes = 0;
        int value = 0;
        swatchPaints.paints = 0;
        QBENCHMARK {
            value = scrRed->value() == 0 ? 255 : 0;
            scrRed->setValue(value);
            ++changes;
            if (repaint)
                paintPending();
        }
        if (repaint)
            QCOMPARE(swatchPaints.paints, changes);
        QCOMPARE(Module1.intColor.at(0), value);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblColor10(0)"))->text(),
                 QString::number(value));
    }

    void pairChange_data() { repaintColumn(); }

    // Teal and a pink swing on a white page: teal reaches AA but not AAA, the pink
    // neither, so every change runs one or both searches.
    void pairChange() {
        QFETCH(bool, repaint);
        window->TakeColour({0, 128, 128});
        window->findChild<QAction*>(QStringLiteral("mnuPair"))->trigger();
        frmPair* dialog = frmPair::ShownInstance();
        QVERIFY(dialog);
        auto* lblRatio = dialog->findChild<QLabel*>(QStringLiteral("lblRatio"));
        paintPending();
        PaintCounter ratioPaints;
        lblRatio->installEventFilter(&ratioPaints);
        int changes = 0;
        QBENCHMARK {
            scrRed->setValue(scrRed->value() == 0 ? 255 : 0);
            ++changes;
            if (repaint)
                paintPending();
        }
        if (repaint)
            QCOMPARE(ratioPaints.paints, changes);
        const bool pink = scrRed->value() == 255;
        QCOMPARE(lblRatio->text(), pink ? QStringLiteral("2.43:1") : QStringLiteral("4.77:1"));
        lblRatio->removeEventFilter(&ratioPaints);
        frmPair::Unload();
    }

    // The measures of one pair alone, without the windows.
    void pairMeasures() {
        const Channels white{255, 255, 255};
        Channels text{0, 128, 128};
        PairMeasures measures;
        QBENCHMARK {
            text[0] = Int16(255 - text[0]);
            measures = MeasurePair(text, white);
        }
        QVERIFY(measures.nearestAA && measures.nearestAAA);
    }

    void cleanupTestCase() { window.reset(); }

private:
    // Paints what the handlers marked for repainting, as the event loop would.
    static void paintPending() { QCoreApplication::processEvents(); }

    static void repaintColumn() {
        QTest::addColumn<bool>("repaint");
        QTest::newRow("handlers") << false;
        QTest::newRow("handlers and repaint") << true;
    }

    std::unique_ptr<frmMain> window;
    PickListComboBox* cmb140 = nullptr;
    ChannelScrollBar* scrRed = nullptr;
    QLabel* lblColor = nullptr;
    PaintCounter swatchPaints;
};

} // namespace hueprobe

QTEST_MAIN(hueprobe::InteractionBenchmark)
#include "interaction.moc"
