#include "transport/ValorURL.h"

#include "platform/Cp1252.h"

namespace zv::transport {

namespace {

bool mudaAConsulta(char16_t u)
{
    return u <= 0x20 || u >= 0x7F || u == '&' || u == '#' || u == '+' || u == '%';
}

} // namespace

QString ValorURL(const QString& valor)
{
    QString seguro;
    seguro.reserve(valor.size());
    for (QChar c : valor) {
        if (!mudaAConsulta(c.unicode())) {
            seguro += c;
            continue;
        }
        for (char byte : platform::toCp1252(QString(c)))
            seguro += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return seguro;
}

} // namespace zv::transport
