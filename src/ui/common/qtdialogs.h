#pragma once

#include "core/dialogs.h"

class QFont;
class QWidget;

namespace lumetra {

// The common dialogs through Qt, owned by `parent`.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget *parent) { m_parent = parent; }

    std::optional<QColor> color(const QColor &initial) override;
    std::optional<Font> font(const Font &initial) override;
    std::optional<QString> openFile(const QString &filter, const QString &folder) override;
    std::optional<QString> folder(const QString &title, const QString &initial) override;
    std::optional<QString> saveFile(const QString &filter, const QString &suggested) override;

    // The font the font dialog starts at: `initial`, or where its family is not installed, the family the
    // system uses in its place, at the same size and weight.
    static QFont startFont(const Font &initial);

private:
    QWidget *m_parent;
};

} // namespace lumetra
