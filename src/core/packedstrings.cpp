#include "packedstrings.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>
#include <string>

namespace lumetra {

namespace {

bool fitsLatin1(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

// A text is stored as Latin-1 exactly when it fits, so equal texts are equal bytes and hash alike.
size_t hashOf(QStringView text)
{
    if (!fitsLatin1(text))
        return qHashBits(text.utf16(), size_t(text.size()) * 2);
    std::string narrow(size_t(text.size()), '\0');
    std::transform(text.begin(), text.end(), narrow.begin(),
                   [](QChar c) { return static_cast<char>(c.unicode()); });
    return qHashBits(narrow.data(), narrow.size());
}

// Positions spread over the table by the high bits of the hash; the table is about 1.5 × the texts.
qsizetype slotOf(size_t hash, qsizetype capacity)
{
    const auto folded = static_cast<quint32>(quint64(hash) ^ (quint64(hash) >> 32));
    return static_cast<qsizetype>((quint64(folded) * quint64(capacity)) >> 32);
}

// A byte of the hash kept beside each position, so that a probe reads the text it passes only when this
// matches: the texts lie all over the buffer.
quint8 tagOf(size_t hash)
{
    return static_cast<quint8>(hash);
}

} // namespace

inline PackedStrings::Run PackedStrings::run(qsizetype i) const
{
    const auto *data = reinterpret_cast<const uchar *>(m_data.constData());
    qsizetype pos = m_start[i];
    quint64 header = data[pos++];
    if (header & 0x80) { // a text of 64 characters or more
        header &= 0x7f;
        int shift = 7;
        uchar byte = 0;
        do {
            byte = data[pos++];
            header |= quint64(byte & 0x7f) << shift;
            shift += 7;
        } while (byte & 0x80);
    }
    Run r;
    r.wide = header & 1;
    r.length = static_cast<qsizetype>(header >> 1);
    r.begin = r.wide ? (pos + 1) / 2 * 2 : pos;
    return r;
}

size_t PackedStrings::hashAt(qsizetype i) const
{
    const Run r = run(i);
    return qHashBits(m_data.constData() + r.begin, size_t(r.wide ? r.length * 2 : r.length));
}

PackedStrings::PackedStrings()
{
    clear();
}

void PackedStrings::clear()
{
    m_data = QByteArray(1, '\0'); // the shared empty run
    m_start.clear();
    dropIndex();
}

quint32 PackedStrings::store(QAnyStringView text)
{
    if (text.isEmpty())
        return 0;
    return text.visit([this](auto view) -> quint32 {
        using View = decltype(view);
        if constexpr (std::is_same_v<View, QLatin1StringView>) {
            // A text taken from this very buffer would move while the buffer grows.
            const bool own =
                view.data() >= m_data.constData() && view.data() < m_data.constData() + m_data.size();
            const QByteArray copy = own ? QByteArray(view.data(), view.size()) : QByteArray();
            const quint32 start = startRun(view.size(), false);
            m_data.append(own ? copy.constData() : view.data(), view.size());
            return start;
        } else if constexpr (std::is_same_v<View, QStringView>) {
            const bool wide = !fitsLatin1(view);
            const bool own =
                wide && reinterpret_cast<const char *>(view.utf16()) >= m_data.constData() &&
                reinterpret_cast<const char *>(view.utf16()) < m_data.constData() + m_data.size();
            const QString copy = own ? view.toString() : QString();
            if (own)
                view = copy;
            const quint32 start = startRun(view.size(), wide);
            if (wide) {
                m_data.append(reinterpret_cast<const char *>(view.utf16()), view.size() * 2);
            } else {
                const qsizetype at = m_data.size();
                m_data.resize(at + view.size());
                std::transform(view.begin(), view.end(), m_data.begin() + at,
                               [](QChar c) { return static_cast<char>(c.unicode()); });
            }
            return start;
        } else {
            return store(view.toString());
        }
    });
}

quint32 PackedStrings::startRun(qsizetype length, bool wide)
{
    const auto start = static_cast<quint32>(m_data.size());
    quint64 header = (quint64(length) << 1) | (wide ? 1 : 0);
    do {
        m_data.append(static_cast<char>((header & 0x7f) | (header > 0x7f ? 0x80 : 0)));
        header >>= 7;
    } while (header != 0);
    if (wide && m_data.size() % 2 != 0)
        m_data.append('\0');
    return start;
}

void PackedStrings::append(QAnyStringView text)
{
    m_start.push_back(store(text));
    indexAppended(size() - 1);
}

void PackedStrings::replace(qsizetype i, QAnyStringView text)
{
    m_start[i] = store(text);
    dropIndex();
}

void PackedStrings::remove(qsizetype i)
{
    m_start.erase(m_start.begin() + i);
    dropIndex();
}

QAnyStringView PackedStrings::view(qsizetype i) const
{
    const Run r = run(i);
    const char *begin = m_data.constData() + r.begin;
    if (r.wide)
        return QStringView(reinterpret_cast<const char16_t *>(begin), r.length);
    return QLatin1StringView(begin, r.length);
}

QString PackedStrings::at(qsizetype i) const
{
    return view(i).toString();
}

bool PackedStrings::equals(qsizetype i, QStringView text) const
{
    return QAnyStringView::equal(view(i), text);
}

void PackedStrings::buildIndex() const
{
    const qsizetype capacity = size() + size() / 2 + 1;
    m_index.assign(capacity, -1);
    m_tags.assign(capacity, 0);
    for (qsizetype i = 0; i < size(); ++i)
        indexAppended(i);
}

void PackedStrings::dropIndex() const
{
    m_index.clear();
    m_tags.clear();
}

void PackedStrings::indexAppended(qsizetype i) const
{
    if (m_index.empty())
        return;
    const auto capacity = static_cast<qsizetype>(m_index.size());
    if (size() * 4 > capacity * 3) {
        dropIndex(); // built afresh, larger, when next needed
        return;
    }
    const size_t hash = hashAt(i);
    for (qsizetype slot = slotOf(hash, capacity);; slot = (slot + 1) % capacity) {
        const qint32 held = m_index[slot];
        if (held < 0) {
            m_index[slot] = static_cast<qint32>(i);
            m_tags[slot] = tagOf(hash);
            return;
        }
        if (m_tags[slot] == tagOf(hash) && QAnyStringView::equal(view(held), view(i)))
            return; // the first position keeps the text
    }
}

qsizetype PackedStrings::indexOf(QStringView text) const
{
    if (isEmpty())
        return -1;
    if (m_index.empty())
        buildIndex();
    const auto capacity = static_cast<qsizetype>(m_index.size());
    const size_t hash = hashOf(text);
    for (qsizetype slot = slotOf(hash, capacity);; slot = (slot + 1) % capacity) {
        const qint32 held = m_index[slot];
        if (held < 0)
            return -1;
        if (m_tags[slot] == tagOf(hash) && equals(held, text))
            return held;
    }
}

} // namespace lumetra
