#pragma once

#include "ui/common/pointerwidgets.h"

namespace lumetra {

class AppFolder;
class PictureButton;

// The strip `Frame1` under the wall: Next page, Previous page, Mode, Options and Help as picture buttons
// that light up under the pointer, and a lock mark while guests have the jukebox. Reports which one was
// clicked.
class ButtonStrip : public PointerFrame
{
    Q_OBJECT
public:
    ButtonStrip(const AppFolder &app, qreal dpi, QWidget *parent = nullptr);

    // The strip's place in its parent, in twips; the page buttons keep to its right end.
    void place(const QRect &twips);
    // Every button back to its normal picture.
    void resetButtons();
    // The lock mark beside Help shows while the jukebox is locked for guests.
    void setLocked(bool locked);

Q_SIGNALS:
    void nextPage();
    void previousPage();
    // A menu button was clicked; the menu drops down from `globalPos`.
    void modeMenuWanted(const QPoint &globalPos);
    void optionsMenuWanted(const QPoint &globalPos);
    void helpWanted();

private:
    void highlight(PictureButton *button);

    qreal m_dpi;
    PictureButton *m_next;
    PictureButton *m_previous;
    PictureButton *m_mode;
    PictureButton *m_options;
    PictureButton *m_help;
    QWidget *m_lock;
};

} // namespace lumetra
