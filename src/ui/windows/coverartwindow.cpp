#include "coverartwindow.h"

#include "core/appfolder.h"
#include "core/dialogs.h"
#include "ui/common/widgethelpers.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace lumetra {

namespace {

QString searchTip()
{
    return CoverArtWindow::tr("Click here to search for cover on Google!");
}

// "Caption|patterns|..." as the file dialog takes it; only the captions are words.
QString pictureFilter()
{
    return CoverArtWindow::tr("All image files (*.bmp,*.jpg,*.gif)") + QStringLiteral("|*.BMP;*.JPG;*.gif|") +
           CoverArtWindow::tr("BMP files (*.bmp)") + QStringLiteral("|*.BMP|") +
           CoverArtWindow::tr("JPG files (*.jpg)") + QStringLiteral("|*.JPG|") +
           CoverArtWindow::tr("GIF files (*.gif)") + QStringLiteral("|*.GIF");
}

} // namespace

CoverArtWindow::CoverArtWindow(const Album &album, RecordView &songs, const AppFolder &app,
                               Prompter &prompter, Dialogs &dialogs, const BrowserFactory &browser,
                               QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_form(songs, prompter, album.id, album.title, album.path)
    , m_dialogs(dialogs)
    , m_slot(album.slot)
    , m_browser(browser(this))
    , m_preview(new QLabel(this))
    , m_back(namedButton(QStringLiteral("Command6"), tr("<< Back"), this, searchTip()))
{
    setObjectName(QStringLiteral("Collection"));
    setWindowTitle(tr("Cover Art"));
    setAccessibleName(tr("Cover Art: %1").arg(album.title));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 640);

    QPushButton *browsePc = namedButton(QStringLiteral("Command5"), tr("Browse PC"), this, searchTip());
    QPushButton *paste = namedButton(QStringLiteral("Command4"), tr("Paste from Clipboard"), this,
                                     tr("Use this button to paste a picture you have just copied"));
    QPushButton *search = namedButton(QStringLiteral("Command3"), tr("Google"), this, searchTip());
    QPushButton *okay = namedButton(QStringLiteral("Command1"), tr("Okay"), this);
    QPushButton *cancel = namedButton(QStringLiteral("Command2"), tr("Cancel"), this);
    QLabel *name = wrappedLabel(QStringLiteral("Label1"), album.title, this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto *caption = new QLabel(tr("Preview"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setFixedSize(240, 240);
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAlignment(Qt::AlignCenter);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setAccessibleName(tr("Web page"));
    m_back->setEnabled(false);

    auto *layout = new QGridLayout(this);
    auto *side = new QVBoxLayout;
    side->addWidget(name);
    for (QPushButton *b : {browsePc, paste, search, m_back})
        side->addWidget(b);
    side->addSpacing(12);
    side->addWidget(caption);
    side->addWidget(m_preview);
    side->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(okay);
    buttons->addWidget(cancel);
    side->addLayout(buttons);
    layout->addLayout(side, 0, 0);
    layout->addWidget(m_browser, 0, 1);
    layout->setColumnStretch(1, 1);

    connect(browsePc, &QPushButton::clicked, this, &CoverArtWindow::browsePc);
    connect(paste, &QPushButton::clicked, this, &CoverArtWindow::pasteFromClipboard);
    connect(search, &QPushButton::clicked, this, &CoverArtWindow::google);
    connect(m_back, &QPushButton::clicked, this, &CoverArtWindow::back);
    connect(okay, &QPushButton::clicked, this, &CoverArtWindow::okay);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    m_browser->navigate(QUrl::fromLocalFile(app.ownFile(QStringLiteral("copy.htm"))));
}

void CoverArtWindow::showPreview()
{
    const QImage &picture = m_form.preview();
    m_preview->setPixmap(picture.isNull()
                             ? QPixmap()
                             : QPixmap::fromImage(picture.scaled(m_preview->size(), Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation)));
}

void CoverArtWindow::browsePc()
{
    m_form.browse(m_dialogs.openFile(pictureFilter(), m_form.albumPath()));
    showPreview();
}

void CoverArtWindow::pasteFromClipboard()
{
    m_form.paste(QGuiApplication::clipboard()->image());
    showPreview();
}

void CoverArtWindow::google()
{
    m_back->setEnabled(true);
    m_browser->navigate(QUrl(CoverArtForm::searchAddress(m_form.title())));
}

void CoverArtWindow::back()
{
    m_browser->back();
    m_back->setEnabled(false);
}

void CoverArtWindow::okay()
{
    if (!m_form.okay())
        return;
    Q_EMIT saved(m_slot, m_form.id(), m_form.albumPath() + CoverArtForm::kCoverFile);
    close();
}

} // namespace lumetra
