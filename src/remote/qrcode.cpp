#include "qrcode.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace lumetra {

namespace {
constexpr int kQuietModules = 4;
} // namespace

QImage qrCode(const QString &text, int moduleSize)
{
    if (moduleSize < 1)
        return {};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString8bit(text.toUtf8().constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return {};
    const int modules = code->width + 2 * kQuietModules;
    QImage image(modules * moduleSize, modules * moduleSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            // Bit 0 of each byte is the module's colour; the other bits describe its role.
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + kQuietModules) * moduleSize, (y + kQuietModules) * moduleSize,
                                 moduleSize, moduleSize, Qt::black);
        }
    }
    return image;
}

} // namespace lumetra
