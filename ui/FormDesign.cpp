#include "FormDesign.h"

#include "ChannelScrollBar.h"
#include "PickListComboBox.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace hueprobe::design {

namespace {

// The face the windows were drawn with first, then the proportional Gothic face
// Debian ships in fonts-ipafont-gothic, which has the same metrics class.
// Qt answers a request whose first face is not installed with a search of the
// system's fallback fonts, for every size and script: several milliseconds at
// start-up. So where only the second face is installed it is asked for alone;
// the face drawn with is the same. The second face is looked for in the plain
// family list, which costs a twentieth of hasFamily(); the first needs
// hasFamily(), which also knows its other names.
QStringList gothicFaces() {
    const QString drawnWith = QStringLiteral("ＭＳ Ｐゴシック");
    const QString debianFace = QStringLiteral("IPAPGothic");
    if (QFontDatabase::families().contains(debianFace) && !QFontDatabase::hasFamily(drawnWith))
        return {debianFace};
    return {drawnWith, debianFace};
}

} // namespace

QFont gothicFont(double points) {
    static const QStringList faces = gothicFaces();
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

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

namespace {

QColor designColour(int rgb) { return rgb == NoColour ? QColor() : QColor::fromRgb(QRgb(rgb)); }

QLabel* makeLabel(const Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setIndent(0); // QLabel would otherwise push framed text in from the aligned edges
    if (control.style & RightAligned)
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    else
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.style & SunkenBorder)
        label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    return label;
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
        return new QPushButton(parent);
    }
    return nullptr;
}

void setText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        button->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        combo->setEditText(text);
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
    if (control.text)
        setText(widget, QString::fromUtf8(control.text));
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
        QWidget* widget = make(control, window);
        built.widgets_.insert(widget->objectName(), widget);
        if (control.tab != NoTab && widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace_back(control.tab, widget);
    }
    chainTabOrder(std::move(focusable));
    return built;
}

} // namespace hueprobe::design
