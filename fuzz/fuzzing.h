#pragma once

#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// The bytes read both ways the program reads text: UTF-8, and single-byte as older files were written.
inline std::array<QString, 2> texts(const uint8_t *data, size_t size)
{
    const auto *chars = reinterpret_cast<const char *>(data);
    return {QString::fromUtf8(chars, qsizetype(size)), QString::fromLatin1(chars, qsizetype(size))};
}

// A broken property must end the run so that libFuzzer keeps the input.
inline void check(bool ok, const char *what, const QString &detail = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "property failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

inline void writeFile(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write the input file", path);
    check(file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
          "cannot write the input file", path);
}

} // namespace fuzz
