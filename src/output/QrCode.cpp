#include "output/QrCode.h"

#include <qrencode.h>

#include <limits>
#include <memory>

QList<QBitArray> QrCodeModules(const QByteArray &data)
{
    if (data.isEmpty() || data.size() > std::numeric_limits<int>::max())
        return {};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeData(int(data.size()), reinterpret_cast<const unsigned char *>(data.constData()), 0, QR_ECLEVEL_M),
        &QRcode_free);
    if (!code)
        return {};
    const int width = code->width;
    const int size = width + 2 * QrQuietZone;
    QList<QBitArray> rows(size, QBitArray(size));
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            // The lowest bit of each byte is the module's colour; the others tell its role.
            if (code->data[y * width + x] & 1)
                rows[y + QrQuietZone].setBit(x + QrQuietZone);
        }
    }
    return rows;
}
