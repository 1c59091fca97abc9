#include "portal/PortalStore.h"

#include <limits>
#include <random>

namespace zv::portal {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS escritorio (
  id INTEGER PRIMARY KEY, dominio TEXT NOT NULL UNIQUE COLLATE NOCASE, nome TEXT NOT NULL,
  logo TEXT NOT NULL, tp_logo TEXT NOT NULL, ftp_servidor TEXT NOT NULL, ftp_usuario TEXT NOT NULL,
  ftp_senha TEXT NOT NULL, espaco_total REAL NOT NULL, debug INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS usuario (
  id INTEGER PRIMARY KEY, escritorio_id INTEGER NOT NULL REFERENCES escritorio(id),
  login TEXT NOT NULL COLLATE NOCASE, senha TEXT NOT NULL, nome TEXT NOT NULL,
  admin INTEGER NOT NULL, ativo INTEGER NOT NULL, UNIQUE (escritorio_id, login));
CREATE TABLE IF NOT EXISTS sessao (
  numero INTEGER PRIMARY KEY, usuario_id INTEGER NOT NULL REFERENCES usuario(id),
  ultimo_uso INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS carteira (
  id INTEGER PRIMARY KEY, escritorio_id INTEGER NOT NULL REFERENCES escritorio(id), nome TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS cliente (
  id INTEGER PRIMARY KEY, escritorio_id INTEGER NOT NULL REFERENCES escritorio(id),
  carteira_id INTEGER NOT NULL REFERENCES carteira(id), nome TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS documento (
  id INTEGER PRIMARY KEY, escritorio_id INTEGER NOT NULL REFERENCES escritorio(id),
  cliente_id INTEGER REFERENCES cliente(id), tipo TEXT NOT NULL, descricao TEXT NOT NULL,
  arquivo TEXT NOT NULL, arquivo_guardado TEXT NOT NULL, tamanho INTEGER NOT NULL,
  usuario_id INTEGER NOT NULL REFERENCES usuario(id), publicado TEXT NOT NULL, lido TEXT,
  apagado TEXT, backup TEXT, ativacao TEXT, expiracao TEXT, vencimento TEXT, valor REAL);
CREATE INDEX IF NOT EXISTS documento_publicado ON documento (escritorio_id, publicado);
CREATE TABLE IF NOT EXISTS publicacao (
  documento_id INTEGER PRIMARY KEY REFERENCES documento(id), observacao TEXT NOT NULL,
  parametro1 TEXT NOT NULL, parametro2 TEXT NOT NULL, parametro3 TEXT NOT NULL,
  parametro4 TEXT NOT NULL, parametro5 TEXT NOT NULL, pasta TEXT NOT NULL, usuarios TEXT NOT NULL,
  email TEXT NOT NULL, admin TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS contato (
  id INTEGER PRIMARY KEY, cliente_id INTEGER NOT NULL REFERENCES cliente(id), nome TEXT NOT NULL,
  email TEXT NOT NULL COLLATE NOCASE, principal INTEGER NOT NULL, agendado INTEGER NOT NULL,
  UNIQUE (cliente_id, email));
CREATE TABLE IF NOT EXISTS aviso (
  id INTEGER PRIMARY KEY, documento_id INTEGER NOT NULL REFERENCES documento(id),
  email TEXT NOT NULL, momento TEXT NOT NULL, situacao INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS dica (ordem INTEGER PRIMARY KEY, titulo TEXT NOT NULL, texto TEXT NOT NULL);
)sql";

std::optional<QString> orNull(const QString& text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

Office officeFrom(const Statement& row)
{
    return Office{row.integer(0), row.text(1), row.text(2), row.text(3), row.text(4), row.text(5),
                  row.text(6), row.text(7), row.real(8), row.integer(9) != 0};
}

User userFrom(const Statement& row)
{
    return User{row.integer(0), row.integer(1), row.text(2), row.text(3),
                row.text(4), row.integer(5), row.integer(6) != 0};
}

constexpr const char* kOfficeColumns =
    "SELECT id, dominio, nome, logo, tp_logo, ftp_servidor, ftp_usuario, ftp_senha, espaco_total, "
    "debug FROM escritorio ";
constexpr const char* kUserColumns =
    "SELECT id, escritorio_id, login, senha, nome, admin, ativo FROM usuario ";

} // namespace

PortalStore::PortalStore(const QString& databasePath) : m_db(databasePath)
{
    createSchema();
}

void PortalStore::createSchema()
{
    m_db.exec("PRAGMA foreign_keys = ON");
    m_db.exec(kSchema);
}

bool PortalStore::isEmpty()
{
    Statement count = m_db.prepare("SELECT count(*) FROM escritorio");
    return count.step() && count.integer(0) == 0;
}

std::int64_t PortalStore::addOffice(const Office& office)
{
    m_db.prepare("INSERT INTO escritorio (id, dominio, nome, logo, tp_logo, ftp_servidor, "
                 "ftp_usuario, ftp_senha, espaco_total, debug) VALUES (?,?,?,?,?,?,?,?,?,?)")
        .bind(1, office.id).bind(2, office.domain).bind(3, office.name).bind(4, office.logo)
        .bind(5, office.logoType).bind(6, office.ftpServer).bind(7, office.ftpUser)
        .bind(8, office.ftpPassword).bind(9, office.spaceTotal).bind(10, std::int64_t(office.debug))
        .run();
    return m_db.lastInsertId();
}

std::int64_t PortalStore::addUser(const User& user)
{
    m_db.prepare("INSERT INTO usuario (id, escritorio_id, login, senha, nome, admin, ativo) "
                 "VALUES (?,?,?,?,?,?,?)")
        .bind(1, user.id).bind(2, user.officeId).bind(3, user.login).bind(4, user.password)
        .bind(5, user.name).bind(6, user.admin).bind(7, std::int64_t(user.active))
        .run();
    return m_db.lastInsertId();
}

std::int64_t PortalStore::addPortfolio(const Portfolio& portfolio)
{
    m_db.prepare("INSERT INTO carteira (id, escritorio_id, nome) VALUES (?,?,?)")
        .bind(1, portfolio.id).bind(2, portfolio.officeId).bind(3, portfolio.name)
        .run();
    return m_db.lastInsertId();
}

std::int64_t PortalStore::addClient(const Client& client)
{
    m_db.prepare("INSERT INTO cliente (id, escritorio_id, carteira_id, nome) VALUES (?,?,?,?)")
        .bind(1, client.id).bind(2, client.officeId).bind(3, client.portfolioId).bind(4, client.name)
        .run();
    return m_db.lastInsertId();
}

std::int64_t PortalStore::addDocument(const Document& d)
{
    Statement insert = m_db.prepare(
        "INSERT INTO documento (id, escritorio_id, cliente_id, tipo, descricao, arquivo, "
        "arquivo_guardado, tamanho, usuario_id, publicado, lido, apagado, backup, ativacao, "
        "expiracao, vencimento, valor) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    if (d.id > 0)
        insert.bind(1, d.id);
    else
        insert.bindNull(1);
    insert.bind(2, d.officeId);
    if (d.clientId)
        insert.bind(3, *d.clientId);
    else
        insert.bindNull(3);
    insert.bind(4, d.type).bind(5, d.description).bind(6, d.fileName).bind(7, d.storedFile)
        .bind(8, d.size).bind(9, d.userId).bind(10, d.published).bind(11, orNull(d.read))
        .bind(12, orNull(d.deleted)).bind(13, orNull(d.backup)).bind(14, orNull(d.activation))
        .bind(15, orNull(d.expiry)).bind(16, orNull(d.due));
    if (d.amount)
        insert.bind(17, *d.amount);
    else
        insert.bindNull(17);
    insert.run();
    return m_db.lastInsertId();
}

std::int64_t PortalStore::nextDocumentId()
{
    Statement highest = m_db.prepare("SELECT COALESCE(max(id), 0) + 1 FROM documento");
    return highest.step() ? highest.integer(0) : 1;
}

void PortalStore::addPublication(const Publication& p)
{
    Statement insert = m_db.prepare(
        "INSERT INTO publicacao (documento_id, observacao, parametro1, parametro2, parametro3, "
        "parametro4, parametro5, pasta, usuarios, email, admin) VALUES (?,?,?,?,?,?,?,?,?,?,?)");
    insert.bind(1, p.documentId).bind(2, p.observation);
    for (int i = 0; i < 5; ++i)
        insert.bind(3 + i, p.parameters.value(i));
    insert.bind(8, p.folder).bind(9, p.senders).bind(10, p.email).bind(11, p.admin).run();
}

std::optional<Publication> PortalStore::publication(std::int64_t documentId)
{
    Statement row = m_db.prepare(
        "SELECT observacao, parametro1, parametro2, parametro3, parametro4, parametro5, pasta, "
        "usuarios, email, admin FROM publicacao WHERE documento_id = ?");
    row.bind(1, documentId);
    if (!row.step())
        return std::nullopt;
    return Publication{documentId, row.text(0),
                       {row.text(1), row.text(2), row.text(3), row.text(4), row.text(5)},
                       row.text(6), row.text(7), row.text(8), row.text(9)};
}

std::int64_t PortalStore::addContact(const Contact& c)
{
    Statement insert = m_db.prepare(
        "INSERT INTO contato (id, cliente_id, nome, email, principal, agendado) VALUES (?,?,?,?,?,?)");
    if (c.id > 0)
        insert.bind(1, c.id);
    else
        insert.bindNull(1);
    insert.bind(2, c.clientId).bind(3, c.name).bind(4, c.email).bind(5, std::int64_t(c.main))
        .bind(6, std::int64_t(c.scheduled)).run();
    return m_db.lastInsertId();
}

void PortalStore::addNotice(const Notice& n)
{
    m_db.prepare("INSERT INTO aviso (documento_id, email, momento, situacao) VALUES (?,?,?,?)")
        .bind(1, n.documentId).bind(2, n.email).bind(3, n.moment).bind(4, std::int64_t(n.outcome))
        .run();
}

void PortalStore::addTip(const Tip& tip)
{
    m_db.prepare("INSERT INTO dica (ordem, titulo, texto) VALUES (?,?,?)")
        .bind(1, tip.order).bind(2, tip.title).bind(3, tip.text)
        .run();
}

std::optional<Office> PortalStore::officeByDomain(const QString& domain)
{
    Statement row = m_db.prepare(std::string(kOfficeColumns) + "WHERE dominio = ?");
    row.bind(1, domain);
    return row.step() ? std::optional(officeFrom(row)) : std::nullopt;
}

std::optional<Office> PortalStore::officeById(std::int64_t id)
{
    Statement row = m_db.prepare(std::string(kOfficeColumns) + "WHERE id = ?");
    row.bind(1, id);
    return row.step() ? std::optional(officeFrom(row)) : std::nullopt;
}

std::optional<User> PortalStore::userByLogin(std::int64_t officeId, const QString& login)
{
    Statement row = m_db.prepare(std::string(kUserColumns) + "WHERE escritorio_id = ? AND login = ?");
    row.bind(1, officeId).bind(2, login);
    return row.step() ? std::optional(userFrom(row)) : std::nullopt;
}

std::optional<User> PortalStore::userById(std::int64_t id)
{
    Statement row = m_db.prepare(std::string(kUserColumns) + "WHERE id = ?");
    row.bind(1, id);
    return row.step() ? std::optional(userFrom(row)) : std::nullopt;
}

std::int64_t PortalStore::openSession(std::int64_t userId, std::int64_t now)
{
    // Numbers a client cannot guess from the previous one, always positive
    // 32-bit values (the client keeps them in a signed 32-bit member).
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::int64_t> pick(100000, 2147483647);
    for (;;) {
        const std::int64_t number = pick(random);
        if (session(number))
            continue;
        m_db.prepare("INSERT INTO sessao (numero, usuario_id, ultimo_uso) VALUES (?,?,?)")
            .bind(1, number).bind(2, userId).bind(3, now)
            .run();
        return number;
    }
}

std::optional<Session> PortalStore::session(std::int64_t number)
{
    Statement row = m_db.prepare("SELECT numero, usuario_id, ultimo_uso FROM sessao WHERE numero = ?");
    row.bind(1, number);
    return row.step() ? std::optional(Session{row.integer(0), row.integer(1), row.integer(2)})
                      : std::nullopt;
}

void PortalStore::touchSession(std::int64_t number, std::int64_t now)
{
    m_db.prepare("UPDATE sessao SET ultimo_uso = ? WHERE numero = ?").bind(1, now).bind(2, number).run();
}

std::vector<Portfolio> PortalStore::portfolios(std::int64_t officeId)
{
    std::vector<Portfolio> list;
    Statement row = m_db.prepare("SELECT id, nome FROM carteira WHERE escritorio_id = ? ORDER BY nome");
    row.bind(1, officeId);
    while (row.step())
        list.push_back(Portfolio{row.integer(0), officeId, row.text(1)});
    return list;
}

std::vector<Client> PortalStore::clients(std::int64_t officeId)
{
    std::vector<Client> list;
    Statement row = m_db.prepare(
        "SELECT id, carteira_id, nome FROM cliente WHERE escritorio_id = ? ORDER BY nome");
    row.bind(1, officeId);
    while (row.step())
        list.push_back(Client{row.integer(0), officeId, row.integer(1), row.text(2)});
    return list;
}

std::optional<Client> PortalStore::client(std::int64_t officeId, std::int64_t clientId)
{
    Statement row = m_db.prepare("SELECT carteira_id, nome FROM cliente WHERE escritorio_id = ? AND id = ?");
    row.bind(1, officeId).bind(2, clientId);
    return row.step() ? std::optional(Client{clientId, officeId, row.integer(0), row.text(1)})
                      : std::nullopt;
}

std::vector<Contact> PortalStore::contacts(std::int64_t clientId, bool everyContact)
{
    std::vector<Contact> list;
    Statement row = m_db.prepare(
        "SELECT id, nome, email, principal, agendado FROM contato WHERE cliente_id = ? "
        "AND (? OR principal <> 0) ORDER BY id");
    row.bind(1, clientId).bind(2, std::int64_t(everyContact));
    while (row.step())
        list.push_back(Contact{row.integer(0), clientId, row.text(1), row.text(2), row.integer(3) != 0,
                               row.integer(4) != 0});
    return list;
}

bool PortalStore::hasContacts()
{
    Statement any = m_db.prepare("SELECT EXISTS (SELECT 1 FROM contato)");
    return any.step() && any.integer(0) != 0;
}

std::vector<Notice> PortalStore::notices(std::int64_t documentId)
{
    std::vector<Notice> list;
    Statement row = m_db.prepare(
        "SELECT email, momento, situacao FROM aviso WHERE documento_id = ? ORDER BY id");
    row.bind(1, documentId);
    while (row.step())
        list.push_back(Notice{documentId, row.text(0), row.text(1), int(row.integer(2))});
    return list;
}

std::vector<User> PortalStore::publishers(std::int64_t officeId)
{
    std::vector<User> list;
    Statement row = m_db.prepare(
        std::string(kUserColumns) + "WHERE escritorio_id = ?1 AND id IN "
        "(SELECT usuario_id FROM documento WHERE escritorio_id = ?1) ORDER BY nome");
    row.bind(1, officeId);
    while (row.step())
        list.push_back(userFrom(row));
    return list;
}

std::optional<Document> PortalStore::document(std::int64_t officeId, std::int64_t documentId)
{
    Statement row = m_db.prepare(
        "SELECT id, arquivo, arquivo_guardado, tamanho, COALESCE(apagado, ''), cliente_id "
        "FROM documento WHERE escritorio_id = ? AND id = ?");
    row.bind(1, officeId).bind(2, documentId);
    if (!row.step())
        return std::nullopt;
    Document found;
    found.id = row.integer(0);
    found.officeId = officeId;
    found.fileName = row.text(1);
    found.storedFile = row.text(2);
    found.size = row.integer(3);
    found.deleted = row.text(4);
    if (!row.isNull(5))
        found.clientId = row.integer(5);
    return found;
}

void PortalStore::recordBackup(std::int64_t documentId, const QString& moment)
{
    m_db.prepare("UPDATE documento SET backup = ? WHERE id = ?").bind(1, moment).bind(2, documentId).run();
}

std::int64_t PortalStore::bytesInUse(std::int64_t officeId)
{
    Statement sum = m_db.prepare(
        "SELECT COALESCE(sum(tamanho), 0) FROM documento WHERE escritorio_id = ? AND apagado IS NULL");
    sum.bind(1, officeId);
    return sum.step() ? sum.integer(0) : 0;
}

std::optional<Tip> PortalStore::tipAfter(std::optional<std::int64_t> order)
{
    Statement next = m_db.prepare(
        "SELECT ordem, titulo, texto FROM dica WHERE ordem > ? ORDER BY ordem LIMIT 1");
    next.bind(1, order.value_or(std::numeric_limits<std::int64_t>::min()));
    if (!next.step()) {
        next.reset();
        next.bind(1, std::numeric_limits<std::int64_t>::min());
        if (!next.step())
            return std::nullopt;
    }
    return Tip{next.integer(0), next.text(1), next.text(2)};
}

} // namespace zv::portal
