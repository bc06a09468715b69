#include "PickListComboBox.h"

#include <QLineEdit>

namespace hueprobe {

PickListComboBox::PickListComboBox(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(NoInsert);
    // Without a completer, typing fills in nothing and picks nothing.
    setCompleter(nullptr);
    // QComboBox takes the end of an edit (Enter, or leaving the field) on a
    // text that matches an entry as a pick. Here the text field is only text.
    disconnect(lineEdit(), SIGNAL(editingFinished()), this, nullptr);
}

void PickListComboBox::fillPickList(const QStringList& items) {
    const QString text = currentText();
    const bool hadSelection = currentIndex() >= 0;
    addItems(items);
    if (!hadSelection)
        setCurrentIndex(-1); // QComboBox selects the first entry added to an empty list
    setEditText(text);
}

} // namespace hueprobe
