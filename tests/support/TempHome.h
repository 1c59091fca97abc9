#pragma once
#include "support/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>

namespace zv::test {

// A fresh home for one test: HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point
// into a temporary folder for the life of the object, and what they were
// before comes back afterwards. The program's globals start empty.
class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString appData() const;  // what the program calls APPDATA
    QString config() const;
    // Writes a file (creating its folders); answers its path.
    QString writeFile(const QString& relativePath, const QByteArray& content) const;

private:
    QTemporaryDir m_dir;
    std::map<QByteArray, QByteArray> m_saved;
};

QByteArray readAll(const QString& path);

} // namespace zv::test
