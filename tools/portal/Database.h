#pragma once
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zv::portal {

// A failure of the portal's store, with a sentence for the operator.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Statement;

// One SQLite database file. Every failure throws StoreError; the file is
// never removed or rewritten when it turns out to be damaged.
class Database {
public:
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql);
    Statement prepare(std::string_view sql);
    std::int64_t lastInsertId() const;
    std::string lastError() const;

private:
    sqlite3* m_db = nullptr;
};

// A prepared statement; parameters are numbered from 1, columns from 0.
class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, double value);
    Statement& bind(int index, const QString& value);
    Statement& bind(int index, const std::optional<QString>& value);
    Statement& bindNull(int index);

    // Advances to the next row; false when there is none.
    bool step();
    // Runs a statement that answers no row.
    void run();
    void reset();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    QString text(int column) const;
    // The column's UTF-8 bytes without a copy (valid until the next step).
    std::string_view utf8(int column) const;

private:
    void check(int code, const char* what) const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// Commits on commit(), rolls back when left without it.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    void commit();

private:
    Database& m_db;
    bool m_open = true;
};

} // namespace zv::portal
