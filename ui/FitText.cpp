#include "FitText.h"

#include <QFontMetrics>
#include <QString>
#include <QWidget>

namespace hueprobe {

void condenseToFit(QWidget* widget, const QString& widest) {
    const QRect room = widget->contentsRect();
    QFont font = widget->font();
    const auto fits = [&] {
        return QFontMetrics(font).boundingRect(room, Qt::AlignRight, widest).width() <=
               room.width();
    };
    // In steps of a quarter: every font tried or used costs a font engine at
    // start, and boxes that need about as much condensing then share one face.
    for (int stretch = 75; !fits() && stretch >= 25; stretch -= 25)
        font.setStretch(stretch);
    widget->setFont(font);
}

} // namespace hueprobe
