#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace lumetra {

// A fresh random secret from the system's generator, as 24 URL-safe characters (144 bits): the remote's
// access token and a host session.
QByteArray newSecret();

// Whether `given` is `secret`, taking as long whatever the first wrong character, so timing tells nothing of
// how much of a guess was right. An empty secret matches nothing.
bool sameSecret(QByteArrayView given, QByteArrayView secret);

// Whether `text` could be a secret newSecret() made (a stored token read back).
bool isSecretShaped(QByteArrayView text);

} // namespace lumetra
