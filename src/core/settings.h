#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

// The eight values of jb.ini as the main window holds them, starting from the program's defaults.
struct Settings {
    QString musicFolder;         // line 1, passed through unchanged
    qint16 coverSize = 2400;     // line 2, twips
    qint16 coverGap = 150;       // line 3, twips
    qint32 backColor = 1841432;  // line 4, 0xBBGGRR: a deep slate (24, 26, 28)
    qint32 textColor = 15263976; // line 5: light grey (232, 232, 232)
    bool bounceCovers = false;   // line 6, first character
    bool autoplay = false;       // line 6, second character
    bool noWrap = false;         // line 6, last character
    QString fontName = QStringLiteral("DejaVu Sans");
    float fontSize = 9.75f; // line 7
    bool fontBold = false;
    QString backgroundPicture; // line 8, full path or empty

    bool operator==(const Settings &) const = default;
};

// The settings file jb.ini: eight positional lines, CR LF.
namespace SettingsFile {

inline constexpr int kLines = 8;

// Applies one line (1..8) over `settings`; a value that cannot be converted leaves it as it was. A cover size
// under `minCoverSize` (twips) counts as one that cannot be converted.
void applyLine(Settings &settings, int lineNumber, const QString &text, int minCoverSize = 1);

// The main window's read: every group of eight lines is applied over the one before; a missing file
// changes nothing and a short last group applies the lines it has. Returns false when the file is missing.
bool readInto(Settings &settings, const QString &path, int minCoverSize = 1);

// The settings window's read: the first eight lines, missing ones empty; nullopt when the file is missing.
std::optional<QStringList> readLines(const QString &path);

QStringList encode(const Settings &settings);
bool write(const QString &path, const Settings &settings, QString *error = nullptr);

// Line 7's parts, each read on its own: the name before the first "+", the size between it and the first
// "&" (either decimal separator), the bold state after it. A part that is missing or does not convert leaves
// `font`'s value as it was.
struct Font {
    QString name;
    float size = 0;
    bool bold = false;
};
inline constexpr float kMaxFontSize = 1000;
void decodeFont(const QString &line, Font &font);
QString encodeFont(const QString &name, float size, bool bold);

// A number whose decimal separator is ".", "," or the user's own.
std::optional<float> parseLocaleFloat(const QString &text);
QString formatLocaleFloat(float value);

} // namespace SettingsFile

} // namespace lumetra
