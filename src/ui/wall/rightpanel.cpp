#include "rightpanel.h"

#include "listbox.h"
#include "playerbar.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/widgethelpers.h"
#include "wall/twips.h"

namespace lumetra {

namespace {
// Design of the panel, in twips.
constexpr int kNowPlayingCover = 3000;
constexpr int kTrackListTop = 4395;
constexpr int kTrackListWidth = 4080;
} // namespace

RightPanel::RightPanel(MediaPlayer &player, qreal dpi, QWidget *parent)
    : QWidget(parent)
    , m_dpi(dpi)
    , m_playerBar(new PlayerBar(player, this))
    , m_nowPlayingCover(new PointerLabel(this))
    , m_trackList(new ListBox(this))
{
    setObjectName(QStringLiteral("RtFrame"));
    setAccessibleName(tr("Now playing"));
    setAutoFillBackground(true);

    m_nowPlayingCover->setObjectName(QStringLiteral("Image2"));
    m_nowPlayingCover->setAccessibleName(tr("Now playing cover"));
    m_nowPlayingCover->setToolTip(tr("Click here to skip current track"));
    m_nowPlayingCover->setScaledContents(true);
    m_nowPlayingCover->setFocusPolicy(Qt::TabFocus);
    connect(m_nowPlayingCover, &PointerLabel::pressed, this,
            [this](Qt::MouseButton button) { Q_EMIT nowPlayingPressed(button); });

    m_trackList->setObjectName(QStringLiteral("List1"));
    m_trackList->setAccessibleName(tr("Track list"));
    connect(m_trackList, &ListBox::rowClicked, this, &RightPanel::trackClicked);
    connect(m_trackList, &ListBox::trailingLineClicked, this, &RightPanel::upNextClicked);
    connect(m_trackList, &ListBox::keyPressed, this, [this](int key, Qt::KeyboardModifiers modifiers) {
        // Enter on a track chooses it, as a click does, and is no skip (locked, it asks for no PIN).
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (!enter || m_trackList->currentRow() < 0)
            Q_EMIT trackKey(key, modifiers);
    });
}

void RightPanel::place(const QRect &twips, int trackListHeight)
{
    setGeometry(twipsToPixels(twips, m_dpi));
    const int innerW = std::min(twips.width() - 60, kTrackListWidth);
    m_playerBar->setGeometry(twipsToPixels(QRect(30, 150, innerW, 750), m_dpi));
    const int coverSide = std::min(innerW, kNowPlayingCover);
    m_nowPlayingCover->setGeometry(
        twipsToPixels(QRect(30 + (innerW - coverSide) / 2, 1200, coverSide, coverSide), m_dpi));
    m_trackList->setGeometry(twipsToPixels(QRect(30, kTrackListTop, innerW, trackListHeight), m_dpi));
}

void RightPanel::setColors(const QColor &back, const QColor &text)
{
    setPanelColors(this, back, text);
    setPanelColors(m_trackList, back, text);
    m_playerBar->setTextColor(text);
}

void RightPanel::setTrackLines(const QStringList &lines, int selected)
{
    m_trackList->setLines(lines, selected);
}

void RightPanel::showNowPlayingPicture(const QString &path)
{
    const QPixmap picture = coverPixmap(path, m_nowPlayingCover);
    if (!picture.isNull())
        m_nowPlayingCover->setPixmap(picture);
}

void RightPanel::togglePlay()
{
    m_playerBar->togglePlay();
}

void RightPanel::setUpNext(const QString &line, const QString &cover)
{
    m_trackList->setTrailingLine(line, cover);
}

} // namespace lumetra
