#include "core/CopiaSegura.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace zv::core {

namespace {

std::filesystem::path caminho(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

bool copiaSegura(const QString& origem, const QString& destino, bool substituir)
{
    namespace fs = std::filesystem;
    std::error_code erro;
    const fs::path de = caminho(origem);
    const fs::path para = caminho(destino);
    if (!fs::is_regular_file(de, erro) || destino.isEmpty())
        return false;
    const bool existe = fs::exists(para, erro);
    if (existe && (!substituir || fs::equivalent(de, para, erro)))
        return false;

    fs::path parcial = para;
    parcial += ".parcial";
    fs::remove(parcial, erro);
    if (!fs::copy_file(de, parcial, fs::copy_options::overwrite_existing, erro)) {
        fs::remove(parcial, erro);
        return false;
    }
    // Without replacement a file that appeared meanwhile is not overwritten.
    if (!substituir && fs::exists(para, erro)) {
        fs::remove(parcial, erro);
        return false;
    }
    fs::rename(parcial, para, erro);
    if (erro) {
        fs::remove(parcial, erro);
        return false;
    }
    return true;
}

} // namespace zv::core
