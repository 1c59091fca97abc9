#include "portal/PublicationRequest.h"

#include "portal/UploadedFile.h"

#include <QRegularExpression>

#include <algorithm>

namespace zv::portal {

namespace {

PublicationParse failed(const QString& sentence)
{
    return {std::nullopt, sentence};
}

// The client IDs of "12*7"; none when a piece is not a positive number.
std::optional<std::vector<std::int64_t>> readClients(const QString& list)
{
    std::vector<std::int64_t> ids;
    for (const QString& piece : list.split(QLatin1Char('*'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qlonglong id = piece.trimmed().toLongLong(&ok);
        if (!ok || id <= 0)
            return std::nullopt;
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

// An optional day: absent or empty is none; anything else must be a day.
bool readDay(const QueryString& query, const char* key, std::optional<QDate>& out)
{
    const QString text = query.value(QLatin1String(key)).trimmed();
    if (text.isEmpty())
        return true;
    out = parseSlashDay(text);
    return out.has_value();
}

bool readType(const QueryString& query, QString& out)
{
    out = query.value(QStringLiteral("t")).trimmed().toUpper();
    return out == QLatin1String("P") || out == QLatin1String("R") || out == QLatin1String("D");
}

Publication readExtras(const QueryString& query)
{
    Publication extras;
    extras.observation = query.value(QStringLiteral("o"));
    for (int i = 1; i <= 5; ++i)
        extras.parameters << query.value(QStringLiteral("Parametro") + QString::number(i));
    extras.folder = query.value(QStringLiteral("idPasta"));
    extras.senders = query.value(QStringLiteral("UsuarioID"));
    extras.email = query.value(QStringLiteral("Email"));
    extras.admin = query.value(QStringLiteral("Admin"));
    return extras;
}

// The due date and amount of a payment document; other documents carry
// neither, whatever the request holds.
std::optional<QString> readPayment(const QueryString& query, PublicationOrder& order)
{
    if (order.type != QLatin1String("P"))
        return std::nullopt;
    if (!readDay(query, "v", order.due))
        return QStringLiteral("Data de vencimento inválida!");
    order.amount = parseAmount(query.value(QStringLiteral("r")).trimmed());
    if (!order.amount)
        return QStringLiteral("Valor inválido!");
    return std::nullopt;
}

} // namespace

const QStringList& publicationKeys()
{
    static const QStringList keys = {
        QStringLiteral("l"),          QStringLiteral("s"),          QStringLiteral("e"),
        QStringLiteral("t"),          QStringLiteral("a"),          QStringLiteral("x"),
        QStringLiteral("email"),      QStringLiteral("v"),          QStringLiteral("r"),
        QStringLiteral("d"),          QStringLiteral("o"),          QStringLiteral("f"),
        QStringLiteral("Parametro1"), QStringLiteral("Parametro2"), QStringLiteral("Parametro3"),
        QStringLiteral("Parametro4"), QStringLiteral("Parametro5"), QStringLiteral("w"),
        QStringLiteral("idPasta"),    QStringLiteral("UsuarioID"),  QStringLiteral("Admin"),
    };
    return keys;
}

std::optional<QDate> parseSlashDay(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDate day = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
    return day.isValid() ? std::optional(day) : std::nullopt;
}

std::optional<double> parseAmount(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,15}(\\.\\d+)?$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double amount = text.toDouble(&ok);
    return ok ? std::optional(amount) : std::nullopt;
}

PublicationParse parsePublication(const QueryString& query)
{
    PublicationOrder order;
    const auto clients = readClients(query.value(QStringLiteral("e")));
    if (!clients)
        return failed(QStringLiteral("Lista de clientes inválida!"));
    if (clients->empty())
        return failed(QStringLiteral("Nenhum cliente informado para a publicação!"));
    order.clients = *clients;
    if (!readType(query, order.type))
        return failed(QStringLiteral("Tipo de documento inválido!"));
    if (!readDay(query, "a", order.activation))
        return failed(QStringLiteral("Data de ativação inválida!"));
    if (!readDay(query, "x", order.expiry))
        return failed(QStringLiteral("Data de expiração inválida!"));
    if (order.activation && order.expiry && *order.expiry <= *order.activation)
        return failed(QStringLiteral("A data de expiração deve ser posterior à data de ativação!"));
    if (const auto wrong = readPayment(query, order))
        return failed(*wrong);
    order.description = query.value(QStringLiteral("d"));
    order.fileName = query.value(QStringLiteral("f"));
    if (order.fileName.isEmpty())
        return failed(QStringLiteral("Arquivo não informado!"));
    if (!isPlainFileName(order.fileName))
        return failed(QStringLiteral("Nome de arquivo inválido!"));
    order.extras = readExtras(query);
    return {order, QString()};
}

} // namespace zv::portal
