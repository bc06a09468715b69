// A stand-in for the desktop's portal: answers Screenshot.PickColor as its one
// argument says; prints "ready" once it serves and "answered" once it has answered.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QTextStream>

#include <cmath>

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
        response << uint(behaviour == "cancel" ? 1 : behaviour == "ended" ? 2 : 0) << results();
        connection().send(response);
        QTextStream(stdout) << "answered" << Qt::endl;
        return QDBusObjectPath(path);
    }

private:
    QVariantMap results() const {
        const QHash<QString, QList<double>> colours = {{"colour", {0.5, 0.2, 1}},
                                                       {"below", {0.5, -0.01, 0.5}},
                                                       {"above", {0.5, 0.5, 1.01}},
                                                       {"nan", {std::nan(""), 0.5, 0.5}}};
        if (behaviour == "wrongtype")
            return {{"color", QStringLiteral("#8033FF")}};
        if (!colours.contains(behaviour))
            return {};
        QDBusArgument colour;
        colour.beginStructure();
        for (double fraction : colours.value(behaviour))
            colour << fraction;
        colour.endStructure();
        return {{"color", QVariant::fromValue(colour)}};
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
