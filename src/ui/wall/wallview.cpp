#include "wallview.h"

#include "core/coverloader.h"
#include "coverslot.h"
#include "letterbar.h"
#include "ui/common/look.h"
#include "ui/common/widgethelpers.h"
#include "wall/albumlist.h"
#include "wall/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumetra {

namespace {
// Design of the wall's top, in twips.
constexpr int kHoverStripHeight = 300;
constexpr int kLetterBarWidth = 10680;
constexpr int kLetterBarHeight = 480;
constexpr int kNoticeBottom = 450;
constexpr int kNoticeMilliseconds = 2500;
constexpr int kFocusFramePixels = 4;

// A picture with see-through parts laid on the wall's colour: covers are opaque.
QImage opaque(const QImage &picture, const QColor &back)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(back);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    flat.setDevicePixelRatio(picture.devicePixelRatio());
    return flat;
}
} // namespace

WallView::WallView(Wall &wall, const AlbumList &albums, const QString &noCover, qreal dpi, QWidget *parent)
    : PointerFrame(parent)
    , m_wall(wall)
    , m_albums(albums)
    , m_noCover(noCover)
    , m_dpi(dpi)
    , m_background(new PointerLabel(this))
    , m_hoverStrip(new PointerLabel(this))
    , m_letterBar(new LetterBar(this))
    , m_focusFrame(new QFrame(this))
    , m_notice(new QLabel(this))
{
    setObjectName(QStringLiteral("albumframe"));
    setAccessibleName(tr("Album wall"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    m_background->setObjectName(QStringLiteral("Image13"));
    m_background->setAccessibleName(tr("Wall background"));
    setDecorative(m_background);
    m_background->setScaledContents(true);
    connect(m_background, &PointerLabel::pointed, this, [this] {
        hideLetterBar();
        Q_EMIT backgroundPointed();
    });
    connect(m_background, &PointerLabel::pressed, this, &WallView::backgroundPressed);

    m_hoverStrip->setObjectName(QStringLiteral("Label6"));
    m_hoverStrip->setAccessibleName(tr("Show letter bar"));
    connect(m_hoverStrip, &PointerLabel::pointed, this, &WallView::showLetterBar);
    // The keyboard reaches the letters through the strip: Tab after the wall opens the bar on A, Shift+Tab
    // from what follows the bar opens it on Z.
    m_hoverStrip->setFocusPolicy(Qt::TabFocus);
    m_hoverStrip->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_letterBarByKeys && now != m_hoverStrip && !m_letterBar->isAncestorOf(now))
            hideLetterBar();
    });

    m_letterBar->hide();
    connect(m_letterBar, &LetterBar::letterClicked, this, &WallView::jumpToLetter);

    m_focusFrame->setObjectName(QStringLiteral("focusframe"));
    m_focusFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setDecorative(m_focusFrame);
    m_focusFrame->hide();

    m_notice->setObjectName(QStringLiteral("wallnotice"));
    m_notice->setAccessibleDescription(tr("Notice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->hide();
    m_noticeTimer.setSingleShot(true);
    connect(&m_noticeTimer, &QTimer::timeout, m_notice, &QWidget::hide);

    // Told on a worker thread; the covers are filled in on this one, once for all that came meanwhile.
    m_covers.setOnArrival([this] {
        if (!m_arrivalQueued.exchange(true))
            QCoreApplication::postEvent(this, new QEvent(kCoversArrived));
    });
}

WallView::~WallView()
{
    // Focus moves while QWidget tears the children down, after this part of the object is gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

int WallView::px(int twips) const
{
    return twipsToPixels(twips, m_dpi);
}

void WallView::setSizeTwips(QSize twips)
{
    m_twips = twips;
    const int w = twips.width();
    setGeometry(twipsToPixels(QRect(QPoint(0, 0), twips), m_dpi));
    m_background->setGeometry(rect());
    m_hoverStrip->setGeometry(twipsToPixels(QRect(0, 0, w, kHoverStripHeight), m_dpi));
    placeLetterBar();
}

void WallView::placeLetterBar()
{
    // A wall narrower than the bar gets the letters closer together, so that A to Z stay on it.
    const int barWidth = std::min(kLetterBarWidth, m_twips.width());
    const qreal squeeze = qreal(barWidth) / kLetterBarWidth;
    for (int j = 0; j < LetterBar::kLetters; ++j) {
        const QRect rect = j == 0 ? QRect(60, 45, 390, 390) : QRect(500 + 400 * (j - 1), 45, 450, 390);
        m_letterBar->letter(j)->setGeometry(twipsToPixels(
            QRect(qRound(rect.x() * squeeze), rect.y(), qRound(rect.width() * squeeze), rect.height()),
            m_dpi));
    }
    m_letterBar->setGeometry(
        twipsToPixels(QRect(m_twips.width() / 2 - barWidth / 2, 0, barWidth, kLetterBarHeight), m_dpi));
}

void WallView::layOut(const std::vector<SlotGeometry> &layout)
{
    const int count = static_cast<int>(layout.size());
    removeSlotsFrom(count);
    while (slotCount() < count) {
        const int k = slotCount();
        auto slot = std::make_unique<CoverSlot>(k, this);
        connect(slot->cover(), &PointerLabel::pointed, this, [this, k] {
            hideLetterBar();
            if (!m_bounceCovers)
                return;
            m_slots[k]->setBounced(true);
            Q_EMIT coverPointed(k);
        });
        connect(slot->cover(), &PointerLabel::pressed, this, [this, k](Qt::MouseButton button) {
            setFocusSlot(k);
            Q_EMIT coverPressed(k, button);
        });
        slot->cover()->setAcceptDrops(true);
        connect(slot->cover(), &PointerLabel::filesDropped, this,
                [this, k](const QStringList &paths) { Q_EMIT filesDropped(k, paths); });
        // A cover paints every pixel of itself, so a page flip does not repaint the shadows and the
        // background beneath the covers.
        slot->cover()->setAttribute(Qt::WA_OpaquePaintEvent);
        styleSlot(*slot);
        m_slots.push_back(std::move(slot));
    }
    m_coverRects.clear();
    for (int k = 0; k < count; ++k) {
        CoverSlot &slot = *m_slots[k];
        m_coverRects.push_back(twipsToPixels(layout[k].cover, m_dpi));
        slot.place(m_coverRects.back(), twipsToPixels(layout[k].shadow, m_dpi),
                   twipsToPixels(layout[k].title, m_dpi));
        slot.setVisible(true);
        slot.raise();
    }
    const int columns =
        static_cast<int>(std::count_if(layout.begin(), layout.end(), [&](const SlotGeometry &g) {
            return g.cover.top() == layout.front().cover.top();
        }));
    m_keys.setGrid(count, columns);
    m_focusFrame->raise();
    m_notice->raise();
    m_hoverStrip->raise();
    m_letterBar->raise();
    showFocusFrame();
    // Room for this page, the pages around it and the next letter's, and some of those seen before.
    constexpr int kPagesKept = 8;
    const QSize pixels = devicePixels(coverSize());
    m_covers.setCapacity(qsizetype(kPagesKept) * count * pixels.width() * pixels.height() * 4);
}

void WallView::removeSlotsFrom(int first)
{
    if (first >= slotCount())
        return;
    // Deleting a cover under the pointer sends the pointer into whatever lies below at once; by then the
    // slot must be gone from the wall, or that event reaches a half-deleted slot.
    std::vector<std::unique_ptr<CoverSlot>> removed;
    std::move(m_slots.begin() + first, m_slots.end(), std::back_inserter(removed));
    m_slots.resize(first);
    m_pageFiles = m_pageFiles.mid(0, first);
    m_awaited.resize(std::min<size_t>(m_awaited.size(), first));
    removed.clear();
}

void WallView::clearSlots()
{
    removeSlotsFrom(0);
    m_coverRects.clear();
    m_keys.setGrid(0, 1);
    showFocusFrame();
}

void WallView::keepFirstSlotOnly()
{
    if (m_slots.empty())
        return;
    removeSlotsFrom(1);
    m_slots.front()->setVisible(false);
    m_coverRects.resize(1);
    m_keys.setGrid(0, 1);
    showFocusFrame();
}

QSize WallView::coverSize() const
{
    return m_slots.empty() ? QSize() : m_slots.front()->cover()->size();
}

QSize WallView::devicePixels(QSize logical) const
{
    return logical * devicePixelRatioF();
}

QImage WallView::decode(const QString &path, QSize logical) const
{
    QImage picture = loadCover(path, devicePixels(logical));
    picture.setDevicePixelRatio(devicePixelRatioF());
    return picture;
}

void WallView::showPage()
{
    const std::vector<SlotContent> &page = m_wall.page();
    m_pageFiles.clear();
    for (size_t k = 0; k < page.size() && k < m_slots.size(); ++k) {
        m_pageFiles.append(page[k].picture);
        m_slots[k]->show(QImage(), page[k].title, page[k].id);
        m_slots[k]->setSkippedBadge(m_badgesShown && page[k].skipped);
    }
    showCovers();
    m_keys.pageTurned();
    // Repaints are posted at low priority; this comes after them, so the page is painted first.
    if (!m_decodeAheadQueued) {
        m_decodeAheadQueued = true;
        QCoreApplication::postEvent(this, new QEvent(kDecodeAhead), Qt::LowEventPriority - 1);
    }
    Q_EMIT pageShown();
}

void WallView::showCovers()
{
    // Pictures are decoded at the screen's own pixels, so covers stay sharp on a scaled display.
    const QSize size = devicePixels(coverSize());
    if (m_placeholder.size() != size) {
        m_placeholder = QImage(size, QImage::Format_RGB32);
        m_placeholder.fill(QColor::fromRgbF(m_look.back.redF() * 0.8f + m_look.text.redF() * 0.2f,
                                            m_look.back.greenF() * 0.8f + m_look.text.greenF() * 0.2f,
                                            m_look.back.blueF() * 0.8f + m_look.text.blueF() * 0.2f));
        m_placeholder.setDevicePixelRatio(devicePixelRatioF());
    }
    // The no-cover picture comes from the workers too, for covers that cannot be read.
    const auto pictures = m_covers.show(m_pageFiles + QStringList{m_noCover}, size);
    m_awaited.assign(m_slots.size(), QString());
    for (qsizetype k = 0; k < m_pageFiles.size(); ++k) {
        if (pictures[k]) {
            showCover(static_cast<int>(k), *pictures[k]);
        } else {
            m_awaited[k] = m_pageFiles[k];
            m_slots[k]->setPicture(m_placeholder);
        }
    }
}

void WallView::showCover(int k, QImage picture)
{
    // A cover that cannot be read must not leave the previous album's picture in the slot.
    if (picture.isNull() || m_pageFiles[k] == m_noCover) {
        const std::optional<QImage> noCover = noCoverPicture();
        if (!noCover || noCover->isNull()) {
            m_awaited[k] = noCover ? QString() : m_noCover;
            m_slots[k]->setPicture(m_placeholder);
            return;
        }
        picture = *noCover;
    }
    if (picture.hasAlphaChannel())
        picture = opaque(picture, m_look.back);
    picture.setDevicePixelRatio(devicePixelRatioF());
    m_slots[k]->setPicture(picture);
}

std::optional<QImage> WallView::noCoverPicture()
{
    const QSize size = devicePixels(coverSize());
    if (!m_noCoverPicture || m_noCoverPicture->size() != size) {
        m_noCoverPicture = m_covers.picture(m_noCover, size);
        if (m_noCoverPicture && !m_noCoverPicture->isNull()) {
            m_noCoverPicture->setDevicePixelRatio(devicePixelRatioF());
            captionNoCover(*m_noCoverPicture);
        }
    }
    return m_noCoverPicture;
}

void WallView::fillArrivedCovers()
{
    m_arrivalQueued = false;
    const QSize size = devicePixels(coverSize());
    for (size_t k = 0; k < m_awaited.size(); ++k) {
        if (m_awaited[k].isEmpty())
            continue;
        const std::optional<QImage> picture = m_covers.picture(m_awaited[k], size);
        if (!picture)
            continue;
        const bool noCover = m_awaited[k] == m_noCover;
        m_awaited[k].clear();
        if (!noCover || !picture->isNull())
            showCover(static_cast<int>(k), *picture);
    }
}

int WallView::coversAwaited() const
{
    return static_cast<int>(std::count_if(m_awaited.begin(), m_awaited.end(),
                                          [](const QString &file) { return !file.isEmpty(); }));
}

bool WallView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_hoverStrip && event->type() == QEvent::FocusIn) {
        const bool back = static_cast<QFocusEvent *>(event)->reason() == Qt::BacktabFocusReason;
        if (back && m_letterBar->isVisible()) {
            // Shift+Tab from A: back to the wall.
            hideLetterBar();
            setFocus(Qt::BacktabFocusReason);
        } else {
            showLetterBar();
            m_letterBarByKeys = true;
            m_letterBar->letter(back ? LetterBar::kLetters - 1 : 0)
                ->setFocus(static_cast<QFocusEvent *>(event)->reason());
        }
        return false;
    }
    return PointerFrame::eventFilter(watched, event);
}

bool WallView::event(QEvent *event)
{
    if (event->type() == kCoversArrived) {
        fillArrivedCovers();
        return true;
    }
    if (event->type() != kDecodeAhead)
        return PointerFrame::event(event);
    m_decodeAheadQueued = false;
    m_keys.pagePainted();
    if (!m_slots.empty())
        m_covers.prefetch(m_wall.pagesAhead(), devicePixels(coverSize()));
    return true;
}

bool WallView::nextPage()
{
    if (!m_wall.nextPage())
        return false;
    showPage();
    return true;
}

void WallView::previousPage()
{
    m_wall.previousPage();
    showPage();
}

bool WallView::jumpToLetter(int j)
{
    if (!m_wall.jumpToLetter(m_letterBar->caption(j))) {
        setLetterNotFound(j);
        return false;
    }
    showPage();
    return true;
}

void WallView::showPageFrom(int first)
{
    m_wall.setFirstAlbum(first);
    m_wall.display();
    showPage();
}

void WallView::showCoverFile(int k, const QString &path)
{
    if (k >= 0 && k < m_pageFiles.size()) {
        m_pageFiles[k] = path;
        showCovers();
    }
}

void WallView::setSlotTitle(int k, const QString &title)
{
    if (k >= 0 && k < slotCount())
        m_slots[k]->setTitle(title);
}

void WallView::setBadgesShown(bool shown)
{
    m_badgesShown = shown;
    showBadges();
}

void WallView::showBadges()
{
    m_wall.readSkipped();
    const std::vector<SlotContent> &page = m_wall.page();
    for (size_t k = 0; k < page.size() && k < m_slots.size(); ++k)
        m_slots[k]->setSkippedBadge(m_badgesShown && page[k].skipped);
}

void WallView::setSlotsEnabled(bool enabled)
{
    m_slotsEnabled = enabled;
    for (const auto &slot : m_slots)
        styleSlot(*slot);
}

void WallView::setBounced(int k, bool bounced)
{
    if (k >= 0 && k < slotCount())
        m_slots[k]->setBounced(bounced);
}

void WallView::styleSlot(CoverSlot &slot) const
{
    slot.cover()->setAttribute(Qt::WA_TransparentForMouseEvents, !m_slotsEnabled);
    slot.titleLabel()->setAttribute(Qt::WA_TransparentForMouseEvents, !m_slotsEnabled);
    slot.titleLabel()->setFont(m_look.titleFont);
    slot.titleLabel()->setStyleSheet(
        QStringLiteral("color: %1; %2").arg(cssColor(m_look.text), cssFont(m_look.titleFont)));
    slot.cover()->setStyleSheet(
        QStringLiteral("QLabel { color: %1; }").arg(cssColor(m_look.text.darker(160))));
}

void WallView::setLook(const Look &look)
{
    m_look = look;
    m_placeholder = QImage(); // in the new colours
    setPanelColors(this, look.back, look.text);
    for (const auto &slot : m_slots)
        styleSlot(*slot);
    const QImage picture =
        look.backgroundPicture.isEmpty() ? QImage() : decode(look.backgroundPicture, size());
    m_background->setPixmap(QPixmap::fromImage(picture));
    m_focusFrame->setStyleSheet(QStringLiteral("QFrame { border: %1px solid %2; border-radius: 3px; }")
                                    .arg(kFocusFramePixels - 1)
                                    .arg(cssColor(look.text)));
    m_notice->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %1;"
                                           " border-radius: 6px; padding: 6px 16px; font-weight: bold; }")
                                .arg(cssColor(look.text), cssColor(look.back)));
}

void WallView::showLetterBar()
{
    if (m_letterBar->isVisible())
        return;
    m_letterBar->move(px(m_twips.width() / 2 - std::min(kLetterBarWidth, m_twips.width()) / 2), 0);
    m_letterBar->setColors(m_look.text, m_look.back);
    m_letterBar->show();
    m_letterBar->raise();
}

void WallView::hideLetterBar()
{
    m_letterBarByKeys = false;
    m_letterBar->hide();
}

void WallView::setLetterNotFound(int j)
{
    m_letterBar->letter(j)->setToolTip(tr("No albums found"));
}

void WallView::showNotice(const QString &text, int milliseconds)
{
    m_notice->setText(text);
    m_notice->adjustSize();
    // Centred low on the wall, over the covers only as long as it shows.
    m_notice->move((width() - m_notice->width()) / 2, height() - px(kNoticeBottom) - m_notice->height());
    m_notice->show();
    m_notice->raise();
    m_noticeTimer.start(milliseconds > 0 ? milliseconds : kNoticeMilliseconds);
}

void WallView::setFocusSlot(int k)
{
    m_keys.setFocus(k);
    showFocusFrame();
}

void WallView::showFocusFrame()
{
    const int k = m_keys.focus();
    const bool shown = hasFocus() && m_keys.slots() > 0 && k < static_cast<int>(m_coverRects.size());
    if (shown) {
        const QRect frame = m_coverRects[k].adjusted(-kFocusFramePixels, -kFocusFramePixels,
                                                     kFocusFramePixels, kFocusFramePixels);
        const bool moved = !m_focusFrame->isVisible() || m_focusFrame->geometry() != frame;
        m_focusFrame->setGeometry(frame);
        m_focusFrame->raise();
        m_focusFrame->setVisible(true);
        // A screen reader reads the cover the frame is on, by its title.
        if (moved && k < slotCount()) {
            QAccessibleEvent focus(m_slots[k]->cover(), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return;
    }
    m_focusFrame->setVisible(false);
}

void WallView::keyPressEvent(QKeyEvent *event)
{
    const WallKeys::Result result = m_keys.key(event->key(), event->modifiers(), event->text());
    if (result.action == WallKeys::Action::None) {
        PointerFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!m_keys.dropsRepeat(result, event->isAutoRepeat()))
        act(result);
}

void WallView::wheelEvent(QWheelEvent *event)
{
    const WallKeys::Result result = m_keys.wheel(event->angleDelta());
    event->accept();
    act(result);
}

void WallView::act(const WallKeys::Result &key)
{
    using Action = WallKeys::Action;
    const int k = key.focus;
    bool moved = true;
    switch (key.action) {
    case Action::NextPage:
        moved = nextPage();
        break;
    case Action::PreviousPage:
        previousPage();
        break;
    case Action::FirstPage:
        showPageFrom(0);
        break;
    case Action::LastPage:
        showPageFrom(WallKeys::lastPageStart(m_albums.size(), slotCount()));
        break;
    case Action::Letter:
        moved = jumpToLetter(key.letter);
        if (!moved)
            showNotice(tr("No albums found"));
        break;
    case Action::Press:
    case Action::Menu:
        // As a click would: covers that ignore the mouse ignore these keys too.
        moved = false;
        if (!m_slotsEnabled)
            break;
        if (key.action == Action::Press)
            Q_EMIT coverPressed(k, Qt::LeftButton);
        else
            Q_EMIT coverMenuWanted(k, slot(k)->cover()->mapToGlobal(slot(k)->cover()->rect().center()));
        break;
    case Action::PlayPause:
        moved = false;
        Q_EMIT playPauseWanted();
        break;
    case Action::Focus:
        break;
    case Action::None:
        moved = false;
        break;
    }
    if (moved)
        setFocusSlot(k);
}

void WallView::focusInEvent(QFocusEvent *event)
{
    PointerFrame::focusInEvent(event);
    showFocusFrame();
}

void WallView::focusOutEvent(QFocusEvent *event)
{
    PointerFrame::focusOutEvent(event);
    showFocusFrame();
}

} // namespace lumetra
