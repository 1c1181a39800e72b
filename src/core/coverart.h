#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>

namespace lumetra {

class Prompter;
class RecordView;

// The "Cover Art" window as data: one album's preview picture and saving it as that album's cover,
// aa-cover.jpg in the album folder, written as bitmap data whatever its source.
class CoverArtForm
{
    Q_DECLARE_TR_FUNCTIONS(CoverArtForm)

public:
    static const QString kCoverFile;

    CoverArtForm(RecordView &songs, Prompter &prompter, QString id, QString title, QString albumPath);

    QString title() const { return m_title; }
    QString id() const { return m_id; }
    QString albumPath() const { return m_path; }
    const QImage &preview() const { return m_preview; }

    // "Browse PC": the chosen file's picture, recognised by content; a cancel or a non-picture empties it.
    void browse(const std::optional<QString> &file);
    // "Paste from Clipboard": an empty clipboard gives an empty preview.
    void paste(const QImage &picture) { m_preview = picture; }

    // "Okay": writes the cover and records it. False (the window stays) with an empty preview, or when the
    // file cannot be written, which is said in a message and changes nothing.
    bool okay();

    // The image-search address for an album title: blanks become ",", characters that would break the
    // address are percent-encoded, the rest is passed as written.
    static QString searchAddress(const QString &title);

private:
    RecordView &m_songs;
    Prompter &m_prompter;
    QString m_id;
    QString m_title;
    QString m_path;
    QImage m_preview;
};

} // namespace lumetra
