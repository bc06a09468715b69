#pragma once

class QString;
class QWidget;

namespace hueprobe {

// Condenses the widget's font just enough for the widest text it will show to
// fit its width, so that no value is clipped where the Gothic face at hand is
// wider than the font the window's sizes were chosen for.
void condenseToFit(QWidget* widget, const QString& widest);

} // namespace hueprobe
