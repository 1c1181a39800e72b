#include "remotesettings.h"

#include "secret.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace lumetra {

namespace {
const QString kOnKey = QStringLiteral("remote/on");
const QString kPortKey = QStringLiteral("remote/port");
const QString kTokenKey = QStringLiteral("remote/token");
} // namespace

RemoteSettings RemoteSettings::load(const QString &path)
{
    RemoteSettings settings;
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() == QSettings::NoError) {
        settings.on = ini.value(kOnKey).toString() == u"true";
        bool ok = false;
        const int port = ini.value(kPortKey).toString().toInt(&ok);
        if (ok && port >= kLowestPort && port <= 65535)
            settings.port = quint16(port);
        settings.token = ini.value(kTokenKey).toString().toLatin1();
    } else {
        settings.on = false;
    }
    if (!isSecretShaped(settings.token))
        settings.token = newSecret();
    return settings;
}

bool RemoteSettings::save(const QString &path, QString *error) const
{
    // QSettings writes in place, so the text is made in a scratch folder and then saved whole.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = scratch.errorString();
        return false;
    }
    const QString draft = scratch.filePath(QStringLiteral("draft.ini"));
    {
        QSettings ini(draft, QSettings::IniFormat);
        const QSettings old(path, QSettings::IniFormat);
        if (old.status() == QSettings::NoError) {
            for (const QString &key : old.allKeys())
                ini.setValue(key, old.value(key));
        }
        ini.setValue(kOnKey, on);
        ini.setValue(kPortKey, port);
        ini.setValue(kTokenKey, QString::fromLatin1(token));
        ini.sync();
        if (ini.status() != QSettings::NoError) {
            if (error)
                *error = tr("the settings could not be written");
            return false;
        }
    }
    QFile made(draft);
    if (!made.open(QIODevice::ReadOnly)) {
        if (error)
            *error = made.errorString();
        return false;
    }
    QSaveFile out(path);
    // The token opens the remote: the file is for its owner's eyes only.
    if (!out.open(QIODevice::WriteOnly) || out.write(made.readAll()) < 0 ||
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

} // namespace lumetra
