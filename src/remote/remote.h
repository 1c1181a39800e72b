#pragma once

#include "party/partysettings.h"
#include "remoteservice.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace lumetra {

class Party;
class RemoteHost;
class RemoteServer;

// The phone remote as the window owns it: its settings in party.ini (through party mode's own), the server
// while it is on (with it off nothing listens), and the page's address. Every change is written to party.ini
// first; a change that cannot be written is not made.
class Remote : public QObject
{
    Q_OBJECT
public:
    struct Options {
        QString cataloguePath;
        QString noCoverPicture;
        QString thumbnailRoot;
    };
    Remote(RemoteHost &host, Party &party, Options options, QObject *parent = nullptr);
    ~Remote() override;

    // Reads the settings and, when the remote is on, listens. Returns what to tell the user when it cannot.
    QString start();

    // As stored, with a fresh token while party.ini holds none that is valid.
    PartySettings::Remote settings() const;
    bool isListening() const { return m_server != nullptr; }
    quint16 port() const;
    bool setOn(bool on, QString *error = nullptr);
    bool setPort(quint16 port, QString *error = nullptr);
    // A new token: the old address stops working and every open page is disconnected.
    bool drawToken(QString *error = nullptr);

    // The page's address at each address of this machine a phone on the network may reach; the loopback
    // address when there is none.
    QStringList addresses() const;

    RemoteService &service() { return m_service; }
    RemoteServer *server() const { return m_server.get(); }

public Q_SLOTS:
    // What the window shows may have changed; pages hear of it when it did.
    void stateMayHaveChanged();
    // The window has read the catalogue again.
    void catalogueChanged();

Q_SIGNALS:
    // On or off, the port or the token changed.
    void changed();

private:
    bool listen(quint16 port, QString *error);
    bool store(const PartySettings::Remote &next, QString *error);

    Party &m_party;
    Options m_options;
    QByteArray m_freshToken;
    RemoteService m_service;
    std::unique_ptr<RemoteServer> m_server;
};

} // namespace lumetra
