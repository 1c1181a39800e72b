#pragma once

#include <QImage>
#include <QString>

namespace lumetra {

// `text` as a QR code (libqrencode, error correction level M): black modules on white, each `moduleSize`
// pixels, inside the four-module quiet zone readers need. A null image when the text does not fit a code.
QImage qrCode(const QString &text, int moduleSize);

} // namespace lumetra
