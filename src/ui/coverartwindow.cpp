#include "coverartwindow.h"

#include "core/appfolder.h"
#include "core/dialogs.h"
#include "widgethelpers.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace lumetra {

namespace {

const QString kSearchTip = QStringLiteral("Click here to search for cover on Google!");
const QString kPictureFilter =
    QStringLiteral("All image files (*.bmp,*.jpg,*.gif)|*.BMP;*.JPG;*.gif|BMP files (*.bmp)|"
                   "*.BMP|JPG files (*.jpg)|*.JPG|GIF files (*.gif)|*.GIF");

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
    , m_back(namedButton(QStringLiteral("Command6"), QStringLiteral("<< Back"), this, kSearchTip))
{
    setObjectName(QStringLiteral("Collection"));
    setWindowTitle(QStringLiteral("Cover Art"));
    setAccessibleName(QStringLiteral("Cover Art: ") + album.title);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 640);

    QPushButton *browsePc =
        namedButton(QStringLiteral("Command5"), QStringLiteral("Browse PC"), this, kSearchTip);
    QPushButton *paste =
        namedButton(QStringLiteral("Command4"), QStringLiteral("Paste from Clipboard"), this,
                    QStringLiteral("Use this button to paste a picture you have just copied"));
    QPushButton *search = namedButton(QStringLiteral("Command3"), QStringLiteral("Google"), this, kSearchTip);
    QPushButton *okay = namedButton(QStringLiteral("Command1"), QStringLiteral("Okay"), this);
    QPushButton *cancel = namedButton(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    QLabel *name = wrappedLabel(QStringLiteral("Label1"), album.title, this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    auto *caption = new QLabel(QStringLiteral("Preview"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_preview->setAccessibleName(QStringLiteral("Preview"));
    m_preview->setFixedSize(240, 240);
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAlignment(Qt::AlignCenter);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setAccessibleName(QStringLiteral("Web page"));
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
    m_form.browse(m_dialogs.openFile(kPictureFilter, m_form.albumPath()));
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
