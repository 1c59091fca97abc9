#include "publishing/NomeArquivo.h"

namespace zv::publishing {

bool nomeSeguro(const QString& nome)
{
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String(".."))
        return false;
    for (QChar c : nome) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20
            || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

} // namespace zv::publishing
