#pragma once

#include "core/thumbnailcache.h"
#include "ui/common/pointerwidgets.h"
#include "wall/covercache.h"
#include "wall/slotlayout.h"
#include "wall/wall.h"
#include "wall/wallkeys.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QSize>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace lumetra {

class AlbumList;
class CoverSlot;
class LetterBar;

// The album wall `albumframe` over the wall model: the background picture, the cover slots, the strip along
// the top that brings up the letter bar, the letter bar, and the keyboard focus frame on one cover. Renders
// the model's page and pages it (letters, keys, the wheel); reports the pointer, presses and drops.
class WallView : public PointerFrame
{
    Q_OBJECT
public:
    // `noCover` is shown for a cover that cannot be read.
    WallView(Wall &wall, const AlbumList &albums, const QString &noCover, qreal dpi,
             QWidget *parent = nullptr);
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
    // A cover's size in logical pixels; pictures are decoded at the device's pixels for it.
    QSize coverSize() const;

    // Shows the model's page: the covers in memory at once, the others as their slot's plain colour until
    // the workers have decoded them; once it is painted, the pages a click may show next are decoded ahead.
    void showPage();
    // Covers of the page shown that have not come in yet.
    int coversAwaited() const;
    CoverCache &coverCache() { return m_covers; }
    // Paging as the strip's buttons, the letter bar and the keys do it; false when the page did not move.
    bool nextPage();
    void previousPage();
    bool jumpToLetter(int j);
    void showPageFrom(int first);
    // Slot k's cover from a picture file; one that cannot be read leaves the slot as it was.
    void showCoverFile(int k, const QString &path);
    void setSlotTitle(int k, const QString &title);
    // Disabled covers ignore the mouse and Enter but keep their look.
    void setSlotsEnabled(bool enabled);
    // Party mode: covers whose album Shuffle All leaves out carry a badge; showBadges() reads the page again.
    void setBadgesShown(bool shown);
    void showBadges();
    bool slotsEnabled() const { return m_slotsEnabled; }
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
    // A short line over the bottom of the wall that goes away by itself, by default after 2.5 s.
    void showNotice(const QString &text, int milliseconds = 0);
    QLabel *notice() const { return m_notice; }

    // The slot with the keyboard focus frame (shown while the wall has the keyboard focus).
    int focusSlot() const { return m_keys.focus(); }
    void setFocusSlot(int k);

Q_SIGNALS:
    void coverPressed(int k, Qt::MouseButton button);
    // The pointer reached cover k while covers bounce.
    void coverPointed(int k);
    void filesDropped(int k, const QStringList &paths);
    void backgroundPointed();
    void backgroundPressed(Qt::MouseButton button, const QPoint &globalPos);
    // The menu key or Shift+F10 on cover k; the menu opens at `globalPos`.
    void coverMenuWanted(int k, const QPoint &globalPos);
    void playPauseWanted();
    void pageShown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int px(int twips) const;
    void placeLetterBar();
    void removeSlotsFrom(int first);
    QSize devicePixels(QSize logical) const;
    // A picture at `logical` size, decoded at the device's pixels and marked with their ratio.
    QImage decode(const QString &path, QSize logical) const;
    // The covers of m_pageFiles: those in memory shown, the others awaited.
    void showCovers();
    void fillArrivedCovers();
    void showCover(int k, QImage picture);
    // The no-cover picture with its caption, once the workers have decoded it at the covers' size.
    std::optional<QImage> noCoverPicture();
    void showFocusFrame();
    void act(const WallKeys::Result &key);
    void styleSlot(CoverSlot &slot) const;

    Wall &m_wall;
    const AlbumList &m_albums;
    QString m_noCover;
    qreal m_dpi;
    QSize m_twips;
    Look m_look;
    bool m_slotsEnabled = true;
    bool m_bounceCovers = false;
    bool m_badgesShown = false;
    bool m_letterBarByKeys = false; // opened by Tab, so it closes when the focus leaves it
    PointerLabel *m_background;
    PointerLabel *m_hoverStrip;
    LetterBar *m_letterBar;
    QFrame *m_focusFrame;
    QLabel *m_notice;
    QTimer m_noticeTimer;
    WallKeys m_keys;
    std::vector<QRect> m_coverRects; // pixels, at rest
    std::vector<std::unique_ptr<CoverSlot>> m_slots;
    ThumbnailCache m_thumbnails;
    CoverCache m_covers{m_thumbnails};
    QStringList m_pageFiles;        // the cover file of each slot
    std::vector<QString> m_awaited; // per slot, the file whose picture it waits for; empty when none
    QImage m_placeholder;           // a cover not yet decoded
    std::optional<QImage> m_noCoverPicture;
    static constexpr auto kDecodeAhead = static_cast<QEvent::Type>(QEvent::User + 1);
    static constexpr auto kCoversArrived = static_cast<QEvent::Type>(QEvent::User + 2);
    bool m_decodeAheadQueued = false;
    std::atomic<bool> m_arrivalQueued{false};
};

} // namespace lumetra
