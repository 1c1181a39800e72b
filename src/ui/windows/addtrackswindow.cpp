#include "addtrackswindow.h"

#include "droplist.h"
#include "ui/common/copyprogress.h"
#include "ui/common/widgethelpers.h"
#include "wall/albumcommands.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace lumetra {

namespace {

int px(const QWidget *w, int twips)
{
    const qreal dpi = w->screen() ? w->screen()->logicalDotsPerInchX() : 96;
    return qRound(twips * dpi / 1440.0);
}

QRect pxRect(const QWidget *w, QRect t)
{
    return QRect(px(w, t.x()), px(w, t.y()), px(w, t.width()), px(w, t.height()));
}

} // namespace

AddTracksWindow::AddTracksWindow(AlbumCommands &commands, const QString &picture, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_commands(commands)
    , m_list(new DropList(this))
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Add tracks"));
    setAccessibleName(tr("Add tracks"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(this, 6585), px(this, 4980));

    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Tracks to add: drop music files here"));
    m_list->setGeometry(pxRect(this, QRect(0, 0, 6585, 3870)));
    m_list->setStyleSheet(
        QStringLiteral("QListWidget { background: rgb(192, 255, 255); color: rgb(10, 20, 30); }"));
    connect(m_list, &DropList::filesDropped, this, &AddTracksWindow::addEntries);

    auto *strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setGeometry(pxRect(this, QRect(5730, 15, 855, 3855)));
    strip->setPixmap(QPixmap(picture)
                         .scaled(strip->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                         .copy(QRect(QPoint(0, 0), strip->size())));
    strip->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *hint = new QLabel(tr("Alternatively, you can simply just drop any music file on top of any "
                               "album cover to add it to that album - use right-click and explore to "
                               "find files..."),
                            this);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(8.25);
    hint->setFont(small);
    hint->setGeometry(pxRect(this, QRect(60, 3870, 6405, 480)));

    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(pxRect(this, QRect(3045, 4395, 1740, 465)));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *okay = new QPushButton(tr("Okay"), this);
    okay->setObjectName(QStringLiteral("Command1"));
    okay->setGeometry(pxRect(this, QRect(4770, 4395, 1740, 465)));
    okay->setDefault(true);
    connect(okay, &QPushButton::clicked, this, &AddTracksWindow::okay);
}

QStringList AddTracksWindow::entries() const
{
    QStringList paths;
    for (int i = 0; i < m_list->count(); ++i)
        paths.append(m_list->item(i)->text());
    return paths;
}

void AddTracksWindow::addEntries(const QStringList &paths)
{
    m_list->addItems(paths);
}

void AddTracksWindow::okay()
{
    QStringList list = entries();
    bool done = false;
    {
        CopyProgress progress(this);
        done = m_commands.addTracks(m_target, list, progress.callback());
    }
    m_list->clear();
    m_list->addItems(list);
    if (!done)
        return;
    Q_EMIT copied();
    close();
}

TrackListingWindow::TrackListingWindow(const QString &title, const QStringList &tracks, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Track Listing"));
    setAccessibleName(tr("Track Listing"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(this, 3900), px(this, 6500));

    QLabel *name = wrappedLabel(QStringLiteral("Label1"), title, this);
    name->setGeometry(pxRect(this, QRect(960, 165, 2745, 675)));
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("List1"));
    list->setAccessibleName(tr("Tracks of %1").arg(title));
    list->setGeometry(pxRect(this, QRect(180, 975, 3525, 5295)));
    QFont bold = list->font();
    bold.setBold(true);
    list->setFont(bold);
    list->addItems(tracks);
}

} // namespace lumetra
