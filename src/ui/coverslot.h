#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace lumetra {

class PointerLabel;

// The widgets of one wall slot: the cover (Image1), its title (Label1) and its shadow (Shape2).
// Geometry is in pixels; the album's ID is kept here in place of a hidden label.
class CoverSlot
{
public:
    CoverSlot(int index, QWidget *wall);
    ~CoverSlot();
    CoverSlot(const CoverSlot &) = delete;
    CoverSlot &operator=(const CoverSlot &) = delete;

    void place(const QRect &cover, const QRect &shadow, const QRect &title);
    void setVisible(bool visible);
    void raise();

    // A picture already decoded at the cover's size, the title and the record id; empty title = no album.
    void show(const QImage &picture, const QString &title, const QString &id);
    QString title() const;
    void setTitle(const QString &title);
    QString id() const { return m_id; }

    // Border style 1 at rest, 0 while pointed at: the cover lifts off its shadow.
    void setBounced(bool bounced);
    bool isBounced() const { return m_bounced; }

    PointerLabel *cover() const { return m_cover; }
    PointerLabel *titleLabel() const { return m_title; }
    QFrame *shadow() const { return m_shadow; }

private:
    PointerLabel *m_cover;
    PointerLabel *m_title;
    QFrame *m_shadow;
    QRect m_coverRect;
    QString m_id;
    bool m_bounced = false;
};

} // namespace lumetra
