#pragma once

#include <QWidget>

namespace lumetra {

class ListBox;
class MediaPlayer;
class PlayerBar;
class PointerLabel;

// The right-hand panel `RtFrame`: the player's controls at the top, the now-playing cover `Image2` under
// them (where Collections mode puts its frame) and the track list `List1` below.
class RightPanel : public QWidget
{
    Q_OBJECT
public:
    RightPanel(MediaPlayer &player, qreal dpi, QWidget *parent = nullptr);

    // The panel's place in the window and the track list's height, in twips.
    void place(const QRect &twips, int trackListHeight);
    void setColors(const QColor &back, const QColor &text);
    void setTrackLines(const QStringList &lines, int selected);
    // Party mode's next automatic pick as the list's dimmed last line, its album's cover on hover.
    void setUpNext(const QString &line, const QString &cover);
    // A picture that cannot be read leaves the one shown.
    void showNowPlayingPicture(const QString &path);
    void togglePlay();

Q_SIGNALS:
    void upNextClicked();
    void trackClicked(int row);
    void trackKey(int key, Qt::KeyboardModifiers modifiers);
    void nowPlayingPressed(Qt::MouseButton button);

private:
    qreal m_dpi;
    PlayerBar *m_playerBar;
    PointerLabel *m_nowPlayingCover;
    ListBox *m_trackList;
};

} // namespace lumetra
