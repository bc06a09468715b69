#pragma once

#include <QComboBox>
#include <QStringList>

namespace hueprobe {

// A drop-down list with an editable text field in which only a choice from the
// list is a pick: choosing an entry with the mouse, or with the arrow keys on
// the closed box, emits activated(). Typing, Enter and leaving the field pick
// nothing and add nothing; what is typed stays in the field as it is.
class PickListComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit PickListComboBox(QWidget* parent = nullptr);

    // Appends entries without selecting one and without touching the text field,
    // unlike addItems, which selects the first entry added to an empty list.
    void fillPickList(const QStringList& items);
};

} // namespace hueprobe
