#pragma once
#include "platform/ErrorNumbers.h"

#include <QString>
#include <exception>

namespace zv::core {

void TrataErro(qint32 numero, const QString& objeto, const QString& procedimento);

// The failure trap of one window or daemon procedure: each statement runs
// through it; a statement that fails is reported through TrataErro with the
// window's and the procedure's names, and the procedure goes on with the
// next statement.
class ErrorTrap {
public:
    ErrorTrap(QString objeto, QString procedimento)
        : m_objeto(std::move(objeto)), m_procedimento(std::move(procedimento)) {}

    // Runs one statement; false when it failed (and was reported).
    template <class Statement>
    bool operator()(Statement&& statement) noexcept
    {
        try {
            statement();
            return true;
        } catch (const platform::Failure& f) {
            report(f.number());
        } catch (const std::bad_alloc&) {
            report(platform::kErrOutOfMemory);
        } catch (...) {
            report(platform::kErrInvalidCall);
        }
        return false;
    }

    // The test of a conditional: a test that fails counts as true, so the
    // procedure goes on with the first statement of the true branch.
    template <class Test>
    bool test(Test&& condition) noexcept
    {
        bool result = true;
        (*this)([&] { result = condition(); });
        return result;
    }

    int failures() const { return m_failures; }

private:
    void report(int numero) noexcept;

    QString m_objeto;
    QString m_procedimento;
    int m_failures = 0;
};

// For the small handlers (focus, key press, counters, layout) whose failures
// are ignored.
template <class Statement>
void ignoreFailures(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (...) {
    }
}

} // namespace zv::core
