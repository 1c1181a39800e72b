#include "wallview.h"

#include "core/coverloader.h"
#include "coverslot.h"
#include "letterbar.h"
#include "wall/twips.h"
#include "widgethelpers.h"

#include <QtConcurrent/QtConcurrentMap>

namespace lumetra {

namespace {
// Design of the wall's top, in twips.
constexpr int kHoverStripHeight = 300;
constexpr int kLetterBarWidth = 10680;
constexpr int kLetterBarHeight = 480;
} // namespace

WallView::WallView(qreal dpi, QWidget *parent)
    : PointerFrame(parent)
    , m_dpi(dpi)
    , m_background(new PointerLabel(this))
    , m_hoverStrip(new PointerLabel(this))
    , m_letterBar(new LetterBar(this))
{
    setObjectName(QStringLiteral("albumframe"));
    setAccessibleName(QStringLiteral("Album wall"));
    setAutoFillBackground(true);

    m_background->setObjectName(QStringLiteral("Image13"));
    m_background->setAccessibleName(QStringLiteral("Wall background"));
    m_background->setScaledContents(true);
    connect(m_background, &PointerLabel::pointed, this, [this] {
        hideLetterBar();
        Q_EMIT backgroundPointed();
    });
    connect(m_background, &PointerLabel::pressed, this, &WallView::backgroundPressed);

    m_hoverStrip->setObjectName(QStringLiteral("Label6"));
    m_hoverStrip->setAccessibleName(QStringLiteral("Show letter bar"));
    connect(m_hoverStrip, &PointerLabel::pointed, this, &WallView::showLetterBar);

    m_letterBar->hide();
    for (int j = 0; j < LetterBar::kLetters; ++j) {
        const QRect rect = j == 0 ? QRect(60, 45, 390, 390) : QRect(500 + 400 * (j - 1), 45, 450, 390);
        m_letterBar->letter(j)->setGeometry(twipsToPixels(rect, m_dpi));
    }
    connect(m_letterBar, &LetterBar::letterClicked, this, &WallView::letterClicked);
}

WallView::~WallView() = default;

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
    m_letterBar->setGeometry(
        twipsToPixels(QRect(w / 2 - kLetterBarWidth / 2, 0, kLetterBarWidth, kLetterBarHeight), m_dpi));
}

void WallView::layOut(const std::vector<SlotGeometry> &layout)
{
    const int count = static_cast<int>(layout.size());
    m_slots.resize(std::min<size_t>(m_slots.size(), count));
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
        connect(slot->cover(), &PointerLabel::pressed, this,
                [this, k](Qt::MouseButton button) { Q_EMIT coverPressed(k, button); });
        slot->cover()->setAcceptDrops(true);
        connect(slot->cover(), &PointerLabel::filesDropped, this,
                [this, k](const QStringList &paths) { Q_EMIT filesDropped(k, paths); });
        PointerLabel *title = slot->titleLabel();
        connect(title, &PointerLabel::pointed, title, [title] { title->setToolTip(title->text()); });
        styleSlot(*slot);
        m_slots.push_back(std::move(slot));
    }
    for (int k = 0; k < count; ++k) {
        CoverSlot &slot = *m_slots[k];
        slot.place(twipsToPixels(layout[k].cover, m_dpi), twipsToPixels(layout[k].shadow, m_dpi),
                   twipsToPixels(layout[k].title, m_dpi));
        slot.setVisible(true);
        slot.raise();
    }
    m_hoverStrip->raise();
    m_letterBar->raise();
}

void WallView::clearSlots()
{
    m_slots.clear();
}

void WallView::keepFirstSlotOnly()
{
    if (m_slots.empty())
        return;
    m_slots.resize(1);
    m_slots.front()->setVisible(false);
}

QSize WallView::coverSize() const
{
    return m_slots.empty() ? QSize() : m_slots.front()->cover()->size();
}

void WallView::showPage(const std::vector<SlotContent> &page, const QString &noCover)
{
    const QSize size = coverSize();
    // Decoding dominates filling a page; the covers are independent, so every core takes a share.
    const QList<QImage> pictures = QtConcurrent::blockingMapped(
        QList<SlotContent>(page.begin(), page.end()),
        [size](const SlotContent &slot) { return loadCover(slot.picture, size); });
    QImage noCoverPicture;
    for (size_t k = 0; k < page.size() && k < m_slots.size(); ++k) {
        QImage picture = pictures[static_cast<qsizetype>(k)];
        // A cover that cannot be read must not leave the previous album's picture in the slot.
        if (picture.isNull()) {
            if (noCoverPicture.isNull())
                noCoverPicture = loadCover(noCover, size);
            picture = noCoverPicture;
        }
        m_slots[k]->show(picture, page[k].title, page[k].id);
    }
}

void WallView::showCover(int k, const QImage &picture)
{
    if (k >= 0 && k < slotCount())
        m_slots[k]->show(picture, m_slots[k]->title(), m_slots[k]->id());
}

void WallView::setSlotTitle(int k, const QString &title)
{
    if (k >= 0 && k < slotCount())
        m_slots[k]->setTitle(title);
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
    slot.titleLabel()->setStyleSheet(QStringLiteral("color: %1;").arg(cssColor(m_look.text)));
    slot.cover()->setStyleSheet(
        QStringLiteral("QLabel { color: %1; }").arg(cssColor(m_look.text.darker(160))));
}

void WallView::setLook(const Look &look)
{
    m_look = look;
    setPanelColors(this, look.back, look.text);
    for (const auto &slot : m_slots)
        styleSlot(*slot);
    const QImage picture =
        look.backgroundPicture.isEmpty() ? QImage() : loadCover(look.backgroundPicture, size());
    m_background->setPixmap(QPixmap::fromImage(picture));
}

void WallView::showLetterBar()
{
    if (m_letterBar->isVisible())
        return;
    m_letterBar->move(px(m_twips.width() / 2 - kLetterBarWidth / 2), 0);
    m_letterBar->setColors(m_look.text, m_look.back);
    m_letterBar->show();
    m_letterBar->raise();
}

void WallView::hideLetterBar()
{
    m_letterBar->hide();
}

void WallView::setLetterNotFound(int j)
{
    m_letterBar->letter(j)->setToolTip(QStringLiteral("No albums found"));
}

} // namespace lumetra
