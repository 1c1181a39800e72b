#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace lumetra {

// The phone remote's settings in party.ini's [remote] group: on or off, the port and the access token.
struct RemoteSettings {
    Q_DECLARE_TR_FUNCTIONS(lumetra::RemoteSettings)

public:
    static constexpr quint16 kDefaultPort = 8765;
    static constexpr quint16 kLowestPort = 1024;

    bool on = false;
    quint16 port = kDefaultPort;
    QByteArray token;

    // A missing file or group gives the defaults: off. A value that is not valid gives its default; a token
    // that is not one is replaced by a new one.
    static RemoteSettings load(const QString &path);
    // Writes the [remote] group, keeping every other key of the file, through a temporary file that replaces
    // the file only when complete; on failure the old file is untouched and `error` says why.
    bool save(const QString &path, QString *error = nullptr) const;

    bool operator==(const RemoteSettings &) const = default;
};

} // namespace lumetra
