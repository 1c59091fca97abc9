#include "portal/ConsultaFilter.h"

#include "portal/WireDates.h"

namespace zv::portal {

namespace {

// A code in [0, highest]; absent means 0.
bool readCode(const QueryString& query, const char* key, int highest, int& out)
{
    if (!query.has(QLatin1String(key)))
        return true;
    const auto code = query.integer(QLatin1String(key));
    if (!code || *code < 0 || *code > highest)
        return false;
    out = int(*code);
    return true;
}

// An ID of 0 or more; absent means 0.
bool readId(const QueryString& query, const char* key, std::int64_t& out)
{
    if (!query.has(QLatin1String(key)))
        return true;
    const auto id = query.integer(QLatin1String(key));
    if (!id || *id < 0)
        return false;
    out = *id;
    return true;
}

bool readDay(const QueryString& query, const char* key, std::optional<QDate>& out)
{
    if (!query.has(QLatin1String(key)))
        return true;
    out = parseCompactDay(query.value(QLatin1String(key)).trimmed());
    return out.has_value();
}

std::optional<std::vector<std::int64_t>> readIds(const QString& list)
{
    std::vector<std::int64_t> ids;
    for (const QString& piece : list.split(QLatin1Char('*'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const qlonglong id = piece.trimmed().toLongLong(&ok);
        if (!ok || id < 0)
            return std::nullopt;
        ids.push_back(id);
    }
    return ids;
}

FilterParse failed(const char* sentence)
{
    return {std::nullopt, QString::fromUtf8(sentence)};
}

std::string quoted(const QDate& day)
{
    return "'" + isoDay(day).toStdString() + "'";
}

} // namespace

FilterParse parseFilter(const QueryString& query)
{
    ConsultaFilter filter;
    if (query.has(QStringLiteral("li"))) {
        filter.ids = readIds(query.value(QStringLiteral("li")));
        if (!filter.ids)
            return failed("Lista de documentos inválida!");
        return {filter, QString()};
    }
    if (!readId(query, "e", filter.company))
        return failed("Cliente inválido!");
    if (!readCode(query, "t", 4, filter.type))
        return failed("Tipo de documento inválido!");
    if (query.has(QStringLiteral("d"))) {
        const QString kind = query.value(QStringLiteral("d")).trimmed().toLower();
        if (kind != QLatin1String("t") && kind != QLatin1String("v"))
            return failed("Tipo de data inválido!");
        filter.dateKind = char(kind.at(0).unicode());
    }
    if (!readDay(query, "i", filter.from))
        return failed("Data inicial inválida!");
    if (!readDay(query, "f", filter.to))
        return failed("Data final inválida!");
    if (!readId(query, "u", filter.user))
        return failed("Usuário inválido!");
    if (!readCode(query, "o", 5, filter.order))
        return failed("Ordem inválida!");
    if (!readCode(query, "m", 4, filter.visibility))
        return failed("Opção de visualização inválida!");
    return {filter, QString()};
}

std::string whereClause(const ConsultaFilter& filter, std::int64_t officeId, const QDate& today)
{
    std::string where = "d.escritorio_id = " + std::to_string(officeId);
    if (filter.ids) {
        where += " AND d.id IN (";
        for (size_t i = 0; i < filter.ids->size(); ++i)
            where += (i ? "," : "") + std::to_string((*filter.ids)[i]);
        return where + ")";
    }
    if (filter.company > 0)
        where += " AND d.cliente_id = " + std::to_string(filter.company);
    static const char* const kTypes[] = {"", " AND d.tipo = 'P'", " AND d.tipo = 'R'",
                                         " AND d.tipo = 'D'"};
    if (filter.type >= 1 && filter.type <= 3)
        where += kTypes[filter.type];
    if (filter.type == 4)
        where += " AND d.publicado < " + quoted(kTypesSince);
    if (filter.dateKind) {
        const std::string column = filter.dateKind == 't' ? "substr(d.publicado, 1, 10)" : "d.vencimento";
        if (filter.from)
            where += " AND " + column + " >= " + quoted(*filter.from);
        if (filter.to)
            where += " AND " + column + " <= " + quoted(*filter.to);
    }
    if (filter.user > 0)
        where += " AND d.usuario_id = " + std::to_string(filter.user);
    const std::string day = quoted(today);
    switch (filter.visibility) {
    case 1: where += " AND d.lido IS NOT NULL"; break;
    case 2: where += " AND d.lido IS NULL"; break;
    case 3:
        where += " AND d.apagado IS NULL AND COALESCE(d.ativacao, substr(d.publicado, 1, 10)) <= " + day
                 + " AND (d.expiracao IS NULL OR d.expiracao >= " + day + ")";
        break;
    case 4: where += " AND d.apagado IS NOT NULL"; break;
    default: break;
    }
    return where;
}

std::string orderClause(const ConsultaFilter& filter)
{
    // Newest first for the moments of publication and activation; the nearest
    // first for expiry and due dates, documents without one last.
    static const char* const kOrders[] = {
        "d.publicado DESC, d.id DESC",
        "COALESCE(d.ativacao, substr(d.publicado, 1, 10)) DESC, d.publicado DESC, d.id DESC",
        "d.expiracao IS NULL, d.expiracao, d.id",
        "d.vencimento IS NULL, d.vencimento, d.id",
        "d.descricao COLLATE NOCASE, d.id",
        "u.nome COLLATE NOCASE, d.publicado DESC, d.id DESC",
    };
    return filter.ids ? kOrders[0] : kOrders[filter.order];
}

} // namespace zv::portal
