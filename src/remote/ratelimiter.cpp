#include "ratelimiter.h"

#include <QElapsedTimer>

#include <algorithm>

namespace lumetra {

namespace {
constexpr qsizetype kForgetAbove = 256;
} // namespace

RateLimiter::RateLimiter(double perSecond, double burst, Clock clock)
    : m_perSecond(perSecond)
    , m_burst(burst)
    , m_clock(std::move(clock))
{
    if (!m_clock) {
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        m_clock = [started] { return started->elapsed(); };
    }
}

bool RateLimiter::allow(const QString &client)
{
    const qint64 now = m_clock();
    if (m_buckets.size() > kForgetAbove)
        forgetQuietClients(now);
    auto it = m_buckets.find(client);
    if (it == m_buckets.end())
        it = m_buckets.insert(client, {m_burst, now});
    Bucket &bucket = *it;
    bucket.tokens = std::min(m_burst, bucket.tokens + double(now - bucket.at) * m_perSecond / 1000.0);
    bucket.at = now;
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}

void RateLimiter::forgetQuietClients(qint64 now)
{
    // A bucket that has filled up again holds nothing a new one would not.
    m_buckets.removeIf([this, now](const auto &entry) {
        const Bucket &bucket = entry.value();
        return bucket.tokens + double(now - bucket.at) * m_perSecond / 1000.0 >= m_burst;
    });
}

} // namespace lumetra
