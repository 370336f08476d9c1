#include "storage/ShortString.h"

#include "base/TextFunctions.h"
#include "storage/Windows1252.h"

#include <algorithm>
#include <cstring>

namespace {

int storedLength(const char *field, int capacity)
{
    return std::min(int(static_cast<unsigned char>(field[0])), capacity);
}

} // namespace

namespace ShortString {

void store(char *field, int capacity, const QString &text)
{
    Q_ASSERT(capacity >= 0 && capacity <= 255);
    const QByteArray bytes = EncodeWindows1252(TrimText(text));
    const int length = int(std::min<qsizetype>(bytes.size(), capacity));
    field[0] = char(length);
    std::memcpy(field + 1, bytes.constData(), size_t(length));
    std::memset(field + 1 + length, 0, size_t(capacity - length));
}

QString load(const char *field, int capacity)
{
    return TrimText(DecodeWindows1252(QByteArrayView(field + 1, storedLength(field, capacity))));
}

QByteArrayView bytes(const char *field, int capacity)
{
    return QByteArrayView(field + 1, storedLength(field, capacity));
}

bool isBlank(const char *field, int capacity)
{
    // Bytes up to 32 decode to the characters up to 32, exactly those that trimming removes.
    const int length = storedLength(field, capacity);
    for (int i = 1; i <= length; ++i) {
        if (static_cast<unsigned char>(field[i]) > 32)
            return false;
    }
    return true;
}

} // namespace ShortString
