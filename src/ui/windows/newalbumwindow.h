#pragma once

#include "core/newalbumform.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace lumetra {

class AppFolder;
class Dialogs;
class DropList;
class Prompter;
class RecordView;
class Shell;

// "Create a New Album" (Form2): pick copy or add-in-place, gather tracks or locate a folder, name the
// album, create it. Emits created() when an album was added and closed() whenever it goes away.
class NewAlbumWindow : public QWidget
{
    Q_OBJECT
public:
    NewAlbumWindow(RecordView &songs, const AppFolder &app, Prompter &prompter, Dialogs &dialogs,
                   Shell &shell, std::function<int()> albumCount, QWidget *parent = nullptr);

    const NewAlbumForm &form() const { return m_form; }

    void chooseCopy();
    void chooseLocate();
    void copyFromFolder();
    void locateNewAlbum();
    void dropTracks(const QStringList &paths);
    void removeSelectedTrack();
    void create();

Q_SIGNALS:
    void created();
    void settingsWanted();
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showTracks();

    const AppFolder &m_app;
    Prompter &m_prompter;
    Dialogs &m_dialogs;
    Shell &m_shell;
    std::function<int()> m_albumCount;
    NewAlbumForm m_form;

    QStackedWidget *m_pages = nullptr;
    DropList *m_trackList = nullptr;         // List1
    QLabel *m_hint = nullptr;                // Label3
    QLabel *m_advice = nullptr;              // Label7
    QLabel *m_nameCaption = nullptr;         // Label2
    QLineEdit *m_name = nullptr;             // Text2
    QLabel *m_nameFormat = nullptr;          // Label4
    QPushButton *m_copyFromFolder = nullptr; // Command4
    QPushButton *m_locate = nullptr;         // Command5
    QPushButton *m_explorer = nullptr;       // Command3
    QPushButton *m_create = nullptr;         // Command1
};

} // namespace lumetra
