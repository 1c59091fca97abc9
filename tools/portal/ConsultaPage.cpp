// The consultation of published documents and the retrieval of one of them.
#include "portal/ConsultaFilter.h"
#include "portal/Pages.h"
#include "portal/SessionGate.h"
#include "portal/WireDates.h"

#include "platform/Cp1252.h"
#include "platform/Regional.h"

#include <QFile>

#include <string>

namespace zv::portal {

namespace {

// The most records an answer carries: the client reads the count as a
// 16-bit number.
constexpr int kMostRecords = 32767;

constexpr const char* kRecordColumns =
    "SELECT COALESCE(c.nome, ''), d.tipo, d.id, d.descricao, d.arquivo, d.tamanho, "
    "COALESCE(d.publicado, ''), COALESCE(d.lido, ''), COALESCE(d.apagado, ''), COALESCE(u.nome, ''), "
    "COALESCE(d.ativacao, ''), COALESCE(d.expiracao, ''), COALESCE(d.vencimento, ''), d.valor, "
    "COALESCE(d.backup, '') "
    "FROM documento d LEFT JOIN cliente c ON c.id = d.cliente_id "
    "LEFT JOIN usuario u ON u.id = d.usuario_id ";

const std::string kField = ">@%";
const std::string kRecord = "<!#";

// A stored text as one field: line breaks and the answer's own delimiters
// would split the record, so they become blanks.
void appendField(std::string& out, std::string_view value)
{
    const size_t start = out.size();
    out.append(value);
    for (size_t i = start; i < out.size(); ++i) {
        char& c = out[i];
        if (c == '\r' || c == '\n')
            c = ' ';
        else if (i + 2 < out.size() && ((c == '>' && out[i + 1] == '@' && out[i + 2] == '%')
                                            || (c == '<' && out[i + 1] == '!' && out[i + 2] == '#')
                                            || (c == '|' && out[i + 1] == '*' && out[i + 2] == '+')))
            c = ' ';
    }
}

std::string_view extension(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1);
}

void appendUpper(std::string& out, std::string_view text)
{
    for (char c : text)
        out.push_back(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);
}

const char* status(const Statement& row, const std::string& today)
{
    if (!row.utf8(8).empty())
        return "Apagado";
    const std::string_view expiry = row.utf8(11);
    if (!expiry.empty() && expiry < today)
        return "Expirado";
    const std::string_view activation = row.utf8(10);
    if (!activation.empty() && activation > today)
        return "Aguardando";
    return row.utf8(7).empty() ? "Ativo" : "Lido";
}

void appendRecord(std::string& out, const Statement& row, const std::string& today)
{
    appendField(out, row.utf8(0));                     // 0 client company
    out += kField; appendField(out, row.utf8(1));      // 1 type letter
    out += kField; out += std::to_string(row.integer(2));  // 2 ID
    out += kField; appendField(out, row.utf8(3));      // 3 description
    out += kField; appendField(out, row.utf8(4));      // 4 file name
    out += kField; out += std::to_string(row.integer(5));  // 5 size
    out += kField; appendUpper(out, extension(row.utf8(4)));  // 6 kind of file
    out += kField; out += status(row, today);          // 7 status
    out += kField; appendWireDate(out, row.utf8(6));   // 8 published
    out += kField; appendWireDate(out, row.utf8(7));   // 9 read
    out += kField; appendWireDate(out, row.utf8(8));   // 10 deleted
    out += kField; appendField(out, row.utf8(9));      // 11 sender
    out += kField; appendWireDate(out, row.utf8(10));  // 12 activation
    out += kField; appendWireDate(out, row.utf8(11));  // 13 expiry
    out += kField; appendWireDate(out, row.utf8(12));  // 14 due
    out += kField;                                     // 15 amount
    if (!row.isNull(13))
        out += platform::Regional::number(row.real(13), 2).toStdString();
    out += kField; appendWireDate(out, row.utf8(14));  // 16 backup
}

Reply consultation(PortalContext& context, const SignedIn& who, const ConsultaFilter& filter)
{
    const std::string sql = std::string(kRecordColumns) + "WHERE "
                            + whereClause(filter, who.office.id, context.today()) + " ORDER BY "
                            + orderClause(filter) + " LIMIT " + std::to_string(kMostRecords);
    Statement row = context.store.database().prepare(sql);
    const std::string today = isoDay(context.today()).toStdString();
    std::string records;
    int count = 0;
    while (row.step()) {
        if (count++)
            records += kRecord;
        appendRecord(records, row, today);
    }
    const QString body = kSistema + QStringLiteral("\r\n")
                         + QString::fromUtf8(records.data(), qsizetype(records.size()))
                         + QStringLiteral("\r\n") + QString::number(count);
    return text(body);
}

// The file of a document the office still has, or nothing: an empty body is
// how the client learns that the portal has no such document.
Reply retrieval(PortalContext& context, const SignedIn& who, const QueryString& query)
{
    const auto id = query.integer(QStringLiteral("ia"));
    const auto document = id ? context.store.document(who.office.id, *id) : std::nullopt;
    if (!document || !document->deleted.isEmpty() || document->storedFile.contains(QLatin1Char('/'))
        || document->storedFile.startsWith(QLatin1Char('.')))
        return empty();
    QFile file(context.documentsDir() + QLatin1Char('/') + document->storedFile);
    if (!file.open(QIODevice::ReadOnly))
        return empty();
    const QByteArray content = file.readAll();
    context.store.recordBackup(document->id, isoMoment(context.now()));
    return bytes(content);
}

} // namespace

Reply consultationPage(PortalContext& context, const QueryString& query)
{
    const Admission admission = admit(context, query);
    if (query.has(QStringLiteral("ia")))
        return admission.signedIn ? retrieval(context, *admission.signedIn, query) : empty();
    if (!admission.signedIn)
        return admission.refusal;
    const FilterParse parsed = parseFilter(query);
    if (!parsed.filter)
        return refusal(Refusal::BadRequest, parsed.error);
    return consultation(context, *admission.signedIn, *parsed.filter);
}

} // namespace zv::portal
