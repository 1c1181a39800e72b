#include "playback/collections.h"
#include "ui/common/copyprogress.h"
#include "ui/common/qtprompter.h"
#include "ui/main/childwindows.h"
#include "ui/mainwindowfixture.h"
#include "ui/wall/collectionspanel.h"
#include "ui/wall/coverslot.h"
#include "ui/windows/coverartwindow.h"
#include "ui/windows/settingswindow.h"

#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace lumetra;
using namespace lumetra::test;

namespace {

// Titles that Qt would draw bold, as a broken picture, on two lines, or without "[*]", if it took them for
// markup.
const QStringList kTitles = {u"<b>Bold</b> & <i>it</i>"_s, u"<img src=x> Album"_s, u"a<br>b"_s,
                             u"Best [*] of"_s};

// What a label shows: its text as Qt lays it out, with the lines a cover title is broken into joined.
QString shown(const QLabel *label)
{
    if (label->textFormat() != Qt::PlainText)
        return u"(not plain text) "_s + label->text();
    return QString(label->text()).replace(u'\n', u' ');
}

// The box that comes up next, closed at once: its text as shown(), of its label for an input box.
void inspectNextBox(QString &seen)
{
    QTimer::singleShot(0, [&seen] {
        QWidget *box = QApplication::activeModalWidget();
        if (auto *message = qobject_cast<QMessageBox *>(box))
            seen = message->textFormat() == Qt::PlainText ? message->text() : u"(not plain text)"_s;
        else if (box)
            seen = shown(box->findChild<QLabel *>());
        qobject_cast<QDialog *>(box)->reject();
    });
}

using UserTextTest = MainWindowTest;

// Every place that shows a title, a track, a collection or a folder name shows it literally. The main window
// reads to screen readers as a frame named by its title; a cover title too long for its two lines ends with
// an ellipsis instead of half a third line, and reads whole.
TEST_F(UserTextTest, TitlesThatLookLikeMarkupOrRunLongShowAsTextEverywhere)
{
    const QString longTitle =
        u"Averyveryverylongalbumtitlewithoutanybreak that cannot possibly fit on two lines of a cover"_s;
    QList<TestAlbum> albums{{longTitle}};
    for (const QString &title : kTitles)
        albums.append({title, true, {u"<img src=x> Song.mp3"_s, u"a<br>b.mp3"_s}}); // no "/" in a file name
    ASSERT_TRUE(writeFile(m_app.file(kTitles[1] + u".ply"_s), kTitles.join(u"\r\n"_s).toUtf8()));
    MainWindow &window = start(albums);
    const auto slotOf = [&window](const QString &title) {
        for (int k = 0; k < window.slotCount(); ++k) {
            if (window.slot(k)->title() == title)
                return k;
        }
        return -1;
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    EXPECT_EQ(accessibleName(&window), u"Lumetra Jukebox: 5 albums loaded."_s);
    const int at = slotOf(longTitle); // its title reads whole
    ASSERT_GE(at, 0);
    const TitleLabel *longLabel = window.slot(at)->titleLabel();
    const QStringList lines = longLabel->text().split(u'\n');
    ASSERT_EQ(lines.size(), 2) << longLabel->text().toStdString();
    EXPECT_TRUE(lines[1].endsWith(u'…'));
    for (const QString &line : lines)
        EXPECT_LE(longLabel->fontMetrics().horizontalAdvance(line), longLabel->contentsRect().width());
    EXPECT_EQ(accessibleName(window.slot(at)->cover()), longTitle);

    // The wall: titles, their tooltips and the names screen readers read.
    for (const QString &title : kTitles) {
        const int k = slotOf(title);
        ASSERT_GE(k, 0) << title.toStdString();
        TitleLabel *label = window.slot(k)->titleLabel();
        EXPECT_EQ(shown(label), title);
        pointAt(label);
        QTextDocument tip; // Qt renders a tooltip as rich text when it looks like markup
        tip.setHtml(label->toolTip());
        EXPECT_EQ(Qt::mightBeRichText(label->toolTip()) ? tip.toPlainText() : label->toolTip(), title);
        EXPECT_EQ(accessibleName(window.slot(k)->cover()), title);
    }

    // The track list, the track listing and the cover-art window of an album.
    const int k = slotOf(kTitles[0]);
    window.playback().coverPressed(k, true);
    auto *tracks = window.findChild<QListWidget *>(u"List1"_s);
    ASSERT_EQ(tracks->count(), 2);
    EXPECT_EQ(tracks->item(0)->text(), u"<img src=x> Song"_s);
    window.playback().setOverCover(k);
    window.windows().listSongs();
    EXPECT_EQ(shown(window.findChild<QWidget *>(u"Form3"_s)->findChild<QLabel *>(u"Label1"_s)), kTitles[0]);
    window.windows().openCoverArt();
    EXPECT_EQ(shown(window.coverArtWindow()->findChild<QLabel *>(u"Label1"_s)), kTitles[0]);

    // The Jukebox queue.
    window.playback().jukeboxmode();
    window.playback().coverPressed(slotOf(kTitles[2]), true);
    window.playback().selectTrack(1);
    auto *queue = window.findChild<QListWidget *>(u"List2"_s);
    ASSERT_GE(queue->count(), 1);
    EXPECT_TRUE(queue->item(queue->count() - 1)->text().contains(u"a<br>b"_s));

    // Collections: the rows, the status line and the window title.
    window.collections().mnucoll();
    CollectionsPanel *panel = window.collectionsPanel();
    ASSERT_NE(panel->rowLabel(0), nullptr);
    EXPECT_EQ(shown(panel->rowLabel(0)), kTitles[1]);
    window.collections().collpicclick(0);
    auto *status = panel->frame()->findChild<QLabel *>(u"Label4"_s);
    EXPECT_EQ(shown(status), u"<img src=x> Song"_s); // the track picked from the collection
    EXPECT_EQ(accessibleName(status), u"<img src=x> Song"_s);
    EXPECT_EQ(accessibleName(status, QAccessible::Description), u"Collection status"_s);
    EXPECT_EQ(accessibleName(&window), u"Collection: "_s + kTitles[1]);
    // A title holding "[*]", which a window title would drop.
    ASSERT_TRUE(writeFile(m_app.file(kTitles[3] + u".ply"_s), kTitles[0].toUtf8()));
    window.collections().myColls();
    window.collections().collpicclick(1);
    EXPECT_EQ(accessibleName(&window), u"Collection: "_s + kTitles[3]);

    // The scan panel's progress line shows the folder it searches.
    window.openSettings();
    auto *progress = window.settingsWindow()->findChild<QLabel *>(u"lbltime"_s);
    EXPECT_EQ(progress->textFormat(), Qt::PlainText);
    EXPECT_EQ(accessibleName(progress), progress->text());
    EXPECT_EQ(accessibleName(progress, QAccessible::Description), u"Scan progress"_s);

    // Message and input boxes.
    QtPrompter prompter;
    QString seen;
    inspectNextBox(seen);
    prompter.message(u"Collection "_s + kTitles[0] + u" could not be saved."_s);
    EXPECT_EQ(seen, u"Collection "_s + kTitles[0] + u" could not be saved."_s);
    inspectNextBox(seen);
    EXPECT_FALSE(prompter.input(u"Type yes to remove "_s + kTitles[2]));
    EXPECT_EQ(seen, u"Type yes to remove "_s + kTitles[2]);

    // A box that comes up during a copy (one that failed) shows without the copy's progress dialog.
    CopyProgress copying(&window);
    QTest::qWait(1050);
    copying.callback()(1, 2);
    ASSERT_NE(window.findChild<QProgressDialog *>(), nullptr);
    inspectNextBox(seen);
    prompter.message(u"The copy failed."_s);
    EXPECT_EQ(window.findChild<QProgressDialog *>(), nullptr);
}

} // namespace
