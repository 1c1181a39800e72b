#pragma once

#include "core/coverart.h"
#include "ui/common/browser.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace lumetra {

class AppFolder;
class Dialogs;
class Prompter;
class RecordView;

// "Cover Art": picks a picture for one album from disk, the clipboard or a web image search and saves it as
// the album's cover. Emits saved(slot, coverPath) when the cover was written.
class CoverArtWindow : public QWidget
{
    Q_OBJECT
public:
    struct Album {
        QString id;
        QString title;
        QString path; // ends with the separator
        int slot = 0;
    };
    CoverArtWindow(const Album &album, RecordView &songs, const AppFolder &app, Prompter &prompter,
                   Dialogs &dialogs, const BrowserFactory &browser, QWidget *parent = nullptr);

    const CoverArtForm &form() const { return m_form; }
    Browser *browser() const { return m_browser; }

    void browsePc();
    void pasteFromClipboard();
    void google();
    void back();
    void okay();

Q_SIGNALS:
    void saved(int slot, const QString &id, const QString &coverPath);

private:
    void showPreview();

    CoverArtForm m_form;
    Dialogs &m_dialogs;
    int m_slot;
    Browser *m_browser;
    QLabel *m_preview;
    QPushButton *m_back;
};

} // namespace lumetra
