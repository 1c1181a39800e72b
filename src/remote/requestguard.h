#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lumetra {

// Watches the bytes a client sends on one connection before the HTTP server buffers and parses them, so an
// oversized request is stopped before it is held whole. Stops a request whose head (request line and
// headers) or body is larger than allowed, whose body comes in chunks (no length given), or which is not
// HTTP/1.0 or 1.1, with the status to answer. Requests follow one another on a connection (keep-alive).
// Whether a request became a WebSocket is not for it to say: the server stops feeding it once one has.
class RequestGuard
{
public:
    struct Limits {
        qsizetype head = qsizetype(8) * 1024;
        qint64 body = qint64(4) * 1024;
    };
    explicit RequestGuard(Limits limits);
    RequestGuard()
        : RequestGuard(Limits{})
    {
    }

    // The next bytes of the connection. Returns 0 while they may pass, else the HTTP status to answer with
    // (400, 411, 413 or 431); once refused, the guard stays refused.
    int feed(QByteArrayView bytes);
    int status() const { return m_status; }
    // Part of a request has arrived, not all of it.
    bool midRequest() const { return m_state == State::Body || !m_head.isEmpty(); }
    // Requests that have arrived whole.
    int requests() const { return m_requests; }

private:
    enum class State { Head, Body, Refused };
    // Checks a complete head; sets the state for what follows it.
    void examineHead();
    void refuse(int status);

    Limits m_limits;
    State m_state = State::Head;
    int m_status = 0;
    QByteArray m_head;
    qint64 m_bodyLeft = 0;
    int m_requests = 0;
};

} // namespace lumetra
