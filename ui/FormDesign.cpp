#include "FormDesign.h"

#include "Accessibility.h"
#include "ChannelScrollBar.h"
#include "Colours.h"
#include "FitText.h"
#include "GothicFont.h"
#include "GraphicalButton.h"
#include "OptionButton.h"
#include "PickListComboBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace hueprobe::design {

namespace {

void setAccessibleTexts(QWidget* widget, const Control& control) {
    if (control.accessibleName) {
        const QString name = QString::fromUtf8(control.accessibleName);
        auto* valueLabel = control.style & ShowsValue ? qobject_cast<QLabel*>(widget) : nullptr;
        if (valueLabel)
            nameValueLabel(valueLabel, name);
        else
            widget->setAccessibleName(name);
    }
    if (control.accessibleDescription)
        widget->setAccessibleDescription(QString::fromUtf8(control.accessibleDescription));
}

QColor designColour(int rgb) {
    return rgb == NoColour ? QColor() : QColor::fromRgb(QRgb(rgb));
}

QLabel* makeLabel(const Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(0); // QLabel would otherwise push framed text in from the aligned edges
    if (control.style & RightAligned)
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    else if (control.style & Centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    else
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.style & SunkenBorder)
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    return label;
}

QPushButton* makeButton(const Control& control, QWidget* parent) {
    auto* button =
        control.style & Graphical ? new GraphicalButton(parent) : new QPushButton(parent);
    // Enter presses the button that has the focus, as Space does; with the
    // focus elsewhere Enter presses nothing, since no window has a default button.
    button->setAutoDefault(true);
    return button;
}

QWidget* makeWidget(const Control& control, QWidget* parent) {
    switch (control.kind) {
    case Kind::Label:
        return makeLabel(control, parent);
    case Kind::ChannelBar:
        return new ChannelScrollBar(parent);
    case Kind::PickList:
        return new PickListComboBox(parent);
    case Kind::Button:
        return makeButton(control, parent);
    case Kind::Frame:
        return new QGroupBox(parent);
    case Kind::Option:
        return new OptionButton(parent);
    case Kind::TextBox:
        return new QLineEdit(parent);
    }
    return nullptr;
}

void setText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setText(text);
}

QWidget* make(const Control& control, QWidget* parent) {
    QWidget* widget = makeWidget(control, parent);
    widget->setObjectName(QString::fromLatin1(control.name));
    widget->setGeometry(control.place.toPixels());
    if (control.points > 0)
        widget->setFont(gothicFont(control.points));
    setColours(widget, designColour(control.textColour), designColour(control.background));
    if (control.tooltip)
        widget->setToolTip(QString::fromUtf8(control.tooltip));
    setAccessibleTexts(widget, control);
    if (control.text)
        setText(widget, QString::fromUtf8(control.text));
    if (control.widest)
        condenseToFit(widget, QString::fromUtf8(control.widest));
    if (control.style & AutoSize)
        widget->resize(widget->sizeHint()); // the top-left corner stays where it was
    return widget;
}

void chainTabOrder(std::vector<std::pair<int, QWidget*>> focusable) {
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}

} // namespace

Built build(QWidget* window, std::initializer_list<Control> design) {
    Built built;
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const Control& control : design) {
        QWidget* parent = control.container ? built.get<QGroupBox>(control.container) : window;
        QWidget* widget = make(control, parent);
        built.widgets_.insert(widget->objectName(), widget);
        if (control.tab != NoTab && widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(control.tab, widget);
    }
    chainTabOrder(std::move(focusable));
    for (const Control& control : design) {
        if (control.buddy)
            built.get<QLabel>(control.name)->setBuddy(built.get<QWidget>(control.buddy));
    }
    return built;
}

} // namespace hueprobe::design
