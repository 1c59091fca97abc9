#include "core/DocumentoAtual.h"

#include <QFileInfo>

namespace zv::core {

void DocumentoAtual::setTipo(const QString& vData)
{
    const qsizetype dot = vData.lastIndexOf(QLatin1Char('.'));
    m_tipo = (dot >= 0 ? vData.mid(dot + 1) : vData).toLower();
}

bool DocumentoAtual::ValidaArquivo(QString& path, QString& mensagem)
{
    path = path.trimmed();
    if (path.isEmpty()) {
        mensagem = QStringLiteral("Erro na transferência da Impressão!");
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        mensagem = QStringLiteral("Erro no acesso da Impressão!");
        return false;
    }
    m_arquivo = path;
    return true;
}

} // namespace zv::core
