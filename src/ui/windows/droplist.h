#pragma once

#include <QListWidget>

namespace lumetra {

// A list that takes files and folders dragged from the desktop and reports them; it adds nothing itself.
class DropList : public QListWidget
{
    Q_OBJECT
public:
    explicit DropList(QWidget *parent = nullptr);

Q_SIGNALS:
    void filesDropped(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

} // namespace lumetra
