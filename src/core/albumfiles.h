#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

// The rules album management applies to file names and titles.
namespace AlbumFiles {

// A music file for the new-album window and drops on covers: the name ends in exactly ".mp3", ".wma",
// ".ogg" or ".m4a" (lower case; ".wav" does not count).
bool isMusicName(const QString &name);
// The fourth character from the end is "." (a file with a three-letter extension, not a folder).
bool hasThreeLetterExtension(const QString &path);
// The part of a path after its last separator.
QString fileName(const QString &path);
// A title as stored: CR and LF become blanks, so that it stays on its line in jb.ini and the .ply files.
QString singleLine(QString title);
// A new album's title as it will be stored: "*" → "-", "&" → "and", ":" → ",", "\" and "/" → "-",
// CR and LF → blank.
QString rewriteTitle(const QString &title);
// "&" → "and", CR and LF → blank, for renaming.
QString renameTitle(const QString &title);
// The name box after "\" or "/" is typed at `cursor`: a "-" in its place and every earlier one of that
// character turned into "-" as well. `cursor` moves past the inserted "-".
QString substituteSeparator(const QString &text, QChar typed, int &cursor);

// Receives the bytes copied so far of the current file; returning false is not offered (copies finish).
using Progress = std::function<void(qint64 done, qint64 total)>;

// Copies `from` to `to` through a temporary file in the target folder that replaces `to` only when
// complete, so a failure or a kill never leaves a half-written file under the final name. An existing
// `to` is replaced. False with `error` set on failure.
bool copyFile(const QString &from, const QString &to, const Progress &progress = {},
              QString *error = nullptr);

} // namespace AlbumFiles

} // namespace lumetra
