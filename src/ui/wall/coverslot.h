#pragma once

#include "ui/common/pointerwidgets.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace lumetra {

// A cover's title: shown literally, on as many lines as its height holds, the last ending with an ellipsis
// when the title is longer; its tooltip shows the whole title.
class TitleLabel : public PointerLabel
{
    Q_OBJECT
public:
    explicit TitleLabel(QWidget *parent = nullptr);
    void setTitle(const QString &title);
    QString title() const { return m_title; }

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();
    QString m_title;
};

// The widgets of one wall slot: the cover (Image1), its title (Label1) and its shadow (Shape2).
// Geometry is in pixels; the album's ID is kept here in place of a hidden label.
class CoverSlot
{
    Q_DECLARE_TR_FUNCTIONS(CoverSlot)

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
    void setPicture(const QImage &picture);
    QString title() const;
    void setTitle(const QString &title);
    QString id() const { return m_id; }

    // Party mode's badge on a cover whose album Shuffle All leaves out.
    void setSkippedBadge(bool shown);
    bool hasSkippedBadge() const;

    // Border style 1 at rest, 0 while pointed at: the cover lifts off its shadow.
    void setBounced(bool bounced);
    bool isBounced() const { return m_bounced; }

    PointerLabel *cover() const { return m_cover; }
    TitleLabel *titleLabel() const { return m_title; }
    QFrame *shadow() const { return m_shadow; }

private:
    PointerLabel *m_cover;
    TitleLabel *m_title;
    QFrame *m_shadow;
    QLabel *m_badge = nullptr; // made when first shown
    QRect m_coverRect;
    QString m_id;
    bool m_bounced = false;
};

} // namespace lumetra
