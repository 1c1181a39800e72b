#include "fuzzing.h"

#include "core/settings.h"
#include "core/settingsform.h"

#include <QTemporaryDir>

#include <cmath>

using namespace lumetra;

namespace {

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    fuzz::check(dir.isValid(), "no temporary folder");
    return dir;
}

// What a file can carry: "+" and "&" end a font name, and a leading U+FEFF is read as a byte-order mark.
bool canRoundTrip(const Settings &s)
{
    for (const QString &line : SettingsFile::encode(s)) {
        if (line.startsWith(QChar(0xFEFF)))
            return false;
    }
    return !s.fontName.contains(u'+') && !s.fontName.contains(u'&');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString ini = folder().filePath(QStringLiteral("jb.ini"));
    fuzz::writeFile(ini, data, size);

    Settings read;
    fuzz::check(SettingsFile::readInto(read, ini), "readInto refused an existing file");
    const auto lines = SettingsFile::readLines(ini);
    fuzz::check(lines && lines->size() == SettingsFile::kLines, "readLines did not give eight lines");
    SettingsForm form;
    form.load(ini);

    if (canRoundTrip(read)) {
        const QString again = folder().filePath(QStringLiteral("again.ini"));
        QString error;
        fuzz::check(SettingsFile::write(again, read, &error), "write failed", error);
        Settings back;
        fuzz::check(SettingsFile::readInto(back, again), "written file unreadable");
        fuzz::check(back == read, "settings do not round trip", SettingsFile::encode(read).join(u'|'));
    }

    for (const QString &text : fuzz::texts(data, size)) {
        SettingsFile::Font font{QStringLiteral("Sans"), 9, false};
        SettingsFile::decodeFont(text, font);
        fuzz::check(!font.name.isEmpty() && !font.name.contains(u'+'), "font name holds its separator", text);
        fuzz::check(std::isfinite(font.size) && font.size > 0, "font size not a usable size", text);
        Settings s;
        for (int n = 0; n <= SettingsFile::kLines + 1; ++n)
            SettingsFile::applyLine(s, n, text);
        fuzz::check(s.coverSize > 0 && s.coverGap >= 0, "applyLine accepted an impossible layout", text);
    }
    return 0;
}
