#pragma once

#include <QHostAddress>

namespace lumetra {

// Whether a client at `address` may use the phone remote: loopback, the private IPv4 ranges (10/8, 172.16/12,
// 192.168/16), link-local addresses (169.254/16, fe80::/10) and IPv6 unique local addresses (fc00::/7). An
// IPv4 address mapped into IPv6 (as a dual-stack listener reports IPv4 clients) counts as that IPv4 address.
// Everything else is refused: public, multicast, broadcast, unspecified and null addresses.
bool isLocalClient(const QHostAddress &address);

// The address as the rate limits and the logs name a client: IPv4-mapped addresses as plain IPv4.
QString clientName(const QHostAddress &address);

} // namespace lumetra
