#pragma once

#include <QMenuBar>

namespace hueprobe {

// A menu bar on which an access key that several menus share always opens one
// of them: the first press opens the first such menu, each further press while
// one is open opens the next, in turn. (QMenuBar would only move the highlight,
// or do nothing while a menu is open.) Alt with the key works the same way.
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
