#pragma once

#include <QMenuBar>

namespace hueprobe {

// A menu bar on which an access key that several menus share opens each of them
// in turn after a tap on Alt, as Alt with the key does: the first press opens
// the first such menu, each further press while one is open opens the next.
// Alt with the key needs nothing of this class (Qt cycles through shortcuts
// that several menus share); after a tap on Alt, QMenuBar would only move the
// highlight between those menus, or do nothing while one is open.
class AccessKeyMenuBar : public QMenuBar {
    Q_OBJECT

public:
    using QMenuBar::QMenuBar;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* nextMenuFor(const QKeyEvent* event) const;
};

} // namespace hueprobe
