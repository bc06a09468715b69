// A stand-in for a desktop's portal backend, behind the real xdg-desktop-portal:
// answers org.freedesktop.impl.portal.Screenshot.PickColor as its one argument
// says; prints "ready" once it serves and "asked" when the front end asks it.
// The front end offers Screenshot only when a backend also names the Access
// interface; picking a colour never calls it, so the name in the .portal file is
// all it takes.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QTextStream>

#include <cmath>

class Backend : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.impl.portal.Screenshot")
    Q_PROPERTY(uint version READ version)

public:
    explicit Backend(QString behaviour)
        : behaviour(std::move(behaviour)) {}
    uint version() const { return 2; } // a backend that can pick a colour

public slots:
    uint PickColor(const QDBusObjectPath& /*handle*/, const QString& /*appId*/,
                   const QString& /*parent*/, const QVariantMap& /*options*/,
                   QVariantMap& results) {
        QTextStream(stdout) << "asked" << Qt::endl;
        results = this->results();
        return behaviour == "cancel" ? 1 : behaviour == "ended" ? 2 : 0;
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
    Backend backend(app.arguments().value(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/portal/desktop", &backend,
                            QDBusConnection::ExportAllSlots |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService("org.freedesktop.impl.portal.desktop.hueprobetest"))
        return 1;
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}

#include "portal_backend.moc"
