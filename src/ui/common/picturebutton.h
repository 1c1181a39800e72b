#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QPixmap>

namespace lumetra {

// One of the strip's picture buttons: a normal picture and its highlighted twin at the same place.
// The window decides which is showing (pointing at one button resets others).
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(const QString &normalFile, const QString &highlightFile, QWidget *parent = nullptr);

    void setHighlighted(bool on);
    bool isHighlighted() const { return m_highlighted; }
    // Words written on the picture, beside its icon at `iconAt` (Qt::LeftEdge or Qt::RightEdge), so they
    // speak the user's language; cut with an ellipsis where they do not fit.
    void setCaption(const QString &caption, Qt::Edge iconAt);
    QString caption() const { return m_caption; }
    // The width the caption needs at `shownHeight` (the picture's design, whatever its own width).
    int widthFor(int shownHeight) const;

Q_SIGNALS:
    void pointed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    // The pictures' design, in parts of their height: the end with the icon and its gap, the plain end, and
    // the caption's letters.
    static constexpr qreal kIconEnd = 55.0 / 60;
    static constexpr qreal kPlainEnd = 21.0 / 60;
    static constexpr qreal kCaptionSize = 23.0 / 60;
    QFont captionFont() const;

    QPixmap m_normal;
    QPixmap m_highlight;
    bool m_highlighted = false;
    QString m_caption;
    Qt::Edge m_iconAt = Qt::LeftEdge;
};

} // namespace lumetra
