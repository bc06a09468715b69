#pragma once

class QLabel;
class QString;
class QWidget;

namespace hueprobe {

// Makes a label that shows a live value speak as "name value" to screen readers,
// "赤（１０進法） 255", and tell them whenever its text changes.
void nameValueLabel(QLabel* label, const QString& name);

// Exposes a top-level window to screen readers as a dialog. Qt exposes a plain
// QWidget window as a bare panel ("filler"), and a screen reader would not say
// that a dialog opened.
void exposeAsDialog(QWidget* window);

} // namespace hueprobe
