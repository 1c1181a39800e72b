#include "scanner.h"

#include "core/albumfiles.h"
#include "core/appfolder.h"
#include "core/catalogue.h"
#include "core/recordview.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <filesystem>
#include <set>
#include <string_view>
#include <system_error>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumetra {

namespace fs = std::filesystem;

namespace {

constexpr qint64 kYieldEveryMs = 20;
const QString kDefaultFolder = QStringLiteral("(Lumetra default)");

fs::path toPath(const QString &text)
{
#ifdef Q_OS_WIN
    return fs::path(text.toStdWString());
#else
    return fs::path(QFile::encodeName(text).toStdString());
#endif
}

#ifndef Q_OS_UNIX
QString fromPath(const fs::path &path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}
#endif

bool isPicture(const QString &name)
{
    return name.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
}

// What the scan needs of one folder: its sub-folders in name order, and the first music file and the first
// picture by name. Hidden (dot) entries and dangling links are left out; an unreadable folder has none, and
// so has a folder met before through another path.
struct FolderContents {
    QStringList folders;
    QStringList unreadableNames; // sub-folders whose names are not valid UTF-8
    QString firstMusic;
    QString picture;

    // Only names that can matter are turned into text; most files of a tree are passed over here.
    void addFile(const QString &name)
    {
        auto keepFirst = [&name](QString &best) {
            if (best.isEmpty() || QString::compare(name, best, Qt::CaseInsensitive) < 0)
                best = name;
        };
        if (Scanner::isMusicFile(name))
            keepFirst(firstMusic);
        else if (isPicture(name))
            keepFirst(picture);
    }
    void sortFolders()
    {
        std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    }
};

#ifdef Q_OS_UNIX
std::string_view lastFour(const char *name, char (&lower)[4])
{
    const size_t length = std::strlen(name);
    if (length < 4)
        return {};
    for (int i = 0; i < 4; ++i)
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[length - 4 + i])));
    return {name + length - 4, 4};
}

// The scan's music and picture tests on the bytes of a name, so that most names are never decoded.
bool isMusicBytes(const char *name)
{
    char lower[4];
    const std::string_view tail = lastFour(name, lower);
    return !tail.empty() &&
           (std::string_view(lower, 4) == ".mp3" || tail == ".wma" || tail == ".ogg" || tail == ".m4a");
}

bool isPictureBytes(const char *name)
{
    char lower[4];
    if (lastFour(name, lower).empty())
        return false;
    const std::string_view ext(lower, 4);
    return ext == ".jpg" || ext == ".gif" || ext == ".bmp";
}

// Folders already listed, by device and inode: a folder reached again through a link is the same folder.
struct FolderId {
    dev_t device;
    ino_t inode;
    bool operator==(const FolderId &) const = default;
};
size_t qHash(const FolderId &id, size_t seed)
{
    return qHashMulti(seed, id.device, id.inode);
}
using Visited = QSet<FolderId>;

// The entries of a folder opened for listing, which this closes. On Linux they come straight from getdents64
// into a buffer of our own: fdopendir would stat the folder a second time and set its flags twice, three
// calls into the kernel for each of a tree's folders.
class FolderEntries
{
public:
#ifdef Q_OS_LINUX
    using Entry = dirent64;
#else
    using Entry = dirent;
#endif

    explicit FolderEntries(int fd)
        : m_fd(fd)
#ifndef Q_OS_LINUX
        , m_dir(::fdopendir(fd))
#endif
    {
    }
    ~FolderEntries()
    {
#ifdef Q_OS_LINUX
        ::close(m_fd);
#else
        if (m_dir)
            ::closedir(m_dir);
        else
            ::close(m_fd);
#endif
    }
    FolderEntries(const FolderEntries &) = delete;
    FolderEntries &operator=(const FolderEntries &) = delete;

    // The next entry; nullptr after the last.
    const Entry *next()
    {
#ifdef Q_OS_LINUX
        if (m_at >= m_filled) {
            m_filled = ::getdents64(m_fd, m_buffer, sizeof m_buffer);
            m_at = 0;
            if (m_filled <= 0)
                return nullptr;
        }
        const auto *entry = reinterpret_cast<const Entry *>(m_buffer + m_at);
        m_at += entry->d_reclen;
        return entry;
#else
        return m_dir ? ::readdir(m_dir) : nullptr;
#endif
    }

private:
    int m_fd;
#ifdef Q_OS_LINUX
    alignas(Entry) char m_buffer[32768];
    ssize_t m_filled = 0;
    ssize_t m_at = 0;
#else
    DIR *m_dir;
#endif
};

// Lists `relative` (a folder below the root, "" for the root) through the root's descriptor, so the
// kernel walks only the part of the path below the root. The entry types the listing reports save a stat
// for nearly every entry.
FolderContents listFolder(int rootFd, QStringView relative, Visited &visited)
{
    FolderContents contents;
    const QByteArray path = relative.isEmpty() ? QByteArray(".") : relative.toLocal8Bit();
    const int fd = ::openat(rootFd, path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return contents;
    FolderEntries entries(fd);
    struct stat self;
    if (::fstat(fd, &self) != 0)
        return contents;
    const qsizetype seen = visited.size();
    visited.insert({self.st_dev, self.st_ino});
    if (visited.size() == seen)
        return contents;
    QByteArray music;
    QByteArray picture;
    auto keepFirst = [](QByteArray &best, const char *name) {
        if (best.isEmpty() || qstricmp(name, best.constData()) < 0)
            best = name;
    };
    while (const FolderEntries::Entry *entry = entries.next()) {
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info;
            // A dangling link names nothing, however it is named.
            if (::fstatat(fd, entry->d_name, &info, 0) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR) {
            // A name that is not UTF-8 cannot be carried as text and opened again, so the folder is reported,
            // not walked.
            const bool readable = QByteArrayView(entry->d_name).isValidUtf8();
            (readable ? contents.folders : contents.unreadableNames).append(QFile::decodeName(entry->d_name));
        } else if (type != DT_REG) {
            continue;
        } else if (isMusicBytes(entry->d_name)) {
            keepFirst(music, entry->d_name);
        } else if (isPictureBytes(entry->d_name)) {
            keepFirst(picture, entry->d_name);
        }
    }
    contents.firstMusic = QFile::decodeName(music);
    contents.picture = QFile::decodeName(picture);
    contents.sortFolders();
    return contents;
}
#else
// Folders already listed, by their canonical path.
using Visited = std::set<QString>;

FolderContents listFolder(const QString &folder, Visited &visited)
{
    FolderContents contents;
    if (!visited.insert(QDir(folder).canonicalPath()).second)
        return contents;
    std::error_code error;
    fs::directory_iterator it(toPath(folder), fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        QString name = fromPath(it->path().filename());
        std::error_code typeError;
        if (name.startsWith(u'.') || !it->exists(typeError))
            continue;
        if (it->is_directory(typeError))
            contents.folders.append(std::move(name));
        else if (it->is_regular_file(typeError))
            contents.addFile(name);
    }
    contents.sortFolders();
    return contents;
}
#endif

QString withSeparator(QString path)
{
    if (!path.endsWith(QDir::separator()) && !path.endsWith(u'/'))
        path += QDir::separator();
    return path;
}

} // namespace

Scanner::Scanner(Catalogue &catalogue, RecordView &songs)
    : m_catalogue(catalogue)
    , m_songs(songs)
{
}

QString Scanner::resolveRoot(const QString &text, const AppFolder &app, const QString &base)
{
    if (text == kDefaultFolder)
        return app.defaultMusicFolder();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return text;
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(base).absoluteFilePath(trimmed)));
}

bool Scanner::isMusicFile(const QString &name)
{
    const QString last4 = name.right(4);
    return last4.toLower() == QStringLiteral(".mp3") || last4 == QStringLiteral(".wma") ||
           last4 == QStringLiteral(".ogg") || last4 == QStringLiteral(".m4a");
}

bool Scanner::holdsMusic(const QString &folder)
{
    constexpr int kMostEntries = 5000;
    QDirIterator entries(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    for (int seen = 0; entries.hasNext() && seen < kMostEntries; ++seen) {
        entries.next();
        if (entries.fileInfo().isFile() && isMusicFile(entries.fileName()))
            return true;
    }
    return false;
}

Scanner::Record Scanner::recordFor(const QString &folder, Layout layout)
{
    const QChar sep = QDir::separator();
    QString bare = folder;
    bare.chop(1);
    const QString name = bare.mid(bare.lastIndexOf(sep) + 1);
    const qsizetype parentLength = folder.size() - name.size() - 2;
    const QString parentPath = parentLength > 0 ? folder.left(parentLength) : QString();
    const QString parent = parentPath.mid(parentPath.lastIndexOf(sep) + 1);
    Record record;
    record.path = folder;
    record.artist = parent;
    record.album =
        AlbumFiles::singleLine(layout == Layout::Nested ? parent + QStringLiteral(", ") + name : name);
    return record;
}

QString Scanner::doneText(qint64 seconds, qsizetype found)
{
    return tr("Done! Time taken: %1 seconds.    Music folders found: %2")
        .arg(QString::number(seconds), QString::number(found));
}

Scanner::Result Scanner::scan(const QString &rootText, Layout layout)
{
    Result result;
    QElapsedTimer clock;
    clock.start();
    const QString trimmed = rootText.trimmed();
    // Every stored Path is a full path; what a relative one meant depends on where it was typed.
    if (!trimmed.isEmpty() && !QDir::isAbsolutePath(trimmed)) {
        result.error = tr("The music folder \"%1\" is not a full path, so the catalogue was left as it was.")
                           .arg(trimmed);
        return result;
    }
    const QString root = withSeparator(QDir::toNativeSeparators(QDir::cleanPath(trimmed)));

    // An unplugged drive or a mistyped folder must not empty the catalogue.
    std::error_code error;
    fs::directory_iterator probe(toPath(root), error);
    if (rootText.trimmed().isEmpty() || error) {
        result.error =
            tr("The music folder \"%1\" cannot be read (%2), so the catalogue was left as it was.")
                .arg(QDir::toNativeSeparators(rootText.trimmed()),
                     rootText.trimmed().isEmpty() ? tr("no folder given")
                                                  : QString::fromLocal8Bit(error.message().c_str()));
        return result;
    }
    if (!m_catalogue.beginTransaction()) {
        result.error = tr("The catalogue cannot be written, so it was left as it was.");
        return result;
    }
#ifdef Q_OS_UNIX
    const int rootFd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const auto closeRoot = qScopeGuard([rootFd] {
        if (rootFd >= 0)
            ::close(rootFd);
    });
#endif
    auto abandon = [&](const QString &why) {
        m_catalogue.rollback();
        m_songs.refresh();
        result.error = why;
        result.found.clear();
        result.elapsedMs = clock.elapsed();
        return result;
    };
    if (!m_songs.deleteAll())
        return abandon(tr("The catalogue cannot be written: %1").arg(m_songs.lastError()));

    const QString searching = tr("Searching for music files . . . %1");
    std::deque<QString> queue{root};
    Visited visited;
    QElapsedTimer slice;
    slice.start();
    bool firstTurn = true;
    while (!queue.empty()) {
        const QString folder = queue.front();
        // The line is seen only when the window has its turn.
        if (m_progress && (firstTurn || slice.elapsed() >= kYieldEveryMs))
            m_progress(searching.arg(folder));
#ifdef Q_OS_UNIX
        const FolderContents contents = listFolder(rootFd, QStringView(folder).sliced(root.size()), visited);
#else
        const FolderContents contents = listFolder(folder, visited);
#endif
        for (const QString &name : contents.folders)
            queue.push_back(folder + name + QDir::separator());
        for (const QString &name : contents.unreadableNames)
            result.leftOut.append(tr("%1: the name is not valid UTF-8").arg(folder + name));
        const QString &firstMusic = contents.firstMusic;
        const QString &picture = contents.picture;
        if (!firstMusic.isEmpty()) {
            result.found.append(folder + firstMusic);
            const Record record = recordFor(folder, layout);
            m_songs.addNew();
            m_songs.setValue(QStringLiteral("Path"), record.path);
            m_songs.setValue(QStringLiteral("Album"), record.album);
            m_songs.setValue(QStringLiteral("Picture"), picture);
            m_songs.setValue(QStringLiteral("Artist"), record.artist);
            if (!m_songs.update())
                return abandon(tr("The catalogue cannot be written: %1").arg(m_songs.lastError()));
        }
        queue.pop_front();
        // The first turn comes at once, so the window shows the scan has begun.
        if (m_yield && (firstTurn || slice.elapsed() >= kYieldEveryMs)) {
            firstTurn = false;
            if (!m_yield()) {
                result = abandon(tr("The scan was stopped; the catalogue was left as it was."));
                result.cancelled = true;
                return result;
            }
            slice.restart();
        }
    }
    if (!m_catalogue.commit())
        return abandon(tr("The new catalogue could not be saved; the old one was kept."));
    m_songs.moveLast();
    result.ok = true;
    result.elapsedMs = clock.elapsed();
    return result;
}

} // namespace lumetra
