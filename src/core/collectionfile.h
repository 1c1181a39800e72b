#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

class AppFolder;

// Collections: a title and its albums, stored as <title>.ply in the application folder, one album title
// per CR LF line, in the order added, duplicates and empty lines kept.
namespace CollectionFile {

// Titles of the application folder's collections, by file name without regard to case.
QStringList titles(const AppFolder &app);
QString path(const AppFolder &app, const QString &title);
// Every line, empty ones included; nullopt when the file cannot be read.
std::optional<QStringList> read(const QString &path);
// Writes the whole file at once (a crash leaves the old file or the new one); false with `error` on failure.
bool write(const QString &path, const QStringList &albums, QString *error = nullptr);
// Why `title` cannot name a collection file, or nullopt when it can: it must be a plain, visible file name
// that any desktop accepts.
std::optional<QString> titleProblem(const QString &title);

} // namespace CollectionFile

} // namespace lumetra
