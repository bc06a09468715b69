// A stand-in for the desktop's portal front end, for what the real one never does:
// never answer ("never"), offer only version 1 of Screenshot ("old"), or send its
// Response, 8033FF, before its reply ("colour"). Prints "ready" once it serves.
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
        if (behaviour == "never") {
            setDelayedReply(true);
            return {};
        }
        const QString caller = message().service().mid(1).replace('.', '_');
        const QString path = "/org/freedesktop/portal/desktop/request/" + caller + '/' +
                             options.value("handle_token").toString();
        // Sent before the reply: a caller that listens only once it has the reply misses it.
        QDBusArgument fractions;
        fractions.beginStructure();
        fractions << 0.5 << 0.2 << 1.0;
        fractions.endStructure();
        QDBusMessage response =
            QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
        response << uint(0) << QVariantMap{{"color", QVariant::fromValue(fractions)}};
        connection().send(response);
        return QDBusObjectPath(path);
    }

private:
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
