#include "qtdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

namespace lumetra {

namespace {

// The dialog's owner: the given window, else whichever window is active.
QWidget *owner(QWidget *parent)
{
    return parent ? parent : QApplication::activeWindow();
}

} // namespace

std::optional<QColor> QtDialogs::color(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, owner(m_parent));
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

QFont QtDialogs::startFont(const Font &initial)
{
    QFont start(initial.name);
    // The dialog falls back to its first family and loses size and weight when the name is not installed.
    if (!QFontDatabase::hasFamily(initial.name))
        start.setFamily(QFontInfo(start).family());
    start.setPointSizeF(initial.size);
    start.setBold(initial.bold);
    return start;
}

std::optional<Dialogs::Font> QtDialogs::font(const Font &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, startFont(initial), owner(m_parent));
    if (!ok)
        return std::nullopt;
    return Font{chosen.family(), static_cast<float>(chosen.pointSizeF()), chosen.bold()};
}

std::optional<QString> QtDialogs::openFile(const QString &filter, const QString &folder)
{
    const QString path =
        QFileDialog::getOpenFileName(owner(m_parent), QString(), folder, qtNameFilter(filter));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(QDir::toNativeSeparators(path));
}

std::optional<QString> QtDialogs::folder(const QString &title, const QString &initial)
{
    const QString path =
        QFileDialog::getExistingDirectory(owner(m_parent), title, initial, QFileDialog::ShowDirsOnly);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(QDir::toNativeSeparators(path));
}

std::optional<QString> QtDialogs::saveFile(const QString &filter, const QString &suggested)
{
    const QString path =
        QFileDialog::getSaveFileName(owner(m_parent), QString(), suggested, qtNameFilter(filter));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(QDir::toNativeSeparators(path));
}

} // namespace lumetra
