#include "platform/SpecialFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace zv::platform {

QString applicationDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString sendToFolder()
{
    const QString data = applicationDataFolder();
    return data.isEmpty() ? QString() : data + QStringLiteral("/applications");
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString executableName(const QString& baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

} // namespace zv::platform
