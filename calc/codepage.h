// Windows-1250 and the choice between it and UTF-8 for the data files.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace tavik {

// Every byte has a character: the five bytes without a Windows-1250 letter
// (0x81, 0x83, 0x88, 0x90, 0x98) stand for the control characters of the same
// number, so any byte string comes back unchanged when written again.
QString fromWindows1250(QByteArrayView bytes);

// The Windows-1250 byte for a character, or -1 when it has none.
int windows1250Byte(char16_t c) noexcept;

enum class TextEncoding { Ascii, Utf8, Windows1250 };

// What decodeDataText would read the bytes as: UTF-8 when they start with a
// UTF-8 byte-order mark, or are valid UTF-8 whose every non-ASCII character is
// one that Windows-1250 can hold as well; ASCII when they are all ASCII;
// Windows-1250 otherwise.
TextEncoding detectEncoding(QByteArrayView bytes) noexcept;
bool hasUtf8Bom(QByteArrayView bytes) noexcept;

}  // namespace tavik
