#include "codepage.h"

#include <array>
#include <cstring>

namespace tavik {

namespace {

constexpr std::array<char16_t, 128> kHighHalf{
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Every character of Windows-1250 lies below this one.
constexpr char32_t kBeyondWindows1250 = 0x2200;

// The Windows-1250 byte of each character below kBeyondWindows1250; 0 for none
// (only U+0000 has byte 0, and it is ASCII).
constexpr std::array<unsigned char, kBeyondWindows1250> kByteOf = [] {
    std::array<unsigned char, kBeyondWindows1250> bytes{};
    for (std::size_t c = 0; c < 0x80; ++c)
        bytes[c] = static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        bytes[kHighHalf[i]] = static_cast<unsigned char>(0x80 + i);
    return bytes;
}();
static_assert(kByteOf[0x0151] == 0xF5 && kByteOf[0x2122] == 0x99 && kByteOf[0x00A0] == 0xA0);

// Length of the valid UTF-8 sequence starting at p, or 0; its character in *cp.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end, char32_t* out) noexcept
{
    const unsigned char b = p[0];
    int len = 0;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) { len = 2; cp = b & 0x1F; }
    else if (b >= 0xE0 && b <= 0xEF) { len = 3; cp = b & 0x0F; }
    else if (b >= 0xF0 && b <= 0xF4) { len = 4; cp = b & 0x07; }
    else return 0;
    if (end - p < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
        || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    *out = cp;
    return len;
}

bool inWindows1250(char32_t c) noexcept
{
    return c == 0 || (c < kBeyondWindows1250 && kByteOf[c] != 0);
}

// All 256 bytes, so decoding is one look-up a byte without a branch.
constexpr std::array<char16_t, 256> kAllBytes = [] {
    std::array<char16_t, 256> all{};
    for (std::size_t b = 0; b < 0x80; ++b)
        all[b] = static_cast<char16_t>(b);
    for (std::size_t b = 0x80; b < 0x100; ++b)
        all[b] = kHighHalf[b - 0x80];
    return all;
}();

}  // namespace

QString fromWindows1250(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = kAllBytes[src[i]];
    return out;
}

int windows1250Byte(char16_t c) noexcept
{
    return inWindows1250(c) ? kByteOf[c] : -1;
}

bool hasUtf8Bom(QByteArrayView bytes) noexcept
{
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF
           && static_cast<unsigned char>(bytes[1]) == 0xBB
           && static_cast<unsigned char>(bytes[2]) == 0xBF;
}

TextEncoding detectEncoding(QByteArrayView bytes) noexcept
{
    if (hasUtf8Bom(bytes))
        return TextEncoding::Utf8;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    bool nonAscii = false;
    while (p < end) {
        // Eight ASCII bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        // Windows-1250 bytes can happen to form UTF-8 ("Ó…" is the bytes of
        // U+04C5): UTF-8 is believed only when every character it gives is one
        // that Windows-1250 has as well, as in a file saved as UTF-8 by an
        // editor from a text written for this program.
        char32_t cp = 0;
        const int len = utf8SequenceLength(p, end, &cp);
        if (len == 0 || !inWindows1250(cp))
            return TextEncoding::Windows1250;
        nonAscii = true;
        p += len;
    }
    return nonAscii ? TextEncoding::Utf8 : TextEncoding::Ascii;
}

}  // namespace tavik
