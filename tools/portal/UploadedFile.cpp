#include "portal/UploadedFile.h"

#include <QFile>
#include <QFileInfo>

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
