#pragma once

#include <QString>
#include <QStringList>

namespace lumetra {

// The HTML inventory of all albums, albums.htm (UTF-8, declared): a header with the logo and the date, then
// one numbered table per album in wall order. Titles are escaped: a title is data, not markup.
namespace Inventory {

QStringList lines(const QStringList &titles, const QString &logoPath, const QString &date);
// Writes the page whole (CR LF); false with `error` when it cannot be written.
bool write(const QString &path, const QStringList &titles, const QString &logoPath, QString *error = nullptr);

} // namespace Inventory

} // namespace lumetra
