#pragma once

#include "ScreenPicker.h"

#include <QVariantMap>

class QDBusMessage;

namespace hueprobe {

// Picks through the desktop's own colour picker, the XDG desktop portal's
// Screenshot.PickColor: under Wayland no program may read the screen itself.
// Every call is asynchronous and bounded in time, so the window stays usable and
// a missing or silent portal ends in a message, not a wait.
class PortalPicker : public ScreenPicker {
    Q_OBJECT

public:
    // Where the desktop has no portal or no PickColor, otherwise (if given) is
    // asked instead of saying so.
    explicit PortalPicker(QObject* parent, ScreenPicker* otherwise = nullptr);

    void requestColour(Answer answer) override;

private:
    Q_SLOT void onResponse(uint response, const QVariantMap& results);
    template <class Then> void whenAnswered(const QDBusMessage& call, Then then);
    void versionKnown(const QDBusMessage& reply);
    void askForColour();
    void notOffered(const QString& reason);
    void listenAt(const QString& requestPath);
    void finish(const PickAnswer& answer);

    ScreenPicker* otherwise;
    Answer waiting;
    quint64 requests = 0; // numbers the requests, so a late answer to a replaced one is dropped
    QString listening;    // the request object whose Response is awaited
};

} // namespace hueprobe
