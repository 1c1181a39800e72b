#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace lumetra {

class AppFolder;
class Collections;
class PointerFrame;
class PointerLabel;

// Collections mode's widgets in the right-hand panel: the frame with its buttons, cover and status line
// (collFrame), and the scrolling list of collections (outpic, inpic, VScroll1). Renders a Collections state
// and passes clicks to it.
class CollectionsPanel : public QObject
{
    Q_OBJECT
public:
    // `twips` converts design lengths to pixels.
    CollectionsPanel(QWidget *rightPanel, Collections &collections, const AppFolder &app,
                     std::function<int(int)> twips);

    // Shows or hides the frame and the list together (entering or leaving Collections mode).
    void setShown(bool shown);
    void render();
    void setTextColor(const QColor &color);

    QWidget *frame() const;
    QWidget *viewport() const { return m_viewport; }
    QScrollBar *scrollBar() const { return m_scroll; }
    PointerLabel *cover() const { return m_cover; }
    // Row i's name label, or nullptr.
    QLabel *rowLabel(int i) const;

Q_SIGNALS:
    void coverClicked();
    // The frame's menu: the loaded collection as an .m3u8 playlist.
    void exportWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        PointerLabel *picture;
        PointerLabel *label;
    };
    QPushButton *button(const QString &name, const QString &text, const QString &tip, QRect twipsRect);

    Collections &m_collections;
    const AppFolder &m_app;
    std::function<int(int)> m_px;
    PointerFrame *m_frame;
    QPushButton *m_myColls;
    QPushButton *m_new;
    QPushButton *m_saveNew;
    QPushButton *m_delete;
    QPushButton *m_edit;
    QPushButton *m_saveEdit;
    PointerLabel *m_cover;
    QLabel *m_status;
    QWidget *m_viewport;
    QWidget *m_inner;
    QScrollBar *m_scroll;
    std::vector<Row> m_rows;
    QString m_coverShown;
};

} // namespace lumetra
