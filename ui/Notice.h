#pragma once

#include <QMessageBox>

class QString;

namespace hueprobe {

// Tells the user, in one message, why something they asked for did not happen
// (or what came of it). The message window neither blocks nor has an owner,
// like the program's dialogs, and there is only ever one: a new message replaces
// the text of one still open. Screen readers announce it as an alert.
void showNotice(QMessageBox::Icon icon, const QString& message);

} // namespace hueprobe
