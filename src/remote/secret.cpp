#include "secret.h"

#include <QRandomGenerator>

#include <array>

namespace lumetra {

namespace {
constexpr int kSecretBytes = 18;
constexpr int kSecretChars = 24;
} // namespace

QByteArray newSecret()
{
    std::array<quint32, (kSecretBytes + 3) / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char *>(words.data()), kSecretBytes);
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool sameSecret(QByteArrayView given, QByteArrayView secret)
{
    unsigned difference = given.size() != secret.size() ? 1U : 0U;
    for (qsizetype i = 0; i < secret.size(); ++i) {
        const auto wanted = static_cast<unsigned char>(secret[i]);
        const auto got = static_cast<unsigned char>(i < given.size() ? given[i] : 0);
        difference |= static_cast<unsigned>(wanted ^ got);
    }
    return difference == 0 && !secret.isEmpty();
}

bool isSecretShaped(QByteArrayView text)
{
    if (text.size() != kSecretChars)
        return false;
    for (const char c : text) {
        const bool urlSafe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                             c == '-' || c == '_';
        if (!urlSafe)
            return false;
    }
    return true;
}

} // namespace lumetra
