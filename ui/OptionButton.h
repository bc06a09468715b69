#pragma once

#include <QRadioButton>

namespace hueprobe {

// An option button of a group (the options sharing one frame): selecting one
// clears the others. As the user expects of option groups, an option that
// takes the keyboard focus while no option of its group is selected becomes
// the selected one, so a group reached with Tab never sits without a choice.
// A click anywhere in the option's place selects it, not only on its caption.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    bool groupHasSelection() const;
};

} // namespace hueprobe
