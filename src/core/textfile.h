#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

// Plain text files of the program (jb.ini, *.ply, albums.htm).
// Reading splits on CR LF, LF or CR; each line is UTF-8 when it decodes cleanly, else Windows-1252.
// Returns nullopt when the file cannot be opened.
std::optional<QStringList> readTextLines(const QString &path);

enum class LineEnd { CrLf, Lf };

// Writes the lines whole, each ended by `end`, UTF-8 without BOM, through a temporary file that replaces
// the target only when complete. A line holding CR or LF is refused before anything is written. On failure
// the old file is untouched and `error` says why.
bool writeTextLines(const QString &path, const QStringList &lines, QString *error = nullptr,
                    LineEnd end = LineEnd::CrLf);

// Decodes bytes as Windows-1252 (the single-byte code page older files were written in).
QString decodeWindows1252(QByteArrayView bytes);

} // namespace lumetra
