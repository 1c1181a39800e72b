#pragma once

#include "settings.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumetra {

class AppFolder;

// What the settings window edits, held as its fields hold it: the numbers as typed, colours, check states,
// the title font and the background picture. Starts from the window's design values.
struct SettingsForm {
    Q_DECLARE_TR_FUNCTIONS(SettingsForm)

public:
    QString musicFolder = QStringLiteral("(Lumetra default)"); // Text5
    QString coverSize = QStringLiteral("2000");                // Text1, twips as typed
    QString gap = QStringLiteral("200");                       // Text2
    qint32 backColor = Settings{}.backColor;                   // colour strip Picture4
    qint32 previewColor = Settings{}.backColor;                // preview area Picture1
    qint32 textColor = Settings{}.textColor;                   // sample title Label3 and the links
    bool bounce = false;                                       // Check2
    bool autoplay = false;                                     // Check3
    bool noWrap = false;                                       // Check4
    QString fontName = Settings{}.fontName;
    float fontSize = Settings{}.fontSize;
    bool fontBold = Settings{}.fontBold;
    QString backgroundPicture; // Text4

    // Reads jb.ini over the design values; lines that are missing or do not convert keep them.
    void load(const QString &iniPath);
    // The eight lines "Okay" writes.
    QStringList lines() const;
    // Why Okay cannot write the form, naming the field: a value holding a line break would shift every
    // later line of jb.ini. nullopt when it can be written.
    std::optional<QString> saveProblem() const;
    // "[Reset to Defaults]": picture, sizes, text colour, font and strip colour; flags, preview colour and
    // music folder stay.
    void resetDefaults(const AppFolder &app);
    // "[No image]".
    void noImage();

    // The sample cover and title for a typed cover size, in twips from the preview's top left; nullopt when
    // the text is not a number. From 3100 the title moves beside the cover and wraps.
    struct Preview {
        int coverSize = 0;
        QPoint title;
        bool titleBeside = false;
    };
    static std::optional<Preview> preview(const QString &coverSizeText);
    static constexpr QPoint kSampleCover{360, 120};

    static constexpr qint32 kDefaultBackColor = 14652229; // (69, 147, 223)
    static constexpr qint32 kDefaultTextColor = 10485760; // (0, 0, 160)
};

} // namespace lumetra
