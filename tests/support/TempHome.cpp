#include "support/TempHome.h"

#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::test {

namespace {
const char* const kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
} // namespace

TempHome::TempHome()
{
    for (const char* name : kVariables)
        m_saved[name] = qgetenv(name);
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    QDir().mkpath(config());
    QDir().mkpath(appData());
    delete std::exchange(core::Ambiente, nullptr);
    core::bEncerrar = false;
    platform::Clock::reset();
}

TempHome::~TempHome()
{
    delete std::exchange(core::Ambiente, nullptr);
    core::bEncerrar = false;
    platform::Clock::reset();
    for (const auto& [name, value] : m_saved) {
        if (value.isEmpty())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

QString TempHome::appData() const { return m_dir.path() + QStringLiteral("/.local/share"); }
QString TempHome::config() const { return m_dir.path() + QStringLiteral("/.config"); }

QString TempHome::writeFile(const QString& relativePath, const QByteArray& content) const
{
    const QString full = QDir(m_dir.path()).filePath(relativePath);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return full;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace zv::test
