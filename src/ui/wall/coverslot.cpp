#include "coverslot.h"

#include "ui/common/look.h"
#include "ui/common/widgethelpers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QTextLayout>

#include <algorithm>

namespace lumetra {

namespace {
constexpr int kLiftPixels = 4;
constexpr int kBadgeMargin = 3;

// `text` broken into at most `maxLines` lines of `width` pixels, the last cut with an ellipsis.
QString fitLines(QString text, const QFont &font, int width, int maxLines)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (static_cast<int>(lines.size()) == maxLines - 1) {
            lines.append(QFontMetrics(font).elidedText(text.mid(line.textStart()), Qt::ElideRight, width));
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines.join(u'\n');
}

} // namespace

TitleLabel::TitleLabel(QWidget *parent)
    : PointerLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    connect(this, &PointerLabel::pointed, this, [this] { setToolTip(plainToolTip(m_title)); });
}

void TitleLabel::setTitle(const QString &title)
{
    m_title = title;
    setAccessibleName(title);
    fit();
}

void TitleLabel::changeEvent(QEvent *event)
{
    PointerLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fit();
}

void TitleLabel::resizeEvent(QResizeEvent *event)
{
    PointerLabel::resizeEvent(event);
    fit();
}

void TitleLabel::fit()
{
    const QRect room = contentsRect();
    const int lines = std::max(1, room.height() / fontMetrics().lineSpacing());
    setText(fitLines(m_title, font(), room.width(), lines));
}

CoverSlot::CoverSlot(int index, QWidget *wall)
    : m_cover(new PointerLabel(wall))
    , m_title(new TitleLabel(wall))
    , m_shadow(new QFrame(wall))
{
    const QString n = QString::number(index);
    m_cover->setObjectName(QStringLiteral("Image1_") + n);
    m_title->setObjectName(QStringLiteral("Label1_") + n);
    m_shadow->setObjectName(QStringLiteral("Shape2_") + n);
    m_cover->setCursor(Qt::PointingHandCursor);
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setAccessibleName(tr("Empty slot"));
    m_shadow->setAccessibleName(tr("Cover shadow"));
    setDecorative(m_shadow);
    m_shadow->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 110); border-radius: 2px;"));
    m_shadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    setBounced(false);
}

CoverSlot::~CoverSlot()
{
    delete m_cover;
    delete m_title;
    delete m_shadow;
}

void CoverSlot::place(const QRect &cover, const QRect &shadow, const QRect &title)
{
    m_coverRect = cover;
    m_shadow->setGeometry(shadow);
    m_title->setGeometry(title);
    setBounced(m_bounced);
}

void CoverSlot::setVisible(bool visible)
{
    m_cover->setVisible(visible);
    m_title->setVisible(visible);
    m_shadow->setVisible(visible);
}

void CoverSlot::raise()
{
    m_shadow->raise();
    m_cover->raise();
    m_title->raise();
}

void CoverSlot::show(const QImage &picture, const QString &title, const QString &id)
{
    setPicture(picture);
    m_title->setTitle(title);
    m_id = id;
    m_cover->setAccessibleName(title.isEmpty() ? tr("Empty slot") : title);
}

void CoverSlot::setPicture(const QImage &picture)
{
    if (!picture.isNull())
        m_cover->setPixmap(QPixmap::fromImage(picture));
}

void CoverSlot::setTitle(const QString &title)
{
    m_title->setTitle(title);
    m_cover->setAccessibleName(title.isEmpty() ? tr("Empty slot") : title);
}

QString CoverSlot::title() const
{
    return m_title->title();
}

void CoverSlot::setSkippedBadge(bool shown)
{
    if (!shown && !m_badge)
        return;
    if (!m_badge) {
        m_badge = new QLabel(QCoreApplication::translate("lumetra::CoverSlot", "No shuffle"), m_cover);
        m_badge->setObjectName(QStringLiteral("skippedBadge"));
        m_badge->setAccessibleName(QCoreApplication::translate("lumetra::CoverSlot", "Skipped in shuffle"));
        m_badge->setToolTip(
            QCoreApplication::translate("lumetra::CoverSlot", "Shuffle All leaves this album out"));
        m_badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_badge->setStyleSheet(
            QStringLiteral("QLabel { color: white; background: rgba(170, 20, 20, 215); "
                           "border: 1px solid white; border-radius: 3px; padding: 1px 4px; "
                           "font-weight: bold; font-size: 8pt; }"));
        m_badge->adjustSize();
    }
    m_badge->move(kBadgeMargin, kBadgeMargin);
    m_badge->setVisible(shown);
    m_badge->raise();
    const QString description =
        shown ? QCoreApplication::translate("lumetra::CoverSlot", "Skipped in shuffle") : QString();
    m_cover->setAccessibleDescription(description);
}

bool CoverSlot::hasSkippedBadge() const
{
    return m_badge && !m_badge->isHidden();
}

void CoverSlot::setBounced(bool bounced)
{
    m_bounced = bounced;
    if (bounced) {
        m_cover->setFrameStyle(QFrame::NoFrame);
        m_cover->setGeometry(m_coverRect.translated(-kLiftPixels, -kLiftPixels));
    } else {
        m_cover->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_cover->setLineWidth(1);
        m_cover->setGeometry(m_coverRect);
    }
}

} // namespace lumetra
