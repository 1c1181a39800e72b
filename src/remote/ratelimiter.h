#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace lumetra {

// Requests per client as a bucket of tokens: a client may make `burst` requests at once, and `perSecond`
// more each second after that. A client that has been quiet long enough is forgotten, so the table stays
// small however many clients come and go.
class RateLimiter
{
public:
    // Milliseconds from any fixed point, never going back.
    using Clock = std::function<qint64()>;

    RateLimiter(double perSecond, double burst, Clock clock = {});

    // Takes one token of `client`; false (and nothing taken) when its bucket is empty.
    bool allow(const QString &client);

private:
    struct Bucket {
        double tokens = 0;
        qint64 at = 0;
    };
    void forgetQuietClients(qint64 now);

    double m_perSecond;
    double m_burst;
    Clock m_clock;
    QHash<QString, Bucket> m_buckets;
};

} // namespace lumetra
