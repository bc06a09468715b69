#include "FormDesign.h"

#include "ChannelScrollBar.h"
#include "GraphicalButton.h"
#include "OptionButton.h"
#include "PickListComboBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace hueprobe::design {

namespace {

// The Gothic face to draw with: the face the windows were drawn with, under
// either of its names, or else the proportional Gothic face Debian ships in
// fonts-ipafont-gothic, which has the same metrics class. Asking for a face
// that is not installed makes Qt search the system's fallback fonts for every
// size and script, milliseconds at start-up, and a name look-up through
// fontconfig costs nearly as much; so the installed face is found in the plain
// family list and asked for alone. Where none is installed, both are asked for.
struct GothicFaces {
    QStringList families;
    bool installed = false;
};

const GothicFaces& gothicFaces() {
    static const GothicFaces faces = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& face : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                    QStringLiteral("IPAPGothic")}) {
            if (installed.contains(face))
                return GothicFaces{{face}, true};
        }
        return GothicFaces{{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}};
    }();
    return faces;
}

} // namespace

QFont gothicFont(double points) {
    const GothicFaces& faces = gothicFaces();
    QFont font;
    font.setFamilies(faces.families);
    font.setStyleHint(QFont::SansSerif);
    // The face has every character the windows show in it, so Qt need not
    // gather fallback fonts for it that it would never use.
    if (faces.installed)
        font.setStyleStrategy(QFont::NoFontMerging);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

// Left to the toolkit, its font would draw Latin text in the system's sans face
// and fall back to the system's preferred Japanese face: two more font files in
// memory beside the Gothic one, each with its own font look-ups at start.
void useGothicInterfaceFont() {
    QFont font = QApplication::font();
    font.setFamilies(gothicFaces().families);
    QApplication::setFont(font);
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

// Where a ShowsValue label keeps its accessible name. Its QWidget::accessibleName
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

void setAccessibleTexts(QWidget* widget, const Control& control) {
    if (control.accessibleName) {
        const QString name = QString::fromUtf8(control.accessibleName);
        if (control.style & ShowsValue) {
            static const bool installed = (QAccessible::installFactory(valueLabelAccessible), true);
            Q_UNUSED(installed);
            widget->setProperty(ValueLabelName, name);
        } else {
            widget->setAccessibleName(name);
        }
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
}

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
