#include "remote.h"

#include "addressrule.h"
#include "party/party.h"
#include "remoteserver.h"
#include "secret.h"

#include <QNetworkInterface>

namespace lumetra {

Remote::Remote(RemoteHost &host, Party &party, Options options, QObject *parent)
    : QObject(parent)
    , m_party(party)
    , m_options(std::move(options))
    , m_freshToken(newSecret())
    , m_service(host, {m_options.cataloguePath, m_options.noCoverPicture, m_options.thumbnailRoot, {}})
{
}

Remote::~Remote() = default;

PartySettings::Remote Remote::settings() const
{
    PartySettings::Remote settings = m_party.settings().remote;
    if (!isSecretShaped(settings.token))
        settings.token = m_freshToken;
    return settings;
}

QString Remote::start()
{
    const PartySettings::Remote settings = this->settings();
    m_service.setToken(settings.token);
    // A fresh token stands in for a stored one that is not valid; it is written with the user's next change,
    // as a start leaves party.ini as it is.
    if (!settings.on)
        return {};
    QString error;
    if (listen(settings.port, &error))
        return {};
    return tr("The phone remote could not be started: %1").arg(error);
}

quint16 Remote::port() const
{
    return m_server ? m_server->port() : settings().port;
}

bool Remote::listen(quint16 port, QString *error)
{
    auto server = std::make_unique<RemoteServer>(m_service);
    if (!server->listen(port, error))
        return false;
    m_server = std::move(server);
    // Pages are told what plays from their first moment.
    m_service.refreshState();
    return true;
}

bool Remote::store(const PartySettings::Remote &next, QString *error)
{
    PartySettings all = m_party.settings();
    all.remote = next;
    QString why;
    if (!m_party.change(all, &why)) {
        if (error)
            *error = tr("The settings could not be saved: %1").arg(why);
        return false;
    }
    Q_EMIT changed();
    return true;
}

bool Remote::setOn(bool on, QString *error)
{
    PartySettings::Remote next = settings();
    next.on = on;
    if (!on) {
        if (!store(next, error))
            return false;
        m_server.reset();
        return true;
    }
    if (!m_server && !listen(next.port, error))
        return false;
    if (!store(next, error)) {
        m_server.reset();
        return false;
    }
    return true;
}

bool Remote::setPort(quint16 port, QString *error)
{
    if (port < PartySettings::Remote::kLowestPort) {
        if (error)
            *error = tr("Choose a port from %1 to 65535.").arg(PartySettings::Remote::kLowestPort);
        return false;
    }
    PartySettings::Remote next = settings();
    next.port = port;
    if (m_server && m_server->port() != port) {
        // The new port is taken before the old one is let go, so a port in use leaves the remote as it was.
        auto old = std::move(m_server);
        if (!listen(port, error)) {
            m_server = std::move(old);
            return false;
        }
        if (!store(next, error)) {
            m_server = std::move(old);
            return false;
        }
        return true;
    }
    return store(next, error);
}

bool Remote::drawToken(QString *error)
{
    PartySettings::Remote next = settings();
    next.token = newSecret();
    if (!store(next, error))
        return false;
    m_service.setToken(next.token);
    if (m_server)
        m_server->closeSockets();
    return true;
}

QStringList Remote::addresses() const
{
    // IPv4 first: that is what phones on a home network use.
    QStringList v4;
    QStringList v6;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || !isLocalClient(address))
            continue;
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            v4.append(address.toString());
        // A link-local IPv6 address needs its interface named, which a phone cannot do.
        else if (address.scopeId().isEmpty())
            v6.append(QLatin1Char('[') + address.toString() + QLatin1Char(']'));
    }
    QStringList hosts = v4 + v6;
    if (hosts.isEmpty())
        hosts.append(QStringLiteral("127.0.0.1"));
    QStringList addresses;
    for (const QString &host : std::as_const(hosts))
        addresses.append(QStringLiteral("http://%1:%2/?t=%3")
                             .arg(host)
                             .arg(port())
                             .arg(QString::fromLatin1(settings().token)));
    return addresses;
}

void Remote::stateMayHaveChanged()
{
    if (m_server)
        m_service.refreshState();
}

void Remote::catalogueChanged()
{
    m_service.catalogueChanged();
}

} // namespace lumetra
