#include "addressrule.h"

#include <array>
#include <optional>

namespace lumetra {

namespace {

struct Range {
    quint32 base;
    int bits;
};

constexpr std::array kLocalIPv4{
    Range{0x7F000000, 8},  // 127.0.0.0/8 loopback
    Range{0x0A000000, 8},  // 10.0.0.0/8
    Range{0xAC100000, 12}, // 172.16.0.0/12
    Range{0xC0A80000, 16}, // 192.168.0.0/16
    Range{0xA9FE0000, 16}, // 169.254.0.0/16 link-local
};

bool inRange(quint32 ip, Range range)
{
    const quint32 mask = ~quint32(0) << (32 - range.bits);
    return (ip & mask) == range.base;
}

// The IPv4 address inside ::ffff:a.b.c.d, if it is one.
std::optional<quint32> mappedIPv4(const Q_IPV6ADDR &ip)
{
    for (int i = 0; i < 10; ++i) {
        if (ip[i] != 0)
            return std::nullopt;
    }
    if (ip[10] != 0xFF || ip[11] != 0xFF)
        return std::nullopt;
    return (quint32(ip[12]) << 24) | (quint32(ip[13]) << 16) | (quint32(ip[14]) << 8) | quint32(ip[15]);
}

bool isLocalIPv4(quint32 ip)
{
    for (const Range &range : kLocalIPv4) {
        if (inRange(ip, range))
            return true;
    }
    return false;
}

} // namespace

bool isLocalClient(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return isLocalIPv4(address.toIPv4Address());
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    const Q_IPV6ADDR ip = address.toIPv6Address();
    if (const auto v4 = mappedIPv4(ip))
        return isLocalIPv4(*v4);
    if (address.isEqual(QHostAddress::LocalHostIPv6))
        return true;
    const bool linkLocal = ip[0] == 0xFE && (ip[1] & 0xC0) == 0x80; // fe80::/10
    const bool uniqueLocal = (ip[0] & 0xFE) == 0xFC;                // fc00::/7
    return linkLocal || uniqueLocal;
}

QString clientName(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv6Protocol) {
        if (const auto v4 = mappedIPv4(address.toIPv6Address()))
            return QHostAddress(*v4).toString();
    }
    return address.toString();
}

} // namespace lumetra
