#pragma once

#include "core/appfolder.h"
#include "core/settingsform.h"
#include "scan/scanner.h"

#include <QWidget>

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace lumetra {

class Catalogue;
class Dialogs;
class PointerLabel;
class Prompter;
class RecordView;

// The "Settings" window: edits jb.ini with a live preview and hosts the disk-scan panel. Okay writes jb.ini
// and reports saved(); Cancel discards. Each opening starts from jb.ini again.
class SoundBox;

class SettingsWindow : public QWidget
{
    Q_OBJECT
public:
    SettingsWindow(const AppFolder &app, Catalogue &catalogue, RecordView &songs, Prompter &prompter,
                   Dialogs &dialogs, QWidget *parent = nullptr);

    const SettingsForm &form() const { return m_form; }
    SoundBox &sound() const { return *m_sound; }
    bool isScanning() const { return m_scanning; }
    // Stops a running scan; the catalogue stays as it was.
    void cancelScan() { m_cancelScan = true; }

    void okay();
    void cancel();
    void scanDisk();
    void closeScanPanel();
    // The scan panel open with `root` as the music folder (empty: as jb.ini has it).
    void scanFrom(const QString &root);
    // Escape: Cancel, or the scan panel's Close while it is open.
    void escape();
    void browseToSongs();
    void scan(Scanner::Layout layout);
    void chooseBackColor();
    void chooseTitleText();
    void backimage();
    void noImage();
    void resetDefaults();
    // As large as its content wants, up to the screen.
    void growToFit();

Q_SIGNALS:
    // jb.ini has been written: the main window applies it and rebuilds the wall.
    void saved();
    // A scan has put a new catalogue in place: the main window reads it and rebuilds the wall at once.
    void catalogueReplaced();
    void scanStarted();
    void scanFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPreview();
    QGridLayout *buildControls();
    void buildScanPanel();
    void showForm();
    void showPreview();
    void takeFields();
    QPushButton *link(const QString &name, const QString &text);

    AppFolder m_app;
    Catalogue &m_catalogue;
    RecordView &m_songs;
    Prompter &m_prompter;
    Dialogs &m_dialogs;
    SettingsForm m_form;
    bool m_scanning = false;
    bool m_cancelScan = false;
    bool m_closeAfterScan = false;

    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    QFrame *m_preview = nullptr;           // Picture1
    QLabel *m_previewPicture = nullptr;    // Image2
    QLabel *m_sampleCover = nullptr;       // Image1
    PointerLabel *m_sampleTitle = nullptr; // Label3
    PointerLabel *m_colorStrip = nullptr;  // Picture4
    QList<QPushButton *> m_links;          // Label1, Label2, Label4, Label10
    QLineEdit *m_coverSize = nullptr;      // Text1
    QLineEdit *m_gap = nullptr;            // Text2
    QLineEdit *m_picturePath = nullptr;    // Text4
    QCheckBox *m_bounce = nullptr;         // Check2
    QCheckBox *m_autoplay = nullptr;       // Check3
    QCheckBox *m_noWrap = nullptr;         // Check4
    QPushButton *m_scanDisk = nullptr;     // Command5
    QPushButton *m_okay = nullptr;         // Command1
    QPushButton *m_cancel = nullptr;       // Command2

    SoundBox *m_sound = nullptr;
    QFrame *m_scanPanel = nullptr;       // Picture2
    QLineEdit *m_musicFolder = nullptr;  // Text5
    QPushButton *m_browse = nullptr;     // Command9
    QPushButton *m_scanNested = nullptr; // Command3
    QPushButton *m_scanFlat = nullptr;   // Command8
    QPushButton *m_closePanel = nullptr; // Command10
    QLabel *m_time = nullptr;            // lbltime
    QGroupBox *m_scanFrame = nullptr;    // ScanFrame
    QListWidget *m_queueList = nullptr;  // lstdirs
    QListWidget *m_foundList = nullptr;  // lstfiles
    QLabel *m_leftOutCaption = nullptr;
    QListWidget *m_leftOutList = nullptr;
};

} // namespace lumetra
