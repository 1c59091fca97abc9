#include "transport/CodificaURL.h"

#include "platform/Cp1252.h"

namespace zv::transport {

namespace {

bool ficaComoEsta(QChar c)
{
    static const QString kConjunto = QStringLiteral(
        "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:/.?=_-$(){}~&");
    return kConjunto.contains(c);
}

} // namespace

QString CodificaURL(const QString& texto)
{
    if (texto.isEmpty() || texto.size() > kLimiteCodificaURL)
        return {};
    QString codificado;
    codificado.reserve(texto.size() * 3);
    for (QChar c : texto) {
        if (ficaComoEsta(c)) {
            codificado += c;
            continue;
        }
        // A character the code page lacks goes as the code page's own
        // replacement, "?".
        const int code = platform::cp1252Code(c);
        const int byte = code < 0 ? '?' : code;
        if (byte == 0x20)
            codificado += QLatin1Char('+');
        else
            codificado += QStringLiteral("%%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return codificado;
}

} // namespace zv::transport
