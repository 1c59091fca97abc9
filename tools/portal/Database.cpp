#include "portal/Database.h"

#include <sqlite3.h>

#include <utility>

namespace zv::portal {

Database::Database(const QString& path)
{
    const QByteArray file = path.toUtf8();
    const int code = sqlite3_open_v2(file.constData(), &m_db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                     nullptr);
    if (code != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw StoreError("não foi possível abrir o banco " + path.toStdString() + ": " + reason);
    }
    sqlite3_busy_timeout(m_db, 5000);
    // A damaged or foreign file shows itself at the first read; say so here,
    // before anything tries to write into it.
    exec("SELECT count(*) FROM sqlite_master");
}

Database::~Database()
{
    sqlite3_close(m_db);
}

void Database::exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : lastError();
        sqlite3_free(message);
        throw StoreError("erro no banco do portal: " + reason);
    }
}

Statement Database::prepare(std::string_view sql)
{
    return Statement(m_db, sql);
}

std::int64_t Database::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

std::string Database::lastError() const
{
    return sqlite3_errmsg(m_db);
}

Statement::Statement(sqlite3* db, std::string_view sql) : m_db(db)
{
    check(sqlite3_prepare_v2(db, sql.data(), int(sql.size()), &m_stmt, nullptr), "preparar");
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db), m_stmt(std::exchange(other.m_stmt, nullptr))
{
}

void Statement::check(int code, const char* what) const
{
    if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE)
        throw StoreError(std::string("erro no banco do portal (") + what + "): " + sqlite3_errmsg(m_db));
}

Statement& Statement::bind(int index, std::int64_t value)
{
    check(sqlite3_bind_int64(m_stmt, index, value), "parâmetro");
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    check(sqlite3_bind_double(m_stmt, index, value), "parâmetro");
    return *this;
}

Statement& Statement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT),
          "parâmetro");
    return *this;
}

Statement& Statement::bind(int index, const std::optional<QString>& value)
{
    return value ? bind(index, *value) : bindNull(index);
}

Statement& Statement::bindNull(int index)
{
    check(sqlite3_bind_null(m_stmt, index), "parâmetro");
    return *this;
}

bool Statement::step()
{
    const int code = sqlite3_step(m_stmt);
    check(code, "consulta");
    return code == SQLITE_ROW;
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(m_stmt, column);
}

std::string_view Statement::utf8(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    return bytes ? std::string_view(bytes, size_t(sqlite3_column_bytes(m_stmt, column)))
                 : std::string_view();
}

QString Statement::text(int column) const
{
    const std::string_view bytes = utf8(column);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

Transaction::Transaction(Database& db) : m_db(db)
{
    m_db.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (m_open) {
        try {
            m_db.exec("ROLLBACK");
        } catch (const StoreError&) {
        }
    }
}

void Transaction::commit()
{
    m_db.exec("COMMIT");
    m_open = false;
}

} // namespace zv::portal
