#pragma once

#include <QColor>

class QWidget;

namespace hueprobe {

// Colours of a widget: its text and its own background; an invalid colour
// leaves that one as the toolkit draws it.
void setColours(QWidget* widget, const QColor& text, const QColor& background);

} // namespace hueprobe
