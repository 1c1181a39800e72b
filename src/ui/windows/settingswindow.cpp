#include "settingswindow.h"

#include "core/catalogue.h"
#include "core/coverloader.h"
#include "core/dialogs.h"
#include "core/prompter.h"
#include "core/recordview.h"
#include "core/textfile.h"
#include "core/vbcolor.h"
#include "soundbox.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/widgethelpers.h"
#include "wall/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>

namespace lumetra {

namespace {

constexpr QSize kPreviewTwips(7400, 4700);
constexpr int kTitleWidthTwips = 2400;
// Room the window manager's frame takes around the window.
constexpr QSize kFrameRoom(16, 48);

} // namespace

SettingsWindow::SettingsWindow(const AppFolder &app, Catalogue &catalogue, RecordView &songs,
                               Prompter &prompter, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
    , m_catalogue(catalogue)
    , m_songs(songs)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(tr("Settings"));
    setAccessibleName(tr("Settings"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The fields and the scan panel scroll on a small screen; Okay and Cancel stay in sight below them.
    auto *outer = new QVBoxLayout(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("settingsScroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_content = new QWidget(m_scroll);
    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    buildPreview();
    top->addWidget(m_preview, 0, Qt::AlignTop);
    top->addLayout(buildControls(), 1);
    layout->addLayout(top);
    m_sound = new SoundBox(m_app.file(SoundSettings::fileName()), this);
    layout->addWidget(m_sound);
    layout->addSpacing(8);
    buildScanPanel();
    layout->addWidget(m_scanPanel);
    m_scroll->setWidget(m_content);
    outer->addWidget(m_scroll, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(
        wrappedLabel(QStringLiteral("Label9"), tr("Scan disk for songs and build database:"), this));
    bottom->addWidget(m_scanDisk);
    bottom->addStretch();
    bottom->addWidget(new QLabel(tr("* = Recommend restart"), this));
    bottom->addWidget(m_okay);
    bottom->addWidget(m_cancel);
    outer->addLayout(bottom);

    // Tab from the top down: the preview's title, the fields beside it, the sound, the scan panel, then the
    // buttons.
    QList<QWidget *> order{m_sampleTitle,
                           m_links[0],
                           m_picturePath,
                           m_links[1],
                           m_links[2],
                           m_coverSize,
                           m_gap,
                           m_bounce,
                           m_autoplay,
                           m_noWrap,
                           m_links[3],
                           m_sound->crossfade(),
                           m_sound->levelling(),
                           m_browse,
                           m_musicFolder,
                           m_scanNested,
                           m_scanFlat,
                           m_closePanel,
                           m_scanDisk,
                           m_okay,
                           m_cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    m_form.load(m_app.file(QStringLiteral("jb.ini")));
    showForm();
    growToFit();
}

void SettingsWindow::buildPreview()
{
    const qreal dpi = screen() ? screen()->logicalDotsPerInchX() : 96;
    m_preview = new QFrame(this);
    m_preview->setObjectName(QStringLiteral("Picture1"));
    m_preview->setAccessibleName(tr("Preview"));
    m_preview->setFixedSize(twipsToPixels(kPreviewTwips.width(), dpi),
                            twipsToPixels(kPreviewTwips.height(), dpi));
    m_preview->setAutoFillBackground(true);
    m_preview->setFrameShape(QFrame::StyledPanel);

    auto *picture = new PointerLabel(m_preview);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setAccessibleName(tr("Background picture: click to change"));
    picture->setScaledContents(true);
    picture->setGeometry(m_preview->rect());
    picture->setCursor(Qt::PointingHandCursor);
    connect(picture, &PointerLabel::pressed, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            backimage();
    });
    m_previewPicture = picture;

    m_sampleCover = new QLabel(m_preview);
    m_sampleCover->setObjectName(QStringLiteral("Image1"));
    m_sampleCover->setAccessibleName(tr("Sample cover"));
    m_sampleCover->setScaledContents(true);
    m_sampleCover->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_sampleTitle = new PointerLabel(m_preview);
    m_sampleTitle->setObjectName(QStringLiteral("Label3"));
    m_sampleTitle->setText(tr("Click to change text..."));
    m_sampleTitle->setAccessibleName(tr("Sample title: click to change the text colour and font"));
    m_sampleTitle->setCursor(Qt::PointingHandCursor);
    m_sampleTitle->setFocusPolicy(Qt::TabFocus);
    connect(m_sampleTitle, &PointerLabel::pressed, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseTitleText();
    });
}

QPushButton *SettingsWindow::link(const QString &name, const QString &text)
{
    QPushButton *b = namedButton(name, text, this);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    m_links.append(b);
    return b;
}

QGridLayout *SettingsWindow::buildControls()
{
    auto *grid = new QGridLayout;

    m_colorStrip = new PointerLabel(this);
    m_colorStrip->setObjectName(QStringLiteral("Picture4"));
    m_colorStrip->setAccessibleName(tr("Background colour: click to change"));
    m_colorStrip->setMinimumSize(160, 26);
    m_colorStrip->setFrameShape(QFrame::Box);
    m_colorStrip->setCursor(Qt::PointingHandCursor);
    m_colorStrip->setAutoFillBackground(true);
    connect(m_colorStrip, &PointerLabel::pressed, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            chooseBackColor();
    });
    QPushButton *changeColour = link(QStringLiteral("Label2"), tr("Click here to change colour"));
    connect(changeColour, &QPushButton::clicked, this, &SettingsWindow::chooseBackColor);
    QPushButton *changeImage = link(QStringLiteral("Label1"), tr("Click here to change back image"));
    connect(changeImage, &QPushButton::clicked, this, &SettingsWindow::backimage);
    QPushButton *none = link(QStringLiteral("Label4"), tr("[No image]"));
    connect(none, &QPushButton::clicked, this, &SettingsWindow::noImage);
    QPushButton *reset = link(QStringLiteral("Label10"), tr("[Reset to Defaults]"));
    connect(reset, &QPushButton::clicked, this, &SettingsWindow::resetDefaults);

    m_picturePath = new QLineEdit(this);
    m_picturePath->setObjectName(QStringLiteral("Text4"));
    m_picturePath->setAccessibleName(tr("Background picture"));
    m_coverSize = new QLineEdit(this);
    m_coverSize->setObjectName(QStringLiteral("Text1"));
    m_coverSize->setAccessibleName(tr("Cover size in twips"));
    connect(m_coverSize, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_form.coverSize = text;
        showPreview();
    });
    m_gap = new QLineEdit(this);
    m_gap->setObjectName(QStringLiteral("Text2"));
    m_gap->setAccessibleName(tr("Spacing in twips"));

    m_bounce = new QCheckBox(tr("Covers bounce on mouseover"), this);
    m_bounce->setObjectName(QStringLiteral("Check2"));
    m_autoplay = new QCheckBox(tr("Autoplay albums on click"), this);
    m_autoplay->setObjectName(QStringLiteral("Check3"));
    m_noWrap = new QCheckBox(tr("Do not scroll covers after Z to A"), this);
    m_noWrap->setObjectName(QStringLiteral("Check4"));

    int row = 0;
    grid->addWidget(new QLabel(tr("Background colour:"), this), row, 0);
    grid->addWidget(m_colorStrip, row++, 1);
    grid->addWidget(changeColour, row++, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Background picture:"), this), row, 0);
    grid->addWidget(m_picturePath, row++, 1);
    auto *pictureLinks = new QHBoxLayout;
    pictureLinks->addWidget(changeImage);
    pictureLinks->addWidget(none);
    pictureLinks->addStretch();
    grid->addLayout(pictureLinks, row++, 1);
    auto *coverCaption = new QLabel(tr("Cover size (twips) *"), this);
    coverCaption->setBuddy(m_coverSize);
    grid->addWidget(coverCaption, row, 0);
    grid->addWidget(m_coverSize, row++, 1);
    auto *gapCaption = new QLabel(tr("Spacing (twips) *"), this);
    gapCaption->setBuddy(m_gap);
    grid->addWidget(gapCaption, row, 0);
    grid->addWidget(m_gap, row++, 1);
    grid->addWidget(m_bounce, row++, 0, 1, 2);
    grid->addWidget(m_autoplay, row++, 0, 1, 2);
    grid->addWidget(m_noWrap, row++, 0, 1, 2);
    grid->addWidget(reset, row++, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(row, 1);

    m_scanDisk = namedButton(QStringLiteral("Command5"), tr("Scan disk"), this);
    m_scanDisk->setToolTip(tr("Use to scan for songs if NOT using the default folder"));
    connect(m_scanDisk, &QPushButton::clicked, this, &SettingsWindow::scanDisk);
    m_okay = namedButton(QStringLiteral("Command1"), tr("Okay"), this);
    m_okay->setDefault(true);
    connect(m_okay, &QPushButton::clicked, this, &SettingsWindow::okay);
    m_cancel = namedButton(QStringLiteral("Command2"), tr("Cancel"), this);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsWindow::cancel);
    return grid;
}

void SettingsWindow::buildScanPanel()
{
    m_scanPanel = new QFrame(this);
    m_scanPanel->setObjectName(QStringLiteral("Picture2"));
    m_scanPanel->setAccessibleName(tr("Scan panel"));
    m_scanPanel->setFrameShape(QFrame::StyledPanel);
    m_scanPanel->hide();
    auto *layout = new QVBoxLayout(m_scanPanel);

    QLabel *warning =
        wrappedLabel(QStringLiteral("Label8"),
                     tr("Warning!  This will overwrite your existing Lumetra database."), m_scanPanel);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    layout->addWidget(warning);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Label7"),
        tr("If you already have an MP3 collection, please use \"Browse to Songs\" to locate the area on "
           "your disk and then use the relevant \"Scan\" button to add them to Lumetra.  See the Help "
           "files about which option to use if you are unsure."),
        m_scanPanel));
    layout->addWidget(wrappedLabel(
        QStringLiteral("Label6"),
        tr("If you are using the default Lumetra settings and manually building a new collection you "
           "do not need to change this option - hit Close to go back to the Options screen."),
        m_scanPanel));

    auto *folderRow = new QHBoxLayout;
    m_browse = namedButton(QStringLiteral("Command9"), tr("Browse to Songs"), m_scanPanel);
    connect(m_browse, &QPushButton::clicked, this, &SettingsWindow::browseToSongs);
    m_musicFolder = new QLineEdit(m_scanPanel);
    m_musicFolder->setObjectName(QStringLiteral("Text5"));
    m_musicFolder->setAccessibleName(tr("Music folder"));
    connect(m_musicFolder, &QLineEdit::textEdited, this,
            [this](const QString &text) { m_form.musicFolder = text; });
    folderRow->addWidget(m_browse);
    folderRow->addWidget(m_musicFolder, 1);
    layout->addLayout(folderRow);

    auto scanRow = [&](QPushButton *&scan, const QString &buttonName, const QString &labelName,
                       const QString &text, Scanner::Layout kind) {
        auto *row = new QHBoxLayout;
        QLabel *label = wrappedLabel(labelName, text, m_scanPanel);
        scan = namedButton(buttonName, tr("Scan"), m_scanPanel);
        scan->setAccessibleName(kind == Scanner::Layout::Nested ? tr("Scan: albums inside artist folders")
                                                                : tr("Scan: one folder per album"));
        connect(scan, &QPushButton::clicked, this, [this, kind] { this->scan(kind); });
        row->addWidget(label, 1);
        row->addWidget(scan);
        layout->addLayout(row);
    };
    scanRow(m_scanNested, QStringLiteral("Command3"), QStringLiteral("Label12"),
            tr("If albums are sub-folders of the artist, e.g. \"D:\\Music\\Travis\\The Best Of\" then "
               "click here to add them to the database..."),
            Scanner::Layout::Nested);
    scanRow(m_scanFlat, QStringLiteral("Command8"), QStringLiteral("Label11"),
            tr("If your songs are stored in a flat folder structure, e.g. \"D:\\Music\\Travis - The Best "
               "Of\" then click here to add them to the database..."),
            Scanner::Layout::Flat);

    // Without a name of its own the line reads as its text; what it is for is its description.
    m_time = wrappedLabel(QStringLiteral("lbltime"), tr("Time taken: 0 second(s)"), m_scanPanel);
    m_time->setAccessibleDescription(tr("Scan progress"));
    layout->addWidget(m_time);

    m_scanFrame = new QGroupBox(tr("SCan for MP3s"), m_scanPanel);
    m_scanFrame->setObjectName(QStringLiteral("ScanFrame"));
    auto *lists = new QHBoxLayout(m_scanFrame);
    m_queueList = new QListWidget(m_scanFrame);
    m_queueList->setObjectName(QStringLiteral("lstdirs"));
    m_queueList->setAccessibleName(tr("Folders waiting to be searched"));
    m_foundList = new QListWidget(m_scanFrame);
    m_foundList->setObjectName(QStringLiteral("lstfiles"));
    m_foundList->setAccessibleName(tr("Music folders found"));
    lists->addWidget(m_queueList, 1);
    lists->addWidget(m_foundList, 3);
    m_scanFrame->setMinimumHeight(170);
    m_queueList->hide();
    m_foundList->hide();
    layout->addWidget(m_scanFrame);

    // Folders the scan could not enter, under the found list; shown only when there are any.
    m_leftOutCaption = wrappedLabel(QStringLiteral("lblleftout"), QString(), m_scanPanel);
    m_leftOutList = new QListWidget(m_scanPanel);
    m_leftOutList->setObjectName(QStringLiteral("lstleftout"));
    m_leftOutList->setAccessibleName(tr("Folders left out of the scan"));
    m_leftOutList->setMaximumHeight(90);
    m_leftOutCaption->hide();
    m_leftOutList->hide();
    layout->addWidget(m_leftOutCaption);
    layout->addWidget(m_leftOutList);

    m_closePanel = namedButton(QStringLiteral("Command10"), tr("Close"), m_scanPanel);
    connect(m_closePanel, &QPushButton::clicked, this, &SettingsWindow::closeScanPanel);
    layout->addWidget(m_closePanel, 0, Qt::AlignRight);
}

void SettingsWindow::showForm()
{
    m_musicFolder->setText(m_form.musicFolder);
    m_coverSize->setText(m_form.coverSize);
    m_gap->setText(m_form.gap);
    m_picturePath->setText(m_form.backgroundPicture);
    m_bounce->setChecked(m_form.bounce);
    m_autoplay->setChecked(m_form.autoplay);
    m_noWrap->setChecked(m_form.noWrap);

    QPalette strip = m_colorStrip->palette();
    strip.setColor(QPalette::Window, colorFromStored(m_form.backColor));
    m_colorStrip->setPalette(strip);
    QPalette preview = m_preview->palette();
    preview.setColor(QPalette::Window, colorFromStored(m_form.previewColor));
    m_preview->setPalette(preview);

    // The window wears the wall's colours, so the links in the title colour read as they will on the wall.
    const QColor back = colorFromStored(m_form.backColor);
    QPalette own = palette();
    own.setColor(QPalette::Window, back.darker(125));
    own.setColor(QPalette::WindowText, back.lightnessF() < 0.5 ? QColor(235, 235, 235) : QColor(20, 20, 20));
    setPalette(own);
    setAutoFillBackground(true);

    const QColor text = colorFromStored(m_form.textColor);
    for (QPushButton *b : m_links)
        b->setStyleSheet(QStringLiteral("QPushButton { color: %1; text-decoration: underline; border: none; "
                                        "padding: 2px; text-align: left; }")
                             .arg(cssColor(text)));
    QFont font(m_form.fontName);
    font.setPointSizeF(m_form.fontSize);
    font.setBold(m_form.fontBold);
    m_sampleTitle->setFont(font);
    m_sampleTitle->setStyleSheet(QStringLiteral("color: %1; %2").arg(cssColor(text), cssFont(font)));
    m_previewPicture->setPixmap(QPixmap::fromImage(
        m_form.backgroundPicture.isEmpty() ? QImage()
                                           : loadCover(m_form.backgroundPicture, m_preview->size())));
    showPreview();
}

void SettingsWindow::showPreview()
{
    const auto preview = SettingsForm::preview(m_form.coverSize);
    if (!preview)
        return;
    const qreal dpi = screen() ? screen()->logicalDotsPerInchX() : 96;
    const int side = twipsToPixels(preview->coverSize, dpi);
    const QPoint cover(twipsToPixels(SettingsForm::kSampleCover.x(), dpi),
                       twipsToPixels(SettingsForm::kSampleCover.y(), dpi));
    m_sampleCover->setGeometry(QRect(cover, QSize(side, side)));
    if (side > 0)
        m_sampleCover->setPixmap(QPixmap::fromImage(loadCover(m_app.defaultPicture(), QSize(side, side))));
    m_sampleTitle->setWordWrap(preview->titleBeside);
    const int titleWidth = twipsToPixels(kTitleWidthTwips, dpi);
    m_sampleTitle->setGeometry(
        twipsToPixels(preview->title.x(), dpi), twipsToPixels(preview->title.y(), dpi), titleWidth,
        m_sampleTitle->heightForWidth(titleWidth) > 0 ? m_sampleTitle->heightForWidth(titleWidth)
                                                      : m_sampleTitle->sizeHint().height());
    m_sampleTitle->raise();
}

void SettingsWindow::takeFields()
{
    m_form.musicFolder = m_musicFolder->text();
    m_form.coverSize = m_coverSize->text();
    m_form.gap = m_gap->text();
    m_form.backgroundPicture = m_picturePath->text();
    m_form.bounce = m_bounce->isChecked();
    m_form.autoplay = m_autoplay->isChecked();
    m_form.noWrap = m_noWrap->isChecked();
}

void SettingsWindow::chooseBackColor()
{
    if (const auto color = m_dialogs.color(colorFromStored(m_form.backColor))) {
        takeFields();
        m_form.backColor = storedFromColor(*color);
        showForm();
    }
}

void SettingsWindow::chooseTitleText()
{
    const auto color = m_dialogs.color(colorFromStored(m_form.textColor));
    if (!color)
        return;
    takeFields();
    m_form.textColor = storedFromColor(*color);
    showForm();
    const auto font = m_dialogs.font({QStringLiteral("Verdana"), 8, true});
    if (!font)
        return;
    m_form.fontName = font->name;
    m_form.fontSize = font->size;
    m_form.fontBold = font->bold;
    showForm();
}

void SettingsWindow::backimage()
{
    if (const auto path = m_dialogs.openFile(
            tr("All image files (*.bmp,*.jpg,*.pcx)") + QStringLiteral("|*.BMP;*.JPG;*.PCX|"), m_app.dir())) {
        takeFields();
        m_form.backgroundPicture = *path;
        showForm();
    }
}

void SettingsWindow::noImage()
{
    takeFields();
    m_form.noImage();
    showForm();
}

void SettingsWindow::resetDefaults()
{
    takeFields();
    m_form.resetDefaults(m_app);
    showForm();
}

void SettingsWindow::okay()
{
    takeFields();
    if (const auto problem = m_form.saveProblem()) {
        m_prompter.message(*problem);
        return;
    }
    // A relative folder meant the application folder, the working directory; stored, it means that for good.
    if (m_form.musicFolder != QStringLiteral("(Lumetra default)"))
        m_form.musicFolder = Scanner::resolveRoot(m_form.musicFolder, m_app, m_app.dir());
    if (!m_sound->save()) {
        m_prompter.message(tr("The sound settings could not be saved to sound.ini, so nothing was changed."));
        return;
    }
    QString error;
    if (!writeTextLines(m_app.file(QStringLiteral("jb.ini")), m_form.lines(), &error)) {
        m_prompter.message(
            tr("The settings could not be saved to jb.ini, so nothing was changed.\n\n%1").arg(error));
        return;
    }
    hide();
    Q_EMIT saved();
    close();
}

void SettingsWindow::cancel()
{
    close();
}

void SettingsWindow::scanDisk()
{
    m_okay->setEnabled(false);
    m_cancel->setEnabled(false);
    m_scanPanel->show();
    growToFit();
}

void SettingsWindow::growToFit()
{
    // As large as the fields want, up to the screen; the rest scrolls. The content's minimum ignores how
    // many lines the wrapped labels take at a width, so its height is asked for at the width it gets.
    m_content->layout()->activate();
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const int frame = 2 * m_scroll->frameWidth() + layout()->contentsMargins().left() +
                      layout()->contentsMargins().right() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int wantedWidth = std::max(width(), m_content->sizeHint().width() + frame);
    const int w = std::min(wantedWidth, room.width() - kFrameRoom.width());
    // A layout without a wrapped label in sight has no height for a width (-1): then its hint is the height.
    const int contentHeight =
        std::max(m_content->layout()->totalHeightForWidth(w - frame), m_content->sizeHint().height());
    const int others = layout()->totalSizeHint().height() - m_scroll->sizeHint().height();
    const int h = std::min(std::max(height(), contentHeight + others + 2 * m_scroll->frameWidth()),
                           room.height() - kFrameRoom.height());
    resize(w, h);
    // Grown while shown: kept on the screen.
    move(std::clamp(x(), room.left(), std::max(room.left(), room.right() - w - kFrameRoom.width())),
         std::clamp(y(), room.top(), std::max(room.top(), room.bottom() - h - kFrameRoom.height())));
}

void SettingsWindow::closeScanPanel()
{
    m_okay->setEnabled(true);
    m_cancel->setEnabled(true);
    m_scanPanel->hide();
    resize(width(), 0);
    growToFit();
}

void SettingsWindow::scanFrom(const QString &root)
{
    scanDisk();
    if (!root.isEmpty()) {
        m_form.musicFolder = root;
        m_musicFolder->setText(root);
    }
    m_scanNested->setFocus();
}

void SettingsWindow::escape()
{
    // As Cancel; with the scan panel open, Cancel waits for its Close.
    if (m_cancel->isEnabled())
        cancel();
    else if (m_closePanel->isEnabled())
        closeScanPanel();
}

void SettingsWindow::browseToSongs()
{
    if (const auto folder =
            m_dialogs.folder(tr("Locate the area that contains your music files"), m_musicFolder->text())) {
        m_form.musicFolder = *folder;
        m_musicFolder->setText(*folder);
    }
}

void SettingsWindow::scan(Scanner::Layout layout)
{
    if (m_scanning)
        return;
    m_form.musicFolder = Scanner::resolveRoot(m_musicFolder->text(), m_app, m_app.dir());
    m_musicFolder->setText(m_form.musicFolder);

    // The scan fills a view of its own; the window's, read whole first, goes on showing the old catalogue
    // to the wall and the pickers until the new one has landed, and never a half-built one.
    m_songs.readAll();
    RecordView scanned(m_catalogue, QStringLiteral("songs"));
    scanned.refresh();
    Scanner scanner(m_catalogue, scanned);
    scanner.setProgress([this](const QString &text) { m_time->setText(text); });
    scanner.setYield([this] {
        QApplication::processEvents();
        return !m_cancelScan;
    });
    m_scanning = true;
    Q_EMIT scanStarted();
    m_cancelScan = false;
    m_closePanel->setEnabled(false);
    const Scanner::Result result = scanner.scan(m_form.musicFolder, layout);
    m_scanning = false;

    if (!result.ok) {
        m_closePanel->setEnabled(true);
        m_time->setText(tr("Time taken: 0 second(s)"));
        if (!result.cancelled)
            m_prompter.message(result.error);
    } else {
        m_foundList->clear();
        m_foundList->addItems(result.found);
        m_queueList->show();
        m_foundList->show();
        m_leftOutList->clear();
        m_leftOutList->addItems(result.leftOut);
        m_leftOutCaption->setText(
            tr("Folders left out: %n", nullptr, static_cast<int>(result.leftOut.size())));
        m_leftOutCaption->setVisible(!result.leftOut.isEmpty());
        m_leftOutList->setVisible(!result.leftOut.isEmpty());
        m_time->setText(Scanner::doneText(result.elapsedMs / 1000, result.found.size()));
        m_okay->setEnabled(true);
        growToFit();
        Q_EMIT catalogueReplaced();
    }
    Q_EMIT scanFinished();
    if (m_closeAfterScan)
        close();
}

void SettingsWindow::closeEvent(QCloseEvent *event)
{
    // The scan is still on the stack below this event: stop it, and close once it has unwound.
    if (m_scanning) {
        m_cancelScan = true;
        m_closeAfterScan = true;
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace lumetra
