#pragma once

#include "core/thumbnailcache.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace lumetra {

// Covers as small JPEG files for the phone remote, kept under `root` (in the user's cache folder): one file
// per picture, size and modification time, made once and read from then on. The picture comes through the
// desktop's thumbnail cache (`desktop`), which the wall shares. A picture that changes gets a new file; its
// ETag changes with it. Safe to use from several threads at once.
class CoverThumbnails
{
public:
    explicit CoverThumbnails(QString root, ThumbnailCache desktop = ThumbnailCache());
    QString root() const { return m_root; }

    struct Thumbnail {
        QByteArray etag;
        QByteArray jpeg; // empty when the client's copy is still good
    };
    // The thumbnail of `picture` at `size` x `size` pixels (stretched, as the wall shows covers). When
    // `clientEtag` names the current one, only its ETag is returned and nothing is read. nullopt when the
    // picture is missing or cannot be decoded.
    std::optional<Thumbnail> thumbnail(const QString &picture, int size,
                                       const QByteArray &clientEtag = {}) const;

    // Where the thumbnail of `picture` as it is now is kept; empty when the picture is missing.
    QString fileFor(const QString &picture, int size) const;

private:
    QString m_root;
    ThumbnailCache m_desktop;
};

} // namespace lumetra
