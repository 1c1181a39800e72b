#include "settings.h"

#include "textfile.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>

namespace lumetra::SettingsFile {

namespace {

template <typename Int> std::optional<Int> parseInt(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(value);
}

std::optional<bool> parseBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (ok)
        return number != 0;
    return std::nullopt;
}

} // namespace

std::optional<float> parseLocaleFloat(const QString &text)
{
    // Either separator: a file written in a German session holds "9,75", one written in English "9.75".
    QString t = text.trimmed();
    t.replace(QLocale().decimalPoint(), QStringLiteral("."));
    t.replace(u',', u'.');
    bool ok = false;
    const float value = QLocale::c().toFloat(t, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString formatLocaleFloat(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(u'.', point);
    return text;
}

void decodeFont(const QString &line, Font &font)
{
    const qsizetype plus = line.indexOf(u'+');
    const qsizetype amp = line.indexOf(u'&');
    if (plus > 0)
        font.name = line.left(plus);
    if (plus >= 0 && amp > plus) {
        const auto size = parseLocaleFloat(line.mid(plus + 1, amp - plus - 1));
        // "inf" and "nan" parse as floats but are no font size, and no title is a thousand points high.
        if (size && std::isfinite(*size) && *size > 0 && *size <= kMaxFontSize)
            font.size = *size;
    }
    if (amp >= 0) {
        if (const auto bold = parseBool(line.mid(amp + 1)))
            font.bold = *bold;
    }
}

QString encodeFont(const QString &name, float size, bool bold)
{
    return name + u'+' + formatLocaleFloat(size) + u'&' +
           (bold ? QStringLiteral("True") : QStringLiteral("False"));
}

void applyLine(Settings &settings, int lineNumber, const QString &text, int minCoverSize)
{
    switch (lineNumber) {
    case 1:
        settings.musicFolder = text;
        break;
    case 2:
        // A cover must have a size; a zero or negative one cannot be laid out.
        if (const auto v = parseInt<qint16>(text); v && *v > 0 && *v >= minCoverSize)
            settings.coverSize = *v;
        break;
    case 3:
        if (const auto v = parseInt<qint16>(text); v && *v >= 0)
            settings.coverGap = *v;
        break;
    case 4:
        if (const auto v = parseInt<qint32>(text))
            settings.backColor = *v;
        break;
    case 5:
        if (const auto v = parseInt<qint32>(text))
            settings.textColor = *v;
        break;
    case 6:
        settings.bounceCovers = text.size() >= 1 && text[0] == u'1';
        settings.autoplay = text.size() >= 2 && text[1] == u'1';
        settings.noWrap = !text.isEmpty() && text.back() == u'1';
        break;
    case 7: {
        Font font{settings.fontName, settings.fontSize, settings.fontBold};
        decodeFont(text, font);
        settings.fontName = font.name;
        settings.fontSize = font.size;
        settings.fontBold = font.bold;
        break;
    }
    case 8:
        settings.backgroundPicture = text;
        break;
    default:
        break;
    }
}

bool readInto(Settings &settings, const QString &path, int minCoverSize)
{
    const auto lines = readTextLines(path);
    if (!lines)
        return false;
    for (qsizetype i = 0; i < lines->size(); ++i)
        applyLine(settings, static_cast<int>(i % kLines) + 1, lines->at(i), minCoverSize);
    return true;
}

std::optional<QStringList> readLines(const QString &path)
{
    auto lines = readTextLines(path);
    if (!lines)
        return std::nullopt;
    lines->resize(kLines);
    return lines;
}

QStringList encode(const Settings &s)
{
    auto digit = [](bool on) { return on ? u'1' : u'0'; };
    return {
        s.musicFolder,
        QString::number(s.coverSize),
        QString::number(s.coverGap),
        QString::number(s.backColor),
        QString::number(s.textColor),
        QString() + digit(s.bounceCovers) + digit(s.autoplay) + digit(s.noWrap),
        encodeFont(s.fontName, s.fontSize, s.fontBold),
        s.backgroundPicture,
    };
}

bool write(const QString &path, const Settings &settings, QString *error)
{
    return writeTextLines(path, encode(settings), error);
}

} // namespace lumetra::SettingsFile
