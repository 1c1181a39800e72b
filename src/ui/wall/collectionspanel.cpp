#include "collectionspanel.h"

#include "core/appfolder.h"
#include "playback/collections.h"
#include "ui/common/look.h"
#include "ui/common/pointerwidgets.h"
#include "ui/common/widgethelpers.h"

#include <QEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

namespace lumetra {

namespace {
// Design of the frame and the list, in twips within the right-hand panel.
constexpr QRect kFrame(30, 1020, 4080, 3375);
constexpr QRect kViewport(40, 4380, 4485, 4665);
constexpr QRect kScrollBar(3795, 4410, 345, 4635);
constexpr int kInnerWidth = 4245;
// A row, in pixels.
constexpr QRect kRowPicture(4, 0, 244, 57);
constexpr QRect kRowLabel(66, 0, 169, 45);
} // namespace

CollectionsPanel::CollectionsPanel(QWidget *rightPanel, Collections &collections, const AppFolder &app,
                                   std::function<int(int)> twips)
    : QObject(rightPanel)
    , m_collections(collections)
    , m_app(app)
    , m_px(std::move(twips))
{
    auto rect = [this](QRect t) {
        return QRect(m_px(t.x()), m_px(t.y()), m_px(t.width()), m_px(t.height()));
    };

    m_frame = new PointerFrame(rightPanel);
    m_frame->setObjectName(QStringLiteral("collFrame"));
    m_frame->setAccessibleName(tr("Collections"));
    m_frame->setToolTip(tr("Drop an .m3u or .m3u8 playlist here to make it a collection"));
    m_frame->setGeometry(rect(kFrame));
    m_frame->setAcceptDrops(true);
    m_frame->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_frame, &PointerFrame::filesDropped, this, [this](const QStringList &paths) {
        for (const QString &path : paths) {
            if (path.endsWith(QStringLiteral(".m3u"), Qt::CaseInsensitive) ||
                path.endsWith(QStringLiteral(".m3u8"), Qt::CaseInsensitive))
                m_collections.importPlaylist(path);
        }
    });
    connect(m_frame, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QMenu menu(m_frame);
        menu.setObjectName(QStringLiteral("collmenu"));
        QAction *exportAction = menu.addAction(tr("Export Collection as Playlist (.m3u8)..."));
        exportAction->setObjectName(QStringLiteral("mnuexport"));
        exportAction->setEnabled(m_collections.chosen() && !m_collections.collectionName().isEmpty());
        if (menu.exec(m_frame->mapToGlobal(pos)) == exportAction)
            Q_EMIT exportWanted();
    });
    auto *background = new QLabel(m_frame);
    background->setObjectName(QStringLiteral("Image17"));
    background->setScaledContents(true);
    background->setGeometry(rect(QRect(-15, -15, 4125, 3405)));
    background->setPixmap(QPixmap(app.ownFile(QStringLiteral("collframe.jpg"))));
    setDecorative(background);

    m_myColls = button(QStringLiteral("Command1"), tr("My Colls."), tr("View all the collections"),
                       QRect(120, 210, 1245, 375));
    m_new = button(QStringLiteral("NewColl"), tr("New"), tr("Create a new collection"),
                   QRect(120, 570, 1245, 375));
    m_saveNew = button(QStringLiteral("CollSave"), tr("Save"), QString(), QRect(120, 930, 1245, 375));
    m_saveNew->setAccessibleName(tr("Save the new collection"));
    m_delete = button(QStringLiteral("Command2"), tr("Delete"), QString(), QRect(120, 1290, 1245, 375));
    m_edit = button(QStringLiteral("CollEdit"), tr("Edit"), QString(), QRect(120, 1650, 1245, 375));
    m_saveEdit = button(QStringLiteral("Command3"), tr("Save"), QString(), QRect(120, 1650, 1245, 375));
    m_saveEdit->setAccessibleName(tr("Save the edited collection"));
    connect(m_myColls, &QPushButton::clicked, this, [this] { m_collections.myColls(); });
    connect(m_new, &QPushButton::clicked, this, [this] { m_collections.newColl(); });
    connect(m_saveNew, &QPushButton::clicked, this, [this] { m_collections.saveNew(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { m_collections.deleteCollection(); });
    connect(m_edit, &QPushButton::clicked, this, [this] { m_collections.edit(); });
    connect(m_saveEdit, &QPushButton::clicked, this, [this] { m_collections.saveEdit(); });

    m_cover = new PointerLabel(m_frame);
    m_cover->setObjectName(QStringLiteral("Image14"));
    m_cover->setAccessibleName(tr("Collection cover: skip the current track"));
    m_cover->setToolTip(tr("Click here to skip current track..."));
    m_cover->setScaledContents(true);
    m_cover->setCursor(Qt::PointingHandCursor);
    m_cover->setFocusPolicy(Qt::TabFocus);
    m_cover->setGeometry(rect(QRect(1455, 195, 2250, 2250)));
    connect(m_cover, &PointerLabel::pressed, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton)
            Q_EMIT coverClicked();
    });

    // Without a name of its own the line reads as its text; what it is for is its description.
    m_status = wrappedLabel(QStringLiteral("Label4"), QString(), m_frame);
    m_status->setAccessibleDescription(tr("Collection status"));
    m_status->setGeometry(rect(QRect(90, 2625, 3615, 700)));
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = m_status->font();
    bold.setBold(true);
    bold.setPointSizeF(8);
    m_status->setFont(bold);

    m_viewport = new QWidget(rightPanel);
    m_viewport->setObjectName(QStringLiteral("outpic"));
    m_viewport->setAccessibleName(tr("List of collections"));
    QRect viewport = rect(kViewport);
    viewport.setRight(std::min(viewport.right(), rightPanel->width() - 1));
    m_viewport->setGeometry(viewport);
    m_inner = new QWidget(m_viewport);
    m_inner->setObjectName(QStringLiteral("inpic"));
    m_inner->setGeometry(-2, 0, m_px(kInnerWidth), m_px(kViewport.height()));

    m_scroll = new QScrollBar(Qt::Vertical, rightPanel);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setAccessibleName(tr("Scroll the list of collections"));
    m_scroll->setGeometry(rect(kScrollBar));
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int v) { m_inner->move(-2, -v); });

    setShown(false);
}

bool CollectionsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // A row that takes the focus is scrolled into sight.
    if (event->type() == QEvent::FocusIn && watched->parent() == m_inner && m_scroll->isEnabled()) {
        const QRect row = static_cast<QWidget *>(watched)->geometry();
        const int top = m_scroll->value();
        if (row.top() < top)
            m_scroll->setValue(row.top());
        else if (row.bottom() > top + m_viewport->height())
            m_scroll->setValue(row.bottom() - m_viewport->height());
    }
    return QObject::eventFilter(watched, event);
}

QWidget *CollectionsPanel::frame() const
{
    return m_frame;
}

QPushButton *CollectionsPanel::button(const QString &name, const QString &text, const QString &tip, QRect t)
{
    auto *b = new QPushButton(text, m_frame);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setGeometry(m_px(t.x()), m_px(t.y()), m_px(t.width()), m_px(t.height()));
    // A word longer than the button (as a translation may be) is set a little smaller, then cut with an
    // ellipsis; its tooltip and accessible name keep it whole.
    b->ensurePolished();
    const int room = b->width() - 2 * b->fontMetrics().averageCharWidth();
    if (b->fontMetrics().horizontalAdvance(text) > room) {
        QFont smaller = b->font();
        smaller.setPointSizeF(smaller.pointSizeF() * 0.85);
        b->setFont(smaller);
        const QString shown = QFontMetrics(smaller).elidedText(text, Qt::ElideRight, room);
        b->setText(shown);
        b->setAccessibleName(text);
        if (tip.isEmpty() && shown != text)
            b->setToolTip(plainToolTip(text));
    }
    return b;
}

void CollectionsPanel::setShown(bool shown)
{
    m_frame->setVisible(shown);
    m_viewport->setVisible(shown);
    m_scroll->setVisible(shown);
    if (shown) {
        m_frame->raise();
        m_viewport->raise();
        m_scroll->raise();
    }
}

void CollectionsPanel::setTextColor(const QColor &color)
{
    QPalette p = m_status->palette();
    p.setColor(QPalette::WindowText, color);
    m_status->setPalette(p);
}

QLabel *CollectionsPanel::rowLabel(int i) const
{
    return i >= 0 && i < static_cast<int>(m_rows.size()) && m_rows[i].label->isVisibleTo(m_inner)
               ? m_rows[i].label
               : nullptr;
}

void CollectionsPanel::render()
{
    const Collections::Buttons &b = m_collections.buttons();
    m_myColls->setEnabled(b.myColls);
    m_new->setEnabled(b.newColl);
    m_saveNew->setEnabled(b.saveNew);
    m_delete->setEnabled(b.remove);
    m_edit->setEnabled(b.edit);
    m_edit->setVisible(!b.saveEdit);
    m_saveEdit->setVisible(b.saveEdit);
    m_saveEdit->setEnabled(b.saveEdit);
    m_cover->setEnabled(b.cover);
    m_status->setText(m_collections.status());
    if (m_collections.coverPicture() != m_coverShown) {
        // A cover that cannot be read leaves the one before it.
        const QPixmap picture = coverPixmap(m_collections.coverPicture(), m_cover);
        if (!picture.isNull())
            m_cover->setPixmap(picture);
        m_coverShown = m_collections.coverPicture();
    }

    const bool frameShown = m_frame->isVisibleTo(m_frame->parentWidget());
    const QStringList &titles = m_collections.rows();
    const int n = m_collections.rowsShown() ? static_cast<int>(titles.size()) : 0;
    const CollectionRows layout = collpicsLayout(std::max(n, 1), m_viewport->height());
    const QPixmap rowPicture(m_app.ownFile(QStringLiteral("collrow.png")));
    for (int i = 0; i < n; ++i) {
        if (i >= static_cast<int>(m_rows.size())) {
            Row row{new PointerLabel(m_inner), new PointerLabel(m_inner)};
            row.picture->setObjectName(QStringLiteral("collImage1_%1").arg(i));
            row.picture->setScaledContents(true);
            row.picture->setPixmap(rowPicture);
            row.picture->setCursor(Qt::PointingHandCursor);
            row.label->setObjectName(QStringLiteral("CollLabel1_%1").arg(i));
            row.label->setTextFormat(Qt::PlainText);
            row.label->setCursor(Qt::PointingHandCursor);
            row.label->setStyleSheet(
                QStringLiteral("color: rgb(20, 30, 40); font-weight: bold; font-size: 9.75pt;"));
            // A row is reached by Tab and chosen by Enter or Space as by a click.
            row.label->setFocusPolicy(Qt::TabFocus);
            row.label->installEventFilter(this);
            row.label->ensurePolished();
            for (PointerLabel *part : {row.picture, row.label}) {
                connect(part, &PointerLabel::pressed, this, [this, i](Qt::MouseButton button) {
                    if (button == Qt::LeftButton)
                        m_collections.collpicclick(i);
                });
            }
            m_rows.push_back(row);
        }
        Row &row = m_rows[i];
        row.picture->setGeometry(kRowPicture.translated(0, layout.pictureTops[i]));
        row.label->setGeometry(kRowLabel.translated(0, layout.labelTops[i]));
        // A title longer than the row ends in an ellipsis, and its tooltip holds it whole.
        const QString shown =
            row.label->fontMetrics().elidedText(titles[i], Qt::ElideRight, row.label->contentsRect().width());
        row.label->setText(shown);
        row.label->setToolTip(shown == titles[i] ? QString() : plainToolTip(titles[i]));
        row.picture->setAccessibleName(tr("Collection %1").arg(titles[i]));
        row.label->setAccessibleName(titles[i]);
        row.picture->show();
        row.label->show();
        row.label->raise();
    }
    for (size_t i = n; i < m_rows.size(); ++i) {
        m_rows[i].picture->hide();
        m_rows[i].label->hide();
    }
    m_inner->resize(m_inner->width(), layout.innerHeight);
    m_scroll->setRange(0, layout.scrollEnabled ? layout.scrollMax : 0);
    m_scroll->setSingleStep(layout.smallStep);
    m_scroll->setPageStep(layout.largeStep);
    m_scroll->setEnabled(layout.scrollEnabled);
    m_viewport->setVisible(frameShown && m_collections.listShown());
    m_scroll->setVisible(frameShown && m_collections.listShown() && m_collections.rowsShown());
}

} // namespace lumetra
