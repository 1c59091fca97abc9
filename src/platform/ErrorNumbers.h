#pragma once
#include <QString>
#include <exception>

namespace zv::platform {

// The program's own numbering of failures, with the standard description of
// each number. docs/error-numbers.md lists the same table for support staff.
inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrOutOfMemory = 7;
inline constexpr int kErrSubscript = 9;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrBadFileName = 52;
inline constexpr int kErrFileNotFound = 53;
inline constexpr int kErrFileExists = 58;
inline constexpr int kErrDiskFull = 61;
inline constexpr int kErrPermissionDenied = 70;
inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrPathNotFound = 76;
inline constexpr int kErrObjectNotSet = 91;

QString errorDescription(int number);

// A failure raised by a statement of a window or daemon procedure; the
// procedure's trap hands it to the error routine and carries on.
class Failure : public std::exception {
public:
    explicit Failure(int number, QString detail = {})
        : m_number(number), m_detail(std::move(detail)) {}
    int number() const noexcept { return m_number; }
    const QString& detail() const noexcept { return m_detail; }
    const char* what() const noexcept override { return "zv::platform::Failure"; }

private:
    int m_number;
    QString m_detail;
};

} // namespace zv::platform
