#include "albumfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lumetra::AlbumFiles {

namespace {
constexpr qint64 kChunk = 1 << 20;
}

bool isMusicName(const QString &name)
{
    const QString last4 = name.right(4);
    return last4 == QStringLiteral(".mp3") || last4 == QStringLiteral(".wma") ||
           last4 == QStringLiteral(".ogg") || last4 == QStringLiteral(".m4a");
}

bool hasThreeLetterExtension(const QString &path)
{
    return path.size() >= 4 && path.at(path.size() - 4) == u'.';
}

QString fileName(const QString &path)
{
    qsizetype cut = path.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(u'\\'));
#endif
    return path.mid(cut + 1);
}

QString singleLine(QString title)
{
    title.replace(u'\r', u' ');
    title.replace(u'\n', u' ');
    return title;
}

QString rewriteTitle(const QString &title)
{
    QString out = title;
    out.replace(u'*', u'-');
    out.replace(u'&', QStringLiteral("and"));
    out.replace(u':', u',');
    // However the name arrived (typed, pasted, dropped, filled by Locate), it names one folder.
    out.replace(u'\\', u'-');
    out.replace(u'/', u'-');
    return singleLine(out);
}

QString renameTitle(const QString &title)
{
    QString out = title;
    out.replace(u'&', QStringLiteral("and"));
    return singleLine(out);
}

QString substituteSeparator(const QString &text, QChar typed, int &cursor)
{
    QString out = text;
    out.replace(typed, u'-');
    cursor = std::clamp(cursor, 0, static_cast<int>(out.size()));
    out.insert(cursor, u'-');
    ++cursor;
    return out;
}

bool copyFile(const QString &from, const QString &to, const Progress &progress, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("AlbumFiles", "%1 cannot be read.").arg(from));
    QSaveFile target(to);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return fail(QCoreApplication::translate("AlbumFiles", "%1 cannot be written: %2")
                        .arg(to, target.errorString()));
    const qint64 total = source.size();
    qint64 done = 0;
    QByteArray buffer;
    while (!source.atEnd()) {
        buffer = source.read(kChunk);
        if (buffer.isEmpty() && source.error() != QFileDevice::NoError)
            return fail(QCoreApplication::translate("AlbumFiles", "%1 cannot be read.").arg(from));
        if (target.write(buffer) != buffer.size())
            return fail(QCoreApplication::translate("AlbumFiles", "%1 cannot be written: %2")
                            .arg(to, target.errorString()));
        done += buffer.size();
        if (progress)
            progress(done, total);
    }
    if (!target.commit())
        return fail(QCoreApplication::translate("AlbumFiles", "%1 cannot be written: %2")
                        .arg(to, target.errorString()));
    return true;
}

} // namespace lumetra::AlbumFiles
