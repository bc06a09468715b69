#pragma once

class QLabel;
class QString;

namespace hueprobe {

// Makes a label that shows a live value speak as "name value" to screen readers,
// "赤（１０進法） 255", and tell them whenever its text changes.
void nameValueLabel(QLabel* label, const QString& name);

} // namespace hueprobe
