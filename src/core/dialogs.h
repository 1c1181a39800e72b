#pragma once

#include <QColor>
#include <QString>

#include <optional>

namespace lumetra {

// The desktop's common dialogs. Each returns the choice, or nullopt when the user cancels. The windows use
// QtDialogs; tests answer from a script.
class Dialogs
{
public:
    struct Font {
        QString name;
        float size = 0;
        bool bold = false;
    };

    virtual ~Dialogs() = default;
    virtual std::optional<QColor> color(const QColor &initial) = 0;
    virtual std::optional<Font> font(const Font &initial) = 0;
    // `filter` is "Description|*.A;*.B|" pairs; matching ignores case.
    virtual std::optional<QString> openFile(const QString &filter, const QString &folder) = 0;
    virtual std::optional<QString> folder(const QString &title, const QString &initial) = 0;
    // Where to write a file, starting at `suggested`.
    virtual std::optional<QString> saveFile(const QString &filter, const QString &suggested) = 0;
};

// "Images (*.bmp)|*.BMP;*.JPG|" as a Qt name filter that matches either case: "Images (*.bmp) (*.BMP *.bmp
// ...)".
QString qtNameFilter(const QString &filter);

} // namespace lumetra
