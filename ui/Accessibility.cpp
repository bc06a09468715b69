#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QtGlobal>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace hueprobe {

namespace {

// Where a value label keeps its accessible name. Its QWidget::accessibleName
// stays empty, so that QLabel::setText tells screen readers that the name changed.
constexpr const char* ValueLabelName = "hueprobeValueLabelName";

// A label that shows a live value: its name says what it is and what it shows now.
class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->property(ValueLabelName).toString() + u' ' + label->text();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface* valueLabelAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object->property(ValueLabelName).isValid())
        return nullptr;
    return new ValueLabelAccessible(static_cast<QLabel*>(object));
}

// Marks the windows exposeAsDialog was called for.
constexpr const char* DialogProperty = "hueprobeDialog";

QAccessibleInterface* dialogAccessible(const QString&, QObject* object) {
    if (!object->isWidgetType() || !object->property(DialogProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
}

// Where describeNow keeps the first part of a control's description.
constexpr const char* StandingDescription = "hueprobeStandingDescription";

} // namespace

void nameValueLabel(QLabel* label, const QString& name) {
    static const bool installed = (QAccessible::installFactory(valueLabelAccessible), true);
    Q_UNUSED(installed);
    label->setProperty(ValueLabelName, name);
}

void exposeAsDialog(QWidget* window) {
    static const bool installed = (QAccessible::installFactory(dialogAccessible), true);
    Q_UNUSED(installed);
    window->setProperty(DialogProperty, true);
}

void describeNow(QWidget* widget, const QString& now) {
    QVariant standing = widget->property(StandingDescription);
    if (!standing.isValid()) {
        standing = widget->accessibleDescription();
        widget->setProperty(StandingDescription, standing);
    }
    const QString first = standing.toString();
    const QString description = first.isEmpty() ? now : first + u'、' + now;
    if (description != widget->accessibleDescription())
        widget->setAccessibleDescription(description); // tells screen readers of the change
}

void announce(QWidget* source, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(source);
    Q_UNUSED(message);
#endif
}

} // namespace hueprobe
