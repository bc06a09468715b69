// A stand-in for the desktop's portal front end, for what the real one never does:
// never answer ("never"), offer only version 1 of Screenshot ("old"), or send a
// colour of the wrong type ("wrongtype"); and, where no real front end can run
// (a compositor's own session in the Wayland tests), pick 8033FF ("colour") or
// end the request as a backend without a picker does ("ended").
// Prints "ready" once it serves and "answered" once it has answered.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QTextStream>

class StandIn : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
    Q_PROPERTY(uint version READ version)

public:
    explicit StandIn(QString behaviour)
        : behaviour(std::move(behaviour)) {}
    uint version() const { return behaviour == "old" ? 1 : 2; }

public slots:
    QDBusObjectPath PickColor(const QString& /*parent*/, const QVariantMap& options) {
        const QString caller = message().service().mid(1).replace('.', '_');
        const QString path = "/org/freedesktop/portal/desktop/request/" + caller + '/' +
                             options.value("handle_token").toString();
        if (behaviour == "never") {
            setDelayedReply(true);
            return {};
        }
        // Sent before the reply, as a quick portal may: a caller that listens
        // only once it has the reply misses it.
        QDBusMessage response =
            QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        response << uint(behaviour == "ended" ? 2 : 0) << QVariantMap{{"color", colour()}};
        connection().send(response);
        QTextStream(stdout) << "answered" << Qt::endl;
        return QDBusObjectPath(path);
    }

private:
    QVariant colour() const {
        if (behaviour == "wrongtype")
            return QStringLiteral("#8033FF");
        QDBusArgument fractions;
        fractions.beginStructure();
        fractions << 0.5 << 0.2 << 1.0;
        fractions.endStructure();
        return QVariant::fromValue(fractions);
    }

    QString behaviour;
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    StandIn standIn(app.arguments().value(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/portal/desktop", &standIn,
                            QDBusConnection::ExportAllSlots |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService("org.freedesktop.portal.Desktop"))
        return 1;
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}

#include "portal_standin.moc"
