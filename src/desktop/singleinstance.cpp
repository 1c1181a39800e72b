#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>

namespace lumetra {

namespace {
const QString kObjectPath = QStringLiteral("/instance");
const QString kInterface = QStringLiteral("invalid.lumetra.jukebox.Instance");
// A jukebox busy loading a large catalogue still answers within this.
constexpr int kAnswerMs = 25000;
} // namespace

QString SingleInstance::serviceName(const QString &appId, const QString &dir)
{
    const QFileInfo folder(dir);
    const QString path =
        folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
    // A bus name's elements are letters, digits and "_", and may not start with a digit.
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return appId + QStringLiteral(".f") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(QDBusConnection bus, QString service, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_service(std::move(service))
{
}

SingleInstance::~SingleInstance()
{
    if (m_owned) {
        m_bus.unregisterService(m_service);
        m_bus.unregisterObject(kObjectPath);
    }
}

SingleInstance::Claim SingleInstance::claim()
{
    if (!m_bus.isConnected())
        return Claim::NoBus;
    // The object first: a start that finds the name can call it at once.
    if (!m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return Claim::NoBus;
    if (m_bus.registerService(m_service)) {
        m_owned = true;
        return Claim::Own;
    }
    m_bus.unregisterObject(kObjectPath);
    return isTaken() ? Claim::Taken : Claim::NoBus;
}

bool SingleInstance::isTaken() const
{
    return m_bus.isConnected() && m_bus.interface() && m_bus.interface()->isServiceRegistered(m_service);
}

bool SingleInstance::handOver(const QString &playlist)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_service, kObjectPath, kInterface, QStringLiteral("Activate"));
    call << playlist;
    return m_bus.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage;
}

void SingleInstance::Activate(const QString &playlist)
{
    Q_EMIT activated(playlist);
}

} // namespace lumetra
