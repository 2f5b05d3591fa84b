// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/textcodec.h"

#include <algorithm>
#include <array>

namespace Opslag {
namespace {

// Bytes 0x80..0x9F of Windows-1252. The five bytes the code page leaves undefined map to the
// C1 control of the same number, as Windows itself does, so every byte reads back as written.
constexpr std::array<char16_t, 32> kHogeHelft = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHogeHelft.size(); ++i) {
        if (kHogeHelft[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence.
bool isMultiByteUtf8(const QByteArray& bytes) {
    bool multiByte = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        int extra = 0;
        char32_t minimum = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1, minimum = 0x80, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, minimum = 0x800, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, minimum = 0x10000, cp = b & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

} // namespace

QString vanWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? kHogeHelft[b - 0x80] : char16_t(b)));
    }
    return text;
}

QString decodeerBestand(const QByteArray& bytes) {
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (isMultiByteUtf8(body))
        return QString::fromUtf8(body);
    return vanWindows1252(body);
}

std::optional<QByteArray> naarWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const auto b = windows1252Byte(c.unicode());
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

bool isWindows1252(const QString& text) {
    return naarWindows1252(text).has_value();
}

bool isTekst(const QString& text) {
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\r' && u != u'\n') || (u >= 0x7F && u < 0xA0);
    });
}

} // namespace Opslag
