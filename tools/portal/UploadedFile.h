#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zv::portal {

// A file the office's program put into the FTP server's root folder just
// before it asked for its publication.
struct Upload {
    QString path;
    std::int64_t size = 0;
};

// A name that stays inside the folder it is looked up in: not empty, at
// most 255 bytes, no path separator, no "..", no control character.
bool isPlainFileName(const QString& name);

// The regular file (not a link, not a folder) of that plain name in
// `ftpRoot`. Looked for under the name itself (a server that keeps names in
// UTF-8), then under the Windows-1252 bytes the client sent (a server that
// keeps names byte for byte), then with each letter beyond ASCII replaced
// by U+FFFD (a server that could not read the name).
std::optional<Upload> findUpload(const QString& ftpRoot, const QString& name);

// Copies `upload` to `target` (replacing a leftover file there, which no
// document owns) and checks that the copy has the upload's length.
bool copyUpload(const Upload& upload, const QString& target);

// The copies a publication made; removed again unless kept, so that a
// publication that fails half-way leaves no orphan file behind.
class StoredCopies {
public:
    StoredCopies() = default;
    ~StoredCopies();
    StoredCopies(const StoredCopies&) = delete;
    StoredCopies& operator=(const StoredCopies&) = delete;

    bool copy(const Upload& upload, const QString& target);
    void keep() { m_paths.clear(); }

private:
    QStringList m_paths;
};

} // namespace zv::portal
