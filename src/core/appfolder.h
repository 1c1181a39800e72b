#pragma once

#include <QCoreApplication>
#include <QString>

namespace lumetra {

// The application folder: tracks.lum, jb.ini, the collection files, albums.htm and files/.
class AppFolder
{
    Q_DECLARE_TR_FUNCTIONS(AppFolder)

public:
    AppFolder() = default;
    explicit AppFolder(const QString &dir);

    // --app-dir when given; else the executable's folder when writable and not an installed program's;
    // else the user's data folder.
    static QString choose(const QString &requested);

    // Creates the folder, makes it the working directory and writes any missing file of files/ from
    // the built-in resources under `resourceRoot`, never overwriting. Returns false with `error` set when
    // the folder cannot be made or entered; files that cannot be written are skipped.
    bool prepare(const QString &resourceRoot, QString *error = nullptr) const;

    QString dir() const { return m_dir; }
    // A file directly in the folder (tracks.lum, jb.ini, *.ply).
    QString file(const QString &name) const;
    // One of the program's own pictures or pages in files/.
    QString ownFile(const QString &name) const;
    // Where an album without a cover picture takes its picture from; the program writes its caption.
    QString noCoverPicture() const { return ownFile(QStringLiteral("blankcover.jpg")); }
    QString defaultPicture() const { return ownFile(QStringLiteral("lumetra2.jpg")); }
    // "(Lumetra default)" as a music folder.
    QString defaultMusicFolder() const { return file(QStringLiteral("Music")); }

private:
    QString m_dir;
};

} // namespace lumetra
