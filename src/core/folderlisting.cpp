#include "folderlisting.h"

#include "collation.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace lumetra {

namespace {

// A ";"-separated list of wildcard patterns, matched without regard to case. "*.ext" patterns, the usual
// kind, are a suffix test; others go through a regular expression.
class Patterns
{
public:
    explicit Patterns(const QString &patterns)
    {
        for (const QString &pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
            const QString rest = pattern.mid(1);
            if (pattern.startsWith(u'*') && !rest.contains(u'*') && !rest.contains(u'?') &&
                !rest.contains(u'['))
                m_suffixes.append(rest);
            else
                m_others.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                                   QRegularExpression::CaseInsensitiveOption));
        }
    }

    bool match(const QString &name) const
    {
        for (const QString &suffix : m_suffixes) {
            if (name.endsWith(suffix, Qt::CaseInsensitive))
                return true;
        }
        for (const QRegularExpression &re : m_others) {
            if (re.match(name).hasMatch())
                return true;
        }
        return false;
    }

private:
    QStringList m_suffixes;
    QList<QRegularExpression> m_others;
};

} // namespace

QStringList listFiles(const QString &folder, const QString &patterns,
                      const std::function<bool(const QString &)> &keep)
{
    QStringList names;
    if (folder.isEmpty())
        return names;
    const Patterns wanted(patterns);
#ifdef Q_OS_UNIX
    // readdir with the types it reports: a search lists thousands of folders.
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        bool file = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info;
            file = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        if (!file)
            continue;
        QString name = QFile::decodeName(entry->d_name);
        if (wanted.match(name) && (!keep || keep(name)))
            names.append(std::move(name));
    }
    ::closedir(dir);
#else
    QDir dir(folder);
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    for (QString &name : dir.entryList()) {
        if (wanted.match(name) && (!keep || keep(name)))
            names.append(std::move(name));
    }
#endif
    sortIgnoringCase(names);
    return names;
}

} // namespace lumetra
