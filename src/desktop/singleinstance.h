#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace lumetra {

// One jukebox per application folder on a desktop: the first start owns a name on the session bus, a
// later one hands it its playlist and ends. Without a session bus every start runs on its own.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "invalid.lumetra.jukebox.Instance")
public:
    // The bus name for `appId` and the application folder `dir`: another folder is another jukebox.
    static QString serviceName(const QString &appId, const QString &dir);

    SingleInstance(QDBusConnection bus, QString service, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Claim { Own, Taken, NoBus };
    // Takes the name; Taken when a running jukebox holds it.
    Claim claim();
    // Asks the jukebox holding the name to show itself and import `playlist` (empty: none); false when it
    // does not answer.
    bool handOver(const QString &playlist);
    // Whether a jukebox holds the name, for work that must not run beside one.
    bool isTaken() const;

public Q_SLOTS:
    // Called over the bus by a later start.
    Q_SCRIPTABLE void Activate(const QString &playlist);

Q_SIGNALS:
    void activated(const QString &playlist);

private:
    QDBusConnection m_bus;
    QString m_service;
    bool m_owned = false;
};

} // namespace lumetra
