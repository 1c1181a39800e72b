#pragma once

#include "pointerwidgets.h"
#include "wall/slotlayout.h"
#include "wall/wall.h"

#include <QColor>
#include <QFont>
#include <QSize>

#include <memory>
#include <vector>

namespace lumetra {

class CoverSlot;
class LetterBar;

// The album wall `albumframe`: the background picture, the cover slots, the strip along the top that
// brings up the letter bar, and the letter bar. Lays out and renders what the window hands it; reports
// the pointer, presses, drops and letters.
class WallView : public PointerFrame
{
    Q_OBJECT
public:
    WallView(qreal dpi, QWidget *parent = nullptr);
    ~WallView() override;

    // The panel's size in twips; the background, the hover strip and the letter bar follow it.
    void setSizeTwips(QSize twips);
    QSize sizeTwips() const { return m_twips; }
    // One slot per entry of `layout` (twips), created or removed to match.
    void layOut(const std::vector<SlotGeometry> &layout);
    void clearSlots();
    // Every slot but slot 0 removed, and slot 0 hidden until the next layOut.
    void keepFirstSlotOnly();
    int slotCount() const { return static_cast<int>(m_slots.size()); }
    CoverSlot *slot(int k) const { return m_slots.at(k).get(); }
    // A cover's size in pixels, at which pictures are decoded for it.
    QSize coverSize() const;

    // Decodes and shows a page; a picture that cannot be read shows `noCover` instead.
    void showPage(const std::vector<SlotContent> &page, const QString &noCover);
    void showCover(int k, const QImage &picture);
    void setSlotTitle(int k, const QString &title);
    // Disabled covers ignore the mouse but keep their look.
    void setSlotsEnabled(bool enabled);
    void setBounceCovers(bool bounce) { m_bounceCovers = bounce; }
    void setBounced(int k, bool bounced);

    struct Look {
        QColor back;
        QColor text;
        QFont titleFont;
        QString backgroundPicture;
    };
    void setLook(const Look &look);

    LetterBar *letterBar() const { return m_letterBar; }
    void showLetterBar();
    void hideLetterBar();
    void setLetterNotFound(int j);

Q_SIGNALS:
    void coverPressed(int k, Qt::MouseButton button);
    // The pointer reached cover k while covers bounce.
    void coverPointed(int k);
    void filesDropped(int k, const QStringList &paths);
    void backgroundPointed();
    void backgroundPressed(Qt::MouseButton button, const QPoint &globalPos);
    void letterClicked(int j);

private:
    int px(int twips) const;
    void styleSlot(CoverSlot &slot) const;

    qreal m_dpi;
    QSize m_twips;
    Look m_look;
    bool m_slotsEnabled = true;
    bool m_bounceCovers = false;
    PointerLabel *m_background;
    PointerLabel *m_hoverStrip;
    LetterBar *m_letterBar;
    std::vector<std::unique_ptr<CoverSlot>> m_slots;
};

} // namespace lumetra
