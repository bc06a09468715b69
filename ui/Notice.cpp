#include "Notice.h"

#include <QPointer>
#include <QString>

namespace hueprobe {

void showNotice(QMessageBox::Icon icon, const QString& message) {
    static QPointer<QMessageBox> open;
    if (!open) {
        open = new QMessageBox;
        open->setAttribute(Qt::WA_DeleteOnClose);
        open->setWindowModality(Qt::NonModal);
        open->setWindowTitle(QStringLiteral("Hueprobe"));
        open->setStandardButtons(QMessageBox::Ok);
    }
    open->setIcon(icon);
    open->setText(message);
    open->show();
    open->raise();
    open->activateWindow();
}

} // namespace hueprobe
