#include "Colours.h"

#include <QPalette>
#include <QWidget>

namespace hueprobe {

void setColours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
    }
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace hueprobe
