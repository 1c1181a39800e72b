#pragma once

#include <QAbstractButton>
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

Q_SIGNALS:
    void pointed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_highlight;
    bool m_highlighted = false;
};

} // namespace lumetra
