#include "settingsform.h"

#include "appfolder.h"
#include "textfile.h"

namespace lumetra {

namespace {

std::optional<qint32> colorLine(const QString &text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

} // namespace

void SettingsForm::load(const QString &iniPath)
{
    const auto lines = readTextLines(iniPath);
    if (!lines)
        return;
    const auto line = [&](int n) -> std::optional<QString> {
        return n <= lines->size() ? std::optional<QString>(lines->at(n - 1)) : std::nullopt;
    };
    if (auto l = line(1))
        musicFolder = *l;
    if (auto l = line(2))
        coverSize = *l;
    if (auto l = line(3))
        gap = *l;
    if (auto l = line(4); l && colorLine(*l))
        backColor = previewColor = *colorLine(*l);
    if (auto l = line(5); l && colorLine(*l))
        textColor = *colorLine(*l);
    if (auto l = line(6)) {
        bounce = l->size() >= 1 && l->at(0) == u'1';
        autoplay = l->size() >= 2 && l->at(1) == u'1';
        noWrap = !l->isEmpty() && l->back() == u'1';
    }
    if (auto l = line(7)) {
        SettingsFile::Font font{fontName, fontSize, fontBold};
        SettingsFile::decodeFont(*l, font);
        fontName = font.name;
        fontSize = font.size;
        fontBold = font.bold;
    }
    if (auto l = line(8))
        backgroundPicture = *l;
}

QStringList SettingsForm::lines() const
{
    auto digit = [](bool on) { return on ? u'1' : u'0'; };
    return {
        musicFolder,
        coverSize,
        gap,
        QString::number(backColor),
        QString::number(textColor),
        QString() + digit(bounce) + digit(autoplay) + digit(noWrap),
        SettingsFile::encodeFont(fontName, fontSize, fontBold),
        backgroundPicture,
    };
}

std::optional<QString> SettingsForm::saveProblem() const
{
    const std::pair<QString, const QString *> fields[] = {
        {tr("Music folder"), &musicFolder},
        {tr("Cover size"), &coverSize},
        {tr("Spacing"), &gap},
        {tr("Title font"), &fontName},
        {tr("Background picture"), &backgroundPicture},
    };
    for (const auto &[name, value] : fields) {
        if (value->contains(u'\r') || value->contains(u'\n'))
            return tr("%1: the value holds a line break, and jb.ini keeps each value on one line. Please "
                      "correct it; nothing has been saved.")
                .arg(name);
    }
    return std::nullopt;
}

void SettingsForm::resetDefaults(const AppFolder &app)
{
    backgroundPicture = app.ownFile(QStringLiteral("vista.jpg"));
    coverSize = QStringLiteral("2300");
    gap = QStringLiteral("140");
    textColor = kDefaultTextColor;
    fontName = QStringLiteral("Verdana");
    fontSize = 8;
    fontBold = true;
    backColor = kDefaultBackColor;
}

void SettingsForm::noImage()
{
    backgroundPicture.clear();
    previewColor = backColor;
}

std::optional<SettingsForm::Preview> SettingsForm::preview(const QString &coverSizeText)
{
    bool ok = false;
    const double size = coverSizeText.trimmed().toDouble(&ok);
    if (!ok || size < 0 || size > 32767)
        return std::nullopt;
    Preview preview;
    preview.coverSize = static_cast<int>(size);
    preview.titleBeside = preview.coverSize >= 3100;
    preview.title =
        preview.titleBeside ? QPoint(4860, 2730) : QPoint(kSampleCover.x(), preview.coverSize + 200);
    return preview;
}

} // namespace lumetra
