#include "jukeboxarea.h"

#include "listbox.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/widgethelpers.h"
#include "wall/twips.h"

namespace lumetra {

JukeboxArea::JukeboxArea(qreal dpi, QWidget *parent)
    : QWidget(parent)
    , m_dpi(dpi)
    , m_queueList(new ListBox(this))
    , m_queueCover(new PointerLabel(this))
{
    setObjectName(QStringLiteral("jukeboxarea"));
    m_queueList->setObjectName(QStringLiteral("List2"));
    m_queueList->setAccessibleName(tr("Jukebox queue"));
    m_queueList->setToolTip(tr("Jukebox playlist area"));
    m_queueList->setAutoFillBackground(true);
    connect(m_queueList, &ListBox::trailingLineClicked, this, &JukeboxArea::upNextClicked);
    connect(m_queueList, &ListBox::keyPressed, this, &JukeboxArea::queueKey);
    connect(m_queueList, &ListBox::pressed, this, &JukeboxArea::queuePressed);

    m_queueCover->setObjectName(QStringLiteral("Image15"));
    m_queueCover->setAccessibleName(tr("Queue cover: skip the current track"));
    m_queueCover->setToolTip(tr("Click here to skip the current track"));
    m_queueCover->setScaledContents(true);
    m_queueCover->setCursor(Qt::PointingHandCursor);
    m_queueCover->setFocusPolicy(Qt::TabFocus);
    connect(m_queueCover, &PointerLabel::pressed, this,
            [this](Qt::MouseButton button) { Q_EMIT coverPressed(button); });
    hide();
}

void JukeboxArea::place(const QRect &queueTwips, const QRect &coverTwips)
{
    // Converted in window coordinates, so the parts land where they would as the window's own children.
    const QRect list = twipsToPixels(queueTwips, m_dpi);
    const QRect cover = twipsToPixels(coverTwips, m_dpi);
    const QRect area = list.united(cover);
    setGeometry(area);
    m_queueList->setGeometry(list.translated(-area.topLeft()));
    m_queueCover->setGeometry(cover.translated(-area.topLeft()));
}

void JukeboxArea::setColors(const QColor &back, const QColor &text)
{
    setPanelColors(m_queueList, back, text);
}

void JukeboxArea::setQueueLines(const QStringList &lines, int selected)
{
    m_queueList->setLines(lines, selected);
}

void JukeboxArea::showQueuePicture(const QString &path)
{
    const QPixmap picture = coverPixmap(path, m_queueCover);
    if (!picture.isNull())
        m_queueCover->setPixmap(picture);
}

void JukeboxArea::setUpNext(const QString &line, const QString &cover)
{
    m_queueList->setTrailingLine(line, cover);
}

} // namespace lumetra
