#include "platform/Cp1252.h"

namespace zv::platform {

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five unassigned codes.
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
} // namespace

int cp1252Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int code = cp1252Code(c);
        out.append(code < 0 ? '?' : static_cast<char>(code));
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar* dst = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0)
            *dst++ = QChar(kHigh[u - 0x80] ? kHigh[u - 0x80] : u);
        else
            *dst++ = QChar(u);
    }
    return out;
}

} // namespace zv::platform
