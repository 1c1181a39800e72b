#include "skippedalbumswindow.h"

#include "ui/common/widgethelpers.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace lumetra {

SkippedAlbumsWindow::SkippedAlbumsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_caption(wrappedLabel(QStringLiteral("skippedCaption"), QString(), this))
    , m_list(new QListWidget(this))
    , m_playAgain(namedButton(QStringLiteral("skippedPlayAgain"), tr("Play in Shuffle Again"), this,
                              tr("Shuffle All may pick the selected album again")))
{
    setObjectName(QStringLiteral("SkippedAlbums"));
    setWindowTitle(tr("Albums skipped in shuffle"));
    setAccessibleName(windowTitle());
    resize(420, 480);
    m_list->setObjectName(QStringLiteral("skippedList"));
    m_list->setAccessibleName(tr("Albums skipped in shuffle"));
    m_caption->setAccessibleName(tr("Skipped albums"));
    m_playAgain->setAccessibleName(m_playAgain->text());
    auto *close = namedButton(QStringLiteral("skippedClose"), tr("Close"), this);
    close->setAccessibleName(close->text());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_playAgain);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { updateButton(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { playSelectedAgain(); });
    connect(m_playAgain, &QPushButton::clicked, this, &SkippedAlbumsWindow::playSelectedAgain);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    updateButton();
}

void SkippedAlbumsWindow::setAlbums(const QList<SkippedAlbums::Album> &albums)
{
    const int row = m_list->currentRow();
    m_albums = albums;
    m_list->clear();
    // Titles are text, whatever characters they hold (QListWidget items never take markup).
    for (const SkippedAlbums::Album &album : albums)
        m_list->addItem(album.title);
    if (!albums.isEmpty())
        m_list->setCurrentRow(std::clamp(row, 0, static_cast<int>(albums.size()) - 1));
    m_caption->setText(albums.isEmpty()
                           ? tr("No album is skipped: Shuffle All may pick every album.")
                           : tr("Shuffle All leaves out the albums below (%1).").arg(albums.size()));
    updateButton();
}

QStringList SkippedAlbumsWindow::titles() const
{
    QStringList titles;
    for (const SkippedAlbums::Album &album : m_albums)
        titles.append(album.title);
    return titles;
}

void SkippedAlbumsWindow::select(int row)
{
    m_list->setCurrentRow(row);
}

void SkippedAlbumsWindow::playSelectedAgain()
{
    const int row = m_list->currentRow();
    if (row >= 0 && row < m_albums.size())
        Q_EMIT playAgainWanted(m_albums.at(row).id);
}

void SkippedAlbumsWindow::updateButton()
{
    m_playAgain->setEnabled(m_list->currentRow() >= 0 && m_list->currentRow() < m_albums.size());
}

} // namespace lumetra
