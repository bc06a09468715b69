#include "AccessKeyMenuBar.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace hueprobe {

void AccessKeyMenuBar::keyPressEvent(QKeyEvent* event) {
    if (QAction* next = nextMenuFor(event)) {
        setActiveAction(next); // highlights it and opens its menu
        event->accept();
        return;
    }
    QMenuBar::keyPressEvent(event);
}

QAction* AccessKeyMenuBar::nextMenuFor(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::AltModifier)
        return nullptr;
    const QKeySequence accessKey(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
    QList<QAction*> sharing;
    for (QAction* action : actions()) {
        if (action->isVisible() && action->isEnabled() &&
            QKeySequence::mnemonic(action->text()) == accessKey)
            sharing.append(action);
    }
    if (sharing.size() < 2)
        return nullptr; // a key of one menu only: QMenuBar opens it already
    QAction* active = activeAction();
    const bool menuOpen = active && active->menu() && active->menu()->isVisible();
    const qsizetype current = menuOpen ? sharing.indexOf(active) : -1;
    return sharing.at((current + 1) % sharing.size());
}

} // namespace hueprobe
