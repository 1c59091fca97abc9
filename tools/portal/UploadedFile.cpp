#include "portal/UploadedFile.h"

#include "platform/Cp1252.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace zv::portal {

namespace {

constexpr qsizetype kLongestName = 255;

QString withUnreadableLettersReplaced(const QString& name)
{
    QString replaced = name;
    for (QChar& c : replaced)
        if (c.unicode() > 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    return replaced;
}

std::optional<Upload> regularFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isSymLink() || !info.isFile())
        return std::nullopt;
    return Upload{path, info.size()};
}

// A server that keeps names byte for byte holds the Windows-1252 bytes the
// client sent; such a file is given its readable spelling first, so that
// everything after this works with ordinary names.
std::optional<Upload> fromClientBytes(const QString& ftpRoot, const QString& name)
{
    const QByteArray bytes = platform::toCp1252(name);
    if (bytes == name.toUtf8())
        return std::nullopt;
    namespace fs = std::filesystem;
    const fs::path root(ftpRoot.toStdString());
    const fs::path raw = root / bytes.toStdString();
    const fs::path readable = root / name.toStdString();
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(raw, error)) || fs::exists(fs::symlink_status(readable, error)))
        return std::nullopt;
    fs::rename(raw, readable, error);
    if (error)
        return std::nullopt;
    return regularFile(ftpRoot + QLatin1Char('/') + name);
}

} // namespace

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name.toUtf8().size() > kLongestName || name.contains(QStringLiteral("..")))
        return false;
    for (QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return name != QLatin1String(".");
}

std::optional<Upload> findUpload(const QString& ftpRoot, const QString& name)
{
    if (!isPlainFileName(name))
        return std::nullopt;
    if (auto found = regularFile(ftpRoot + QLatin1Char('/') + name))
        return found;
    if (auto found = fromClientBytes(ftpRoot, name))
        return found;
    const QString replaced = withUnreadableLettersReplaced(name);
    if (replaced == name)
        return std::nullopt;
    return regularFile(ftpRoot + QLatin1Char('/') + replaced);
}

bool copyUpload(const Upload& upload, const QString& target)
{
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    if (!QFile::copy(upload.path, target))
        return false;
    if (QFileInfo(target).size() != upload.size) {
        QFile::remove(target);
        return false;
    }
    return true;
}

StoredCopies::~StoredCopies()
{
    for (const QString& path : m_paths)
        QFile::remove(path);
}

bool StoredCopies::copy(const Upload& upload, const QString& target)
{
    if (!copyUpload(upload, target))
        return false;
    m_paths << target;
    return true;
}

} // namespace zv::portal
