#include "portal/Answer.h"

#include "platform/Cp1252.h"

namespace zv::portal {

Reply lines(const QStringList& lines)
{
    return text(lines.join(QStringLiteral("\r\n")));
}

Reply text(const QString& body)
{
    Reply reply;
    reply.body = platform::toCp1252(body);
    return reply;
}

Reply refusal(Refusal code, const QString& sentence, int status)
{
    Reply reply = lines({QString::number(int(code)), sentence});
    reply.status = status;
    return reply;
}

Reply bytes(const QByteArray& content, std::string contentType)
{
    Reply reply;
    reply.body = content;
    reply.contentType = std::move(contentType);
    return reply;
}

Reply empty()
{
    return Reply{};
}

} // namespace zv::portal
