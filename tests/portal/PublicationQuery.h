#pragma once
// The publication request written the way the office's program writes it:
// the keys in its order, the description and observation through the
// portal's URL encoder, every other value as typed (only the characters
// that would change the query percent-encoded).
#include "transport/CodificaURL.h"
#include "transport/ValorURL.h"

#include <QString>

#include <optional>
#include <string>

namespace zv::test {

struct PublicationQuery {
    QString login = QStringLiteral("101");
    QString session;
    QString clients = QStringLiteral("1001");
    QString type = QStringLiteral("P");
    std::optional<QString> activation;
    std::optional<QString> expiry;
    QString email = QStringLiteral("financeiro@escritorio.exemplo.com.br");
    QString due = QStringLiteral("30/12/2099");
    QString amount = QStringLiteral("1234.5");
    QString description = QStringLiteral("Guia de teste");
    QString observation;
    std::optional<QString> file = QStringLiteral("guia.pdf");
    QString parameters[5];
    bool debug = false;
    QString folder = QStringLiteral("7");
    QString senders;
    QString admin = QStringLiteral("1");

    std::string target() const
    {
        using transport::CodificaURL;
        using transport::ValorURL;
        QString q = QStringLiteral("//printer/publica_b_novo.asp?");
        q += QStringLiteral("l=") + login + QStringLiteral("&s=") + session + QLatin1Char('&');
        q += QStringLiteral("e=") + ValorURL(clients) + QLatin1Char('&');
        q += QStringLiteral("t=") + ValorURL(type) + QLatin1Char('&');
        if (activation)
            q += QStringLiteral("a=") + ValorURL(*activation) + QLatin1Char('&');
        if (expiry)
            q += QStringLiteral("x=") + ValorURL(*expiry) + QLatin1Char('&');
        q += QStringLiteral("email=") + ValorURL(email) + QLatin1Char('&');
        if (type == QLatin1String("P"))
            q += QStringLiteral("v=") + ValorURL(due) + QStringLiteral("&r=") + ValorURL(amount) + QLatin1Char('&');
        q += QStringLiteral("d=") + CodificaURL(description) + QLatin1Char('&');
        q += QStringLiteral("o=") + CodificaURL(observation) + QLatin1Char('&');
        if (file)
            q += QStringLiteral("f=") + ValorURL(*file) + QLatin1Char('&');
        for (int i = 0; i < 5; ++i)
            q += (i ? QStringLiteral("&") : QString()) + QStringLiteral("Parametro%1=").arg(i + 1)
                 + ValorURL(parameters[i]);
        if (debug)
            q += QStringLiteral("&w=y");
        q += QStringLiteral("&idPasta=") + ValorURL(folder);
        if (!senders.isEmpty())
            q += QStringLiteral("&UsuarioID=") + ValorURL(senders);
        q += QStringLiteral("&Admin=") + ValorURL(admin) + QStringLiteral("&Email=") + ValorURL(email);
        return q.toStdString();
    }
};

// "s=N&l=101" as the demo login answers it: the session number alone.
inline QString sessionNumberOf(const std::string& demoSession)
{
    const QString text = QString::fromStdString(demoSession);
    return text.section(QLatin1Char('&'), 0, 0).mid(2);
}

} // namespace zv::test
