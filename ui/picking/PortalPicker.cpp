#include "PortalPicker.h"

#include "FractionColour.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace hueprobe {

namespace {

const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Screenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString Request = QStringLiteral("org.freedesktop.portal.Request");
const char* const ResponseSlot = SLOT(onResponse(uint, QVariantMap));

// A portal answers each call at once (the user's pick comes later, as a signal):
// one that has not answered by then never will.
constexpr int CallTimeout = 10'000; // milliseconds
constexpr uint FirstVersionWithPickColor = 2;

// Built when needed: nothing of the picker runs before its first use.
QString whatProvides() {
    return QStringLiteral("画面から色を取るには、デスクトップの XDG デスクトップポータルと、"
                          "Screenshot ポータル（バージョン２以上）を持つバックエンド"
                          "（xdg-desktop-portal-gnome、xdg-desktop-portal-kde など）が必要です。");
}
QString noPortal() {
    return QStringLiteral("デスクトップのポータルが見つからないため、画面から色を取れません。") +
           whatProvides();
}
QString noPickColor() {
    return QStringLiteral("デスクトップのポータルには、画面から色を取る機能がありません。") +
           whatProvides();
}
const QString NoAnswer =
    QStringLiteral("デスクトップのポータルが答えないため、画面から色を取れませんでした。");
const QString Failed = QStringLiteral("デスクトップのポータルで色を取れませんでした（%1）。");
const QString BadColour =
    QStringLiteral("デスクトップのポータルから届いた色が読めないため、色は変えていません。");
const QString Unfinished = QStringLiteral("デスクトップのポータルが色を取り終えられませんでした。");

// What a failed call says the desktop lacks, if anything: a portal that is there
// and fails is not the same as none.
enum class Lack { Nothing, Portal, PickColor };

Lack lackShownBy(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::Disconnected:
    case QDBusError::NoServer:
    case QDBusError::ServiceUnknown:
        return Lack::Portal;
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownProperty:
    case QDBusError::UnknownMethod:
    case QDBusError::InvalidArgs:
        return Lack::PickColor;
    default:
        return Lack::Nothing;
    }
}

QString reasonFor(const QDBusError& error) {
    switch (lackShownBy(error)) {
    case Lack::Portal:
        return noPortal();
    case Lack::PickColor:
        return noPickColor();
    case Lack::Nothing:
        break;
    }
    switch (error.type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return NoAnswer;
    default:
        return Failed.arg(error.message());
    }
}

// results["color"] is (ddd): red, green and blue as sRGB fractions.
std::optional<Channels> colourIn(const QVariantMap& results) {
    const QVariant colour = results.value(QStringLiteral("color"));
    if (colour.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = colour.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return std::nullopt;
    std::array<double, ChannelCount> fractions{};
    argument.beginStructure();
    argument >> fractions.at(0) >> fractions.at(1) >> fractions.at(2);
    argument.endStructure();
    return ChannelsFromFractions(fractions);
}

} // namespace

PortalPicker::PortalPicker(QObject* parent, ScreenPicker* otherwise)
    : ScreenPicker(parent)
    , otherwise(otherwise) {}

void PortalPicker::requestColour(Answer answer) {
    finish({}); // a request still waiting is replaced, as if cancelled
    waiting = std::move(answer);
    // Without a session bus a call is never answered, not even by an error.
    if (!QDBusConnection::sessionBus().isConnected()) {
        notOffered(noPortal());
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        Portal, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << Screenshot << QStringLiteral("version");
    whenAnswered(get, [this](const QDBusMessage& reply) { versionKnown(reply); });
}

// The watcher is this picker's child until it deletes itself after the answer; the
// static analyzer does not follow Qt's ownership by parent.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
template <class Then> void PortalPicker::whenAnswered(const QDBusMessage& call, Then then) {
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call, CallTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, request = requests, then] {
                watcher->deleteLater();
                if (request != requests)
                    return; // answered or replaced meanwhile
                const QDBusMessage reply = watcher->reply();
                const QDBusError error(reply);
                if (reply.type() != QDBusMessage::ErrorMessage)
                    then(reply);
                else if (lackShownBy(error) != Lack::Nothing)
                    notOffered(reasonFor(error));
                else
                    finish({std::nullopt, reasonFor(error)});
            });
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

void PortalPicker::versionKnown(const QDBusMessage& reply) {
    bool isNumber = false;
    const uint version =
        reply.arguments().value(0).value<QDBusVariant>().variant().toUInt(&isNumber);
    if (isNumber && version >= FirstVersionWithPickColor)
        askForColour();
    else
        notOffered(noPickColor());
}

// Where the desktop has no picker of its own, the request goes on to the other way.
void PortalPicker::notOffered(const QString& reason) {
    if (!otherwise) {
        finish({std::nullopt, reason});
        return;
    }
    Answer answer = std::exchange(waiting, {});
    finish({});
    otherwise->requestColour(std::move(answer));
}

void PortalPicker::askForColour() {
    // The portal names the request object after the caller and the token. Listening
    // there before asking means even an answer sent at once cannot be missed.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QString token = QStringLiteral("hueprobe%1").arg(requests);
    const QString caller = bus.baseService().mid(1).replace(u'.', u'_');
    listenAt(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(caller, token));
    QDBusMessage pickColor =
        QDBusMessage::createMethodCall(Portal, PortalPath, Screenshot, QStringLiteral("PickColor"));
    pickColor << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    whenAnswered(pickColor, [this](const QDBusMessage& reply) {
        // A portal older than the naming rule answers with a path of its own.
        listenAt(reply.arguments().value(0).value<QDBusObjectPath>().path());
    });
}

void PortalPicker::listenAt(const QString& requestPath) {
    if (requestPath == listening)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!listening.isEmpty())
        bus.disconnect(Portal, listening, Request, QStringLiteral("Response"), this, ResponseSlot);
    listening = requestPath;
    if (!listening.isEmpty())
        bus.connect(Portal, listening, Request, QStringLiteral("Response"), this, ResponseSlot);
}

void PortalPicker::onResponse(uint response, const QVariantMap& results) {
    switch (response) {
    case 0: {
        const std::optional<Channels> colour = colourIn(results);
        finish(colour ? PickAnswer{colour, {}} : PickAnswer{std::nullopt, BadColour});
        break;
    }
    case 1: // the user cancelled in the desktop's picker
        finish({});
        break;
    default:
        // A backend without a picker of its own (wlroots' offers screenshots
        // only) ends the request so, while the front end still offers PickColor.
        notOffered(Unfinished);
    }
}

void PortalPicker::finish(const PickAnswer& answer) {
    listenAt({});
    ++requests;
    if (const Answer answering = std::exchange(waiting, {}))
        answering(answer);
}

} // namespace hueprobe
