#pragma once

#include <QFrame>
#include <QLabel>

namespace lumetra {

// A label that reports the pointer moving over it and mouse presses, for the wall's covers, titles,
// background picture, hover strip and letters. One that takes the keyboard focus shows it, and Enter or
// Space on it is a left press.
class PointerLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PointerLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void pointed();
    void pressed(Qt::MouseButton button, const QPoint &globalPos);
    // Local files dropped from the desktop (only when drops are accepted).
    void filesDropped(const QStringList &paths);

protected:
    void enterEvent(QEnterEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The focus mark of a widget that draws its own: white around black, which stands off any background.
void paintFocusMark(QWidget *widget);

// A panel that reports the pointer moving over its own background (not over its children).
class PointerFrame : public QFrame
{
    Q_OBJECT
public:
    explicit PointerFrame(QWidget *parent = nullptr);

Q_SIGNALS:
    void pointed();
    // Local files dropped from the desktop (only when drops are accepted).
    void filesDropped(const QStringList &paths);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

} // namespace lumetra
