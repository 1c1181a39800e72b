#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "qtprint.h"

namespace lumetra::test {

// An album for a test catalogue: a folder under the library root, with a JPEG cover unless `cover` is false,
// and a small file for each name in `tracks`.
struct TestAlbum {
    QString title;
    bool cover = true;
    QStringList tracks = {};
};

// Writes the catalogue `dir`/tracks.lum through the program's own store, one record per album in the
// given order, each album a real folder under `dir`/Music. Returns false on any failure.
bool writeCatalogue(const QString &dir, const QList<TestAlbum> &albums);

// Runs raw SQL on a SQLite file with a connection of its own, as another tool would.
bool runSql(const QString &file, const QStringList &statements);

// Rows of a query, each row's columns joined by "|".
QStringList querySql(const QString &file, const QString &query);

// A 16-bit mono PCM WAV of a tone.
QByteArray toneWav(int milliseconds, int frequency = 440);

QByteArray readAll(const QString &path);
bool writeFile(const QString &path, const QByteArray &data);

} // namespace lumetra::test
