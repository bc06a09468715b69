#pragma once

#include "Module1.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace hueprobe {

// What came of asking for a colour from the screen: the colour picked, or none.
// With none, reason says in one message why nothing was picked; it is empty when
// the user cancelled, which needs no message.
struct PickAnswer {
    std::optional<Channels> colour;
    QString reason;
};

// Takes one colour from anywhere on the screen, the way the session allows: the
// desktop's own picker under Wayland where it has one, else Hueprobe's magnifier
// over a still image of the screen (X11, and wlroots desktops through grim). Asking never blocks;
// each request gets one answer, at once where nothing can be picked, else later from the event loop
// (the window stays usable meanwhile where the picker is the desktop's). A new request while one is
// still waiting replaces it, so a picker that never answers cannot hold the user up.
class ScreenPicker : public QObject {
    Q_OBJECT

public:
    using Answer = std::function<void(const PickAnswer&)>;

    // The picker for this session, made on first use: nothing of it runs before.
    static ScreenPicker* forThisSession(QObject* parent);

    virtual void requestColour(Answer answer) = 0;

protected:
    using QObject::QObject;
};

} // namespace hueprobe
