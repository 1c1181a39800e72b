#include "requestguard.h"

#include <QList>

#include <algorithm>

namespace lumetra {

namespace {

constexpr int kBadRequest = 400;
constexpr int kLengthRequired = 411;
constexpr int kBodyTooLarge = 413;
constexpr int kHeadTooLarge = 431;
constexpr int kMaxLengthDigits = 15;

bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// Where the blank line that ends a head ends, searching from `from`; -1 when there is none yet.
qsizetype headEnd(const QByteArray &head, qsizetype from)
{
    for (qsizetype i = std::max<qsizetype>(from, 0); i < head.size(); ++i) {
        if (head[i] != '\n')
            continue;
        if (i + 1 < head.size() && head[i + 1] == '\n')
            return i + 2;
        if (i + 2 < head.size() && head[i + 1] == '\r' && head[i + 2] == '\n')
            return i + 3;
    }
    return -1;
}

} // namespace

RequestGuard::RequestGuard(Limits limits)
    : m_limits(limits)
{
}

void RequestGuard::refuse(int status)
{
    m_state = State::Refused;
    m_status = status;
    m_head.clear();
}

int RequestGuard::feed(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        switch (m_state) {
        case State::Refused:
            return m_status;
        case State::Body: {
            const qint64 taken = std::min<qint64>(m_bodyLeft, bytes.size());
            m_bodyLeft -= taken;
            bytes = bytes.sliced(taken);
            if (m_bodyLeft == 0) {
                m_state = State::Head;
                ++m_requests;
            }
            break;
        }
        case State::Head: {
            // Empty lines between requests are allowed.
            if (m_head.isEmpty()) {
                while (!bytes.isEmpty() && (bytes.front() == '\r' || bytes.front() == '\n'))
                    bytes = bytes.sliced(1);
                if (bytes.isEmpty())
                    break;
            }
            const qsizetype before = m_head.size();
            // At most one byte past the limit is kept: enough to know it was passed.
            const qsizetype room = m_limits.head + 1 - before;
            const qsizetype taken = std::min(room, bytes.size());
            m_head.append(bytes.first(taken));
            const qsizetype end = headEnd(m_head, before - 2);
            if (end < 0) {
                if (m_head.size() > m_limits.head) {
                    refuse(kHeadTooLarge);
                    return m_status;
                }
                bytes = bytes.sliced(taken);
                break;
            }
            bytes = bytes.sliced(end - before);
            m_head.truncate(end);
            examineHead();
            break;
        }
        }
    }
    return m_status;
}

void RequestGuard::examineHead()
{
    const QByteArray head = std::exchange(m_head, {});
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < head.size();) {
        qsizetype end = head.indexOf('\n', start);
        if (end < 0)
            end = head.size();
        QByteArrayView line = QByteArrayView(head).sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.append(line);
        start = end + 1;
    }
    if (lines.isEmpty())
        return refuse(kBadRequest);

    const QByteArrayView requestLine = lines.front();
    const qsizetype firstBlank = requestLine.indexOf(' ');
    const qsizetype lastBlank = requestLine.lastIndexOf(' ');
    if (firstBlank <= 0 || lastBlank <= firstBlank + 1)
        return refuse(kBadRequest);
    const QByteArrayView method = requestLine.first(firstBlank);
    const QByteArrayView target = requestLine.sliced(firstBlank + 1, lastBlank - firstBlank - 1);
    const QByteArrayView version = requestLine.sliced(lastBlank + 1);
    if (!isToken(method) || target.contains(' ') || (version != "HTTP/1.1" && version != "HTTP/1.0"))
        return refuse(kBadRequest);

    qint64 length = 0;
    bool lengthGiven = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArrayView line = lines[i];
        const qsizetype colon = line.indexOf(':');
        // Folded lines (starting with a blank) and names with blanks are not accepted.
        if (colon <= 0 || !isToken(line.first(colon)))
            return refuse(kBadRequest);
        const QByteArrayView name = line.first(colon);
        const QByteArrayView value = trimmed(line.sliced(colon + 1));
        if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0)
            return refuse(kLengthRequired);
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            const bool digits =
                !value.isEmpty() && value.size() <= kMaxLengthDigits &&
                std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (!digits)
                return refuse(kBadRequest);
            const qint64 given = value.toLongLong();
            if (lengthGiven && given != length)
                return refuse(kBadRequest);
            length = given;
            lengthGiven = true;
        }
    }
    if (length > m_limits.body)
        return refuse(kBodyTooLarge);
    m_bodyLeft = length;
    m_state = length > 0 ? State::Body : State::Head;
    if (length == 0)
        ++m_requests;
}

} // namespace lumetra
