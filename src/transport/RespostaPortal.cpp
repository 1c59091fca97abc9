#include "transport/RespostaPortal.h"

namespace zv::transport {

QStringList linhas(const QString& resposta)
{
    return resposta.split(Delimitador::CrLf);
}

QStringList partes(const QString& texto, const QString& delimitador)
{
    return texto.split(delimitador);
}

bool primeiraLinhaE(const QString& resposta, const QString& sistema)
{
    const qsizetype end = resposta.indexOf(Delimitador::CrLf);
    return QStringView(resposta).left(end < 0 ? resposta.size() : end) == sistema;
}

bool comecaCom(const QString& resposta, const QString& sistema)
{
    return resposta.startsWith(sistema);
}

} // namespace zv::transport
