#include "coverart.h"

#include "prompter.h"
#include "recordview.h"

#include <QImageReader>
#include <QSaveFile>

namespace lumetra {

const QString CoverArtForm::kCoverFile = QStringLiteral("aa-cover.jpg");

CoverArtForm::CoverArtForm(RecordView &songs, Prompter &prompter, QString id, QString title,
                           QString albumPath)
    : m_songs(songs)
    , m_prompter(prompter)
    , m_id(std::move(id))
    , m_title(std::move(title))
    , m_path(std::move(albumPath))
{
}

void CoverArtForm::browse(const std::optional<QString> &file)
{
    m_preview = QImage();
    if (!file || file->isEmpty())
        return;
    QImageReader reader(*file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    m_preview = reader.read();
}

bool CoverArtForm::okay()
{
    if (m_preview.isNull())
        return false;
    const QString target = m_path + kCoverFile;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !m_preview.save(&file, "BMP") || !file.commit()) {
        m_prompter.message(tr("The cover could not be saved as %1: %2\nThe album keeps its cover.")
                               .arg(target, file.errorString()));
        return false;
    }
    if (m_songs.findFirst(QStringLiteral("ID = ") + m_id)) {
        m_songs.setValue(QStringLiteral("Picture"), kCoverFile);
        m_songs.update();
        m_songs.moveLast();
    }
    return true;
}

QString CoverArtForm::searchAddress(const QString &title)
{
    QString query;
    for (const QChar c : title) {
        if (c == u' ')
            query += u',';
        else if (QStringLiteral("&#%+?").contains(c))
            query += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            query += c;
    }
    return QStringLiteral("https://images.google.com/") + QStringLiteral("images?svnum=10&hl=en&lr=&q=") +
           query;
}

} // namespace lumetra
