#include "newalbumwindow.h"

#include "core/appfolder.h"
#include "core/dialogs.h"
#include "core/prompter.h"
#include "core/shell.h"
#include "droplist.h"
#include "ui/common/copyprogress.h"
#include "ui/common/widgethelpers.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace lumetra {

namespace {

// One of the two options of the opening page: a large button with an icon and its explanation.
QPushButton *option(const QString &name, const QString &text, QStyle::StandardPixmap icon, QWidget *parent)
{
    QPushButton *b = namedButton(name, text, parent);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(64, 64));
    b->setMinimumHeight(96);
    b->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding: 12px; font-size: 11pt; }"));
    return b;
}

} // namespace

NewAlbumWindow::NewAlbumWindow(RecordView &songs, const AppFolder &app, Prompter &prompter, Dialogs &dialogs,
                               Shell &shell, std::function<int()> albumCount, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_shell(shell)
    , m_albumCount(std::move(albumCount))
    , m_form(songs, app, prompter)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Create a New Album"));
    setAccessibleName(tr("Create a New Album"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 460);

    m_pages = new QStackedWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    // The opening page (Picture2): the two options and the note about scanning.
    auto *choose = new QWidget(m_pages);
    choose->setObjectName(QStringLiteral("Picture2"));
    auto *chooseLayout = new QVBoxLayout(choose);
    chooseLayout->addWidget(wrappedLabel(QStringLiteral("Label5"), tr("Please select an option:"), choose));
    QPushButton *inPlace = option(QStringLiteral("Image3"),
                                  tr("Add the songs to the database and leave them where they are on disk"),
                                  QStyle::SP_DirOpenIcon, choose);
    QPushButton *copy = option(QStringLiteral("Image4"),
                               tr("Add the songs to the database and copy them to the default music folder"),
                               QStyle::SP_FileDialogNewFolder, choose);
    chooseLayout->addWidget(inPlace);
    chooseLayout->addWidget(copy);
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(wrappedLabel(QStringLiteral("Label6"),
                                    tr("IMPORTANT:  Don't forget that if you haven't done before,  you can "
                                       "always go to the Settings screen and ask Lumetra to scan for music "
                                       "files for you."),
                                    choose),
                       1);
    QPushButton *settingsLink = namedButton(QStringLiteral("Label8"), tr("[Click here]"), choose);
    settingsLink->setFlat(true);
    settingsLink->setCursor(Qt::PointingHandCursor);
    settingsLink->setAccessibleName(tr("Open the settings to scan for music"));
    noteRow->addWidget(settingsLink);
    chooseLayout->addLayout(noteRow);
    chooseLayout->addStretch();
    m_pages->addWidget(choose);
    connect(inPlace, &QPushButton::clicked, this, &NewAlbumWindow::chooseLocate);
    connect(copy, &QPushButton::clicked, this, &NewAlbumWindow::chooseCopy);
    connect(settingsLink, &QPushButton::clicked, this, [this] {
        Q_EMIT settingsWanted();
        close();
    });

    // The working page.
    auto *work = new QWidget(m_pages);
    auto *row = new QHBoxLayout(work);
    m_trackList = new DropList(work);
    m_trackList->setObjectName(QStringLiteral("List1"));
    m_trackList->setAccessibleName(tr("Tracks of the new album"));
    m_trackList->setContextMenuPolicy(Qt::CustomContextMenu);
    row->addWidget(m_trackList, 3);
    auto *side = new QVBoxLayout;
    m_hint = wrappedLabel(QStringLiteral("Label3"),
                          tr("HINT: Drop mp3, ogg and wma tracks onto the window to the left to add them "
                             "to the new album..."),
                          work);
    m_advice = wrappedLabel(
        QStringLiteral("Label7"),
        tr("Advice: Now click on \"Locate New Album\" and browse to where the album resides on your hard "
           "disk.  Once you have located it, you will be given the chance to rename it should you wish "
           "to.  You cannot use a nane that is the same as one that Lumetra is already using.  Finally "
           "you should click on \"Add to database\"."),
        work);
    m_nameCaption = wrappedLabel(QStringLiteral("Label2"), tr("Enter a name for the new album:"), work);
    m_name = new QLineEdit(work);
    m_name->setObjectName(QStringLiteral("Text2"));
    m_name->setAccessibleName(tr("Name of the new album"));
    m_name->installEventFilter(this);
    m_nameCaption->setBuddy(m_name);
    m_nameFormat =
        wrappedLabel(QStringLiteral("Label4"), tr("Format should be:  Artist Name, Album Name"), work);
    m_copyFromFolder = namedButton(QStringLiteral("Command4"), tr("Copy from Folder"), work);
    m_locate = namedButton(QStringLiteral("Command5"), tr("Locate New Album"), work);
    m_locate->setEnabled(false);
    m_explorer = namedButton(QStringLiteral("Command3"), tr("Windows Explorer"), work);
    m_explorer->setAccessibleName(tr("Open the application folder in the file manager"));
    m_create = namedButton(QStringLiteral("Command1"), tr("Create this Album"), work);
    QPushButton *cancel = namedButton(QStringLiteral("Command2"), tr("Cancel"), work);
    for (QWidget *w : std::initializer_list<QWidget *>{m_hint, m_advice, m_nameCaption, m_name, m_nameFormat,
                                                       m_copyFromFolder, m_locate, m_explorer})
        side->addWidget(w);
    side->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_create);
    buttons->addWidget(cancel);
    side->addLayout(buttons);
    row->addLayout(side, 2);
    m_pages->addWidget(work);

    connect(m_trackList, &DropList::filesDropped, this, &NewAlbumWindow::dropTracks);
    connect(m_trackList, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("men1"));
        QAction *remove = menu.addAction(tr("Remove from List"));
        remove->setObjectName(QStringLiteral("mnudel1"));
        if (menu.exec(m_trackList->viewport()->mapToGlobal(pos)) == remove)
            removeSelectedTrack();
    });
    connect(m_copyFromFolder, &QPushButton::clicked, this, &NewAlbumWindow::copyFromFolder);
    connect(m_locate, &QPushButton::clicked, this, &NewAlbumWindow::locateNewAlbum);
    connect(m_explorer, &QPushButton::clicked, this, [this] { m_shell.open(m_app.dir()); });
    connect(m_create, &QPushButton::clicked, this, &NewAlbumWindow::create);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) { m_form.setTitle(text); });
}

void NewAlbumWindow::chooseCopy()
{
    m_form.chooseCopy();
    m_advice->hide();
    m_pages->setCurrentIndex(1);
}

void NewAlbumWindow::chooseLocate()
{
    m_form.chooseLocate();
    for (QWidget *w : std::initializer_list<QWidget *>{m_name, m_nameCaption, m_nameFormat, m_hint})
        w->hide();
    m_trackList->setEnabled(false);
    m_explorer->setEnabled(false);
    m_copyFromFolder->setEnabled(false);
    m_locate->setEnabled(true);
    m_create->setText(tr("Add to Database"));
    m_advice->show();
    m_pages->setCurrentIndex(1);
}

void NewAlbumWindow::showTracks()
{
    m_trackList->clear();
    m_trackList->addItems(m_form.tracks());
}

void NewAlbumWindow::copyFromFolder()
{
    if (const auto folder =
            m_dialogs.folder(tr("Locate the folder that contains the mp3/wma files you want"), m_app.dir())) {
        m_form.addFolder(*folder);
        showTracks();
    }
}

void NewAlbumWindow::locateNewAlbum()
{
    m_form.locate(m_dialogs.folder(tr("Locate the folder that contains the mp3/wma files you want"),
                                   m_form.locatedFolder()));
    m_advice->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{m_nameCaption, m_nameFormat, m_name})
        w->show();
    m_name->setText(m_form.title());
    showTracks();
}

void NewAlbumWindow::dropTracks(const QStringList &paths)
{
    m_form.drop(paths);
    showTracks();
}

void NewAlbumWindow::removeSelectedTrack()
{
    NewAlbumForm &form = m_form;
    form.removeTrack(m_trackList->currentItem() && m_trackList->currentItem()->isSelected()
                         ? m_trackList->currentRow()
                         : -1);
    showTracks();
}

void NewAlbumWindow::create()
{
    bool made = false;
    {
        CopyProgress progress(this);
        m_form.setTitle(m_name->text());
        made = m_form.create(m_albumCount(), progress.callback());
    }
    showTracks();
    m_name->setText(m_form.title());
    if (!made)
        return;
    Q_EMIT created();
    close();
}

bool NewAlbumWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed == QStringLiteral("\\") || typed == QStringLiteral("/")) {
            m_prompter.message(tr("This character not allowed in the name - a hyphen will be substituted"));
            int cursor = m_name->cursorPosition();
            m_name->setText(AlbumFiles::substituteSeparator(m_name->text(), typed.front(), cursor));
            m_name->setCursorPosition(cursor);
            m_form.setTitle(m_name->text());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NewAlbumWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

} // namespace lumetra
