#include "fuzzing.h"

#include "remote/remotecall.h"
#include "remote/requestguard.h"

#include <QUrl>

#include <algorithm>

using namespace lumetra;

namespace {

// The guard answers the same whether the bytes come at once or in pieces of any size.
void guard(QByteArrayView bytes)
{
    static constexpr std::array kStatuses{0, 400, 411, 413, 431};
    RequestGuard whole;
    const int status = whole.feed(bytes);
    fuzz::check(std::find(kStatuses.begin(), kStatuses.end(), status) != kStatuses.end(), "unknown status");
    const qsizetype piece = bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes.front()) % 7;
    RequestGuard split;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        const int before = split.status();
        split.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
        fuzz::check(before == 0 || split.status() == before, "a refusal was taken back");
    }
    fuzz::check(split.status() == status, "the split bytes were answered otherwise");
}

// The request line and body of the bytes, read as the server reads them, never give a call out of range.
void call(QByteArrayView bytes)
{
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QByteArrayView line = lineEnd < 0 ? bytes : bytes.first(lineEnd);
    const qsizetype blank = line.indexOf(' ');
    const QByteArrayView method = blank < 0 ? line : line.first(blank);
    QByteArrayView target = blank < 0 ? QByteArrayView() : line.sliced(blank + 1);
    if (const qsizetype end = target.indexOf(' '); end >= 0)
        target = target.first(end);
    const qsizetype headEnd = bytes.indexOf("\r\n\r\n");
    const QByteArrayView body = headEnd < 0 ? QByteArrayView() : bytes.sliced(headEnd + 4);

    const QUrl url = QUrl::fromEncoded(target.toByteArray());
    const QUrlQuery query(url);
    tokenOf(query);
    const ParsedCall parsed =
        parseCall(method, url.path(QUrl::FullyDecoded), query, body, "application/json");
    if (!parsed.call) {
        fuzz::check(parsed.status >= 400 && parsed.status < 500 && !parsed.error.isEmpty(),
                    "refused without a reason");
        return;
    }
    const RemoteCall &c = *parsed.call;
    using Kind = RemoteCall::Kind;
    if (c.kind == Kind::Album || c.kind == Kind::Cover || c.kind == Kind::Queue)
        fuzz::check(c.album >= 1, "an album ID below 1");
    if (c.kind == Kind::Albums)
        fuzz::check(c.from >= 0 && c.count >= 1 && c.count <= RemoteCall::kMaxPage, "a page out of range");
    if (c.kind == Kind::Cover)
        fuzz::check(std::find(RemoteCall::kCoverSizes.begin(), RemoteCall::kCoverSizes.end(), c.size) !=
                        RemoteCall::kCoverSizes.end(),
                    "a cover size not offered");
    if (c.kind == Kind::Queue)
        fuzz::check(c.track >= 0 && c.track <= RemoteCall::kMaxTrack && c.text.size() <= RemoteCall::kMaxName,
                    "a track out of range");
    if (c.kind == Kind::Host && c.action == RemoteCall::Action::Volume)
        fuzz::check(c.volume >= 0 && c.volume <= 100, "a volume out of range");
    fuzz::check(c.text.size() <= RemoteCall::kMaxName, "a text too long");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    guard(bytes);
    call(bytes);
    return 0;
}
