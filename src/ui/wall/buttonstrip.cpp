#include "buttonstrip.h"

#include "core/appfolder.h"
#include "ui/common/picturebutton.h"
#include "wall/twips.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace lumetra {

namespace {

// A padlock in the strip's text colour, drawn at any size.
class LockMark : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor ink = palette().color(QPalette::WindowText);
        const qreal side = std::min(width(), height());
        const QRectF box((width() - side) / 2, (height() - side) / 2, side, side);
        const QRectF body(box.left() + side * 0.18, box.top() + side * 0.45, side * 0.64, side * 0.5);
        painter.setPen(QPen(ink, side * 0.11));
        painter.drawArc(QRectF(body.left() + side * 0.1, box.top() + side * 0.08, side * 0.44, side * 0.7), 0,
                        180 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawRoundedRect(body, side * 0.06, side * 0.06);
    }
};

} // namespace

ButtonStrip::ButtonStrip(const AppFolder &app, qreal dpi, QWidget *parent)
    : PointerFrame(parent)
    , m_dpi(dpi)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(tr("Button strip"));
    setAutoFillBackground(true);
    connect(this, &PointerFrame::pointed, this, &ButtonStrip::resetButtons);

    auto make = [this, &app](const QString &name, const QString &picture, const QString &accessible) {
        auto *button = new PictureButton(app.ownFile(picture + QStringLiteral(".png")),
                                         app.ownFile(picture + QStringLiteral("-hi.png")), this);
        button->setObjectName(name);
        button->setAccessibleName(accessible);
        connect(button, &PictureButton::pointed, this, [this, button] { highlight(button); });
        return button;
    };
    m_next = make(QStringLiteral("Image4"), QStringLiteral("next-page"), tr("Next page"));
    m_previous = make(QStringLiteral("Image6"), QStringLiteral("prev-page"), tr("Previous page"));
    m_mode = make(QStringLiteral("Image8"), QStringLiteral("mode-menu"), tr("Mode"));
    m_options = make(QStringLiteral("Image10"), QStringLiteral("options-menu"), tr("Options"));
    m_help = make(QStringLiteral("Image12"), QStringLiteral("help"), tr("Help"));
    const QString letterTip = tr("Hover mouse at top of screen to jump to a letter..");
    m_next->setToolTip(letterTip);
    m_previous->setToolTip(letterTip);
    m_help->setToolTip(tr("Help"));
    m_lock = new LockMark(this);
    m_lock->setObjectName(QStringLiteral("lockMark"));
    m_lock->setAccessibleName(tr("Locked for guests"));
    m_lock->setToolTip(m_lock->accessibleName());
    m_lock->hide();
    m_next->setCaption(tr("Next"), Qt::RightEdge);
    m_previous->setCaption(tr("Prev"), Qt::LeftEdge);
    m_mode->setCaption(tr("Mode"), Qt::LeftEdge);
    m_options->setCaption(tr("Options"), Qt::LeftEdge);

    // Tab in reading order: Mode, Options, Help, then the page buttons at the right.
    setTabOrder(m_mode, m_options);
    setTabOrder(m_options, m_help);
    setTabOrder(m_help, m_previous);
    setTabOrder(m_previous, m_next);

    connect(m_next, &PictureButton::clicked, this, &ButtonStrip::nextPage);
    connect(m_previous, &PictureButton::clicked, this, &ButtonStrip::previousPage);
    connect(m_mode, &PictureButton::clicked, this,
            [this] { Q_EMIT modeMenuWanted(m_mode->mapToGlobal(QPoint(0, m_mode->height()))); });
    connect(m_options, &PictureButton::clicked, this,
            [this] { Q_EMIT optionsMenuWanted(m_options->mapToGlobal(QPoint(0, m_options->height()))); });
    connect(m_help, &PictureButton::clicked, this, &ButtonStrip::helpWanted);
}

void ButtonStrip::place(const QRect &twips)
{
    const int w = twips.width();
    setGeometry(twipsToPixels(twips, m_dpi));
    // The design's widths, wider where a caption in the user's language needs it; the gaps stay.
    constexpr int kTop = 240, kHeight = 450, kGap = 150;
    const int shownHeight = twipsToPixels(kHeight, m_dpi);
    const auto wide = [&](PictureButton *button, int design) {
        return std::max(design, pixelsToTwips(button->widthFor(shownHeight), m_dpi));
    };
    const int nextWidth = wide(m_next, 1125);
    const int nextLeft = w - 175 - nextWidth;
    const int previousWidth = wide(m_previous, 1125);
    const int modeWidth = wide(m_mode, 2250);
    const int optionsLeft = 120 + modeWidth + kGap;
    const int optionsWidth = wide(m_options, 2250);
    m_next->setGeometry(twipsToPixels(QRect(nextLeft, kTop, nextWidth, kHeight), m_dpi));
    m_previous->setGeometry(
        twipsToPixels(QRect(nextLeft - 175 - previousWidth, kTop, previousWidth, kHeight), m_dpi));
    m_mode->setGeometry(twipsToPixels(QRect(120, kTop, modeWidth, kHeight), m_dpi));
    m_options->setGeometry(twipsToPixels(QRect(optionsLeft, kTop, optionsWidth, kHeight), m_dpi));
    const int helpLeft = optionsLeft + optionsWidth + kGap;
    m_help->setGeometry(twipsToPixels(QRect(helpLeft, kTop, 450, kHeight), m_dpi));
    m_lock->setGeometry(twipsToPixels(QRect(helpLeft + 450 + kGap, kTop, 450, kHeight), m_dpi));
}

void ButtonStrip::setLocked(bool locked)
{
    m_lock->setVisible(locked);
}

void ButtonStrip::highlight(PictureButton *button)
{
    button->setHighlighted(true);
    if (button == m_mode)
        m_options->setHighlighted(false);
    else if (button == m_options)
        m_mode->setHighlighted(false);
}

void ButtonStrip::resetButtons()
{
    for (PictureButton *button : {m_next, m_previous, m_mode, m_options, m_help})
        button->setHighlighted(false);
}

} // namespace lumetra
