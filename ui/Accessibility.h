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

// Gives a control the accessible description "what it is、what it holds now",
// such as "赤の値（０～２５５）、今は 30（１６進法で 1E）": the description it had
// at the first call stays the first part. Screen readers hear of a change.
void describeNow(QWidget* widget, const QString& now);

// Tells screen readers, without moving the focus, of a change they would not
// otherwise hear of, such as all three channels after a chart pick. Qt 6.8 and
// later announce it; an older Qt has no announcements, and the colour is then
// heard from the descriptions of the controls that take the focus (describeNow).
void announce(QWidget* source, const QString& message);

} // namespace hueprobe
