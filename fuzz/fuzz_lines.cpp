// The data file readers on any bytes: the one-pass line reader agrees with
// decoding and splitting, and Windows-1250 text writes back byte for byte.
#include "codepage.h"
#include "datafiles.h"
#include "fuzzcommon.h"

#include <cstddef>
#include <cstdint>

using namespace tavik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data),
                               static_cast<qsizetype>(size));
    const QString text = decodeDataText(bytes);
    const QStringList lines = splitDataLines(text);
    fuzz::require(decodeDataLines(bytes) == lines, "one-pass reader agrees");
    for (const QString& line : lines)
        fuzz::require(!line.contains(u'\r'), "no CR inside a line");
    if (detectEncoding(bytes) == TextEncoding::Windows1250
        || detectEncoding(bytes) == TextEncoding::Ascii) {
        const auto back = encodeWindows1250(text);
        fuzz::require(back && *back == bytes, "Windows-1250 round trip");
    }
    // UTF-8 without a byte-order mark is believed only when Windows-1250 can
    // hold all of it, so such a file can always be saved again.
    if (detectEncoding(bytes) == TextEncoding::Utf8 && !hasUtf8Bom(bytes))
        fuzz::require(encodeWindows1250(text).has_value(), "UTF-8 read only when Windows-1250 holds it");
    QString bad;
    if (!encodeWindows1250(text, &bad))
        fuzz::require(!bad.isEmpty(), "refused text names its characters");
    return 0;
}
