#include "soundsettings.h"

#include <QSaveFile>
#include <QSettings>

namespace lumetra {

namespace {
const QString kCrossfadeKey = QStringLiteral("sound/crossfade");
const QString kLevellingKey = QStringLiteral("sound/evenLoudness");
} // namespace

SoundSettings SoundSettings::load(const QString &path)
{
    SoundSettings settings;
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return settings;
    bool ok = false;
    const int crossfade = ini.value(kCrossfadeKey).toInt(&ok);
    if (ok && crossfade >= 0 && crossfade <= kMaxCrossfade)
        settings.crossfade = crossfade;
    const QString levelling = ini.value(kLevellingKey).toString();
    if (levelling == u"false")
        settings.levelling = false;
    return settings;
}

bool SoundSettings::save(const QString &path) const
{
    // QSettings writes in place; the two lines are few enough to write whole.
    QSaveFile file(path);
    const QByteArray text = "[sound]\ncrossfade=" + QByteArray::number(crossfade) +
                            "\nevenLoudness=" + (levelling ? "true" : "false") + "\n";
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace lumetra
