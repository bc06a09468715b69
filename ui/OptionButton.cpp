#include "OptionButton.h"

#include <algorithm>

namespace hueprobe {

OptionButton::OptionButton(QWidget* parent)
    : QRadioButton(parent) {}

void OptionButton::focusInEvent(QFocusEvent* event) {
    if (!groupHasSelection())
        setChecked(true);
    QRadioButton::focusInEvent(event);
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

bool OptionButton::groupHasSelection() const {
    // Qt makes the radio buttons of one parent exclusive; they are the group.
    const auto group = parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    return std::any_of(group.cbegin(), group.cend(),
                       [](const QRadioButton* option) { return option->isChecked(); });
}

} // namespace hueprobe
