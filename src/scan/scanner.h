#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

namespace lumetra {

class AppFolder;
class Catalogue;
class RecordView;

// Builds the album catalogue from a tree of music folders: every folder that directly holds a music file
// becomes one album record, in breadth-first order. The old records are replaced in one transaction, so a
// failure, a cancel or a kill leaves the previous catalogue whole. The root must be a full path; a folder
// reached twice through links is recorded once, and one whose name is not valid UTF-8 is reported in
// Result::leftOut instead of being walked.
class Scanner
{
    Q_DECLARE_TR_FUNCTIONS(Scanner)

public:
    enum class Layout { Nested, Flat };

    struct Result {
        bool ok = false;        // the new catalogue is in place
        bool cancelled = false; // stopped by the yield callback; the old catalogue stands
        QString error;          // why the scan did not run or did not land
        QStringList found;      // per album, the first music file met in its folder
        QStringList leftOut;    // folders the scan could not enter, each "path: reason"
        qint64 elapsedMs = 0;
    };

    struct Record {
        QString path; // ends with the separator
        QString album;
        QString artist;
    };

    Scanner(Catalogue &catalogue, RecordView &songs);

    // Called about every 20 ms while scanning so the window stays live; returning false cancels the scan.
    void setYield(std::function<bool()> yield) { m_yield = std::move(yield); }
    // Receives the progress line ("Searching for music files . . . <folder>").
    void setProgress(std::function<void(const QString &)> progress) { m_progress = std::move(progress); }

    Result scan(const QString &root, Layout layout);

    // "(Lumetra default)" is the application folder's Music folder; any other text is a folder taken from
    // `base` when relative (the folder a command was given in), cleaned. Blank text stays as it is.
    static QString resolveRoot(const QString &text, const AppFolder &app, const QString &base);
    // A name ending in .mp3 in any case, or in .wma, .ogg or .m4a in lower case.
    static bool isMusicFile(const QString &name);
    // Whether a music file lies in `folder` or below it (hidden entries left out); looks at no more than
    // a few thousand entries, so a huge tree without music answers quickly too.
    static bool holdsMusic(const QString &folder);
    // Path, title and artist of the album recorded for `folder` (which ends with the separator).
    static Record recordFor(const QString &folder, Layout layout);
    // "Done! Time taken: 12 seconds.    Music folders found: 140"
    static QString doneText(qint64 seconds, qsizetype found);

private:
    Catalogue &m_catalogue;
    RecordView &m_songs;
    std::function<bool()> m_yield;
    std::function<void(const QString &)> m_progress;
};

} // namespace lumetra
