#pragma once

#include "core/dialogs.h"

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

private:
    QWidget *m_parent;
};

} // namespace lumetra
