#include "partysettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

#include <filesystem>
#include <optional>

namespace lumetra {

namespace {

constexpr int kFormat = 1;
constexpr int kMaxHistory = 10000;
constexpr int kMaxIterations = 1000000; // each PIN check repeats them; more is a file made to stall it

const QString kFormatKey = QStringLiteral("party/format");
const QString kModeKey = QStringLiteral("party/mode");
const QString kLockedKey = QStringLiteral("party/locked");
const QString kPinKeyKey = QStringLiteral("party/pinKey");
const QString kPinSaltKey = QStringLiteral("party/pinSalt");
const QString kPinIterationsKey = QStringLiteral("party/pinIterations");
const QString kTracksKey = QStringLiteral("party/historyTracks");
const QString kAlbumsKey = QStringLiteral("party/historyAlbums");
const QString kMaxWaitingKey = QStringLiteral("guests/maxWaiting");
const QString kMaySkipKey = QStringLiteral("guests/maySkip");
const QString kMaxVolumeKey = QStringLiteral("guests/maxVolume");
const QString kMinVolumeKey = QStringLiteral("guests/minVolume");
const QString kRemoteOnKey = QStringLiteral("remote/on");
const QString kRemotePortKey = QStringLiteral("remote/port");
const QString kRemoteTokenKey = QStringLiteral("remote/token");

const QStringList kKnownKeys{kFormatKey,        kModeKey,      kLockedKey,   kPinKeyKey,     kPinSaltKey,
                             kPinIterationsKey, kTracksKey,    kAlbumsKey,   kMaxWaitingKey, kMaySkipKey,
                             kMaxVolumeKey,     kMinVolumeKey, kRemoteOnKey, kRemotePortKey, kRemoteTokenKey};
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kGroupOrOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                    QFileDevice::WriteOther | QFileDevice::ExeOther;

// Reads values strictly: a key that is missing or does not hold what it should makes the file damaged.
class Reader
{
public:
    explicit Reader(const QSettings &ini)
        : m_ini(ini)
    {
    }

    QString text(const QString &key)
    {
        if (!m_ini.contains(key)) {
            fail(key);
            return {};
        }
        return m_ini.value(key).toString();
    }
    bool flag(const QString &key)
    {
        const QString value = text(key);
        if (value != u"true" && value != u"false")
            fail(key);
        return value == u"true";
    }
    int number(const QString &key, int low, int high)
    {
        bool ok = false;
        const int value = text(key).toInt(&ok);
        if (!ok || value < low || value > high)
            fail(key);
        return value;
    }
    // A key later versions added: missing, it is `absent`.
    int laterNumber(const QString &key, int low, int high, int absent)
    {
        return m_ini.contains(key) ? number(key, low, high) : absent;
    }
    QByteArray hex(const QString &key)
    {
        const QString value = text(key);
        const bool digits = std::all_of(value.begin(), value.end(), [](QChar c) { return isHexDigit(c); });
        if (!digits || value.size() % 2 != 0)
            fail(key);
        return QByteArray::fromHex(value.toLatin1());
    }
    const std::optional<QString> &failure() const { return m_failure; }

private:
    static bool isHexDigit(QChar c)
    {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }
    void fail(const QString &key)
    {
        if (!m_failure)
            m_failure = key;
    }

    const QSettings &m_ini;
    std::optional<QString> m_failure;
};

PartySettings::Remote readRemote(const QSettings &ini)
{
    PartySettings::Remote remote;
    remote.on = ini.value(kRemoteOnKey).toString() == u"true";
    bool ok = false;
    const int port = ini.value(kRemotePortKey).toString().toInt(&ok);
    if (ok && port >= PartySettings::Remote::kLowestPort && port <= 65535)
        remote.port = quint16(port);
    remote.token = ini.value(kRemoteTokenKey).toString().toLatin1();
    return remote;
}

} // namespace

PartySettings::Loaded PartySettings::load(const QString &path)
{
    Loaded loaded;
    const QFileInfo info(path);
    if (!info.exists())
        return loaded;
    // A FIFO or a device could block the start or never end: only a regular file is opened.
    if (!info.isFile()) {
        loaded.status = Status::Damaged;
        loaded.error = tr("it is not a regular file");
        return loaded;
    }
    // The token opens the jukebox to phones: the file is for its owner's eyes only.
    if (info.permissions() & kGroupOrOthers)
        loaded.madePrivate = QFile::setPermissions(path, kOwnerOnly);
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
        loaded.status = Status::Damaged;
        loaded.error = tr("it could not be read (%1)").arg(probe.errorString());
        return loaded;
    }
    probe.close();

    const QSettings ini(path, QSettings::IniFormat);
    Reader read(ini);
    PartySettings s;
    read.number(kFormatKey, kFormat, kFormat);
    s.partyMode = read.flag(kModeKey);
    s.locked = read.flag(kLockedKey);
    s.pin.key = read.hex(kPinKeyKey);
    s.pin.salt = read.hex(kPinSaltKey);
    s.pin.iterations = read.number(kPinIterationsKey, 0, kMaxIterations);
    s.historyTracks = read.number(kTracksKey, 0, kMaxHistory);
    s.historyAlbums = read.number(kAlbumsKey, 0, kMaxHistory);
    s.guests.maxWaiting = read.number(kMaxWaitingKey, 1, kMaxHistory);
    s.guests.maySkip = read.flag(kMaySkipKey);
    s.guests.maxVolume = read.number(kMaxVolumeKey, 0, GuestRules::kMaxVolume);
    s.guests.minVolume = read.laterNumber(kMinVolumeKey, 0, s.guests.maxVolume,
                                          std::min(GuestRules::kDefaultMinVolume, s.guests.maxVolume));
    loaded.settings.remote = s.remote = readRemote(ini);

    std::optional<QString> failure = read.failure();
    if (!failure && ini.status() != QSettings::NoError)
        failure = tr("its format");
    // A lock without a usable key would lock the host out.
    if (!failure && s.locked && (s.pin.isNull() || s.pin.salt.isEmpty() || s.pin.iterations <= 0))
        failure = kPinKeyKey;
    if (failure) {
        loaded.status = Status::Damaged;
        loaded.error = tr("the value of %1 is missing or not valid").arg(*failure);
        return loaded;
    }
    loaded.settings = s;
    loaded.status = Status::Read;
    return loaded;
}

bool PartySettings::save(const QString &path, QString *error) const
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // QSettings writes in place, so the text is made in a temporary file beside this one, which then takes
    // its place: a kill leaves the old file or the new one, and nothing outside this folder. A symbolic link
    // is replaced, never written through.
    QTemporaryFile draft(QFileInfo(path).absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!draft.open())
        return fail(draft.errorString());
    draft.close();
    {
        QSettings ini(draft.fileName(), QSettings::IniFormat);
        // Keep what others keep here.
        if (QFileInfo(path).isFile()) {
            const QSettings old(path, QSettings::IniFormat);
            for (const QString &key : old.allKeys()) {
                if (!kKnownKeys.contains(key))
                    ini.setValue(key, old.value(key));
            }
        }
        ini.setValue(kFormatKey, kFormat);
        ini.setValue(kModeKey, partyMode);
        ini.setValue(kLockedKey, locked);
        ini.setValue(kPinKeyKey, QString::fromLatin1(pin.key.toHex()));
        ini.setValue(kPinSaltKey, QString::fromLatin1(pin.salt.toHex()));
        ini.setValue(kPinIterationsKey, pin.iterations);
        ini.setValue(kTracksKey, historyTracks);
        ini.setValue(kAlbumsKey, historyAlbums);
        ini.setValue(kMaxWaitingKey, guests.maxWaiting);
        ini.setValue(kMaySkipKey, guests.maySkip);
        ini.setValue(kMaxVolumeKey, guests.maxVolume);
        ini.setValue(kMinVolumeKey, guests.minVolume);
        ini.setValue(kRemoteOnKey, remote.on);
        ini.setValue(kRemotePortKey, remote.port);
        ini.setValue(kRemoteTokenKey, QString::fromLatin1(remote.token));
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return fail(tr("the settings could not be written"));
    }
    if (!QFile::setPermissions(draft.fileName(), kOwnerOnly))
        return fail(draft.errorString());
    // QSettings takes a file of the same size and the same millisecond for the one it has already read, so a
    // save right after another would be read back as the one before it.
    const QDateTime before = QFileInfo(path).lastModified();
    if (before.isValid() && QFileInfo(draft.fileName()).lastModified() <= before) {
        QFile written(draft.fileName());
        if (!written.open(QIODevice::ReadOnly) ||
            !written.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime))
            return fail(written.errorString());
    }
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(draft.fileName()).toStdString(),
                            QFile::encodeName(path).toStdString(), failed);
    if (failed)
        return fail(QString::fromStdString(failed.message()));
    return true;
}

void PartySettings::removeLeftovers(const QString &path)
{
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    const QStringList names =
        folder.entryList({info.fileName() + QStringLiteral(".*")},
                         QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    for (const QString &name : names)
        folder.remove(name);
}

} // namespace lumetra
