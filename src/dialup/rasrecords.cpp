#include "rasrecords.h"

#include <QByteArray>

namespace ras {

void setFieldText(char* field, std::size_t size, const QByteArray& utf8)
{
    std::memset(field, 0, size);
    if (size == 0)
        return;
    auto length = std::min<std::size_t>(static_cast<std::size_t>(utf8.size()), size - 1);
    // Do not leave half of a multi-byte character at the end.
    if (length < static_cast<std::size_t>(utf8.size()))
        while (length > 0 && (static_cast<unsigned char>(utf8[qsizetype(length)]) & 0xC0) == 0x80)
            --length;
    std::memcpy(field, utf8.constData(), length);
}

} // namespace ras
