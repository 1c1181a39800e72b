#include "appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumetra {

AppFolder::AppFolder(const QString &dir)
    : m_dir(QDir::cleanPath(QDir(dir).absolutePath()))
{
}

QString AppFolder::choose(const QString &requested)
{
    if (!requested.isEmpty())
        return QDir(requested).absolutePath();
    QString exeDir = QCoreApplication::applicationDirPath();
    // An installed program (its files beside it under share/) keeps the user's data in the user's folder,
    // even when its own folder happens to be writable, as it is for root.
    const bool installed = QFileInfo::exists(exeDir + QStringLiteral("/../share/lumetra/files"));
    if (!installed && QFileInfo(exeDir).isWritable())
        return exeDir;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool AppFolder::prepare(const QString &resourceRoot, QString *error) const
{
    QDir dir(m_dir);
    if (!dir.mkpath(QStringLiteral("."))) {
        if (error)
            *error = tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(m_dir));
        return false;
    }
    if (!QDir::setCurrent(m_dir)) {
        if (error)
            *error = tr("The folder %1 cannot be entered.").arg(QDir::toNativeSeparators(m_dir));
        return false;
    }
    const QString target = m_dir + QStringLiteral("/files");
    QDirIterator it(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString dest = target + source.mid(resourceRoot.size());
        if (QFileInfo::exists(dest))
            continue;
        QDir().mkpath(QFileInfo(dest).absolutePath());
        if (QFile::copy(source, dest))
            QFile::setPermissions(dest,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

QString AppFolder::file(const QString &name) const
{
    return m_dir + QDir::separator() + name;
}

QString AppFolder::ownFile(const QString &name) const
{
    return m_dir + QDir::separator() + QStringLiteral("files") + QDir::separator() + name;
}

} // namespace lumetra
